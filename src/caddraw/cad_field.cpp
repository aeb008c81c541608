// The comma-separated number fields of CDL lines and IGES parameter lines.
#include "caddraw/cad_field.h"

#include "caddraw/cad_number_text.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace brevant {

namespace {

// A line holding this many commas is not a record of ours; all its fields read 0.
constexpr std::ptrdiff_t kMaxCommas = 23;

double FieldValue(std::string_view field) {
    const size_t exponent_at = field.find('D');
    if (exponent_at == std::string_view::npos) return ParseCadNumber(field);
    const double mantissa = ParseCadNumber(field.substr(0, exponent_at));
    const double exponent = ParseCadNumber(field.substr(exponent_at + 1));
    if (mantissa == 0) return 0.0;
    const double value = mantissa * std::pow(10.0, exponent);
    // Too large for a double: the largest of its sign, which every range check rejects.
    if (!std::isfinite(value)) return mantissa < 0 ? -DBL_MAX : DBL_MAX;
    return value;
}

} // namespace

std::string PrepareCadFields(std::string_view line, CadFieldFlavor flavor) {
    std::string text(line);
    if (flavor == CadFieldFlavor::Cdl) {
        const size_t blank = text.find(' ');
        if (blank != std::string::npos) text.erase(0, blank);
        text.push_back(',');
    } else {
        const size_t semicolon = text.find(';');
        if (semicolon != std::string::npos) text[semicolon] = ',';
    }
    std::erase(text, ' ');
    return text;
}

double CadFieldOf(std::string_view prepared, int n) {
    if (n < 1 || std::count(prepared.begin(), prepared.end(), ',') >= kMaxCommas) return 0.0;
    size_t start = 0;
    for (int i = 1; i < n; ++i) {
        const size_t comma = prepared.find(',', start);
        if (comma == std::string_view::npos) return 0.0;
        start = comma + 1;
    }
    const size_t end = prepared.find(',', start);
    if (end == std::string_view::npos) return 0.0;
    return FieldValue(prepared.substr(start, end - start));
}

double CadField(std::string_view line, int n, CadFieldFlavor flavor) {
    return CadFieldOf(PrepareCadFields(line, flavor), n);
}

} // namespace brevant
