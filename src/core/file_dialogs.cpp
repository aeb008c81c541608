// Filter lists and default extensions of the open and save file dialogs, and the handling of
// the names that go into and come out of them.
#include "core/file_dialogs.h"

#include <utility>
#include <vector>

namespace brevant {
namespace {

constexpr std::string_view kAllFiles = "All Files (*.*)|*.*";

bool IsBlank(char c) {
    return c > 0 && c <= ' ';
}

// Splits at the delimiter with blanks separating too and surrounding blanks dropped; a
// delimiter at the very end adds an empty item ("dxf," gives "dxf" and "").
std::vector<std::string> SplitLoose(std::string_view text, char delimiter) {
    text = text.substr(0, text.find('\0'));
    std::vector<std::string> items;
    std::size_t p = 0;
    while (p < text.size() && IsBlank(text[p]))
        ++p;
    while (p < text.size()) {
        const std::size_t start = p;
        while (p < text.size() && !IsBlank(text[p]) && text[p] != delimiter)
            ++p;
        items.emplace_back(text.substr(start, p - start));
        while (p < text.size() && IsBlank(text[p]))
            ++p;
        if (p < text.size() && text[p] == delimiter) {
            if (p + 1 == text.size()) items.emplace_back();
            do {
                ++p;
            } while (p < text.size() && IsBlank(text[p]));
        }
    }
    return items;
}

// Splits at every delimiter, keeping blanks.
std::vector<std::string> SplitStrict(std::string_view text, char delimiter) {
    std::vector<std::string> items;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(delimiter, start);
        items.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return items;
        start = end + 1;
    }
}

std::string WithoutFirstDot(std::string item) {
    if (const std::size_t dot = item.find('.'); dot != std::string::npos) item.erase(dot, 1);
    return item;
}

std::string AfterFirstDot(std::string_view text) {
    const std::size_t dot = text.find('.');
    return std::string(dot == std::string_view::npos ? text : text.substr(dot + 1));
}

// "<name> (*.<ext>)|*.<ext>|"
std::string Entry(std::string_view name, std::string_view extension) {
    std::string entry(name);
    entry.append(" (*.").append(extension).append(")|*.").append(extension).append("|");
    return entry;
}

bool IsFolderSeparator(char c) {
#ifdef _WIN32
    return c == '/' || c == '\\' || c == ':';
#else
    return c == '/';
#endif
}

std::size_t FileNameStart(const std::string& name) {
    for (std::size_t i = name.size(); i > 0; --i) {
        if (IsFolderSeparator(name[i - 1])) return i;
    }
    return 0;
}

} // namespace

DialogFilter BuildOpenFilter(std::string_view description, std::string_view extensions) {
    if (extensions.empty()) extensions = "*";
    DialogFilter result;
    if (description.empty()) {
        result.filter = kAllFiles;
    } else if (extensions.find(',') != std::string_view::npos) {
        const std::vector<std::string> items = SplitLoose(extensions, ',');
        if (!items.empty()) result.defaultExtension = items.front();
        const std::string name = std::string(description) + " Files";
        for (const std::string& item : items)
            result.filter += Entry(name, WithoutFirstDot(item));
        result.filter += kAllFiles;
    } else if (extensions.find('-') != std::string_view::npos) {
        // One entry whose pattern lists every extension, each followed by ";".
        const std::vector<std::string> items = SplitStrict(extensions, '-');
        result.defaultExtension = items.front();
        result.filter = std::string(description) + " Files|";
        for (const std::string& item : items)
            result.filter += "*." + WithoutFirstDot(item) + ";";
        result.filter += "|";
        result.filter += kAllFiles;
    } else {
        result.defaultExtension = WithoutFirstDot(std::string(extensions));
        result.filter = Entry(std::string(description) + " Files", result.defaultExtension);
        result.filter += kAllFiles;
    }
    return result;
}

DialogFilter BuildSaveFilter(std::string_view description, std::string_view extensions) {
    DialogFilter result;
    if ((description.empty() || description == "*") && extensions.empty()) {
        result.filter = kAllFiles;
        return result;
    }
    if (extensions.find(',') != std::string_view::npos) {
        const std::vector<std::string> items = SplitStrict(extensions, ',');
        result.defaultExtension = items.front();
        for (const std::string& item : items)
            result.filter += Entry(description, item);
        result.filter += kAllFiles;
        return result;
    }
    const std::string d = AfterFirstDot(description);
    const std::string e = AfterFirstDot(extensions);
    result.defaultExtension = e;
    if (d == "*" && e == "*") {
        // Lists the all-files entry twice.
        result.filter = Entry("All Files", e) + std::string(kAllFiles);
    } else if (!d.empty() && !e.empty()) {
        result.filter = Entry(d + " Files", e) + std::string(kAllFiles);
    } else if (d == "*" || e != "*") {
        result.filter = kAllFiles;
    } else {
        result.filter = Entry(d + " Files", e) + std::string(kAllFiles); // D empty, E "*"
    }
    return result;
}

std::string AppendDefaultExtension(const std::string& chosen, const std::string& defaultExtension) {
    if (chosen.empty() || defaultExtension.empty()) return chosen;
    // A wildcard is a pattern, not an extension to give a file.
    if (defaultExtension.find_first_of("*?") != std::string::npos) return chosen;
    if (chosen.find('.', FileNameStart(chosen)) != std::string::npos) return chosen;
    return chosen + "." + defaultExtension;
}

void SplitProposedName(const std::string& proposed, std::string& folder, std::string& fileName) {
    const std::size_t start = FileNameStart(proposed);
    folder = proposed.substr(0, start);
    fileName = proposed.substr(start);
}

FileDialogRequest MakeOpenFileRequest(std::string_view title, std::string_view description,
                                      std::string_view extensions, std::string_view initialFolder) {
    DialogFilter filter = BuildOpenFilter(description, extensions);
    FileDialogRequest request;
    request.title = title;
    request.filter = std::move(filter.filter);
    request.defaultExtension = std::move(filter.defaultExtension);
    request.initialFolder = initialFolder;
    return request;
}

FileDialogRequest MakeSaveFileRequest(std::string_view title, std::string_view description,
                                      std::string_view extensions, bool overwritePrompt,
                                      const std::string& proposedName) {
    DialogFilter filter = BuildSaveFilter(description, extensions);
    FileDialogRequest request;
    request.title = title;
    request.filter = std::move(filter.filter);
    request.defaultExtension = std::move(filter.defaultExtension);
    request.overwritePrompt = overwritePrompt;
    SplitProposedName(proposedName, request.initialFolder, request.fileName);
    return request;
}

} // namespace brevant
