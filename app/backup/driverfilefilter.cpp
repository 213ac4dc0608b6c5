#include "backup/driverfilefilter.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <vector>

#include "hardware/systemactions.h"

namespace Qln {

namespace {

struct CopyPattern {
    QString extension;
    QRegularExpression copy;     // name(2).sys, name.sys.1, name.sys~old, name.sys(3)
    QRegularExpression cleanUp;  // what turns such a name back into name.sys
};

const std::vector<CopyPattern>& copyPatterns() {
    static const std::vector<CopyPattern> patterns = [] {
        std::vector<CopyPattern> list;
        for (const char* extension : {".sys", ".exe", ".dll", ".cat"}) {
            // Escaped, so that the dot stands for a dot and not for any character.
            const QString escaped = QRegularExpression::escape(QLatin1String(extension));
            list.push_back(
                {QLatin1String(extension),
                 QRegularExpression(
                     QStringLiteral("(((\\(\\d+\\))+%1$)|(%1(\\.\\d+|~.+|\\(\\d+\\))+$))")
                         .arg(escaped)),
                 QRegularExpression(
                     QStringLiteral("(\\(\\d+\\))*%1(\\.\\d+|~.+|\\(\\d+\\))*$").arg(escaped))});
        }
        return list;
    }();
    return patterns;
}

// The file of that lower-case name in the folder, whatever its case there; empty when none.
QString fileInFolder(const QString& folder, const QString& lowerName) {
    const QString exact = QDir(folder).filePath(lowerName);
    if (QFileInfo(exact).isFile()) {
        return exact;
    }
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (name.toLower() == lowerName) {
            return QDir(folder).filePath(name);
        }
    }
    return QString();
}

}  // namespace

bool DriverFileFilter::operator()(const QString& filePath) const {
    const QFileInfo info(filePath);
    if (!info.isFile() || info.size() == 0) {
        return false;
    }
    const QString suffix = info.suffix().toLower();
    const QString name = info.fileName().toLower();
    if (suffix == QLatin1String("pnf") || suffix == QLatin1String("tmp") ||
        name == QLatin1String("component.man")) {
        return false;
    }
    for (const CopyPattern& pattern : copyPatterns()) {
        if (!pattern.copy.match(name).hasMatch()) {
            continue;
        }
        QString baseName = name;
        baseName.replace(pattern.cleanUp, pattern.extension);
        const QString basePath = fileInFolder(info.absolutePath(), baseName);
        if (basePath.isEmpty()) {
            continue;
        }
        const QString copyHash = System::fileSha1(filePath);
        const QString baseHash = System::fileSha1(basePath);
        // A file that cannot be compared is kept: a missing driver file is worse than a spare.
        return copyHash.isEmpty() || baseHash.isEmpty() || copyHash != baseHash;
    }
    return true;
}

}  // namespace Qln
