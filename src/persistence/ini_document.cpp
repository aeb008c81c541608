// The line-preserving INI document: parsing into lines, an index of the first section and key
// of every name, in-place replacement and appending.
#include "persistence/ini_document.h"

namespace brevant {

namespace {
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

bool IsComment(std::string_view trimmed) {
    return !trimmed.empty() && (trimmed.front() == ';' || trimmed.front() == '#');
}

// The name of a section header line, or nullopt when the line is no header.
std::optional<std::string_view> SectionName(std::string_view trimmed) {
    if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
    trimmed.remove_prefix(1);
    const std::size_t close = trimmed.find(']');
    return Trim(close == std::string_view::npos ? trimmed : trimmed.substr(0, close));
}

// The key of a key line ("key=value"), or an empty view.
std::string_view KeyOf(std::string_view trimmed) {
    if (IsComment(trimmed)) return {};
    const std::size_t eq = trimmed.find('=');
    return eq == std::string_view::npos ? std::string_view{} : Trim(trimmed.substr(0, eq));
}

std::string OneLine(std::string_view value) {
    std::string s(value);
    for (char& c : s)
        if (c == '\r' || c == '\n') c = ' ';
    return s;
}
} // namespace

std::string IniDocument::Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

IniDocument IniDocument::Parse(std::string_view text) {
    IniDocument doc;
    if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        doc.bom_ = kUtf8Bom;
        text.remove_prefix(kUtf8Bom.size());
    }
    bool newlineSeen = false;
    while (!text.empty()) {
        const std::size_t nl = text.find('\n');
        Line line;
        std::string_view body = text.substr(0, nl);
        if (nl == std::string_view::npos) {
            text = {};
        } else {
            text.remove_prefix(nl + 1);
            line.eol = "\n";
            if (!body.empty() && body.back() == '\r') {
                body.remove_suffix(1);
                line.eol = "\r\n";
            }
            if (!newlineSeen) doc.newline_ = line.eol;
            newlineSeen = true;
        }
        line.text = body;
        doc.lines_.push_back(std::move(line));
    }
    doc.Index();
    return doc;
}

void IniDocument::Index() {
    keys_.clear();
    sectionLast_.clear();
    std::string section;
    bool active = false; // inside the first section of its name
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::string_view t = Trim(lines_[i].text);
        if (auto name = SectionName(t)) {
            section = Lower(*name);
            active = !sectionLast_.count(section);
            if (active) sectionLast_[section] = {i, -1};
            continue;
        }
        const std::string_view key = KeyOf(t);
        if (!active || key.empty()) continue;
        keys_.try_emplace({section, Lower(key)}, Where{i, -1});
        sectionLast_[section] = {i, -1};
    }
}

std::string IniDocument::Serialize() const {
    std::string out = bom_;
    for (const Line& line : lines_) {
        out += line.text;
        out += line.eol;
        if (!line.added.empty() && line.eol.empty()) out += newline_;
        for (const std::string& a : line.added)
            out += a + newline_;
    }
    return out;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    auto it = keys_.find({Lower(section), Lower(key)});
    if (it == keys_.end()) return std::nullopt;
    const auto [i, a] = it->second;
    const std::string& text = a < 0 ? lines_[i].text : lines_[i].added[std::size_t(a)];
    const std::string_view t = Trim(text);
    return std::string(Trim(t.substr(t.find('=') + 1)));
}

bool IniDocument::HasSection(std::string_view section) const {
    return sectionLast_.count(Lower(section)) != 0;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string lineText = std::string(key) + "=" + OneLine(value);
    const auto id = std::make_pair(Lower(section), Lower(key));
    if (auto it = keys_.find(id); it != keys_.end()) {
        const auto [i, a] = it->second;
        (a < 0 ? lines_[i].text : lines_[i].added[std::size_t(a)]) = lineText;
        return;
    }
    auto last = sectionLast_.find(id.first);
    if (last == sectionLast_.end()) {
        if (!lines_.empty() && lines_.back().eol.empty() && lines_.back().added.empty())
            lines_.back().eol = newline_;
        lines_.push_back({"[" + OneLine(section) + "]", newline_, {}});
        last = sectionLast_.emplace(id.first, Where{lines_.size() - 1, -1}).first;
    }
    // The section's last line is its anchor's last added line, so the key goes at the end.
    Line& anchor = lines_[last->second.first];
    anchor.added.push_back(lineText);
    const Where where{last->second.first, std::ptrdiff_t(anchor.added.size()) - 1};
    keys_[id] = where;
    last->second = where;
}

} // namespace brevant
