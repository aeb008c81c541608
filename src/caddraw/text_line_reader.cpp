// Reads the lines of a CAD text file from a stream with a bounded line length.
#include "caddraw/text_line_reader.h"

#include <algorithm>
#include <cstring>

namespace brevant {

namespace {
constexpr std::size_t kBlockSize = 64 * 1024;
}

TTextLineReader::TTextLineReader(std::istream& in, std::size_t max_line)
    : in_(in), max_line_(max_line), buffer_(kBlockSize) {}

bool TTextLineReader::Fill() {
    begin_ = 0;
    end_ = 0;
    if (!in_) return false;
    in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    end_ = static_cast<std::size_t>(in_.gcount());
    return end_ > 0;
}

bool TTextLineReader::Next(std::string& line) {
    line.clear();
    bool any = false;
    for (;;) {
        if (begin_ == end_ && !Fill()) break;
        any = true;
        const char* start = buffer_.data() + begin_;
        const void* found = std::memchr(start, '\n', end_ - begin_);
        const std::size_t length =
            found ? static_cast<std::size_t>(static_cast<const char*>(found) - start)
                  : end_ - begin_;
        if (line.size() < max_line_) line.append(start, std::min(length, max_line_ - line.size()));
        begin_ += length;
        if (found) {
            ++begin_;
            break;
        }
    }
    if (!any) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    ++line_number_;
    return true;
}

} // namespace brevant
