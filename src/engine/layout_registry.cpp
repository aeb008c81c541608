// The layout kinds in the combo box's order, and the material fields they share.
#include "engine/layout_registry.h"

#include "layouts/cone/cone_kind.h"
#include "layouts/elbow/elbow_kind.h"
#include "layouts/field_table.h"
#include "layouts/pipe/pipe_kind.h"
#include "layouts/spiral/spiral_kind.h"
#include "layouts/square/square_kind.h"
#include "layouts/transition/transition_kind.h"

namespace brevant {

namespace {

using K = FieldKind;
using P = FieldPlace;
using M = MaterialInputs;

// clang-format off
constexpr BoundField<M> kMaterialRows[] = {
    {{"ThicknessCheckBox", 0, P::SettingsDialog, "ShowThickness",     K::Flag,   0, 0}, &M::ShowThickness},
    {{"DimensionsFrom",    0, P::ResultPanel,    "ThicknessSide",     K::Side,   0, 28}, &M::Side},
    {{"ThicknessEdit",     0, P::ResultPanel,    "MaterialThickness", K::Length, 0, 27}, &M::Thickness},
    {{"SideCutsCheckBox",  0, P::SettingsDialog, "ShowSideCut",       K::Flag,   0, 0}, &M::ShowSideCut},
};
// clang-format on
const FieldTable kMaterial(kMaterialRows);

} // namespace

std::vector<std::unique_ptr<LayoutKind>> MakeLayoutKinds() {
    std::vector<std::unique_ptr<LayoutKind>> kinds;
    kinds.push_back(std::make_unique<ConeKind>());
    kinds.push_back(std::make_unique<SquareKind>());
    kinds.push_back(std::make_unique<SpiralKind>());
    kinds.push_back(std::make_unique<PipeKind>());
    kinds.push_back(std::make_unique<TransitionKind>());
    kinds.push_back(std::make_unique<ElbowKind>());
    return kinds;
}

std::vector<std::string> LayoutKeys() {
    std::vector<std::string> keys;
    for (const auto& kind : MakeLayoutKinds())
        keys.emplace_back(kind->Key());
    return keys;
}

std::span<const InputField> MaterialFields() {
    return kMaterial.Fields();
}

FieldTarget MaterialTarget(MaterialInputs& material, const InputField& field) {
    return kMaterial.Target(material, field);
}

ResultGroup MaterialResults(const MaterialInputs& material) {
    ResultGroup r;
    kMaterial.AddResults(material, r);
    return r;
}

} // namespace brevant
