#include "hardware/deviceenumerator.h"

#include "platform/devices.h"

namespace Hrdw::Impl {

DeviceEnumerator::DeviceEnumerator() : m_source(systemSource()) {}

DeviceEnumerator::DeviceEnumerator(Source source) : m_source(std::move(source)) {}

DeviceEnumerator::Source DeviceEnumerator::systemSource() {
    return [](const std::atomic<bool>& keepGoing, const Callback& callback, QString& error) {
        std::string reason;
        const bool ok = platform::enumerateDevices(
            keepGoing,
            [&callback](const platform::DeviceRecord& record) {
                callback(DeviceInfo::fromRecord(record));
            },
            reason);
        error = QString::fromStdString(reason);
        return ok;
    };
}

bool DeviceEnumerator::enumerate(const Callback& callback) {
    bool idle = false;
    if (!m_running.compare_exchange_strong(idle, true)) {
        return false;
    }
    // Idle again however the walk ends, or the enumerator would refuse every later scan.
    struct Idle {
        std::atomic<bool>& running;
        ~Idle() { running.store(false); }
    } idleAtEnd{m_running};
    m_lastError.clear();
    QString error;
    const bool ok = m_source(m_running, callback, error);
    if (!ok) {
        m_lastError = error;
    }
    return ok;
}

void DeviceEnumerator::stop() {
    m_running.store(false);
}

bool DeviceEnumerator::isRunning() const {
    return m_running.load();
}

QString DeviceEnumerator::lastError() const {
    return m_lastError;
}

}  // namespace Hrdw::Impl
