#include "hardware/driversupdatemodel.h"

#include "base/logcategories.h"
#include "hardware/deviceselectviewmodel.h"
#include "hardware/updatedataserializer.h"

namespace Qln {

DriversUpdateModel::DriversUpdateModel(const QList<UpdateOffer>& offers, bool error,
                                       QObject* parent)
    : QObject(parent), m_error(error) {
    for (const UpdateOffer& offer : offers) {
        if (offer.drivers.isEmpty()) {
            continue;
        }
        // A row shows the installed driver beside the offer; without either
        // there is nothing to compare, so the offer is left out.
        if (!offer.hardware) {
            qCWarning(lcHardware).noquote() << "Offer skipped, no such device:" << offer.className;
            continue;
        }
        if (!UpdateDataSerializer::hasInstalledDriver(*offer.hardware)) {
            qCWarning(lcHardware).noquote()
                << "Offer skipped, no installed driver:" << offer.hardware->id;
            continue;
        }
        // Devices that share one hardware are sent one by one, but a row
        // stands for the hardware, which is updated once.
        if (hasRowFor(*offer.hardware)) {
            qCDebug(lcHardware).noquote()
                << "Offer merged into the row of its hardware:" << offer.hardware->id;
            continue;
        }
        auto* row = new DeviceSelectViewModel(offer, this);
        connect(row, &DeviceSelectViewModel::selectChanged, this,
                &DriversUpdateModel::onRowSelectChanged);
        m_devices.append(row);
    }
}

bool DriversUpdateModel::hasRowFor(const Hrdw::Hardware& hardware) const {
    for (const DeviceSelectViewModel* row : m_devices) {
        if (row->hardware().get() == &hardware) {
            return true;
        }
    }
    return false;
}

bool DriversUpdateModel::selectAll() {
    bool all = true;
    for (const DeviceSelectViewModel* row : qAsConst(m_devices)) {
        all = all && row->select();
    }
    m_selectAll = all;
    return all;
}

void DriversUpdateModel::setSelectAll(bool value) {
    // Against the rows themselves: a row cleared since the last read would
    // otherwise leave the cache saying "all".
    if (m_devices.isEmpty() || selectAll() == value) {
        return;
    }
    m_selectAll = value;
    m_bulkUpdate = true;
    for (DeviceSelectViewModel* row : qAsConst(m_devices)) {
        row->setSelect(value);
    }
    m_bulkUpdate = false;
    emit selectAllChanged();
    emit noSelectChanged();
}

bool DriversUpdateModel::noSelect() const {
    for (const DeviceSelectViewModel* row : m_devices) {
        if (row->select()) {
            return false;
        }
    }
    return true;
}

QList<QObject*> DriversUpdateModel::devices() const {
    QList<QObject*> rows;
    for (DeviceSelectViewModel* row : m_devices) {
        rows.append(row);
    }
    return rows;
}

void DriversUpdateModel::onRowSelectChanged() {
    if (m_bulkUpdate) {
        return;
    }
    emit selectAllChanged();
    emit noSelectChanged();
}

}  // namespace Qln
