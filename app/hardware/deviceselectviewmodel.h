#pragma once

#include <QList>
#include <QObject>

#include "base/shared.h"
#include "hardware/updateoffer.h"

namespace Qln {

class DriverSelectViewModel;

// One device row of the selection: whether to update it, and with which offer.
class DeviceSelectViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool select READ select WRITE setSelect NOTIFY selectChanged)
    Q_PROPERTY(int selectDriverIndex READ selectDriverIndex WRITE setSelectDriverIndex NOTIFY
                   selectDriverIndexChanged)
    Q_PROPERTY(QString name READ name CONSTANT)
    Q_PROPERTY(QString className READ className CONSTANT)
    Q_PROPERTY(QList<QObject*> drivers READ drivers CONSTANT)

public:
    // The offer must have drivers and hardware with an installed driver.
    explicit DeviceSelectViewModel(const UpdateOffer& offer, QObject* parent = nullptr);

    bool select() const { return m_select; }
    void setSelect(bool select);
    int selectDriverIndex() const { return m_selectDriverIndex; }
    // An index that names no offer is refused.
    void setSelectDriverIndex(int index);
    QString name() const;
    QString className() const { return m_className; }
    QList<QObject*> drivers() const;

    const Flow::Shared<Hrdw::Hardware>& hardware() const { return m_hardware; }
    const QList<DriverOffer>& offers() const { return m_offers; }
    const DriverOffer& selectedOffer() const { return m_offers.at(m_selectDriverIndex); }

signals:
    void selectChanged();
    void selectDriverIndexChanged();

private:
    Flow::Shared<Hrdw::Hardware> m_hardware;
    QString m_className;
    QList<DriverOffer> m_offers;
    bool m_select = true;
    QList<DriverSelectViewModel*> m_drivers;
    int m_selectDriverIndex = 0;
};

}  // namespace Qln
