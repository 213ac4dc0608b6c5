#include "backup/driverchanges.h"

#include <QLocale>

namespace Qln {

DriverChanges::DriverChanges(const Fields& fields, QObject* parent)
    : QObject(parent),
      m_driver(new DriverDescription(fields.driver, this)),
      m_changesDate(fields.changesDate) {}

DriverChanges::Fields DriverChanges::fields() const {
    return {m_driver->fields(), m_changesDate};
}

QString DriverChanges::changesDateText() const {
    return QLocale().toString(m_changesDate, QLocale::ShortFormat);
}

}  // namespace Qln
