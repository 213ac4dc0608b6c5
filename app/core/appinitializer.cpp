#include "core/appinitializer.h"

#include <QDebug>

#include "core/initdata.h"
#include "hardware/hardwareid.h"
#include "hardware/osinfo.h"
#include "hardware/systeminfo.h"
#include "net/serviceclient.h"
#include "net/settingsdata.h"

namespace Qln {
namespace Worker {

AppInitializer::AppInitializer(Flow::Shared<AuthData> authData, const QString& baseUrl,
                               const QString& partnerId)
    : Flow::Worker(0),
      m_authData(std::move(authData)),
      m_baseUrl(baseUrl),
      m_partnerId(partnerId) {}

bool AppInitializer::work(Flow::Shared<QObject>& data) {
    auto init = std::make_shared<InitData>();
    data = init;

    // The client of an earlier run may still renew its token from its own
    // record, so every run fills a copy.
    auto auth = std::make_shared<AuthData>(*m_authData);
    init->osInfo = std::make_shared<System::OSInfo>();
    if (init->osInfo->isValid()) {
        auth->os = init->osInfo->versionText();
        auth->is64 = init->osInfo->is64();
    }
    init->systemInfo = std::make_shared<System::SystemInfo>();
    System::collectSystemInfo(*init->systemInfo, true);
    auth->hwid = hardwareId(*init->systemInfo);

    init->serviceClient = std::make_shared<ServiceClient>(m_baseUrl, auth);
    init->settingsData = std::make_shared<SettingsData>();
    if (isAborted()) {
        return false;
    }

    const Net::Response authorization = init->serviceClient->authorize();
    if (isAborted()) {
        return false;
    }
    if (!authorization.isSuccess()) {
        qCritical().noquote() << "Authorization error (http):" << authorization.status;
        return false;
    }
    Net::Method method = init->serviceClient->settingsMethod();
    const Net::Response settings =
        method.exec({}, init->settingsData, {}, {{QStringLiteral("ppg"), m_partnerId}});
    if (isAborted()) {
        return false;
    }
    if (!settings.isSuccess() || init->settingsData->error.code != 0) {
        qCritical().noquote()
            << "Settings init error (http/server):"
            << QStringLiteral("%1/%2").arg(settings.status).arg(init->settingsData->error.code);
        return false;
    }
    init->serviceClient->setEndpoints(init->settingsData->endpoints);
    init->settingsFetched = true;
    return true;
}

}  // namespace Worker
}  // namespace Qln
