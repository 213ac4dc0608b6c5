#pragma once

#include <QDate>
#include <QObject>
#include <QString>

#include "hardware/driverdescription.h"

namespace Qln {

// One change of a device's driver: the driver it concerns and the day it was made.
class DriverChanges : public QObject {
    Q_OBJECT
    Q_PROPERTY(Qln::DriverDescription* driver READ driver CONSTANT)
    Q_PROPERTY(QString changesDate READ changesDateText CONSTANT)

public:
    struct Fields {
        DriverDescription::Fields driver;
        QDate changesDate;
    };

    explicit DriverChanges(const Fields& fields, QObject* parent = nullptr);

    Fields fields() const;
    DriverDescription* driver() const { return m_driver; }
    QDate changesDate() const { return m_changesDate; }
    // The day in the program's short date format.
    QString changesDateText() const;

private:
    DriverDescription* m_driver;
    QDate m_changesDate;
};

}  // namespace Qln
