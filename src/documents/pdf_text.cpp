// Number, string and code page conversion for the PDF writer.
#include "documents/pdf_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace brevant {

namespace {

std::string FormatDecimals(double value, int decimals) {
    if (!std::isfinite(value)) return "0";
    std::array<char, 64> buffer{};
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::fixed, decimals);
    if (ec != std::errc()) return "0";
    std::string text(buffer.data(), end);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    if (text == "-0") text = "0";
    return text;
}

// Code points of the bytes 0x80 to 0x9F of Windows-1252; 0 where the byte is unassigned.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char ByteOfCodePoint(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] != 0 && kHighControls[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

// Decodes one UTF-8 sequence at text[i]; advances i. Returns U+FFFD for a bad sequence.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<std::uint8_t>(text[i++]);
    if (lead < 0x80) return lead;
    int extra = 0;
    char32_t c = 0;
    if ((lead & 0xE0) == 0xC0)
        extra = 1, c = lead & 0x1F;
    else if ((lead & 0xF0) == 0xE0)
        extra = 2, c = lead & 0x0F;
    else if ((lead & 0xF8) == 0xF0)
        extra = 3, c = lead & 0x07;
    else
        return 0xFFFD;
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size() || (static_cast<std::uint8_t>(text[i]) & 0xC0) != 0x80) return 0xFFFD;
        c = (c << 6) | (static_cast<std::uint8_t>(text[i++]) & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0xFFFD;
    return c;
}

} // namespace

std::string FormatCoord(double value) {
    return FormatDecimals(value, 4);
}

std::string FormatSize(double value) {
    return FormatDecimals(value, 3);
}

std::string ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();)
        out += ByteOfCodePoint(NextCodePoint(utf8, i));
    return out;
}

std::string EscapePdfString(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + 8);
    for (char c : bytes) {
        if (c == '\\' || c == '(' || c == ')') {
            out += '\\';
            out += c;
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::string PdfLiteral(std::string_view utf8) {
    return "(" + EscapePdfString(ToWindows1252(utf8)) + ")";
}

} // namespace brevant
