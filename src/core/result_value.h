// The results of a calculation by their names, as a small tree of values that a host writes
// out (the command line as JSON): numbers, flags, texts, lists and named groups.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace brevant {

struct ResultValue;
using ResultList = std::vector<ResultValue>;
using ResultGroup = std::vector<std::pair<std::string, ResultValue>>;

struct ResultValue {
    std::variant<std::monostate, bool, std::int64_t, double, std::string, ResultList, ResultGroup>
        Value;

    ResultValue() = default;
    ResultValue(bool v) : Value(v) {}
    ResultValue(int v) : Value(std::int64_t{v}) {}
    ResultValue(std::int64_t v) : Value(v) {}
    ResultValue(std::size_t v) : Value(static_cast<std::int64_t>(v)) {}
    ResultValue(float v) : Value(double{v}) {}
    ResultValue(double v) : Value(v) {}
    ResultValue(std::string v) : Value(std::move(v)) {}
    ResultValue(ResultList v) : Value(std::move(v)) {}
    ResultValue(ResultGroup v) : Value(std::move(v)) {}
};

// A list of numbers.
inline ResultValue ResultNumbers(const std::vector<double>& values) {
    ResultList list;
    for (double v : values)
        list.emplace_back(v);
    return list;
}

} // namespace brevant
