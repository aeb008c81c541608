// Reading and writing the value encodings of the INI files, independent of the C locale.
#include "persistence/ini_values.h"

#include "core/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace brevant {

bool EqualNoCase(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

int ReadIniInteger(const IniDocument& ini, std::string_view section, std::string_view key,
                   int fallback) {
    const auto v = ini.Get(section, key);
    return v ? ParseInteger(*v, fallback) : fallback;
}

bool ReadIniFlag(const IniDocument& ini, std::string_view section, std::string_view key) {
    return ReadIniInteger(ini, section, key, 0) != 0;
}

std::string ReadIniText(const IniDocument& ini, std::string_view section, std::string_view key) {
    return ini.Get(section, key).value_or(std::string());
}

bool ParseDecimal(std::string_view text, double& value) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty() || text.size() > 64) return false;
    std::string s(text);
    for (char& c : s)
        if (c == ',') c = '.';
    double v = 0;
    const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || ptr != s.data() + s.size() || !std::isfinite(v)) return false;
    value = v;
    return true;
}

double ReadIniNumber(const IniDocument& ini, std::string_view section, std::string_view key,
                     double fallback) {
    double v = 0;
    const auto text = ini.Get(section, key);
    return text && ParseDecimal(*text, v) ? v : fallback;
}

std::string FormatSingle(float value, char decimalSeparator) {
    if (!std::isfinite(value)) value = 0;
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, static_cast<double>(value),
                                 std::chars_format::general, 7);
    std::string s(buf, r.ptr);
    for (char& c : s)
        if (c == '.') c = decimalSeparator;
    return s;
}

} // namespace brevant
