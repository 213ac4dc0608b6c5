#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QString>

// Copies every file below `from` to the same place below `to`, as tests copy the sample PC
// before changing it; false at the first file that cannot be copied.
inline bool copyTree(const QString& from, const QString& to) {
    QDirIterator walk(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (walk.hasNext()) {
        const QString file = walk.next();
        const QString target = to + file.mid(from.size());
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(file, target)) {
            return false;
        }
    }
    return true;
}
