#include "hardware/devicescanner.h"

#include <QCoreApplication>

#include "base/logcategories.h"
#include "hardware/devicecollector.h"
#include "hardware/scandata.h"

namespace Qln {

std::atomic<int> DeviceScanner::s_deviceTotal{0};

DeviceScanner::DeviceScanner(bool includeSystemDevices, Hrdw::Impl::DeviceEnumerator::Source source)
    : Flow::Worker(deviceTotal()),
      m_includeSystemDevices(includeSystemDevices),
      m_enumerator(std::move(source)) {}

int DeviceScanner::deviceTotal() {
    return s_deviceTotal.load();
}

void DeviceScanner::setDeviceTotal(int total) {
    s_deviceTotal.store(qMax(0, total));
}

bool DeviceScanner::work(Flow::Shared<QObject>& data) {
    auto scan = std::make_shared<ScanData>();
    data = scan;
    const int total = weight();
    const QString title = QCoreApplication::translate("Qln::DeviceScanner", "ScanTitle");
    int count = 0;
    const auto report = [&] {
        // A machine with more devices than last time would otherwise go silent
        // once the count passes the old total.
        progress(qMin(count, total),
                 QStringLiteral("%1: %2 / %3").arg(title).arg(count).arg(total));
    };
    report();
    Hrdw::Impl::DeviceCollector collector(m_enumerator);
    const bool ok =
        collector.collect(scan->inventory, m_includeSystemDevices,
                          [&](const Hrdw::Device&, const Flow::Shared<Hrdw::Hardware>&) {
                              ++count;
                              report();
                          });
    if (!ok) {
        qCWarning(lcHardware).noquote() << "Scan failed:" << m_enumerator.lastError();
    }
    setDeviceTotal(count);
    setWeight(count);
    return ok;
}

void DeviceScanner::abort() {
    stop();
}

void DeviceScanner::stop() {
    m_enumerator.stop();
}

}  // namespace Qln
