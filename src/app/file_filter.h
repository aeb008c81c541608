// Turning the engine's file-dialog filter ("Name (*.x)|*.x|All Files (*.*)|*.*") into the
// ";;"-separated filter of Qt's file dialogs.
#pragma once

#include <QString>
#include <QStringList>

#include <string>

namespace brevant {

// One Qt filter entry per pair of a shown name and a pattern list. The shown name loses any
// pattern list it carries in parentheses and gets the pair's patterns ("*.*" matches every
// file, also one without an extension, so it becomes "*").
QStringList ToQtFilters(const std::string& engineFilter);
QString ToQtFilter(const std::string& engineFilter);

} // namespace brevant
