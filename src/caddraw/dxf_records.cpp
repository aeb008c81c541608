// DXF record layer: group-code and value lines, written and read in pairs.
#include "caddraw/dxf_records.h"

#include "caddraw/cad_number_text.h"

#include <charconv>

namespace brevant {

namespace {
constexpr const char* kLineEnd = "\r\n";
}

void TDxfPairWriter::Code(int code, bool padded) {
    std::string text = std::to_string(code);
    if (padded && text.size() < 3) text.insert(0, 3 - text.size(), ' ');
    out_ << text << kLineEnd;
}

void TDxfPairWriter::Value(std::string_view value) {
    out_ << value << kLineEnd;
}

void TDxfPairWriter::Number(int code, double value) {
    Pair(code, CadNumberText(value));
}

bool TDxfPairReader::NextCode(int& code) {
    if (!lines_.Next(line_)) return false;
    code = ParseDxfGroupCode(line_);
    return true;
}

int ParseDxfGroupCode(std::string_view text) {
    std::string compact;
    for (char c : text) {
        if (c != ' ' && c != '\t') compact.push_back(c);
    }
    const char* first = compact.data();
    const char* last = first + compact.size();
    if (first != last && *first == '+') ++first;
    int code = 0;
    const auto result = std::from_chars(first, last, code);
    if (result.ec != std::errc() || result.ptr != last) return 0;
    return code;
}

} // namespace brevant
