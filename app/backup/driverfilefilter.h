#pragma once

#include <QString>

namespace Qln {

// Which files of a driver folder go into an archive: no empty files, no caches Windows
// rebuilds (.pnf, .tmp, component.man), and no numbered or renamed copy of a driver file
// (a(1).sys, a.sys.1, a.sys~old) whose content equals the file it copies.
class DriverFileFilter {
public:
    bool operator()(const QString& filePath) const;
};

}  // namespace Qln
