#pragma once

#include <QCoreApplication>
#include <QtConcurrent>

#include <memory>

#include "net/authdata.h"
#include "net/serviceclient.h"
#include "net/settingsdata.h"

// A test PC's authorisation record; the appid tells test PCs apart in the service's tables.
inline std::shared_ptr<Qln::AuthData> testPcAuth(const char* appid) {
    auto auth = std::make_shared<Qln::AuthData>();
    auth->version = "1.2.0.2134";
    auth->os = "10.0";
    auth->is64 = true;
    auth->appid = appid;
    auth->hwid = "a7fd2405fcc8a90a6c52f76e91d898b0";
    return auth;
}

// What the program does after its start: fetch the service's settings and take the endpoints
// they name. The call needs this thread's event loop, which the wait keeps running. Returns
// the settings' HTTP status; the settings land in settings.
inline int takeServiceEndpoints(
    Qln::ServiceClient& client,
    std::shared_ptr<Qln::SettingsData> settings = std::make_shared<Qln::SettingsData>()) {
    auto fetched = QtConcurrent::run([&client, settings] {
        return client.settingsMethod().exec({}, settings, {}, {{"ppg", QString()}}).status;
    });
    while (!fetched.isFinished()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    client.setEndpoints(settings->endpoints);
    return fetched.result();
}
