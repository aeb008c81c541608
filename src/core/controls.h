// The plain control objects of the form model: what a window control holds, without a window.
#pragma once

#include "core/colors.h"

#include <string>
#include <vector>

namespace brevant {

struct Control {
    std::string name;
    bool visible = true;
    bool enabled = true;
};

// A one-line input edit. InputTag tells the commit handler which field the edit holds.
struct Edit : Control {
    std::string text;
    TColor fontColor = kColorBlack;
    int InputTag = 0;
};

// A text label (captions, value labels, the status line).
struct Label : Control {
    std::string text;
};

// A spin box of whole numbers between min and max.
struct SpinBox : Control {
    double value = 0;
    double min = 0;
    double max = 100;
    double step = 1;
    void SetValue(double v) { value = v < min ? min : (v > max ? max : v); }
};

struct CheckBox : Control {
    std::string caption;
    bool checked = false;
};

// A radio button; buttons with the same group are exclusive. tag is the number it stands for.
struct RadioButton : Control {
    std::string caption;
    std::string group;
    int tag = 0;
    bool checked = false;
};

// A panel (result display) whose visibility is switched.
struct Panel : Control {};

struct ComboBox : Control {
    std::vector<std::string> items;
    int itemIndex = -1;
};

} // namespace brevant
