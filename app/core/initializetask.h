#pragma once

#include <QString>

#include "base/shared.h"
#include "base/task.h"
#include "core/configuration.h"
#include "core/initdata.h"

namespace Qln {

namespace Worker {
class AppInitializer;
}

// Start-up's one background run: system information, authorisation and the
// service settings, shown by the init window.
class InitializeTask : public Task {
    Q_OBJECT

public:
    InitializeTask(Flow::Shared<Configuration> configuration, const QString& baseUrl,
                   const QString& version, QObject* parent = nullptr);
    ~InitializeTask() override;

signals:
    void initializeFinished(Flow::Shared<Qln::InitData> data);

private slots:
    void onFinished(bool aborted);

private:
    Flow::Shared<Worker::AppInitializer> m_initializer;
};

}  // namespace Qln
