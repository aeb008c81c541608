// The input fields: one row for every field of the layout definition that a control of the
// main window holds. The Calculate readers, the commit handler and its input tags, clearing by
// layout type, the definition file's keys and the command line's keys all go by this table;
// the few fields with a rule of their own keep it as code beside the table's users.
#pragma once

#include "core/layout_definition.h"

#include <span>
#include <string_view>
#include <variant>

namespace brevant {

// What a field holds, and so which kind of control holds it.
enum class FieldKind {
    Length, // an edit; the display unit on screen, inches in the definition
    Angle,  // an edit; degrees
    Whole,  // a spin box of whole numbers
    Count,  // the number label of the bends-per-corner stepper
    Flag,   // a check box
    Side,   // a radio group; the field is the checked button's tag
};

// Where a control sits: one of the four input pages (kConePage..kPipePage of the form model),
// a panel of the result display, or the settings dialog.
inline constexpr int kResultPanel = 4;
inline constexpr int kSettingsDialog = 5;

// The layout types whose "Clear Data" empties a control (a bit per type, 0 = never cleared).
inline constexpr unsigned ClearedWith(int layoutType) {
    return 1u << layoutType;
}

// The square's top angle edit carries tag 20, which the commit handler leaves alone; while the
// square page shows, tag 3 (the cone's top angle) stores into the square's top angle instead.
inline constexpr int kTagTopAngle = 3;
inline constexpr int kTagSquareTopAngle = 20;

using DefinitionMember =
    std::variant<float LayoutDefinition::*, int LayoutDefinition::*, bool LayoutDefinition::*>;

struct InputField {
    const char* control; // component name in the form model; a radio group's group name
    int tag;             // the edit's InputTag, 0 for none
    int page;            // kConePage..kPipePage, kResultPanel or kSettingsDialog
    DefinitionMember member;
    const char* key; // the definition file's key, also the command line's and the JSON's name
    FieldKind kind;
    unsigned clearedWith; // ClearedWith bits of the layout types that clear the control
    int readOrder;        // place in the Calculate-time read (1 first); 0: not read there
};

// Every field, in the order the definition file writes its keys.
std::span<const InputField> InputFields();
// The field with that definition file key (ASCII case ignored, as in the file), or nullptr.
const InputField* FindInputField(std::string_view key);
// The fields the Calculate-time reader reads, in its order.
std::span<const InputField* const> CalculateReadOrder();
// The field a committed edit with this tag stores into: the square page's field of the tag
// while the square page shows, the other page's otherwise; nullptr for a tag without a field.
const InputField* CommitField(int tag, bool squarePage);

// The definition member of a Length or Angle field; nullptr for the other kinds.
float* FloatField(LayoutDefinition& d, const InputField& field);
// Whether the field stores into that member.
template <class T> bool Holds(const InputField& field, T LayoutDefinition::*member) {
    const auto* m = std::get_if<T LayoutDefinition::*>(&field.member);
    return m && *m == member;
}
// Whether the field is one of the edits of the four input pages.
inline bool IsInputPageField(const InputField& f) {
    return f.page < kResultPanel && (f.kind == FieldKind::Length || f.kind == FieldKind::Angle);
}

} // namespace brevant
