// The units of the data sheet's values.
#include "layouts/data_sheet_section.h"

#include "core/material.h"

#include <algorithm>
#include <cctype>

namespace brevant {

namespace {
bool HasDigit(const std::string& text) {
    return std::any_of(text.begin(), text.end(),
                       [](unsigned char c) { return std::isdigit(c) != 0; });
}
} // namespace

std::string SheetUnit(SheetValue value, UnitSystem units) {
    switch (value) {
    case SheetValue::Length:
        return std::string(" ") + UnitShortName(units);
    case SheetValue::Angle:
        return " deg";
    case SheetValue::Count:
        break;
    }
    return {};
}

std::string WithUnit(const std::string& value, SheetValue what, UnitSystem units) {
    return HasDigit(value) ? value + SheetUnit(what, units) : value;
}

std::string FileNameText(const std::string& path) {
    return path.empty() ? "(none)" : path;
}

void DataSheetSection::AreaWeight(int column, int row, const std::string& text, bool down) {
    std::string line = WithAreaUnit(text, Units);
    if (down)
        Down(column, row, std::move(line));
    else
        Cell(column, row, std::move(line));
}

} // namespace brevant
