// The input page of a layout kind as plain data: its rows in order (edits with their captions and
// units, rules, headings, texts, a stepper, a check box). The desktop program builds the page
// from it; a kind declares it and never sees a widget.
#pragma once

#include <span>

namespace brevant {

enum class PageRowType {
    Edit,     // a caption, then the edit with its unit
    Rule,     // a horizontal line
    Heading,  // a bold line of text
    Text,     // a plain line of text
    Stepper,  // a caption, then minus button, number label, plus button
    CheckBox, // a check box of the form model
};

struct PageRow {
    PageRowType Type = PageRowType::Text;
    const char* Caption = nullptr; // the caption, or the text of a heading or text row
    const char* Control = nullptr; // the edit, the stepper's number label or the check box
    // The unit of an edit: a form label that shows the length unit, or a fixed text ("deg").
    const char* UnitLabel = nullptr;
    const char* FixedUnit = nullptr;
    // A stepper's buttons: the object names of the minus and plus buttons.
    const char* MinusButton = nullptr;
    const char* PlusButton = nullptr;
    // The object names of an edit and its unit label where the control already has a widget
    // elsewhere in the window; nullptr: the control's own name.
    const char* EditObject = nullptr;
    const char* UnitObject = nullptr;
};

struct InputPage {
    const char* Name;            // the page's object name ("ConeInput")
    const char* Title;           // the page's tab text
    const char* Hint;            // what the page needs, shown above its Calculate button
    const char* CalculateButton; // the object name of its Calculate button
    std::span<const PageRow> Rows;
};

// Rows by their types.
constexpr PageRow EditRow(const char* caption, const char* edit, const char* unitLabel) {
    return {PageRowType::Edit, caption, edit, unitLabel, nullptr, nullptr, nullptr};
}
// An edit whose control the window also shows elsewhere: its widgets here get their own names.
constexpr PageRow SharedEditRow(const char* caption, const char* edit, const char* unitLabel,
                                const char* editObject, const char* unitObject) {
    return {PageRowType::Edit, caption,  edit,      unitLabel, nullptr,
            nullptr,           nullptr,  editObject, unitObject};
}
constexpr PageRow AngleRow(const char* caption, const char* edit) {
    return {PageRowType::Edit, caption, edit, nullptr, "deg", nullptr, nullptr};
}
constexpr PageRow RuleRow() {
    return {PageRowType::Rule, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
}
constexpr PageRow HeadingRow(const char* text) {
    return {PageRowType::Heading, text, nullptr, nullptr, nullptr, nullptr, nullptr};
}
constexpr PageRow TextRow(const char* text) {
    return {PageRowType::Text, text, nullptr, nullptr, nullptr, nullptr, nullptr};
}
constexpr PageRow StepperRow(const char* caption, const char* label, const char* minus,
                             const char* plus) {
    return {PageRowType::Stepper, caption, label, nullptr, nullptr, minus, plus};
}
// A check box; a caption names a box the kind declares (the window's own boxes have theirs).
constexpr PageRow CheckBoxRow(const char* box, const char* caption = nullptr) {
    return {PageRowType::CheckBox, caption, box, nullptr, nullptr, nullptr, nullptr};
}

} // namespace brevant
