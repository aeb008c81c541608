// A line-preserving INI document: values are read and replaced in place, and every other line
// (unknown keys and sections, comments, blank lines, line ends, a byte-order mark) is kept.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace brevant {

class IniDocument {
public:
    // Never fails: whatever cannot be read as a section or a key stays as an opaque line.
    static IniDocument Parse(std::string_view text);
    // The document's text; a document that was not changed gives back its input byte for byte.
    std::string Serialize() const;

    // The value of the first key of that name in the first section of that name (both compared
    // without regard to ASCII case), blanks around it removed; nullopt when there is none.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    bool HasSection(std::string_view section) const;

    // Replaces the key's line in place, or appends the key after the last key of the section,
    // or appends the section at the end. Line breaks in the value become blanks, so a value can
    // never add lines of its own.
    void Set(std::string_view section, std::string_view key, std::string_view value);

private:
    struct Line {
        std::string text;
        std::string eol;                // the line's own terminator ("" on a last open line)
        std::vector<std::string> added; // lines appended after this one
    };
    // A line: its index, and -1 or the index of an added line after it.
    using Where = std::pair<std::size_t, std::ptrdiff_t>;

    static std::string Lower(std::string_view s);
    void Index();

    std::string bom_;
    std::string newline_ = "\n";
    std::vector<Line> lines_;
    std::map<std::pair<std::string, std::string>, Where> keys_; // first key of a section
    std::map<std::string, Where> sectionLast_;                  // header or last key line
};

} // namespace brevant
