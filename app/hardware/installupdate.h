#pragma once

#include <QList>
#include <QString>

#include "backup/driverpackage.h"
#include "base/shared.h"
#include "hardware/driveroffer.h"
#include "hardware/hardware.h"
#include "hardware/installsource.h"

namespace Qln {

class InstallReporter;
class RecoveryManager;

// One chosen update: the device, its offers and which one to install, and the packages the
// pipeline makes on the way (the backup of the installed driver, the unpacked download).
class InstallUpdate : public InstallSource {
    Q_OBJECT
    Q_PROPERTY(QString name READ name CONSTANT)

public:
    InstallUpdate(Flow::Shared<Hrdw::Hardware> hardware, const QString& className,
                  const QList<DriverOffer>& drivers, int selectedIndex, QObject* parent = nullptr);

    // Where a finished installation is recorded and reported; either may be empty.
    void setRecording(Flow::Shared<RecoveryManager> recovery, Flow::Weak<InstallReporter> reporter);

    QString name() const;
    const Flow::Shared<Hrdw::Hardware>& hardware() const { return m_hardware; }
    QString className() const { return m_className; }
    const QList<DriverOffer>& drivers() const { return m_drivers; }
    int selectedIndex() const { return m_selectedIndex; }
    // Null when the index names no offer.
    const DriverOffer* selectedOffer() const;

    // Set by the pipeline's worker before the package is queued for the installer.
    DriverPackage backup;
    DriverPackage unpacked;

    InstallRequest installRequest() const override;
    // The device id the installation is for.
    QString targetId() const;

    // Results that say nothing about the driver (the device is gone, the request never reached
    // Windows) are kept from the service.
    static bool isReported(const InstallResult& result);

protected:
    void handleResult(const InstallResult& result) override;

private:
    Flow::Shared<Hrdw::Hardware> m_hardware;
    QString m_className;
    QList<DriverOffer> m_drivers;
    int m_selectedIndex = 0;
    Flow::Shared<RecoveryManager> m_recovery;
    Flow::Weak<InstallReporter> m_reporter;
};

}  // namespace Qln
