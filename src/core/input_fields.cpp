// The input field table and its lookups.
#include "core/input_fields.h"

#include "core/form_model.h"
#include "core/string_util.h"

#include <algorithm>
#include <array>
#include <vector>

namespace brevant {

namespace {

using D = LayoutDefinition;
using K = FieldKind;
constexpr unsigned kCone = ClearedWith(kConePage);
constexpr unsigned kSquare = ClearedWith(kSquarePage);
constexpr unsigned kSpiral = ClearedWith(kSpiralPage);
constexpr unsigned kPipe = ClearedWith(kPipePage);

// In the order in which the definition file writes its keys.
// clang-format off
constexpr InputField kFields[] = {
//   control                tag page             member                 key                   kind      cleared with     read
    {"SegmentAngleEdit",      0, kResultPanel,    &D::SegmentAngle,      "SegmentAngle",       K::Angle,  0,              0},
    {"ConeHeight",            1, kConePage,       &D::ConeHeight,        "ConeHeight",         K::Length, kCone,          5},
    {"ConeTopDiameter",       2, kConePage,       &D::TopDiameter,       "TopDiameter",        K::Length, kCone,          3},
    {"ConeTopAngle",          3, kConePage,       &D::TopAngle,          "TopAngle",           K::Angle,  kCone,          1},
    {"ConeBottomDiameter",    4, kConePage,       &D::BottomDiameter,    "BottomDiameter",     K::Length, kCone,          4},
    {"BottomAngle",           5, kConePage,       &D::BottomAngle,       "BottomAngle",        K::Angle,  kCone,          2},
    {"SeamSpinBox",           0, kResultPanel,    &D::SeamAngle,         "SeamAngle",          K::Whole,  kCone,          25},
    {"BendConeSpinBox",       0, kResultPanel,    &D::Bends,             "Bends",              K::Whole,  kCone,          0},
    {"ConeTopXShift",        18, kConePage,       &D::TopShift,          "TopShift",           K::Length, kCone,          6},
    {"TopEllipseWidth",       7, kConePage,       &D::TopEllipseWidth,   "TopEllipseWidth",    K::Length, kCone,          9},
    {"BottomEllipseWidth",    8, kConePage,       &D::BottomEllipseWidth,"BottomEllipseWidth", K::Length, kCone,          10},
    {"SideLength",            9, kConePage,       &D::SideLength,        "SideLength",         K::Length, kCone,          8},
    {"SideAngle",            10, kConePage,       &D::SideAngle,         "SideAngle",          K::Angle,  kCone,          7},
    {"SheetWidth",            0, kResultPanel,    &D::SheetWidth,        "SheetWidth",         K::Length, 0,              12},
    {"SheetHeight",           0, kResultPanel,    &D::SheetHeight,       "SheetHeight",        K::Length, 0,              13},
    {"XClearenceEdit",        0, kResultPanel,    &D::XClearance,        "XClearance",         K::Length, 0,              14},
    {"YClearenceEdit",        0, kResultPanel,    &D::YClearance,        "YClearance",         K::Length, 0,              15},
    {"Overlap",               0, kResultPanel,    &D::Overlap,           "Overlap",            K::Length, kCone,          11},
    {"TopCutWidthEdit",       0, kResultPanel,    &D::TopCutWidth,       "TopCutWidth",        K::Length, kCone,          16},
    {"BottomCutWidthEdit",    0, kResultPanel,    &D::BottomCutWidth,    "BottomCutWidth",     K::Length, kCone,          17},
    {"TopArcLengthEdit",      0, kResultPanel,    &D::TopArcLength,      "TopArcLength",       K::Length, kCone,          0},
    {"BottomArcLengthEdit",   0, kResultPanel,    &D::BottomArcLength,   "BottomArcLength",    K::Length, kCone,          0},
    {"SquareHeight",          1, kSquarePage,     &D::SquareHeight,      "SquareHeight",       K::Length, kSquare,        23},
    {"SquareTopDiameter",     2, kSquarePage,     &D::SquareTopDiameter, "SquareTopDiameter",  K::Length, kSquare,        24},
    {"SquareTopAngle",       20, kSquarePage,     &D::SquareTopAngle,    "SquareTopAngle",     K::Angle,  kSquare,        20},
    {"SquareWidth",          16, kSquarePage,     &D::SquareWidth,       "SquareWidth",        K::Length, kSquare,        18},
    {"SquareLength",         17, kSquarePage,     &D::SquareLength,      "SquareLength",       K::Length, kSquare,        19},
    {"SquareTopXShift",      18, kSquarePage,     &D::SquareTopXShift,   "SquareTopXShift",    K::Length, kSquare,        21},
    {"SquareTopYShift",      19, kSquarePage,     &D::SquareTopYShift,   "SquareTopYShift",    K::Length, kSquare,        22},
    {"HalfPatternCheckBox",   0, kSquarePage,     &D::SquareHalfPattern, "SquareHalfPattern",  K::Flag,   0,              0},
    {"NumberOfBendsLabel",    0, kSquarePage,     &D::BendsPerCorner,    "BendsPerCorner",     K::Count,  0,              26},
    {"SpiralODEdit",          0, kSpiralPage,     &D::SpiralOD,          "SpiralOD",           K::Length, kSpiral,        0},
    {"SpiralIDEdit",          0, kSpiralPage,     &D::SpiralID,          "SpiralID",           K::Length, kSpiral,        0},
    {"SpiralPitchEdit",       0, kSpiralPage,     &D::SpiralPitch,       "SpiralPitch",        K::Length, kSpiral,        0},
    {"BigPipeDiaEdit",        0, kPipePage,       &D::PipeBigOD,         "PipeBigOD",          K::Length, kPipe,          0},
    {"SmallPipeDiaEdit",      0, kPipePage,       &D::PipeSmallOD,       "PipeSmallOD",        K::Length, kPipe,          0},
    {"PipeOffsetEdit",        0, kPipePage,       &D::PipeOffset,        "PipeOffset",         K::Length, kPipe,          0},
    {"ThicknessCheckBox",     0, kSettingsDialog, &D::ShowThickness,     "ShowThickness",      K::Flag,   0,              0},
    {"DimensionsFrom",        0, kResultPanel,    &D::ThicknessSide,     "ThicknessSide",      K::Side,   0,              28},
    {"ThicknessEdit",         0, kResultPanel,    &D::MaterialThickness, "MaterialThickness",  K::Length, kCone | kSpiral, 27},
    {"SideCutsCheckBox",      0, kSettingsDialog, &D::ShowSideCut,       "ShowSideCut",        K::Flag,   0,              0},
};
// clang-format on

std::vector<const InputField*> SortedByReadOrder() {
    std::vector<const InputField*> read;
    for (const InputField& f : kFields)
        if (f.readOrder > 0) read.push_back(&f);
    std::sort(read.begin(), read.end(),
              [](const InputField* a, const InputField* b) { return a->readOrder < b->readOrder; });
    return read;
}

} // namespace

std::span<const InputField> InputFields() {
    return kFields;
}

const InputField* FindInputField(std::string_view key) {
    const std::string wanted = ToUpperAscii(key);
    for (const InputField& f : kFields)
        if (ToUpperAscii(f.key) == wanted) return &f;
    return nullptr;
}

std::span<const InputField* const> CalculateReadOrder() {
    static const std::vector<const InputField*> order = SortedByReadOrder();
    return order;
}

const InputField* CommitField(int tag, bool squarePage) {
    if (squarePage && tag == kTagTopAngle) tag = kTagSquareTopAngle;
    const InputField* other = nullptr;
    for (const InputField& f : kFields) {
        if (f.tag != tag || tag == 0) continue;
        if ((f.page == kSquarePage) == squarePage) return &f;
        other = &f;
    }
    return other;
}

float* FloatField(LayoutDefinition& d, const InputField& field) {
    const auto* m = std::get_if<float LayoutDefinition::*>(&field.member);
    return m ? &(d.**m) : nullptr;
}

} // namespace brevant
