#include "hardware/findupdates.h"

#include <QCoreApplication>

#include "base/logcategories.h"
#include "hardware/scandata.h"
#include "hardware/updatedataserializer.h"

namespace Qln {

FindUpdates::FindUpdates(const Net::Method& method) : Flow::Worker(0), m_method(method) {}

bool FindUpdates::work(Flow::Shared<QObject>& data) {
    auto scan = std::dynamic_pointer_cast<ScanData>(data);
    {
        QMutexLocker lock(&m_mutex);
        m_offers.clear();
        m_error = true;
        m_searched = scan;
    }
    if (!scan) {
        return false;
    }
    const QString title = QCoreApplication::translate("Qln::FindUpdates", "FindUpdatesHeader") +
                          QStringLiteral("...");
    setMessage(title);
    progress(0, title);

    auto serializer = std::make_shared<UpdateDataSerializer>(scan->inventory);
    const Net::Response response = m_method.exec(serializer, serializer);
    const bool failed = !response.isSuccess();
    if (failed) {
        qCWarning(lcHardware).noquote()
            << "Search failed (http/server):"
            << QStringLiteral("%1/%2").arg(response.status).arg(serializer->error.code);
    }
    QMutexLocker lock(&m_mutex);
    // Any failed exchange counts: the page must not call the drivers current
    // when the service never answered.
    m_error = failed;
    if (!failed) {
        m_offers = serializer->updates();
    }
    return !failed;
}

void FindUpdates::abort() {
    m_method.abort();
}

QList<UpdateOffer> FindUpdates::offers() const {
    QMutexLocker lock(&m_mutex);
    return m_offers;
}

bool FindUpdates::isError() const {
    QMutexLocker lock(&m_mutex);
    return m_error;
}

Flow::Shared<ScanData> FindUpdates::searchedScan() const {
    QMutexLocker lock(&m_mutex);
    return m_searched;
}

}  // namespace Qln
