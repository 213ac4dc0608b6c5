#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QRecursiveMutex>
#include <functional>

namespace Net {

// A download's output device and progress callback, used from the network thread and
// detached by abort() from any thread: once detach() returns, neither is touched again.
class DownloadSink {
public:
    enum class Write { Ok, SeekFailed, WriteFailed, Detached };
    using Progress = std::function<void(qint64 received, quint64 total)>;

    DownloadSink(QIODevice* device, Progress progress)
        : m_device(device), m_progress(std::move(progress)) {}

    // A negative offset writes at the device's current position.
    Write write(qint64 offset, const QByteArray& data);
    void report(qint64 received, quint64 total);
    void detach();

private:
    // Recursive, so a progress callback may itself abort the download.
    QRecursiveMutex m_mutex;
    QIODevice* m_device;
    Progress m_progress;
};

}  // namespace Net
