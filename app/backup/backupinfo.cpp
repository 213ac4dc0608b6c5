#include "backup/backupinfo.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include "formats/safename.h"

namespace Qln::Backup {

namespace {

// QJsonObject sorts its keys; the file keeps the documented order, so objects are written
// by hand around QJsonValue's own string escaping.
QByteArray member(const char* key, const QJsonValue& value, int indent) {
    const QByteArray pad(indent, ' ');
    QJsonArray holder{value};
    QByteArray text = QJsonDocument(holder).toJson(QJsonDocument::Compact);
    text = text.mid(1, text.size() - 2);
    return pad + '"' + key + "\": " + text;
}

QByteArray stringList(const QStringList& list) {
    return QJsonDocument(QJsonArray::fromStringList(list)).toJson(QJsonDocument::Compact);
}

bool isPackageId(const QString& id) {
    static const QRegularExpression sha1(QStringLiteral("^[0-9a-f]{40}$"));
    return sha1.match(id).hasMatch();
}

bool readString(const QJsonObject& object, const char* key, QString& out, bool required,
                QString& error, const QString& where) {
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined() && !required) {
        return true;
    }
    if (!value.isString()) {
        error = QStringLiteral("%1: \"%2\" is not a string").arg(where, QLatin1String(key));
        return false;
    }
    out = value.toString();
    return true;
}

}  // namespace

QByteArray BackupInfo::write(const QList<BackupDriver>& drivers) {
    QByteArray text = "[";
    for (int i = 0; i < drivers.size(); ++i) {
        const BackupDriver& driver = drivers.at(i);
        text += i == 0 ? "\n    {\n" : ",\n    {\n";
        text += member("id", driver.id, 8) + ",\n";
        text += member("n", driver.inf, 8) + ",\n";
        text += member("pr", driver.provider, 8) + ",\n";
        text += member("v", driver.version, 8) + ",\n";
        text += member("d", driver.date, 8) + ",\n";
        text += "        \"hl\": [";
        for (int j = 0; j < driver.hardware.size(); ++j) {
            const BackupHardware& hardware = driver.hardware.at(j);
            text += j == 0 ? "\n            {\n" : ",\n            {\n";
            text += member("id", hardware.id, 16) + ",\n";
            text += member("n", hardware.name, 16) + ",\n";
            text += member("cl", hardware.className, 16) + ",\n";
            text += member("mnf", hardware.manufacturer, 16) + ",\n";
            text += "                \"dl\": " + stringList(hardware.devices) + "\n";
            text += "            }";
        }
        text += driver.hardware.isEmpty() ? "]\n" : "\n        ]\n";
        text += "    }";
    }
    text += drivers.isEmpty() ? "]\n" : "\n]\n";
    return text;
}

bool BackupInfo::read(const QByteArray& text, QList<BackupDriver>& drivers, QString& error) {
    drivers.clear();
    if (text.size() > kMaxBytes) {
        error = QStringLiteral("info: larger than %1 bytes").arg(kMaxBytes);
        return false;
    }
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parse);
    if (parse.error != QJsonParseError::NoError) {
        error =
            QStringLiteral("info: not JSON (%1 at %2)").arg(parse.errorString()).arg(parse.offset);
        return false;
    }
    if (!document.isArray()) {
        error = QStringLiteral("info: not an array of drivers");
        return false;
    }
    const QJsonArray array = document.array();
    for (int i = 0; i < array.size(); ++i) {
        const QString where = QStringLiteral("info[%1]").arg(i);
        if (!array.at(i).isObject()) {
            error = where + QStringLiteral(": not an object");
            return false;
        }
        const QJsonObject object = array.at(i).toObject();
        BackupDriver driver;
        if (!readString(object, "id", driver.id, true, error, where) ||
            !readString(object, "n", driver.inf, true, error, where) ||
            !readString(object, "pr", driver.provider, false, error, where) ||
            !readString(object, "v", driver.version, false, error, where) ||
            !readString(object, "d", driver.date, false, error, where)) {
            return false;
        }
        if (!isPackageId(driver.id)) {
            error = where + QStringLiteral(": \"id\" is not a package id");
            return false;
        }
        if (!formats::isSafeRelativeName(driver.inf.toStdString())) {
            error = where + QStringLiteral(": \"n\" is not a safe INF name");
            return false;
        }
        const QJsonValue list = object.value(QLatin1String("hl"));
        if (!list.isArray()) {
            error = where + QStringLiteral(": \"hl\" is not an array");
            return false;
        }
        const QJsonArray hardwareList = list.toArray();
        for (int j = 0; j < hardwareList.size(); ++j) {
            const QString at = QStringLiteral("%1.hl[%2]").arg(where).arg(j);
            if (!hardwareList.at(j).isObject()) {
                error = at + QStringLiteral(": not an object");
                return false;
            }
            const QJsonObject item = hardwareList.at(j).toObject();
            BackupHardware hardware;
            if (!readString(item, "id", hardware.id, true, error, at) ||
                !readString(item, "n", hardware.name, false, error, at) ||
                !readString(item, "cl", hardware.className, false, error, at) ||
                !readString(item, "mnf", hardware.manufacturer, false, error, at)) {
                return false;
            }
            const QJsonValue devices = item.value(QLatin1String("dl"));
            if (!devices.isUndefined()) {
                if (!devices.isArray()) {
                    error = at + QStringLiteral(": \"dl\" is not an array");
                    return false;
                }
                for (const QJsonValue& device : devices.toArray()) {
                    if (!device.isString()) {
                        error = at + QStringLiteral(": \"dl\" holds a non-string");
                        return false;
                    }
                    hardware.devices.append(device.toString());
                }
            }
            driver.hardware.append(hardware);
        }
        drivers.append(driver);
    }
    return true;
}

}  // namespace Qln::Backup
