#pragma once

#include <QPointer>

#include "base/task.h"
#include "net/method.h"

namespace Qln {

class DeviceScanner;
class DriversUpdateModel;
class FindUpdates;
class ScanData;

// The scan of the drivers page: collect the devices, then ask the service.
class FindUpdateTask : public Task {
    Q_OBJECT

public:
    FindUpdateTask(bool includeSystemDevices, const Net::Method& search, QObject* parent = nullptr);
    // For tests and tools that scan another device source.
    FindUpdateTask(Flow::Shared<DeviceScanner> scanner, const Net::Method& search,
                   QObject* parent = nullptr);
    ~FindUpdateTask() override;

    // A new model of the last run's offers; the caller owns it. A run that
    // ended before its search gives a model without rows.
    DriversUpdateModel* takeResult();
    // The scan data of the last run, or null.
    Flow::Shared<ScanData> scanData() const;
    // A task started once, with the scan data of the first run that ends unaborted (the
    // cloud upload). Not owned.
    void setFollowUp(Task* followUp);

private:
    Flow::Shared<DeviceScanner> m_scanner;
    Flow::Shared<FindUpdates> m_search;
    QPointer<Task> m_followUp;
    bool m_followUpStarted = false;
};

}  // namespace Qln
