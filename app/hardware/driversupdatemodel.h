#pragma once

#include <QList>
#include <QObject>

#include "hardware/updateoffer.h"

namespace Qln {

class DeviceSelectViewModel;

// The rows of one search: the devices with offers, and which are chosen.
class DriversUpdateModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool error READ error CONSTANT)
    Q_PROPERTY(bool selectAll READ selectAll WRITE setSelectAll NOTIFY selectAllChanged)
    Q_PROPERTY(bool noSelect READ noSelect NOTIFY noSelectChanged)
    Q_PROPERTY(QList<QObject*> devices READ devices CONSTANT)

public:
    DriversUpdateModel(const QList<UpdateOffer>& offers, bool error, QObject* parent = nullptr);

    bool error() const { return m_error; }
    bool selectAll();
    void setSelectAll(bool value);
    bool noSelect() const;
    QList<QObject*> devices() const;
    const QList<DeviceSelectViewModel*>& rows() const { return m_devices; }

signals:
    void selectAllChanged();
    void noSelectChanged();
    void oneSelectChanged();

private:
    void onRowSelectChanged();
    bool hasRowFor(const Hrdw::Hardware& hardware) const;

    bool m_error;
    bool m_selectAll = true;
    bool m_bulkUpdate = false;
    QList<DeviceSelectViewModel*> m_devices;
};

}  // namespace Qln
