#pragma once

#include <QLocale>
#include <QTest>
#include <QtConcurrent>

#include "net/ptr.h"
#include "net/serviceclient.h"

namespace clienttesting {

// Runs a blocking client call on a pool thread, as the program's tasks do, while this thread
// serves the manager's events; a default value when it takes over a minute.
template <typename Call>
auto onWorker(Call call) -> decltype(call()) {
    auto future = QtConcurrent::run(call);
    const bool finished = QTest::qWaitFor([&] { return future.isFinished(); }, 60000);
    return finished ? future.result() : decltype(call()){};
}

// The authorisation record of an English 64-bit Windows 10 installation.
inline Net::Ptr<Qln::AuthData> authData() {
    auto data = std::make_shared<Qln::AuthData>();
    data->version = QStringLiteral("1.2.0.2134");
    data->osLocale = QLocale(QLocale::English, QLocale::UnitedStates);
    data->locale = QLocale(QLocale::English, QLocale::UnitedStates);
    data->os = QStringLiteral("10.0");
    data->is64 = true;
    data->appid = QStringLiteral("{6c5b3f1e-0000-4000-8000-000000000042}");
    data->hwid = QStringLiteral("a7fd2405fcc8a90a6c52f76e91d898b0");
    return data;
}

}  // namespace clienttesting
