#include "backup/hashserializer.h"

#include <QVariantList>
#include <QVariantMap>

namespace Qln {

HashSerializer::HashSerializer(const QStringList& hashes) : m_hashes(hashes) {}

QVariant HashSerializer::toVariant() const {
    return QVariantMap{{QStringLiteral("hashes"), m_hashes}};
}

void HashSerializer::setData(const QVariant& data) {
    error.setData(data);
    m_reply.clear();
    m_lowerReply.clear();
    if (!error.isOk() || data.type() != QVariant::Map) {
        return;
    }
    const QVariantList hashes = data.toMap().value(QStringLiteral("hashes")).toList();
    for (int i = 0; i < hashes.size() && i < kMaxReplyHashes; ++i) {
        m_reply.append(hashes.at(i).toString());
        m_lowerReply.insert(m_reply.last().toLower());
    }
}

bool HashSerializer::replyHas(const QString& hash) const {
    return m_lowerReply.contains(hash.toLower());
}

}  // namespace Qln
