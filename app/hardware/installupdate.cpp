#include "hardware/installupdate.h"

#include <QFileInfo>

#include "backup/recoverymanager.h"
#include "hardware/installreporter.h"

namespace Qln {

namespace {

// ERROR_DISK_FULL and ERROR_GEN_FAILURE, and the device that is no longer present.
constexpr quint32 kDiskFull = 112;
constexpr quint32 kGeneralFailure = 31;
constexpr qint32 kDeviceNotPresent = 106;

}  // namespace

InstallUpdate::InstallUpdate(Flow::Shared<Hrdw::Hardware> hardware, const QString& className,
                             const QList<DriverOffer>& drivers, int selectedIndex, QObject* parent)
    : InstallSource(parent),
      m_hardware(std::move(hardware)),
      m_className(className),
      m_drivers(drivers),
      m_selectedIndex(selectedIndex) {}

void InstallUpdate::setRecording(Flow::Shared<RecoveryManager> recovery,
                                 Flow::Weak<InstallReporter> reporter) {
    m_recovery = std::move(recovery);
    m_reporter = std::move(reporter);
}

QString InstallUpdate::name() const {
    return m_hardware ? m_hardware->name : QString();
}

const DriverOffer* InstallUpdate::selectedOffer() const {
    return m_selectedIndex >= 0 && m_selectedIndex < m_drivers.size()
               ? &m_drivers.at(m_selectedIndex)
               : nullptr;
}

QString InstallUpdate::targetId() const {
    if (!m_hardware) {
        return QString();
    }
    // The INF lists the id the service matched, which need not be the one Windows matched the
    // installed driver by (a device installed through a compatible id, offered a driver for
    // its hardware id); Windows installs only for an id the INF lists. The service's word is
    // taken only for an id the device itself has.
    const DriverOffer* offer = selectedOffer();
    if (offer && !offer->hid.isEmpty()) {
        for (const Hrdw::Device& device : m_hardware->devices) {
            if (device.hardwareIds.contains(offer->hid, Qt::CaseInsensitive) ||
                device.compatibleIds.contains(offer->hid, Qt::CaseInsensitive)) {
                return offer->hid;
            }
        }
    }
    return m_hardware->id;
}

InstallRequest InstallUpdate::installRequest() const {
    InstallRequest request;
    request.infSha1 = unpacked.id;
    request.infPath = unpacked.inf;
    request.hardwareId = targetId();
    request.tempDir = QFileInfo(unpacked.path).absolutePath();
    request.rollback = false;
    return request;
}

bool InstallUpdate::isReported(const InstallResult& result) {
    return result.systemErrorCode != kDiskFull && result.systemErrorCode != kGeneralFailure &&
           result.errorCode != kDeviceNotPresent;
}

void InstallUpdate::handleResult(const InstallResult& result) {
    const DriverOffer* offer = selectedOffer();
    if (result.succeeded() && m_recovery && m_hardware && offer) {
        m_recovery->addHistoryEntry(*m_hardware, m_className, *offer);
    }
    const Flow::Shared<InstallReporter> reporter = m_reporter.lock();
    if (!reporter || !offer || !isReported(result)) {
        return;
    }
    reporter->append(InstallReport(offer->reportUrl, result.systemErrorCode, result.errorCode,
                                   result.needReboot));
}

}  // namespace Qln
