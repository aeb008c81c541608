// IGES record layer: fixed 80-column records with a right-aligned tail, and column reading.
#include "caddraw/iges_records.h"

namespace brevant {

std::string IgesField8(long long n) {
    std::string text = std::to_string(n);
    if (text.size() < 8) text.insert(0, 8 - text.size(), ' ');
    return text;
}

std::string IgesSequence7(long long n) {
    std::string text = std::to_string(n);
    if (text.size() < 7) text.insert(0, 7 - text.size(), '0');
    return text;
}

std::string IgesRecord(std::string_view data, std::string_view tail) {
    std::string record(data);
    if (record.size() + tail.size() < kIgesRecordWidth) {
        record.append(kIgesRecordWidth - tail.size() - record.size(), ' ');
    }
    record.append(tail);
    return record;
}

void TIgesRecordWriter::Record(std::string_view data, std::string_view tail) {
    out_ << IgesRecord(data, tail) << "\r\n";
}

std::string_view IgesColumns(std::string_view record, std::size_t first, std::size_t last) {
    if (first < 1 || first > record.size() || last < first) return {};
    return record.substr(first - 1, last - first + 1);
}

char IgesColumn(std::string_view record, std::size_t column) {
    if (column < 1 || column > record.size()) return ' ';
    return record[column - 1];
}

} // namespace brevant
