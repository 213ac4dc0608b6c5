#pragma once

#include <QObject>
#include <QString>

#include "hardware/systeminfo.h"

namespace Qln {

// The four-line machine summary of the drivers page.
class ComputerInfo : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString processor READ processor CONSTANT)
    Q_PROPERTY(QString motherboard READ motherboard CONSTANT)
    Q_PROPERTY(QString memory READ memory CONSTANT)
    Q_PROPERTY(QString bios READ bios CONSTANT)

public:
    explicit ComputerInfo(const System::SystemInfo& info, QObject* parent = nullptr);

    QString processor() const { return m_processor; }
    QString motherboard() const { return m_motherboard; }
    QString memory() const { return m_memory; }
    QString bios() const { return m_bios; }

private:
    QString m_processor;
    QString m_motherboard;
    QString m_memory;
    QString m_bios;
};

}  // namespace Qln
