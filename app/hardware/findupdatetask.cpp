#include "hardware/findupdatetask.h"

#include "hardware/devicescanner.h"
#include "hardware/driversupdatemodel.h"
#include "hardware/findupdates.h"
#include "hardware/scandata.h"

namespace Qln {

FindUpdateTask::FindUpdateTask(bool includeSystemDevices, const Net::Method& search,
                               QObject* parent)
    : FindUpdateTask(std::make_shared<DeviceScanner>(includeSystemDevices), search, parent) {}

FindUpdateTask::FindUpdateTask(Flow::Shared<DeviceScanner> scanner, const Net::Method& search,
                               QObject* parent)
    : Task(parent), m_scanner(std::move(scanner)), m_search(std::make_shared<FindUpdates>(search)) {
    chain().add(m_scanner);
    chain().add(m_search);
}

FindUpdateTask::~FindUpdateTask() {
    abort();
    wait();
}

DriversUpdateModel* FindUpdateTask::takeResult() {
    const Flow::Shared<ScanData> scan = scanData();
    if (!scan || m_search->searchedScan() != scan) {
        return new DriversUpdateModel({}, false);
    }
    return new DriversUpdateModel(m_search->offers(), m_search->isError());
}

Flow::Shared<ScanData> FindUpdateTask::scanData() const {
    return std::dynamic_pointer_cast<ScanData>(result());
}

void FindUpdateTask::setFollowUp(Task* followUp) {
    m_followUp = followUp;
    connect(this, &Task::finished, this, [this](bool aborted) {
        const Flow::Shared<ScanData> scan = scanData();
        if (aborted || m_followUpStarted || !m_followUp || !scan) {
            return;
        }
        m_followUpStarted = true;
        m_followUp->start(scan);
    });
}

}  // namespace Qln
