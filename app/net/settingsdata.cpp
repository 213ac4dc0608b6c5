#include "net/settingsdata.h"

namespace Qln {

namespace {

QVariantMap mapAt(const QVariantMap& map, const QString& key) {
    return map.value(key).toMap();
}

QString stringAt(const QVariantMap& map, const QString& key) {
    return map.value(key).toString();
}

}  // namespace

void SettingsData::setData(const QVariant& data) {
    error.setData(data);
    if (data.type() != QVariant::Map) {
        return;
    }
    const QVariantMap root = data.toMap();

    const QVariantMap urls = mapAt(root, QStringLiteral("urls"));
    const QVariantMap api = mapAt(urls, QStringLiteral("api"));
    endpoints.appAuth = stringAt(api, QStringLiteral("app_auth"));
    endpoints.appSettings = stringAt(api, QStringLiteral("app_settings"));
    endpoints.appUpdate = stringAt(api, QStringLiteral("app_update"));
    endpoints.updatesFind = stringAt(api, QStringLiteral("updates_find"));
    endpoints.uploadCheck = stringAt(api, QStringLiteral("upload_check"));
    endpoints.uploadUpload = stringAt(api, QStringLiteral("upload_upload"));
    publicUrls = mapAt(urls, QStringLiteral("public"));

    const QVariantMap drivers = mapAt(root, QStringLiteral("user_drivers"));
    userDrivers.maxSize = drivers.value(QStringLiteral("max_size")).toLongLong();
    userDrivers.enabled = drivers.value(QStringLiteral("enabled")).toBool();

    driversUpdatedAt =
        stringAt(mapAt(root, QStringLiteral("drivers")), QStringLiteral("updated_at"));
    analyticsId = stringAt(mapAt(root, QStringLiteral("ga")), QStringLiteral("id"));

    const QVariantMap offer = mapAt(root, QStringLiteral("update"));
    update.version = QVersionNumber::fromString(stringAt(offer, QStringLiteral("version")));
    update.fileName = stringAt(offer, QStringLiteral("file_name"));
    update.fileSize = offer.value(QStringLiteral("file_size")).toLongLong();
    update.hashSha1 = stringAt(offer, QStringLiteral("hash_sha1"));
    update.force = offer.value(QStringLiteral("force")).toBool();

    userCountry = stringAt(root, QStringLiteral("user_country"));
    contactEmail = stringAt(root, QStringLiteral("contact_email"));
}

}  // namespace Qln
