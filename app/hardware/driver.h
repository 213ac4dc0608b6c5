#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "base/shared.h"

namespace Hrdw {

struct Hardware;

// One installed INF file, shared by every Hardware installed from it.
struct Driver {
    QString infName;
    QString infPath;  // the key by which drivers are merged
    QString provider;
    QString version;
    QDate date;
    QString description;
    // Hardware holds its driver strongly; the way back is weak so the two
    // never keep each other alive after the scan data is gone.
    std::vector<Flow::Weak<Hardware>> hardware;
};

}  // namespace Hrdw
