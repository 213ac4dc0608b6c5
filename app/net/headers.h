#pragma once

#include <QHash>
#include <QNetworkRequest>
#include <QString>
#include <QVariant>

#include "net/knownheader.h"

namespace Net {

// Known headers by index and raw headers by name; setting a key replaces its value.
class Headers {
public:
    void set(KnownHeader header, const QVariant& value) { m_known.insert(header, value); }
    void setRaw(const QString& name, const QString& value) { m_raw.insert(name, value); }
    // "Range: bytes=from-to"; a negative bound is left out (bytes=1000- for an open end).
    void setRange(qint64 from, qint64 to);
    QVariant value(KnownHeader header) const { return m_known.value(header); }
    QString rawValue(const QString& name) const { return m_raw.value(name); }
    bool contains(KnownHeader header) const { return m_known.contains(header); }
    bool containsRaw(const QString& name) const { return m_raw.contains(name); }

    const QHash<KnownHeader, QVariant>& known() const { return m_known; }
    const QHash<QString, QString>& raw() const { return m_raw; }

    void merge(const Headers& other);
    void applyTo(QNetworkRequest& request) const;

private:
    QHash<KnownHeader, QVariant> m_known;
    QHash<QString, QString> m_raw;
};

}  // namespace Net
