// Locale-independent number text with a chosen decimal separator.
#include "core/number_format.h"

#include <charconv>
#include <cmath>

namespace brevant {

namespace {
std::string WithSeparator(std::string s, char decimalSeparator) {
    for (char& c : s)
        if (c == '.') c = decimalSeparator;
    return s;
}
} // namespace

std::string FormatFixed(double value, int decimals, char decimalSeparator) {
    if (!std::isfinite(value)) value = 0;
    char buf[400];
    auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    std::string s(buf, r.ptr);
    // "-0.00" reads as zero on a pattern; keep the sign only for non-zero results.
    if (s.size() > 1 && s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos)
        s.erase(0, 1);
    return WithSeparator(std::move(s), decimalSeparator);
}

std::string FormatValue(double value, char decimalSeparator) {
    std::string s = FormatFixed(value, 4, '.');
    if (s.find('.') != std::string::npos) {
        while (!s.empty() && s.back() == '0')
            s.pop_back();
        if (!s.empty() && s.back() == '.') s.pop_back();
    }
    return WithSeparator(std::move(s), decimalSeparator);
}

std::string NormalizeDecimalSeparator(std::string_view text, char decimalSeparator) {
    std::string s(text);
    if (decimalSeparator == ',') {
        for (char& c : s)
            if (c == '.') c = ',';
    } else if (decimalSeparator == '.') {
        for (char& c : s)
            if (c == ',') c = '.';
    }
    return s;
}

std::string FormatGeneral(double value, char decimalSeparator) {
    if (!std::isfinite(value)) value = 0;
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    return WithSeparator(std::string(buf, r.ptr), decimalSeparator);
}

int ParseInteger(std::string_view text, int fallback) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size() || text.empty()) return fallback;
    return value;
}

} // namespace brevant
