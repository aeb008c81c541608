// A recording host and an engine set up on the cone page, for the cone pattern tests.
#pragma once

#include "caddraw/cad_draw.h"
#include "core/host.h"
#include "engine/layout_engine.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace brevant::test {

class RecordingHost : public IHost {
public:
    int ShowMessage(const MessageRequest& r) override {
        messages.push_back(r);
        return answer;
    }
    std::string AskOpenFile(const FileDialogRequest&) override { return ""; }
    std::string AskSaveFile(const FileDialogRequest& r) override {
        saves.push_back(r);
        return saveAnswer;
    }
    void OpenWithSystem(const std::string&) override {}

    std::vector<MessageRequest> messages;
    int answer = kResultOk; // the button pressed in every message box
    std::vector<FileDialogRequest> saves;
    std::string saveAnswer; // empty: the dialog is cancelled
};

// The undeleted lines of a view on one layer.
inline std::vector<TDLine> LinesOnLayer(const TCadDraw& view, int layer) {
    std::vector<TDLine> out;
    const TElements& list = view.Elements();
    for (int i = 0; i < list.Count(); ++i) {
        const TElement& el = list[i];
        if (el.Deleted || el.Etype != kElementLine || el.Layer != layer) continue;
        out.push_back(
            {{el.Coord(1), el.Coord(2), el.Coord(3)}, {el.Coord(4), el.Coord(5), el.Coord(6)}});
    }
    return out;
}

inline double Dist(const TDPoint& a, const TDPoint& b) {
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) +
                     (a.z - b.z) * (a.z - b.z));
}

inline bool AllCoordinatesFinite(const TCadDraw& view) {
    const TElements& list = view.Elements();
    for (int i = 0; i < list.Count(); ++i)
        for (int k = 1; k <= 6; ++k)
            if (!std::isfinite(list[i].Coord(k))) return false;
    return true;
}

inline std::string ReadFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The lines of a CR LF text, without their ends.
inline std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> out;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            out.push_back(text.substr(start));
            break;
        }
        out.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return out;
}

// An engine on the cone page with typed cone inputs.
struct ConePatternFixture {
    RecordingHost host;
    LayoutEngine e{host};

    ConePatternFixture() {
        e.Startup();
        e.FormActivate();
        e.Form.LayoutComboBox.itemIndex = 0;
        e.LayoutComboBoxChange();
        host.messages.clear();
    }
    // Types the principal inputs (display unit) and the modifiers, then presses Calculate.
    void Calculate(const std::string& T, const std::string& B, const std::string& H,
                   const std::string& shift = "", const std::string& topAngle = "",
                   const std::string& bottomAngle = "") {
        auto& f = e.Form;
        f.ConeTopDiameter.text = T;
        f.ConeBottomDiameter.text = B;
        f.ConeHeight.text = H;
        f.SideAngle.text.clear();
        f.SideLength.text.clear();
        f.ConeTopXShift.text = shift;
        f.ConeTopAngle.text = topAngle;
        f.BottomAngle.text = bottomAngle;
        e.CalculateMenuClick();
    }
};

// A fresh empty folder for the files of one test.
inline std::filesystem::path TestFolder(const std::string& name) {
    auto p = std::filesystem::temp_directory_path() / ("brevant_coneB_" + name);
    std::filesystem::remove_all(p);
    std::filesystem::create_directories(p);
    return p;
}

} // namespace brevant::test
