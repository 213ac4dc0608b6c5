#pragma once

#include <QObject>

#include "hardware/inventory.h"

namespace Qln {

// The records of one scan, passed from the scanner to the search.
class ScanData : public QObject {
    Q_OBJECT

public:
    explicit ScanData(QObject* parent = nullptr);

    Hrdw::Inventory inventory;
};

}  // namespace Qln
