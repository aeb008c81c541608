// The drawing's simple properties and layers.
#include "caddraw/cad_drawing.h"

namespace brevant {

void TCadDrawing::SetBackgroundColor(TColor color) {
    backgroundColor_ = color;
    DrawingChanged();
}

void TCadDrawing::SetCadType(int type) {
    settings_.cad_type = (type < kCadTypeCdl || type > kCadTypeIges) ? kCadTypeCdl : type;
}

bool TCadDrawing::LayerVisible(int layer) const {
    return layer >= 0 && layer < kLayerCount && settings_.visible_layer[layer];
}

void TCadDrawing::SetLayerVisible(int layer, bool visible) {
    if (layer >= 0 && layer < kLayerCount) settings_.visible_layer[layer] = visible;
}

} // namespace brevant
