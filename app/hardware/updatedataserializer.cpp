#include "hardware/updatedataserializer.h"

#include <QRegularExpression>
#include <QUrl>
#include <QVariantList>
#include <QVariantMap>

#include "base/logcategories.h"
#include "formats/safename.h"

namespace Qln {

namespace {

const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

QVariantMap mapAt(const QVariantMap& map, const QString& key) {
    return map.value(key).toMap();
}

QString stringAt(const QVariantMap& map, const QString& key) {
    return map.value(key).toString();
}

QVariantList identifiers(const QStringList& ids, bool compatible) {
    QVariantList list;
    for (const QString& id : ids) {
        list.append(
            QVariantMap{{QStringLiteral("name"), id}, {QStringLiteral("compatible"), compatible}});
    }
    return list;
}

QVariantMap deviceObject(const Hrdw::Device& device, const Hrdw::Hardware& hardware) {
    QVariantMap object;
    object.insert(QStringLiteral("manufacturer"), hardware.manufacturer);
    object.insert(QStringLiteral("description"), hardware.description);
    object.insert(QStringLiteral("connected"), device.connected);
    object.insert(QStringLiteral("lowerlogoversion"), device.lowerLogoVersion);
    object.insert(QStringLiteral("class"),
                  QVariantMap{{QStringLiteral("name"), hardware.className},
                              {QStringLiteral("guid"), hardware.classGuid.toString().toLower()}});
    object.insert(QStringLiteral("hids"),
                  identifiers(device.hardwareIds, false) + identifiers(device.compatibleIds, true));
    if (UpdateDataSerializer::hasInstalledDriver(hardware)) {
        const Hrdw::Driver& driver = *hardware.driver;
        object.insert(QStringLiteral("driver"),
                      QVariantMap{{QStringLiteral("provider"), driver.provider},
                                  {QStringLiteral("version"), driver.version},
                                  {QStringLiteral("date"), driver.date.toString(kDateFormat)},
                                  {QStringLiteral("type"), device.driverType},
                                  {QStringLiteral("rank"), device.rank}});
    }
    return object;
}

DriverOffer driverOffer(const QVariantMap& object) {
    DriverOffer offer;
    offer.id = object.value(QStringLiteral("id")).toULongLong();
    offer.hid = stringAt(object, QStringLiteral("hid"));
    const QVariantMap inf = mapAt(object, QStringLiteral("inf"));
    offer.infPath = stringAt(inf, QStringLiteral("path"));
    offer.infSha1 = stringAt(inf, QStringLiteral("sha1"));
    offer.version = stringAt(inf, QStringLiteral("version"));
    offer.date = QDate::fromString(stringAt(inf, QStringLiteral("date")), kDateFormat);
    offer.provider = stringAt(inf, QStringLiteral("provider"));
    const QVariantMap file = mapAt(object, QStringLiteral("file"));
    offer.fileSha1 = stringAt(file, QStringLiteral("sha1"));
    offer.size = file.value(QStringLiteral("size")).toULongLong();
    offer.ext = stringAt(file, QStringLiteral("ext"));
    const QVariantMap urls = mapAt(object, QStringLiteral("urls"));
    offer.downloadUrl = stringAt(urls, QStringLiteral("download"));
    offer.reportUrl = stringAt(urls, QStringLiteral("install_report"));
    return offer;
}

bool isSha1(const QString& text) {
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{40}$"));
    return hex.match(text).hasMatch();
}

bool isWebUrl(const QString& text) {
    const QUrl url(text, QUrl::StrictMode);
    return url.isValid() && !url.host().isEmpty() &&
           (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

// These values name files under the download and Unpack folders of an elevated program, and
// the addresses it sends to: an offer that breaks one of the rules is not offered at all.
// Upper-case hashes pass here; the download's check then refuses them, as the service asked.
QString offerFault(const DriverOffer& offer) {
    if (!isSha1(offer.infSha1)) {
        return QStringLiteral("inf sha1 is not 40 hexadecimal digits");
    }
    if (!isSha1(offer.fileSha1)) {
        return QStringLiteral("file sha1 is not 40 hexadecimal digits");
    }
    if (!formats::isSafeRelativeName(offer.infPath.toStdString())) {
        return QStringLiteral("inf path is not a safe relative name");
    }
    if (!isWebUrl(offer.downloadUrl) || !isWebUrl(offer.reportUrl)) {
        return QStringLiteral("a URL is not http(s)");
    }
    return QString();
}

}  // namespace

UpdateDataSerializer::UpdateDataSerializer(const Hrdw::Inventory& inventory) {
    for (const Flow::Shared<Hrdw::Hardware>& hardware : inventory.hardware) {
        for (const Hrdw::Device& device : hardware->devices) {
            m_devices.append(qMakePair(device, hardware));
        }
    }
}

bool UpdateDataSerializer::hasInstalledDriver(const Hrdw::Hardware& hardware) {
    // The collector gives every hardware a driver record; one without an INF
    // stands for "nothing installed".
    return hardware.driver && !hardware.driver->infName.isEmpty();
}

QVariant UpdateDataSerializer::toVariant() const {
    QVariantList devices;
    devices.reserve(m_devices.size());
    for (const DevicePair& pair : m_devices) {
        devices.append(deviceObject(pair.first, *pair.second));
    }
    return QVariantMap{{QStringLiteral("devices"), devices}};
}

void UpdateDataSerializer::setData(const QVariant& data) {
    error.setData(data);
    if (!error.isOk() || data.type() != QVariant::Map) {
        return;
    }
    const QVariantMap root = data.toMap();
    m_scanId = root.value(QStringLiteral("scan_id")).toLongLong();
    if (m_scanId <= 0) {
        return;
    }
    const QVariantList updates = root.value(QStringLiteral("updates")).toList();
    if (updates.size() > kMaxUpdates) {
        qCWarning(lcHardware).noquote() << "Search answer cut:" << updates.size() << "updates";
    }
    for (int i = 0; i < updates.size() && i < kMaxUpdates; ++i) {
        const QVariantMap object = updates.at(i).toMap();
        UpdateOffer offer;
        bool hasIndex = false;
        const qlonglong index = object.value(QStringLiteral("device_index")).toLongLong(&hasIndex);
        if (hasIndex && index >= 0 && index < m_devices.size()) {
            offer.hardware = m_devices.at(static_cast<int>(index)).second;
        }
        offer.className = stringAt(object, QStringLiteral("class"));
        const QVariantList drivers = object.value(QStringLiteral("drivers")).toList();
        for (int j = 0; j < drivers.size() && j < kMaxDriversPerUpdate; ++j) {
            const DriverOffer driver = driverOffer(drivers.at(j).toMap());
            const QString fault = offerFault(driver);
            if (!fault.isEmpty()) {
                qCWarning(lcHardware).noquote()
                    << "Offer dropped:" << fault
                    << QStringLiteral("(update %1, driver %2)").arg(i).arg(j);
                continue;
            }
            offer.drivers.append(driver);
        }
        m_updates.append(offer);
    }
}

}  // namespace Qln
