#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QMutex>

namespace Net {

// A download's output device, written from the network thread and detached by abort()
// from any thread: once detach() returns, no write reaches the device.
class DownloadSink {
public:
    enum class Write { Ok, SeekFailed, WriteFailed, Detached };

    explicit DownloadSink(QIODevice* device) : m_device(device) {}

    // A negative offset writes at the device's current position.
    Write write(qint64 offset, const QByteArray& data);
    void detach();

private:
    QMutex m_mutex;
    QIODevice* m_device;
};

}  // namespace Net
