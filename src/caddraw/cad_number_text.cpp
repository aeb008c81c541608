// Number text of the CAD file formats: the short fixed-point writing and tolerant reading.
#include "caddraw/cad_number_text.h"

#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <system_error>

namespace brevant {

std::string CadNumberText(double value) {
    // Large enough for the 309 integer digits of the largest double plus sign and decimals.
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 4);
    std::string text(buffer, result.ec == std::errc() ? result.ptr : buffer);
    if (text.find('.') != std::string::npos) {
        while (!text.empty() && text.back() == '0')
            text.pop_back();
        if (!text.empty() && text.back() == '.') text.push_back('0');
    }
    if (text.starts_with('0')) {
        text.erase(0, 1);
    } else if (text.starts_with("-0")) {
        text.erase(1, 1);
    }
    return text;
}

namespace {

// The value of a number text too large or too small for a double: the largest double of its
// sign, or 0 for an underflow (a negative power of ten).
double ParseOverflow(std::string_view text) {
    const bool negative = text.starts_with('-');
    const std::size_t exponent = text.find_first_of("eE");
    if (exponent != std::string_view::npos && exponent + 1 < text.size() &&
        text[exponent + 1] == '-') {
        return 0.0;
    }
    return negative ? -DBL_MAX : DBL_MAX;
}

} // namespace

double ParseCadNumber(std::string_view text) {
    size_t start = 0;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t'))
        ++start;
    if (start < text.size() && text[start] == '+') ++start;
    const char* first = text.data() + start;
    const char* last = text.data() + text.size();
    // from_chars would accept "inf" and "nan"; only digits or a point may start a number.
    const char* digits = (first < last && *first == '-') ? first + 1 : first;
    if (digits >= last || !(*digits == '.' || (*digits >= '0' && *digits <= '9'))) return 0.0;
    double value = 0.0;
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Overflow or underflow: tell them apart by the size of the exponent's effect.
        return ParseOverflow(std::string_view(first, static_cast<std::size_t>(last - first)));
    }
    if (result.ec != std::errc() || !std::isfinite(value)) return 0.0;
    return value;
}

int RoundToInt(double value) {
    if (std::isnan(value)) return 0;
    const double rounded = std::nearbyint(value);
    if (rounded <= static_cast<double>(INT_MIN)) return INT_MIN;
    if (rounded >= static_cast<double>(INT_MAX)) return INT_MAX;
    return static_cast<int>(rounded);
}

int ParseCadInteger(std::string_view text) {
    return RoundToInt(ParseCadNumber(text));
}

} // namespace brevant
