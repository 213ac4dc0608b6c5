#include "hardware/driverselectviewmodel.h"

namespace Qln {

DriverSelectViewModel::DriverSelectViewModel(const Hrdw::Hardware& hardware,
                                             const QString& className, const DriverOffer& offer,
                                             QObject* parent)
    : QObject(parent) {
    DriverDescription::Fields update;
    update.name = hardware.name;
    update.category = className;
    update.provider = offer.provider;
    update.version = offer.version;
    update.date = offer.date;
    update.size = offer.size;
    m_update = new DriverDescription(update, this);

    DriverDescription::Fields current;
    current.name = hardware.name;
    current.category = className;
    current.provider = hardware.driver->provider;
    current.version = hardware.driver->version;
    current.date = hardware.driver->date;
    m_current = new DriverDescription(current, this);
}

}  // namespace Qln
