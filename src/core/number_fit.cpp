// Numbers shown in a place of a few characters, without losing a digit off its edge.
#include "core/number_fit.h"

#include "core/number_format.h"

#include <charconv>
#include <cmath>

namespace brevant {

namespace {
// The digits of a number text that carry its value: from the first non-zero digit up to the
// exponent.
int SignificantDigits(const std::string& s) {
    int n = 0;
    bool started = false;
    for (char c : s) {
        if (c == 'e' || c == 'E') break;
        if (c < '0' || c > '9') continue;
        started = started || c != '0';
        if (started) ++n;
    }
    return n;
}
} // namespace

std::string FitNumberText(std::string_view text, std::size_t maxChars) {
    if (text.size() <= maxChars) return std::string(text);
    std::string_view trimmed = text;
    while (!trimmed.empty() && trimmed.front() == ' ')
        trimmed.remove_prefix(1);
    while (!trimmed.empty() && trimmed.back() == ' ')
        trimmed.remove_suffix(1);
    if (trimmed.size() <= maxChars) return std::string(trimmed);
    const char separator = trimmed.find(',') != std::string_view::npos ? ',' : '.';
    const std::string plain = NormalizeDecimalSeparator(trimmed, '.');
    double value = 0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec != std::errc() || end != plain.data() + plain.size() || !std::isfinite(value))
        return std::string(text);
    std::string best = std::string(text);
    int bestDigits = 0;
    for (auto format : {std::chars_format::fixed, std::chars_format::scientific})
        for (int decimals = 12; decimals >= 0; --decimals) {
            char buf[400];
            const auto r = std::to_chars(buf, buf + sizeof buf, value, format, decimals);
            if (static_cast<std::size_t>(r.ptr - buf) > maxChars) continue;
            std::string s(buf, r.ptr);
            const int digits = SignificantDigits(s);
            if (digits > bestDigits) {
                best = std::move(s);
                bestDigits = digits;
            }
            break; // the most decimals of this form that fit
        }
    if (bestDigits == 0) return std::string(text);
    for (char& c : best) {
        if (c == 'e') c = 'E';
        if (c == '.') c = separator;
    }
    return best;
}

} // namespace brevant
