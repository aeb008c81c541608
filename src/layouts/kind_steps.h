// Steps the layout kinds' Calculate share: the prologue of a driver, reading edits into a
// definition, the material inputs and the "not enough dimensions" message.
#pragma once

#include "layouts/layout_kind.h"

#include <vector>

namespace brevant {

// The start of a driver: clears the status; false when the program is writing into the inputs
// (BusyFlag), else clears the result labels.
bool BeginDriver(KindRun& run);
// A length edit's value in inches into target; false (the reader showed why) on a bad number.
bool ReadLength(KindRun& run, Edit& edit, float& target);
// The length edits of the kind's input page into their definition fields, in the table's order;
// stops at a bad number.
bool ReadPageLengths(KindRun& run, LayoutKind& kind);
// The kind's fields the Calculate-time reader reads, in their read order.
std::vector<const InputField*> ReadOrder(std::span<const InputField> fields);
// Reads one field's control into target as the Calculate-time reader does: a Length in inches,
// an Angle in degrees, a spin box's whole value, a stepper's count, a radio group's tag.
bool ReadFieldValue(KindRun& run, const InputField& field, FieldTarget target);
// The material thickness (ThicknessEdit, inches) and the side the dimensions are given on.
bool ReadMaterialInputs(KindRun& run);
// Notices that nobody sees: an output that develops a pattern again says nothing.
class SilentNotices : public INotices {
public:
    int ShowMessageDialog(const std::string&, const std::string&, int) override {
        return kResultOk;
    }
    void ShowStatus(const std::string&) override {}
};

// "Not enough dimensions": the given message unless the run is quiet.
void NotEnoughDimensions(KindRun& run, const char* message);

} // namespace brevant
