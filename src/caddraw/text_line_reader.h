// Reads the lines of a CAD text file from a stream with a bounded line length.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

namespace brevant {

// Splits a stream into lines at LF, dropping a CR before it (CR LF and LF files read alike).
// A line longer than the limit keeps its first `max_line` characters and the rest is skipped,
// so a file of one huge line costs no more memory than the limit. Reads in blocks.
class TTextLineReader {
public:
    static constexpr std::size_t kDefaultMaxLine = 64 * 1024;

    explicit TTextLineReader(std::istream& in, std::size_t max_line = kDefaultMaxLine);

    // The next line into `line`; false at the end of the stream (a last line without LF is
    // still returned).
    bool Next(std::string& line);

    // Lines returned so far.
    std::size_t LineNumber() const { return line_number_; }

private:
    bool Fill();

    std::istream& in_;
    std::size_t max_line_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::size_t line_number_ = 0;
};

} // namespace brevant
