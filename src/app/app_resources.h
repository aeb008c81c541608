// The program's compiled-in artwork (dimension drawings, About picture).
#pragma once

namespace brevant {

// Registers the resources of the static library; safe to call more than once.
void InitAppResources();

} // namespace brevant
