// Conversion of the engine's "|"-separated file-dialog filters into Qt's filter strings.
#include "file_filter.h"

namespace brevant {

namespace {

// The patterns of one pair, ";"-separated, as Qt's blank-separated list.
QString Patterns(const QString& list) {
    QStringList out;
    for (QString p : list.split(';', Qt::SkipEmptyParts)) {
        p = p.trimmed();
        if (p.isEmpty()) continue;
        if (p == "*.*") p = "*";
        if (!out.contains(p)) out << p;
    }
    return out.isEmpty() ? QString("*") : out.join(' ');
}

// The shown name without a trailing "(...)" pattern list.
QString BareName(QString name) {
    name = name.trimmed();
    if (name.endsWith(')')) {
        const int open = name.lastIndexOf('(');
        if (open > 0) name = name.left(open).trimmed();
    }
    return name.isEmpty() ? QString("Files") : name;
}

} // namespace

QStringList ToQtFilters(const std::string& engineFilter) {
    const QStringList parts = QString::fromStdString(engineFilter).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString entry = BareName(parts[i]) + " (" + Patterns(parts[i + 1]) + ")";
        if (!filters.contains(entry)) filters << entry;
    }
    if (filters.isEmpty()) filters << "All Files (*)";
    return filters;
}

QString ToQtFilter(const std::string& engineFilter) {
    return ToQtFilters(engineFilter).join(";;");
}

} // namespace brevant
