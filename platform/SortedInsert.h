#pragma once

#include <QString>
#include <QStringList>

// Where a sorted list or combo box puts a new entry: after the entries that do
// not sort after it, comparing without regard to case.
inline int SortedInsertIndex(const QStringList& entries, const QString& entry) {
    int index = 0;
    while (index < entries.size() &&
           QString::compare(entries[index], entry, Qt::CaseInsensitive) <= 0)
        ++index;
    return index;
}
