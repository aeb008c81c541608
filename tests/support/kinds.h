// The layout kinds of an engine by their types, for tests that look at a kind's definition and
// results.
#pragma once

#include "caddraw/flat_pattern_render.h"
#include "engine/layout_engine.h"
#include "engine/layout_registry.h"
#include "layouts/cone/cone_kind.h"
#include "layouts/pipe/pipe_kind.h"
#include "layouts/spiral/spiral_kind.h"
#include "layouts/square/square_kind.h"

namespace brevant {

inline ConeKind& ConeOf(LayoutEngine& e) {
    return static_cast<ConeKind&>(e.Kind(kLayoutCone));
}
inline SquareKind& SquareOf(LayoutEngine& e) {
    return static_cast<SquareKind&>(e.Kind(kLayoutSquare));
}
inline SpiralKind& SpiralOf(LayoutEngine& e) {
    return static_cast<SpiralKind&>(e.Kind(kLayoutSpiral));
}
inline PipeKind& PipeOf(LayoutEngine& e) {
    return static_cast<PipeKind&>(e.Kind(kLayoutPipe));
}

// A cone job over an engine's cone, its window and its notices, developing into a pattern of
// its own, as the cone's Calculate makes one.
struct ConeJobOf {
    explicit ConeJobOf(LayoutEngine& e)
        : job{ConeOf(e).Def,
              e.Material,
              ConeOf(e).State,
              e.Form,
              flat,
              e,
              {e.Drv.BusyFlag, e.Drv.KeepStatusOnce, e.Drv.CircleResolution, false, false},
              e.Format(),
              e.App.MaterialMass,
              e.App.MaterialName,
              e.App.CurrentDefinitionName,
              {},
              true} {}
    FlatPatternBuilder flat;
    ConeJob job;
};

} // namespace brevant
