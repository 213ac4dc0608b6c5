#include "hardware/systemactions.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>

#include "base/logcategories.h"
#include "platform/systemactions.h"
#include "platform/systemerror.h"

namespace System {

bool rebootComputer() {
    std::uint32_t error = 0;
    if (!platform::rebootComputer(error)) {
        qCWarning(lcHardware).noquote()
            << "Restart refused:"
            << QString::fromStdString(platform::systemErrorMessage(error)).trimmed()
            << QStringLiteral("(%1)").arg(error);
        return false;
    }
    return true;
}

bool openPath(const QString& path, const QString& arguments) {
    std::string error;
    if (!platform::openPath(QDir::toNativeSeparators(path).toStdString(), arguments.toStdString(),
                            error)) {
        qCWarning(lcHardware).noquote() << "Open failed:" << path << QString::fromStdString(error);
        return false;
    }
    return true;
}

bool showInExplorer(const QString& path) {
    std::string error;
    if (!platform::showInFileManager(QDir::toNativeSeparators(path).toStdString(), error)) {
        qCWarning(lcHardware).noquote()
            << "Show in file manager failed:" << path << QString::fromStdString(error);
        return false;
    }
    return true;
}

bool copyToClipboard(const QString& text) {
    // Qt's clipboard serves every desktop it runs on; without a GUI
    // application the system's own call is the only way.
    if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (QClipboard* clipboard = application->clipboard()) {
            clipboard->setText(text);
            return true;
        }
    }
    return platform::copyToClipboard(text.toStdString());
}

QString fileSha1(const QString& path) {
    return QString::fromStdString(platform::fileSha1(path.toStdString()));
}

}  // namespace System
