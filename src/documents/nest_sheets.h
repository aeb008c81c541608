// A finished nest rendered for the shop: each sheet's placed outlines as a cutting machine
// takes them (the true lines and arcs, turned and moved), all sheets as one SVG picture, and
// a PDF with one sheet a page.
#pragma once

#include "caddraw/canvas.h"
#include "documents/pdf_writer.h"
#include "documents/shop_outline.h"
#include "nesting/nest_job.h"

#include <string>

namespace brevant {

// The outlines of one sheet's placed parts, each closed and counter-clockwise, in the sheet's
// coordinates (its lower left corner at the origin).
ShopOutlines SheetOutlines(const NestJob& job, const NestSheet& sheet);

// Every sheet, the first at the top, each the next one's height and a tenth below the one
// before; a sheet's border is a mark.
ShopOutlines StackedSheets(const NestJob& job, const NestResult& result);

// The caption of a sheet: "Sheet 2 of 3: 96 x 48 in, utilisation 81.2 %", or for the strip
// "Strip 40 x 64.29 in, density 84.0 %".
std::string SheetCaption(const NestResult& result, std::size_t sheet, UnitSystem units);

// One landscape page per sheet (Letter for inches, A4 otherwise): the caption, the sheet's
// border and its parts scaled to fit, each part labelled with its number (the first is 1).
void BuildNestPdf(TPrintPDF& pdf, const NestJob& job, const NestResult& result, UnitSystem units);

// One sheet drawn as large as it fits into a box of the canvas (pixels, y down), centred: the
// sheet's border in borderColour, the parts' true outlines (arcs as arcs) in partColour.
void DrawNestSheet(ICanvas& canvas, const NestJob& job, const NestSheet& sheet, double left,
                   double top, double width, double height, TColor borderColour, TColor partColour);

} // namespace brevant
