// The user's folders as Qt knows them on this system.
#pragma once

#include "engine/settings_file.h"

namespace brevant {

// The documents folder and the per-user data folder from QStandardPaths, and the folders of
// the installed manual relative to the running program.
PlatformFolders StandardPlatformFolders();

} // namespace brevant
