// The value encodings of the definition and settings files: integers, flags, numbers, texts.
#pragma once

#include "persistence/ini_document.h"

#include <string>
#include <string_view>

namespace brevant {

// An integer key; a missing key or a text that is not a whole number gives fallback.
int ReadIniInteger(const IniDocument& ini, std::string_view section, std::string_view key,
                   int fallback);
// A flag key: any non-zero integer is true; missing or not an integer gives false.
bool ReadIniFlag(const IniDocument& ini, std::string_view section, std::string_view key);
// A text key as it stands; missing gives "".
std::string ReadIniText(const IniDocument& ini, std::string_view section, std::string_view key);
// A number key written with either decimal separator; missing or unreadable gives fallback.
double ReadIniNumber(const IniDocument& ini, std::string_view section, std::string_view key,
                     double fallback);

// A decimal number with either '.' or ',' as its separator (the whole text, blanks around it
// allowed); false when it is not one or not finite.
bool ParseDecimal(std::string_view text, double& value);
// A single-precision value as a general number: as many digits as a float holds, so that a
// thickness of 3 mm kept in inches is written as 3 again.
std::string FormatSingle(float value, char decimalSeparator);

// Key and section names compare without regard to ASCII case, as in the files.
bool EqualNoCase(std::string_view a, std::string_view b);

inline const char* FlagText(bool on) {
    return on ? "1" : "0";
}

} // namespace brevant
