#include "hardware/driverdescription.h"

#include <QCoreApplication>
#include <QLocale>

namespace Qln {

DriverDescription::DriverDescription(const Fields& fields, QObject* parent)
    : QObject(parent), m_fields(fields) {}

QString DriverDescription::dateText() const {
    return QLocale().toString(m_fields.date, QLocale::ShortFormat);
}

int DriverDescription::sizeValue() const {
    const quint64 megabytes = m_fields.size >> 20;
    return static_cast<int>(megabytes == 0 ? m_fields.size >> 10 : megabytes);
}

QString DriverDescription::sizeDim() const {
    return (m_fields.size >> 20) == 0 ? QCoreApplication::translate("Qln::DriverDescription", "KB")
                                      : QCoreApplication::translate("Qln::DriverDescription", "MB");
}

}  // namespace Qln
