#include "net/downloadsink.h"

namespace Net {

DownloadSink::Write DownloadSink::write(qint64 offset, const QByteArray& data) {
    QMutexLocker lock(&m_mutex);
    if (m_device == nullptr) {
        return Write::Detached;
    }
    if (offset >= 0 && m_device->pos() != offset && !m_device->seek(offset)) {
        return Write::SeekFailed;
    }
    qint64 done = 0;
    while (done < data.size()) {
        const qint64 count = m_device->write(data.constData() + done, data.size() - done);
        if (count <= 0) {
            return Write::WriteFailed;
        }
        done += count;
    }
    return Write::Ok;
}

void DownloadSink::detach() {
    QMutexLocker lock(&m_mutex);
    m_device = nullptr;
}

}  // namespace Net
