// What the open and save file dialogs are given and what they hand back, apart from the window:
// the filter list and default extension built from a description and a list of extensions,
// the default extension added to a chosen name, and a proposed name split for the dialog.
#pragma once

#include "core/host.h"

#include <string>
#include <string_view>

namespace brevant {

// A filter is a list of pairs of a shown name and a pattern separated by "|";
// defaultExtension has no leading ".".
struct DialogFilter {
    std::string filter;
    std::string defaultExtension;
};

// Extensions: one extension ("layout", ".pdf"), a list split at "," ("dxf,cdl,igs") or a list
// split at "-" shown as one entry ("dxf-cdl"). Empty extensions count as "*".
DialogFilter BuildOpenFilter(std::string_view description, std::string_view extensions);
// Extensions: one extension or a list split at ",". A list shows "CAD (*.dxf)" entries, a
// single extension "PDF Files (*.pdf)".
DialogFilter BuildSaveFilter(std::string_view description, std::string_view extensions);

// The name chosen in a save dialog with "." + defaultExtension appended when its file-name part
// has no extension. An empty (cancelled) name stays empty; an empty or wildcard default
// extension appends nothing.
std::string AppendDefaultExtension(const std::string& chosen, const std::string& defaultExtension);

// Splits a proposed name at its last folder separator: folder gets everything up to and
// including the separator, fileName the rest. Either may come back empty.
void SplitProposedName(const std::string& proposed, std::string& folder, std::string& fileName);

// The requests the engine hands the host's open and save dialogs. The save request carries the
// file-name and folder parts of proposedName; pass the host's answer through
// AppendDefaultExtension with the request's defaultExtension.
FileDialogRequest MakeOpenFileRequest(std::string_view title, std::string_view description,
                                      std::string_view extensions, std::string_view initialFolder);
FileDialogRequest MakeSaveFileRequest(std::string_view title, std::string_view description,
                                      std::string_view extensions, bool overwritePrompt,
                                      const std::string& proposedName);

} // namespace brevant
