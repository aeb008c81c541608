// Definition files: the inputs of all four layout types in an INI file, section "DIMENSIONS".
#pragma once

#include <string>

namespace brevant {

class LayoutEngine;

// Writes the inputs into path (a path without a folder goes into the user data folder),
// keeping every other section and key of an existing file; atomic. False on an I/O failure,
// with the reason in engine.LastIOError().
bool SaveDefinition(LayoutEngine& engine, const std::string& path);
// Loads the inputs from path and recalculates quietly; a missing file loads nothing.
// False when the file exists but cannot be read.
bool LoadDefinition(LayoutEngine& engine, const std::string& path);
// The menu commands: read the inputs, ask for a file, save; ask for a file, load.
void MenuSaveDefinitionClick(LayoutEngine& engine);
void MenuLoadDefinitionClick(LayoutEngine& engine);

// A definition file key and the control that holds it, for batch front ends.
struct DefinitionKey {
    const char* key;
    const char* control; // component name in the form model
};
// The key named key, or nullptr.
const DefinitionKey* FindDefinitionKey(const std::string& key);

} // namespace brevant
