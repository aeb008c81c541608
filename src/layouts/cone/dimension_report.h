// The coordinate listings of the dimension report: heading, number format, and where the
// development leaves its listing for the engine to write.
#pragma once

#include <string>

namespace brevant {

struct ConeJob;

// The three heading lines every listing starts with (definition name, title, unit name).
std::string ReportHeading(const ConeJob& job);
// Hands the finished listing over (the engine writes it to the chosen file) and clears
// ReportInProgress.
void FinishReportListing(ConeJob& job, std::string text);
// One number of a listing: fixed, two decimals, the locale's separator.
std::string ReportNumber(const ConeJob& job, double value);

} // namespace brevant
