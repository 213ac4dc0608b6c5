#pragma once

#include <QObject>

#include "hardware/driverdescription.h"
#include "hardware/driveroffer.h"
#include "hardware/hardware.h"

namespace Qln {

// One offered driver of a device row beside the driver it would replace.
class DriverSelectViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(QObject* update READ update CONSTANT)
    Q_PROPERTY(QObject* current READ current CONSTANT)

public:
    // The hardware must have an installed driver.
    DriverSelectViewModel(const Hrdw::Hardware& hardware, const QString& className,
                          const DriverOffer& offer, QObject* parent = nullptr);

    DriverDescription* update() const { return m_update; }
    DriverDescription* current() const { return m_current; }

private:
    DriverDescription* m_update;
    DriverDescription* m_current;
};

}  // namespace Qln
