// Definition files: the inputs of every layout kind in an INI file, section "DIMENSIONS".
#pragma once

#include "core/input_fields.h"
#include "core/output_outcome.h"

#include <string>
#include <string_view>

namespace brevant {

class LayoutEngine;

inline constexpr const char* kDefinitionSection = "DIMENSIONS";
// The key in that section naming the kind the file describes ("cone", "square", ...).
inline constexpr const char* kLayoutTypeKey = "LayoutType";
// The key naming the unit of the file's lengths: 0 inches, 1 centimetres, 2 millimetres (the
// numbers of the settings' "Units"). A file loaded into another unit has its lengths converted;
// a file without it is read in the program's unit.
inline constexpr const char* kDefinitionUnitsKey = "Units";
// The question on closing with changed inputs: Yes saves, No discards, Cancel stays.
inline constexpr const char* kMsgSaveChanges = "Save changes to the layout file?";

// Whether loading a file chooses the layout type the file names (a file naming none, or a
// kind this program does not know, leaves the chosen type), or keeps the chosen one (the
// command line's explicit --type).
enum class StoredType { Choose, Keep };

// Whether a save makes the saved file the current definition (the caption, the name later
// outputs print and propose, the file written back on close), as the window's "Save
// Definition" does, or writes a copy and leaves the names alone, as the command line does so
// that every output of one run names the file the run calculated.
enum class SavedName { Adopt, Keep };

// Writes the chosen layout type and the inputs into path (a path without a folder goes into the
// user data folder), keeping every other section and key of an existing file; atomic. False on an
// I/O failure, with the file and the reason in engine.LastIOError().
bool SaveDefinition(LayoutEngine& engine, const std::string& path,
                    SavedName name = SavedName::Adopt);
// Loads the inputs from path, chooses the layout type it names (see StoredType) and
// recalculates quietly; a missing file loads nothing.
// False when nothing was loaded (missing, not a regular file, too large or unreadable), with
// the file and the reason in engine.LastIOError().
bool LoadDefinition(LayoutEngine& engine, const std::string& path,
                    StoredType type = StoredType::Choose);
// "Save Definition": checks the inputs, asks for a file and saves; a failed save is also shown
// in the message dialog. Refused when an input is a bad number (the reader showed it). What
// was calculated stays as it was: the file takes the inputs as they stand in the controls.
OutputOutcome SaveDefinitionCommand(LayoutEngine& engine, SavedName name = SavedName::Adopt);
// The menu commands: "Save Definition" for the window; ask for a file, load.
void MenuSaveDefinitionClick(LayoutEngine& engine);
void MenuLoadDefinitionClick(LayoutEngine& engine);
// Opening a definition file named outside the dialog (the command line, a later start of the
// program): loads it as "Load Definition" does; a failure shows the same message.
void OpenDefinitionCommand(LayoutEngine& engine, const std::string& path);

// Whether the inputs differ from what the current definition file (the last one loaded or
// saved with its name adopted) held then; false when there is no such file.
bool DefinitionChanged(LayoutEngine& engine);
// Closing with a current definition file whose inputs changed asks Save / Discard / Cancel.
// True when the program may close (nothing changed, saved, or discarded); false when the user
// cancelled or the save failed (its message shown), so nothing is lost.
bool ConfirmDefinitionClose(LayoutEngine& engine);

// In-memory halves of the two, for tests and fuzzing: the text of a definition file written
// over existing (the old file's text, "" for a new file), and loading from the file's bytes as
// if read from path (path gives the caption and the names; the file system is not touched).
std::string DefinitionFileText(LayoutEngine& engine, std::string_view existing);
void LoadDefinitionText(LayoutEngine& engine, std::string_view content, const std::string& path,
                        StoredType type = StoredType::Choose);

// A definition file key is an input field of a layout kind or of the material: the key, the
// control that holds it ("DimensionsFrom" is the group of OutsideRadio, MiddleRadio and
// InsideRadio) and its kind (LayoutEngine::FindField finds it).
// Puts a value into the control that holds key, exactly as loading a file with that value
// would (separator normalisation, integer and flag rules, panel visibility). False when key is
// not a definition key.
bool ApplyDefinitionValue(LayoutEngine& engine, const std::string& key, const std::string& value);

} // namespace brevant
