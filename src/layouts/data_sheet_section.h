// A layout kind's part of the printed data sheet as plain data: the job title's prefix, the
// cells of its dimensions and results on the sheet's grid, and whether the sheet nesting is
// printed below the flat pattern. The data sheet printer lays them out; the kind never prints.
//
// Every number on the sheet carries its unit. A kind says what a value is (a length, an angle,
// a count, the area and weight text) and the section writes the unit after it: the display
// unit for lengths, "deg" for angles, nothing for counts. An empty value prints its label
// alone, and a value without a digit ("---") gets no unit.
#pragma once

#include "core/units.h"

#include <string>
#include <string_view>
#include <vector>

namespace brevant {

struct SheetCell {
    enum class Op {
        Cell, // the text at column and row
        Down, // the same, and the position below it becomes the current one
        Rule, // a line under the current position
    };
    Op Kind = Op::Cell;
    int Column = 1; // 1 to 3
    int Row = 1;
    std::string Text;
};

// What a value on the sheet measures, which decides the unit written after it.
enum class SheetValue {
    Length, // the display unit: "in", "cm", "mm"
    Angle,  // "deg"
    Count,  // no unit
};

// The unit written after a value, with its leading space: " mm", " deg", or "".
std::string SheetUnit(SheetValue value, UnitSystem units);
// The value and its unit; an empty value or one without a digit stays as it is.
std::string WithUnit(const std::string& value, SheetValue what, UnitSystem units);
// The line of a definition file: its path, or "(none)" when no definition file was loaded or
// saved in this session.
std::string FileNameText(const std::string& path);

struct DataSheetSection {
    DataSheetSection() = default;
    explicit DataSheetSection(UnitSystem units) : Units(units) {}

    UnitSystem Units = kInches;
    std::string TitlePrefix; // the print job's title before the definition file: "Cone-"
    std::vector<SheetCell> Cells;
    // The nesting on the sheet, printed with its statement below the flat pattern.
    bool PrintsSheet = false;
    std::string SheetStatement; // "Sheet:96 X 48 in = 4 pcs.   48 X 96 in = 5 pcs."
    std::string Clearances;     // "X,Y Clearence: 0.5 in, 0.5 in", or empty

    // Texts without a number (headings, captions, yes or no) as they stand.
    void Cell(int column, int row, std::string text) {
        Cells.push_back({SheetCell::Op::Cell, column, row, std::move(text)});
    }
    void Down(int column, int row, std::string text) {
        Cells.push_back({SheetCell::Op::Down, column, row, std::move(text)});
    }
    // A label and a value with the value's unit.
    void Cell(int column, int row, std::string_view label, const std::string& value,
              SheetValue what) {
        Cell(column, row, std::string(label) + WithUnit(value, what, Units));
    }
    void Down(int column, int row, std::string_view label, const std::string& value,
              SheetValue what) {
        Down(column, row, std::string(label) + WithUnit(value, what, Units));
    }
    // "File Name: " and the definition file of this session, or "(none)".
    void FileName(int column, int row, const std::string& path) {
        Cell(column, row, "File Name: " + FileNameText(path));
    }
    // The result display's area and weight text ("Area 526.86 = 18.66 lb each Steel") with the
    // area's unit written in.
    void AreaWeight(int column, int row, const std::string& text, bool down = false);
    void Rule() { Cells.push_back({SheetCell::Op::Rule, 0, 0, {}}); }
};

} // namespace brevant
