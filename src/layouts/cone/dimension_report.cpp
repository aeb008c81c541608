// The coordinate listings of the dimension report.
#include "layouts/cone/dimension_report.h"

#include "core/number_format.h"
#include "layouts/cone/cone_job.h"

namespace brevant {

std::string ReportNumber(const ConeJob& e, double value) {
    return FormatFixed(value, 2, e.DecimalSeparator());
}

std::string ReportHeading(const ConeJob& e) {
    return e.DefinitionName + "\r\nFlat Pattern Coordinates\r\n" + UnitLongName(e.Units()) + "\r\n";
}

void FinishReportListing(ConeJob& e, std::string text) {
    e.Drv.ReportInProgress = false;
    e.ReportText = std::move(text);
}

} // namespace brevant
