// CDL record layer: a keyword followed by comma-separated fields on one CR LF line.
#pragma once

#include "caddraw/cad_number_text.h"

#include <ostream>
#include <string>
#include <string_view>

namespace brevant {

// Builds one CDL line. The keyword carries its own trailing blanks and is joined to the first
// field without a comma: "POINT  1.0,2.5,.0,10,1,0".
class TCdlRecord {
public:
    explicit TCdlRecord(std::string_view keyword) : text_(keyword) {}

    TCdlRecord& Number(double value) { return Field(CadNumberText(value)); }
    TCdlRecord& Integer(long long value) { return Field(std::to_string(value)); }
    TCdlRecord& Field(std::string_view text);

    const std::string& Text() const { return text_; }
    void WriteTo(std::ostream& out) const { out << text_ << "\r\n"; }

private:
    std::string text_;
    bool first_ = true;
};

// A matrix value of a VIEW line in the shortest general notation ("1", "-1", "0.5").
std::string CdlGeneralNumber(double value);

} // namespace brevant
