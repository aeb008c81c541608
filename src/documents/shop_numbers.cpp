// Locale-independent number text for the shop files.
#include "documents/shop_numbers.h"

#include <charconv>
#include <cmath>

namespace brevant {

std::string ShopNumber(double value) {
    if (!std::isfinite(value)) value = 0;    // never a token a reader cannot parse
    if (std::fabs(value) < 1e-12) value = 0; // no "-0" and no 1e-17 noise
    char buffer[32];
    const auto r =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 10);
    std::string s(buffer, r.ptr);
    // Trailing zeros say nothing; one digit stays after the point.
    while (s.size() > 2 && s.back() == '0' && s[s.size() - 2] != '.')
        s.pop_back();
    return s;
}

} // namespace brevant
