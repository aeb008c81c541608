// The data sheet: one printed page for the workshop with the date, the section of the layout
// kind whose page shows (its dimensions and main results), a reduced print of the flat pattern
// and, when the kind nests on a sheet, the nesting counts and a print of the sheet. Texts are the
// controls' texts as the user sees them; nothing is recalculated.
#pragma once

#include "caddraw/cad_draw.h"
#include "caddraw/printer.h"
#include "layouts/data_sheet_section.h"

#include <string>

namespace brevant {

struct DataSheetJob {
    const DataSheetSection& Section; // the kind's cells
    TCadDraw& Flat;                  // the flat pattern, fitted to its view
    TCadDraw& Sheet;                 // the sheet, likewise
    std::string Date{};              // today in the locale's short date format
    std::string DefinitionFile{};    // the definition file of this session, or empty
};

// The job title of the page: the kind's prefix ("Cone-", "Square-", ...) and the definition
// file.
std::string DataSheetTitle(const DataSheetJob& job);

// Prints the page as one document; false when the printer refused the job.
bool PrintDataSheet(IPrinter& printer, const DataSheetJob& job);

} // namespace brevant
