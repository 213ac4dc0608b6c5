#include "net/headers.h"

namespace Net {

void Headers::merge(const Headers& other) {
    for (auto it = other.m_known.cbegin(); it != other.m_known.cend(); ++it) {
        m_known.insert(it.key(), it.value());
    }
    for (auto it = other.m_raw.cbegin(); it != other.m_raw.cend(); ++it) {
        m_raw.insert(it.key(), it.value());
    }
}

void Headers::setRange(qint64 from, qint64 to) {
    const QString first = from < 0 ? QString() : QString::number(from);
    const QString last = to < 0 ? QString() : QString::number(to);
    setRaw(QStringLiteral("Range"), QStringLiteral("bytes=%1-%2").arg(first, last));
}

void Headers::applyTo(QNetworkRequest& request) const {
    for (auto it = m_known.cbegin(); it != m_known.cend(); ++it) {
        request.setHeader(toNetworkHeader(it.key()), it.value());
    }
    for (auto it = m_raw.cbegin(); it != m_raw.cend(); ++it) {
        request.setRawHeader(it.key().toUtf8(), it.value().toUtf8());
    }
}

}  // namespace Net
