#include "backup/checker.h"

#include "backup/hashserializer.h"
#include "backup/uploadmodel.h"
#include "base/logcategories.h"

namespace Qln {

Checker::Checker(Flow::Shared<UploadModel> model, const Net::Method& check)
    : Flow::Worker(10), m_model(std::move(model)), m_check(check) {}

bool Checker::work(Flow::Shared<QObject>&) {
    m_model->wanted.clear();
    const QString title = QStringLiteral("Check hashes");
    setMessage(title);
    if (m_model->prepared.isEmpty()) {
        return true;
    }
    QStringList hashes;
    for (const UploadModel::Item& item : m_model->prepared) {
        hashes.append(item.info.hash);
    }
    auto serializer = std::make_shared<HashSerializer>(hashes);
    const Net::Response response = m_check.exec(serializer, serializer);
    if (!response.isSuccess() || !serializer->error.isOk()) {
        qCWarning(lcBackup).noquote()
            << "Upload check failed (http/server):"
            << QStringLiteral("%1/%2").arg(response.status).arg(serializer->error.code);
        return false;
    }
    for (const QString& hash : serializer->replyHashes()) {
        m_model->wanted.insert(hash.toLower());
    }
    progress(10, title);
    return true;
}

void Checker::abort() {
    m_check.abort();
    Flow::Worker::abort();
}

}  // namespace Qln
