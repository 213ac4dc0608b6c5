#include "core/initializetask.h"

#include <QDebug>

#include "core/appinitializer.h"
#include "net/authdata.h"

namespace Qln {

InitializeTask::InitializeTask(Flow::Shared<Configuration> configuration, const QString& baseUrl,
                               const QString& version, QObject* parent)
    : Task(parent) {
    qRegisterMetaType<Flow::Shared<Qln::InitData>>();
    const Flow::Shared<Environment>& environment = configuration->environment;
    auto auth = std::make_shared<AuthData>();
    auth->version = version;
    const QLocale system = QLocale::system();
    auth->osLocale = QLocale(system.language(), system.country());
    auth->locale = environment->locale();
    auth->appid = environment->appId().toString();
    m_initializer =
        std::make_shared<Worker::AppInitializer>(auth, baseUrl, environment->partnerId());
    chain().add(m_initializer);
    connect(this, &Task::finished, this, &InitializeTask::onFinished);
}

InitializeTask::~InitializeTask() {
    // The run owns its step and data; it ends by itself once aborted.
    qDebug() << "IT destroy";
}

void InitializeTask::onFinished(bool aborted) {
    if (aborted) {
        return;
    }
    Flow::Shared<InitData> data = std::dynamic_pointer_cast<InitData>(result());
    // A run that ended before its step began still ends start-up, as a failure.
    emit initializeFinished(data ? data : std::make_shared<InitData>());
}

}  // namespace Qln
