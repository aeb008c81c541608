// Which elements the CAD file writers put into a file.
#pragma once

#include "caddraw/element.h"
#include "caddraw/settings.h"

namespace brevant {

// Elements that are not deleted and lie on a visible layer; every writer skips the others.
inline bool IsWrittenToFile(const TElement& element, const TSettings& settings) {
    if (element.Deleted || element.Layer < 0 || element.Layer >= kLayerCount) return false;
    return settings.visible_layer[static_cast<std::size_t>(element.Layer)];
}

} // namespace brevant
