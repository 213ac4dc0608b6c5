#pragma once

#include <QString>
#include <atomic>
#include <functional>

#include "hardware/deviceinfo.h"

namespace Hrdw::Impl {

// Walks every device instance the system knows. One walk at a time: a second
// enumerate() while one runs fails at once; stop() from any thread ends the
// running walk after the current device.
class DeviceEnumerator {
public:
    using Callback = std::function<void(const DeviceInfo&)>;
    // Where the devices come from: calls the callback per device while
    // keepGoing holds; false on a failed walk, with the reason.
    using Source =
        std::function<bool(const std::atomic<bool>& keepGoing, const Callback&, QString& error)>;

    DeviceEnumerator();  // the system's devices
    explicit DeviceEnumerator(Source source);

    bool enumerate(const Callback& callback);
    void stop();
    bool isRunning() const;
    // Why the last walk failed; empty after a successful one.
    QString lastError() const;

    static Source systemSource();

private:
    Source m_source;
    std::atomic<bool> m_running{false};
    QString m_lastError;
};

}  // namespace Hrdw::Impl
