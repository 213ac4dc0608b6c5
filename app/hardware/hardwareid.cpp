#include "hardware/hardwareid.h"

#include <QCryptographicHash>
#include <QTextStream>

#include "base/logcategories.h"

namespace Qln {

QString hardwareId(const System::SystemInfo& info) {
    const QString values[] = {
        info.processor.uniqueId,     info.processor.family,   info.processor.processorId,
        info.processor.name,         info.processor.revision, info.baseboard.manufacturer,
        info.baseboard.serialNumber, info.baseboard.product,  info.bios.version,
        info.bios.serialNumber,      info.bios.manufacturer,  info.bios.smbiosBiosVersion,
    };
    QByteArray bytes;
    {
        // The stream's default codec is the locale's 8-bit encoding.
        QTextStream stream(&bytes, QIODevice::WriteOnly);
        for (const QString& value : values) {
            stream << value << ' ';
        }
    }
    const QString hash =
        QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
    qCDebug(lcNet).noquote() << "Hardware:" << QString::fromLocal8Bit(bytes);
    qCDebug(lcNet).noquote() << "Hardware id:" << hash;
    return hash;
}

}  // namespace Qln
