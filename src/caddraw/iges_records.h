// IGES record layer: fixed 80-column records with a right-aligned tail, and column reading.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace brevant {

inline constexpr std::size_t kIgesRecordWidth = 80;

// The entity types the drawing's points, lines and arcs are written as and read from.
inline constexpr int kIgesPoint = 116;
inline constexpr int kIgesLine = 110;
inline constexpr int kIgesArc = 100;

// `n` right-justified in a field of 8 columns.
std::string IgesField8(long long n);

// `n` left-padded with "0" to 7 digits.
std::string IgesSequence7(long long n);

// One record: the data from column 1, blanks, and the tail ending in column 80. Data too long
// for the space left is followed directly by the tail (the record is then longer than 80).
std::string IgesRecord(std::string_view data, std::string_view tail);

// Writes records ending in CR LF.
class TIgesRecordWriter {
public:
    explicit TIgesRecordWriter(std::ostream& out) : out_(out) {}
    void Record(std::string_view data, std::string_view tail);

private:
    std::ostream& out_;
};

// Columns `first` to `last` (from 1, inclusive) of a record; short records give what exists.
std::string_view IgesColumns(std::string_view record, std::size_t first, std::size_t last);

// The character in column `column` (from 1), or a blank beyond the record's end.
char IgesColumn(std::string_view record, std::size_t column);

} // namespace brevant
