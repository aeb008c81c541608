// The input fields: one row for every value a control of the main window holds for a layout
// kind (or for every kind: the material). Each kind declares its rows, the registry gathers
// them in the definition file's order, and the Calculate readers, the commit handler and its
// input tags, "Clear Data", the definition file's keys, the command line's keys and the JSON all
// go by them; the few fields with a rule of their own keep it as code beside the table's users.
#pragma once

#include <span>
#include <string_view>
#include <variant>

namespace brevant {

// What a field holds, and so which kind of control holds it.
enum class FieldKind {
    Length, // an edit; the display unit on screen, inches in the definition
    Angle,  // an edit; degrees
    Whole,  // a spin box of whole numbers
    Count,  // the number label of a stepper, kept between the field's Min and Max
    Flag,   // a check box
    Side,   // a radio group; the field is the checked button's tag
};

// Where a control sits.
enum class FieldPlace { InputPage, ResultPanel, SettingsDialog };

// Rules of single fields, as bits of InputField::flags.
inline constexpr unsigned kFieldCleared = 1u;   // "Clear Data" of the field's kind empties it
inline constexpr unsigned kFieldKeepsText = 2u; // a loaded text goes into the edit as stored
inline constexpr unsigned kFieldRawCommit = 4u; // a commit evaluates the text, unclamped, quietly
inline constexpr unsigned kFieldNoCommit = 8u;  // the commit handler leaves the edit alone
inline constexpr unsigned kFieldNoResult = 16u; // not among the results (the control shows it)

struct InputField {
    const char* control; // component name in the form model; a radio group's group name
    int tag;             // the edit's InputTag, 0 for none
    FieldPlace place;
    const char* key; // the definition file's key, also the command line's and the JSON's name
    FieldKind kind;
    unsigned flags = 0;
    int readOrder = 0; // place in its kind's Calculate-time read (lower first); 0: not read there
    int min = 0;       // a Count's limits
    int max = 0;
    int start = 0; // a Count's value before one is set or read, also for a key a file lacks
};

// The value a Count's stepper shows before one is set, and takes when a file has none: its
// start value, held within its limits.
inline int CountStart(const InputField& f) {
    return f.start < f.min ? f.min : f.start > f.max ? f.max : f.start;
}

// Where a kind keeps a field's value.
using FieldTarget = std::variant<std::monostate, float*, int*, bool*>;

// The field with that definition file key (ASCII case ignored, as in the file), or nullptr.
const InputField* FindInputField(std::span<const InputField> fields, std::string_view key);
// The field whose control is that component, or nullptr.
const InputField* FindFieldOfControl(std::span<const InputField> fields, std::string_view control);
// The first field carrying that input tag, or nullptr (tag 0 never matches).
const InputField* FindFieldOfTag(std::span<const InputField> fields, int tag);

// Whether the field is one of the edits of an input page.
inline bool IsInputPageField(const InputField& f) {
    return f.place == FieldPlace::InputPage &&
           (f.kind == FieldKind::Length || f.kind == FieldKind::Angle);
}

} // namespace brevant
