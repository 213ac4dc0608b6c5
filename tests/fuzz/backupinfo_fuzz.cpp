// The backup archive's "info" entry: whatever the reader accepts names folders and INFs safely,
// and writes back as text that reads back to the same drivers.
#include <QRegularExpression>

#include "backup/backupinfo.h"
#include "formats/safename.h"
#include "fuzzcheck.h"

using Qln::Backup::BackupDriver;
using Qln::Backup::BackupInfo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A copy, as the archive reader hands over: Qt's parser may rely on the ending NUL.
    const QByteArray text(reinterpret_cast<const char*>(data), int(size));
    QList<BackupDriver> drivers;
    QString error;
    if (!BackupInfo::read(text, drivers, error)) {
        // The log line names the entry: "Backup not read: info...".
        FUZZ_CHECK(error.startsWith(QLatin1String("info")));
        return 0;
    }
    static const QRegularExpression packageId(QStringLiteral("^[0-9a-f]{40}$"));
    for (const BackupDriver& driver : drivers) {
        FUZZ_CHECK(packageId.match(driver.id).hasMatch());
        FUZZ_CHECK(formats::isSafeRelativeName(driver.inf.toStdString()));
    }
    const QByteArray written = BackupInfo::write(drivers);
    QList<BackupDriver> again;
    FUZZ_CHECK(BackupInfo::read(written, again, error));
    FUZZ_CHECK(BackupInfo::write(again) == written);
    return 0;
}
