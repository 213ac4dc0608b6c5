#pragma once

#include <QList>
#include <QMutex>

#include "base/worker.h"
#include "hardware/updateoffer.h"
#include "net/method.h"

namespace Qln {

class ScanData;

// The search step: sends the scan to the service and keeps its offers.
class FindUpdates : public Flow::Worker {
public:
    explicit FindUpdates(const Net::Method& method);

    bool work(Flow::Shared<QObject>& data) override;
    void abort() override;

    // What the last run found; read once the run has ended. The error is
    // set by any failed exchange with the service.
    QList<UpdateOffer> offers() const;
    bool isError() const;
    // The scan the last run searched for; null before the first.
    Flow::Shared<ScanData> searchedScan() const;

private:
    Net::Method m_method;
    mutable QMutex m_mutex;
    QList<UpdateOffer> m_offers;
    bool m_error = false;
    Flow::Shared<ScanData> m_searched;
};

}  // namespace Qln
