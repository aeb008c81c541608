// A layout kind's part of the printed data sheet as plain data: the job title's prefix, the
// cells of its dimensions and results on the sheet's grid, and whether the sheet nesting is
// printed below the flat pattern. The data sheet printer lays them out; the kind never prints.
#pragma once

#include <string>
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

struct DataSheetSection {
    std::string TitlePrefix; // the print job's title before the definition file: "Cone-"
    std::vector<SheetCell> Cells;
    // The nesting on the sheet, printed with its statement below the flat pattern.
    bool PrintsSheet = false;
    std::string SheetStatement; // "Sheet:96 X 48 = 4 pcs.   48 X 96 = 5 pcs."
    std::string Clearances;     // "X,Y Clearence: 0.5, 0.5", or empty

    void Cell(int column, int row, std::string text) {
        Cells.push_back({SheetCell::Op::Cell, column, row, std::move(text)});
    }
    void Down(int column, int row, std::string text) {
        Cells.push_back({SheetCell::Op::Down, column, row, std::move(text)});
    }
    void Rule() { Cells.push_back({SheetCell::Op::Rule, 0, 0, {}}); }
};

} // namespace brevant
