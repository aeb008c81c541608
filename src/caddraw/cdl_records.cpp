// CDL record layer: a keyword followed by comma-separated fields on one CR LF line.
#include "caddraw/cdl_records.h"

#include <charconv>

namespace brevant {

TCdlRecord& TCdlRecord::Field(std::string_view text) {
    if (!first_) text_.push_back(',');
    first_ = false;
    text_.append(text);
    return *this;
}

std::string CdlGeneralNumber(double value) {
    char buffer[64];
    if (value == 0) value = 0; // no "-0"
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ec == std::errc() ? result.ptr : buffer);
}

} // namespace brevant
