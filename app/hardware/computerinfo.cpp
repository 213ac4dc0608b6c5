#include "hardware/computerinfo.h"

namespace Qln {

namespace {

QString joinParts(std::initializer_list<QString> parts) {
    QString text;
    for (const QString& part : parts) {
        if (part.isEmpty()) {
            continue;
        }
        if (!text.isEmpty()) {
            text += QStringLiteral(", ");
        }
        text += part;
    }
    return text;
}

QString memoryText(const QStringList& capacities) {
    quint64 total = 0;
    for (const QString& capacity : capacities) {
        bool ok = false;
        const qint64 bytes = capacity.toLongLong(&ok);
        if (ok && bytes > 0) {
            total += static_cast<quint64>(bytes);
        }
    }
    return total == 0 ? QStringLiteral("-") : QString::number(total / 1073741824ull);
}

}  // namespace

ComputerInfo::ComputerInfo(const System::SystemInfo& info, QObject* parent)
    : QObject(parent),
      m_processor(joinParts({info.processor.manufacturer, info.processor.name})),
      m_motherboard(
          joinParts({info.baseboard.manufacturer, info.baseboard.product, info.baseboard.version})),
      m_memory(memoryText(info.memory)),
      m_bios(joinParts({info.bios.name, info.bios.manufacturer, info.bios.serialNumber,
                        info.bios.version, info.bios.buildNumber})) {}

}  // namespace Qln
