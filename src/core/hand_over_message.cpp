// Encoding and decoding of the files a second start hands to the running program.
#include "core/hand_over_message.h"

namespace brevant {

namespace {

constexpr std::string_view kEnd = "end\n";

} // namespace

std::string EncodeHandOver(const std::vector<std::string>& files) {
    std::string out;
    for (const std::string& f : files) {
        out += std::to_string(f.size());
        out += ':';
        out += f;
        out += '\n';
    }
    out += kEnd;
    return out;
}

HandOverDecode DecodeHandOver(std::string_view in) {
    using Status = HandOverDecode::Status;
    HandOverDecode r;
    std::size_t at = 0;
    while (true) {
        const std::string_view rest = in.substr(at);
        if (rest.empty()) return {Status::Incomplete, {}};
        if (rest[0] == 'e') {
            if (rest.size() < kEnd.size())
                return {kEnd.substr(0, rest.size()) == rest ? Status::Incomplete : Status::Invalid,
                        {}};
            if (rest.substr(0, kEnd.size()) != kEnd || rest.size() > kEnd.size())
                return {Status::Invalid, {}};
            r.status = Status::Complete;
            return r;
        }
        // The length: one to four decimal digits, no leading zero, then a colon.
        std::size_t length = 0, digits = 0;
        while (digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9') {
            if (digits == 4 || (digits == 1 && rest[0] == '0')) return {Status::Invalid, {}};
            length = length * 10 + std::size_t(rest[digits] - '0');
            ++digits;
        }
        if (digits == rest.size()) return {digits == 0 ? Status::Invalid : Status::Incomplete, {}};
        if (digits == 0 || rest[digits] != ':' || length == 0 || length > kHandOverMaxNameBytes)
            return {Status::Invalid, {}};
        if (r.files.size() == kHandOverMaxFiles) return {Status::Invalid, {}};
        const std::size_t start = digits + 1;
        if (rest.size() < start + length + 1) return {Status::Incomplete, {}};
        if (rest[start + length] != '\n') return {Status::Invalid, {}};
        r.files.emplace_back(rest.substr(start, length));
        at += start + length + 1;
    }
}

} // namespace brevant
