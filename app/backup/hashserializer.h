#pragma once

#include <QSet>
#include <QStringList>

#include "net/iindata.h"
#include "net/outdatawitherror.h"

namespace Qln {

// The body {"hashes": [...]} of the upload check, and the reader of the check's and the
// upload's reply of the same shape.
class HashSerializer : public Net::IInData, public OutDataWithError {
public:
    // A reply names at most the hashes of one machine's drivers; more is cut.
    static constexpr int kMaxReplyHashes = 100000;

    explicit HashSerializer(const QStringList& hashes = {});

    QVariant toVariant() const override;
    void setData(const QVariant& data) override;

    // The reply's hashes, as sent.
    const QStringList& replyHashes() const { return m_reply; }
    // Whether the reply names hash, in any case; a set lookup.
    bool replyHas(const QString& hash) const;

private:
    QStringList m_hashes;
    QStringList m_reply;
    QSet<QString> m_lowerReply;
};

}  // namespace Qln
