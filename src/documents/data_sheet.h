// The data sheet: one printed page for the workshop with the date, the dimensions of the
// input page shown, the main results, a reduced print of the flat pattern and, for a regular
// cone with a sheet, the nesting counts and a print of the sheet. Texts are the controls' texts
// as the user sees them; nothing is recalculated.
#pragma once

#include "caddraw/cad_draw.h"
#include "caddraw/printer.h"
#include "core/form_model.h"

#include <string>

namespace brevant {

struct DataSheetJob {
    const FormModel& Form;
    TCadDraw& Flat;               // zoomed to its extents by the caller
    TCadDraw& Sheet;              // likewise
    int Page = kConePage;         // the input page shown
    std::string Date{};           // today in the locale's short date format
    std::string DefinitionFile{}; // the last definition file, or empty
    std::string UnitsLongName{};
    bool ObliqueCone = false;
    std::string SegmentAngle{}; // the effective segment angle, empty when not above 0
    std::string SeamAngle{};
    int BendsPerCorner = 4;
    bool SideCutsApply = false; // the side cut check passed
    bool SheetMade = false;     // a sheet layout of a regular cone was made
    int SheetCount = 0;
    int SheetCountTurned = 0;
};

// The job title of the page: "Cone-", "Square-", ... followed by the definition file.
std::string DataSheetTitle(const DataSheetJob& job);

// Prints the page as one document; false when the printer refused the job.
bool PrintDataSheet(IPrinter& printer, const DataSheetJob& job);

} // namespace brevant
