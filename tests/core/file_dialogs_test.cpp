// Tests of the file dialogs' filters, default extensions and names, and of the error texts.
#include "core/file_dialogs.h"
#include "core/io_error_text.h"

#include <gtest/gtest.h>

using namespace brevant;

namespace {

struct FilterCase {
    const char* description;
    const char* extensions;
    const char* filter;
    const char* defaultExtension;
};

} // namespace

TEST(FileDialogs, OpenFilters) {
    const FilterCase cases[] = {
        {"layout", "layout", "layout Files (*.layout)|*.layout|All Files (*.*)|*.*", "layout"},
        {"PDF", ".pdf", "PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*", "pdf"},
        {"", "layout", "All Files (*.*)|*.*", ""},
        {"Any", "", "Any Files (*.*)|*.*|All Files (*.*)|*.*", "*"}, // empty counts as "*"
        {"CAD", "dxf,cdl", "CAD Files (*.dxf)|*.dxf|CAD Files (*.cdl)|*.cdl|All Files (*.*)|*.*",
         "dxf"},
        // Blanks separate too; the default keeps the "." the first item was written with.
        {"CAD", ".dxf, cdl igs",
         "CAD Files (*.dxf)|*.dxf|CAD Files (*.cdl)|*.cdl|CAD Files (*.igs)|*.igs|"
         "All Files (*.*)|*.*",
         ".dxf"},
        {"CAD", "dxf,", "CAD Files (*.dxf)|*.dxf|CAD Files (*.)|*.|All Files (*.*)|*.*", "dxf"},
        // A "-" list is one entry whose patterns each end in ";".
        {"CAD", "dxf-cdl", "CAD Files|*.dxf;*.cdl;|All Files (*.*)|*.*", "dxf"},
        {"CAD", ".dxf-.cdl", "CAD Files|*.dxf;*.cdl;|All Files (*.*)|*.*", ".dxf"},
    };
    for (const FilterCase& c : cases) {
        const DialogFilter f = BuildOpenFilter(c.description, c.extensions);
        EXPECT_EQ(f.filter, c.filter) << c.description << " / " << c.extensions;
        EXPECT_EQ(f.defaultExtension, c.defaultExtension) << c.description << " / " << c.extensions;
    }
}

TEST(FileDialogs, SaveFilters) {
    const FilterCase cases[] = {
        // A list shows the description without the word "Files".
        {"CAD", "dxf,cdl,igs",
         "CAD (*.dxf)|*.dxf|CAD (*.cdl)|*.cdl|CAD (*.igs)|*.igs|All Files (*.*)|*.*", "dxf"},
        {"3D CAD", "dxf,cdl,igs",
         "3D CAD (*.dxf)|*.dxf|3D CAD (*.cdl)|*.cdl|3D CAD (*.igs)|*.igs|All Files (*.*)|*.*",
         "dxf"},
        // Split strictly at commas: blanks stay in the items.
        {"CAD", "dxf, cdl", "CAD (*.dxf)|*.dxf|CAD (*. cdl)|*. cdl|All Files (*.*)|*.*", "dxf"},
        {"PDF", "pdf", "PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*", "pdf"},
        {"PDF", ".pdf", "PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*", "pdf"},
        {"Dim", "txt", "Dim Files (*.txt)|*.txt|All Files (*.*)|*.*", "txt"},
        {"My.Text", "txt", "Text Files (*.txt)|*.txt|All Files (*.*)|*.*", "txt"},
        {"", "", "All Files (*.*)|*.*", ""},
        {"*", "", "All Files (*.*)|*.*", ""},
        {"*", "*", "All Files (*.*)|*.*|All Files (*.*)|*.*", "*"}, // listed twice
        {"", "*", " Files (*.*)|*.*|All Files (*.*)|*.*", "*"},
        {"*", "pdf", "* Files (*.pdf)|*.pdf|All Files (*.*)|*.*", "pdf"},
        {"", "pdf", "All Files (*.*)|*.*", "pdf"},
        {"layout", "", "All Files (*.*)|*.*", ""},
    };
    for (const FilterCase& c : cases) {
        const DialogFilter f = BuildSaveFilter(c.description, c.extensions);
        EXPECT_EQ(f.filter, c.filter) << c.description << " / " << c.extensions;
        EXPECT_EQ(f.defaultExtension, c.defaultExtension) << c.description << " / " << c.extensions;
    }
}

TEST(FileDialogs, AppendsDefaultExtensionOnlyWithoutOne) {
    struct Case {
        const char* chosen;
        const char* extension;
        const char* expected;
    };
    const Case cases[] = {
        {"part1", "dxf", "part1.dxf"},
        {"part1.igs", "dxf", "part1.igs"},
        {"/home/u/jobs.2024/part1", "dxf", "/home/u/jobs.2024/part1.dxf"}, // folder's "." ignored
        {"/home/u/part1.", "dxf", "/home/u/part1."},
        {"", "dxf", ""},         // cancelled
        {"part1", "", "part1"},  // nothing to append
        {"part1", "*", "part1"}, // a wildcard is no extension
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AppendDefaultExtension(c.chosen, c.extension), c.expected) << c.chosen;
    }
}

TEST(FileDialogs, SplitsProposedName) {
    struct Case {
        const char* proposed;
        const char* folder;
        const char* fileName;
    };
    const Case cases[] = {
        {"/home/u/jobs/part1.layout", "/home/u/jobs/", "part1.layout"},
        {"/home/u/jobs/", "/home/u/jobs/", ""}, // only a folder
        {"part1.layout", "", "part1.layout"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        std::string folder = "x";
        std::string fileName = "y";
        SplitProposedName(c.proposed, folder, fileName);
        EXPECT_EQ(folder, c.folder) << c.proposed;
        EXPECT_EQ(fileName, c.fileName) << c.proposed;
    }
}

TEST(FileDialogs, SaveRequestCarriesFilterAndProposedName) {
    const FileDialogRequest r =
        MakeSaveFileRequest("Save 3D CAD", "3D CAD", "dxf,cdl,igs", false, "/jobs/part1");
    EXPECT_EQ(r.title, "Save 3D CAD");
    EXPECT_EQ(r.initialFolder, "/jobs/");
    EXPECT_EQ(r.fileName, "part1");
    EXPECT_FALSE(r.overwritePrompt);
    EXPECT_EQ(AppendDefaultExtension("/jobs/part1", r.defaultExtension), "/jobs/part1.dxf");

    const FileDialogRequest open =
        MakeOpenFileRequest("Load Layout File", "layout", "layout", "/d");
    EXPECT_EQ(open.filter, "layout Files (*.layout)|*.layout|All Files (*.*)|*.*");
    EXPECT_EQ(open.initialFolder, "/d");
}

TEST(IOErrorText, KnownAndUnknownCodes) {
    EXPECT_EQ(IOErrorText(2), "FILE NOT FOUND");
    EXPECT_EQ(IOErrorText(6), "Library Requires Seperate Data Segments");
    EXPECT_EQ(IOErrorText(32), "File Open by Another App");
    EXPECT_EQ(IOErrorText(162), "HARDWARE FAILURE");
    EXPECT_EQ(IOErrorText(905), "RADIUS DOES NOT INTERSECT");
    EXPECT_EQ(IOErrorText(908), "3 POINTS ON SAME LINE");
    for (const int unknown : {0, 1, 7, 19, 107, 163, 901, 909, -2}) {
        EXPECT_EQ(IOErrorText(unknown), "") << unknown;
    }
}
