// The text pieces of a PDF file: numbers with a point whatever the locale, literal strings
// with their escapes, and the single-byte Windows-1252 text the standard fonts' WinAnsiEncoding
// shows.
#pragma once

#include <string>
#include <string_view>

namespace brevant {

// "0.####": at most four decimals, rounded, no trailing zeros, never "-0".
std::string FormatCoord(double value);
// "0.###": at most three decimals, as FormatCoord.
std::string FormatSize(double value);

// UTF-8 text as Windows-1252 bytes. A character the code page lacks, and a byte that is not
// valid UTF-8, becomes "?", the code page's replacement character.
std::string ToWindows1252(std::string_view utf8);

// The body of a PDF literal string: backslash and both parentheses get a backslash before
// them; a carriage return or line feed is written as \r or \n so the string stays on its line.
std::string EscapePdfString(std::string_view bytes);

// "(" + the text in Windows-1252, escaped, + ")".
std::string PdfLiteral(std::string_view utf8);

} // namespace brevant
