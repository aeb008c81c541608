// The registry of layout kinds: every kind the program knows, in the order of the layout-type
// combo box (the settings' LayoutType is the index; later kinds take the next numbers), and the
// input fields every kind shares (the material). It is the one place outside a kind's folder
// that names the kinds.
#pragma once

#include "core/input_fields.h"
#include "core/material.h"
#include "layouts/layout_kind.h"

#include <memory>
#include <span>
#include <string>
#include <vector>

namespace brevant {

// The indexes of today's kinds in the combo box.
enum LayoutType : int {
    kLayoutNone = -1,
    kLayoutCone = 0,
    kLayoutSquare = 1,
    kLayoutSpiral = 2,
    kLayoutPipe = 3
};

// A fresh object of every kind, in the combo box's order.
std::vector<std::unique_ptr<LayoutKind>> MakeLayoutKinds();

// The kinds' keys in the combo box's order ("cone", "square", ...).
std::vector<std::string> LayoutKeys();

// The material fields: written after every kind's fields in the definition file.
std::span<const InputField> MaterialFields();
FieldTarget MaterialTarget(MaterialInputs& material, const InputField& field);
// The material's values by their keys, for the results.
ResultGroup MaterialResults(const MaterialInputs& material);

} // namespace brevant
