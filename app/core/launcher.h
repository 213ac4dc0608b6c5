#pragma once

#include <QObject>
#include <QString>

#include "argumentmap.h"
#include "configuration.h"

namespace Qln {

// Builds the shared services and drives start-up from the first window to the main one.
class Launcher : public QObject {
    Q_OBJECT

public:
    Launcher(const ArgumentMap* arguments, const QString& applicationDir,
             QObject* parent = nullptr);
    ~Launcher() override;

    void start();

    Flow::Shared<Configuration> configuration() const { return m_configuration; }
    QString applicationDir() const { return m_applicationDir; }

private:
    Flow::Shared<Configuration> m_configuration;
    const ArgumentMap* m_arguments;
    QString m_applicationDir;
};

}  // namespace Qln
