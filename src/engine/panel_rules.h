// How the optional result panels follow the settings check boxes after a load or a save.
#pragma once

namespace brevant {

class LayoutEngine;

// ThicknessDisplay is shown only while "Use Thickness" is checked and the kind whose page shows
// has a thickness display for its last results; showing it also shows the "Dimensions From:"
// group when the kind uses it.
void ShowThicknessDisplay(LayoutEngine& engine, bool show);
// BendDisplay, SeamDisplay, SideCutDisplay and ThicknessDisplay as their check boxes say.
void PanelsFollowSettings(LayoutEngine& engine);

} // namespace brevant
