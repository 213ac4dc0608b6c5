#include "hardware/deviceselectviewmodel.h"

#include "hardware/driverselectviewmodel.h"

namespace Qln {

DeviceSelectViewModel::DeviceSelectViewModel(const UpdateOffer& offer, QObject* parent)
    : QObject(parent),
      m_hardware(offer.hardware),
      m_className(offer.className),
      m_offers(offer.drivers) {
    for (const DriverOffer& driver : m_offers) {
        m_drivers.append(new DriverSelectViewModel(*m_hardware, m_className, driver, this));
    }
}

void DeviceSelectViewModel::setSelect(bool select) {
    if (m_select == select) {
        return;
    }
    m_select = select;
    emit selectChanged();
}

void DeviceSelectViewModel::setSelectDriverIndex(int index) {
    if (index == m_selectDriverIndex || index < 0 || index >= m_offers.size()) {
        return;
    }
    m_selectDriverIndex = index;
    emit selectDriverIndexChanged();
}

QString DeviceSelectViewModel::name() const {
    return m_hardware->name;
}

QList<QObject*> DeviceSelectViewModel::drivers() const {
    QList<QObject*> rows;
    for (DriverSelectViewModel* row : m_drivers) {
        rows.append(row);
    }
    return rows;
}

}  // namespace Qln
