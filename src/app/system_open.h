// Opening a file with the program the system associates with it, and knowing when none did.
#pragma once

#include <QString>

namespace brevant {

// Hands the file to the system's program for its type. False when nothing can take it: no
// opener is installed, or the system knows no program for this type of file.
bool OpenWithSystemProgram(const QString& path);

} // namespace brevant
