// DXF record layer: group-code and value lines, written and read in pairs.
#pragma once

#include "caddraw/text_line_reader.h"

#include <istream>
#include <ostream>
#include <string>
#include <string_view>

namespace brevant {

// Writes group codes and values, each on its own line ending in CR LF.
class TDxfPairWriter {
public:
    explicit TDxfPairWriter(std::ostream& out) : out_(out) {}

    // A group code line; `padded` right-justifies it in three columns ("  0").
    void Code(int code, bool padded = false);
    // A value line as given.
    void Value(std::string_view value);
    void Pair(int code, std::string_view value, bool padded = false) {
        Code(code, padded);
        Value(value);
    }
    void Pair(int code, int value) { Pair(code, std::to_string(value)); }
    // A number in the short CAD number text.
    void Number(int code, double value);

private:
    std::ostream& out_;
};

// Reads the lines of a DXF file, either singly (to find an entity keyword) or as group-code
// and value pairs. Malformed group codes read as 0, which ends the entity being read.
class TDxfPairReader {
public:
    explicit TDxfPairReader(std::istream& in) : lines_(in) {}

    // The next whole line; false at the end of the file.
    bool NextLine(std::string& line) { return lines_.Next(line); }

    // Reads a group code line. False at the end of the file. A code that is not a plain
    // signed integer after its blanks are removed counts as 0.
    bool NextCode(int& code);

    // Reads the value line that follows a group code (empty at the end of the file).
    bool NextValue(std::string& value) { return lines_.Next(value); }

    std::size_t LineNumber() const { return lines_.LineNumber(); }

private:
    TTextLineReader lines_;
    std::string line_;
};

// Parses a group code: blanks removed, then an optional sign and decimal digits only;
// anything else (or a value beyond the int range) gives 0.
int ParseDxfGroupCode(std::string_view text);

} // namespace brevant
