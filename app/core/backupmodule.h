#pragma once

#include <QString>
#include <QUrl>

#include "backup/backupviewmodel.h"
#include "base/shared.h"
#include "base/task.h"
#include "core/configuration.h"
#include "core/module.h"

namespace Qln {

class BackupJobs;

// The backup page's module: save every driver into one archive, compare an archive with the
// machine, and restore the chosen drivers.
class BackupModule : public Module {
    Q_OBJECT
    Q_PROPERTY(QString path READ path WRITE setPath NOTIFY pathChanged)
    Q_PROPERTY(bool isValidPath READ isValidPath NOTIFY pathChanged)
    Q_PROPERTY(bool isExists READ isExists NOTIFY existsChanged)
    Q_PROPERTY(QUrl url READ url WRITE setUrl NOTIFY pathChanged)
    Q_PROPERTY(QUrl folder READ folder NOTIFY pathChanged)
    Q_PROPERTY(QString fileName READ fileName NOTIFY pathChanged)
    Q_PROPERTY(Qln::Task* creator READ creator CONSTANT)
    Q_PROPERTY(Qln::Task* initiator READ initiator CONSTANT)
    Q_PROPERTY(Qln::Task* installer READ installer CONSTANT)
    Q_PROPERTY(Qln::BackupViewModel* model READ model CONSTANT)

public:
    explicit BackupModule(Flow::Shared<Configuration> configuration, QObject* parent = nullptr);
    ~BackupModule() override;

    QString path() const { return m_path; }
    void setPath(const QString& path);
    bool isValidPath() const { return m_validPath; }
    bool isExists() const { return m_exists; }
    QUrl url() const;
    void setUrl(const QUrl& url);
    QUrl folder() const;
    QString fileName() const;
    Task* creator() const;
    Task* initiator() const;
    Task* installer() const;
    BackupViewModel* model() const;

    Q_INVOKABLE void beginCreate();
    Q_INVOKABLE void stopCreate();
    Q_INVOKABLE void beginRead();
    Q_INVOKABLE void stopRead();
    Q_INVOKABLE void beginInstall();
    Q_INVOKABLE void stopInstall();
    Q_INVOKABLE void refreshFileInfo();

    // A path the create button accepts: an existing folder, the suffix "qlb", a base name.
    static bool validPath(const QString& path);

signals:
    void pathChanged();
    void existsChanged();

private:
    Flow::Shared<Configuration> m_configuration;
    QString m_path;
    bool m_validPath = false;
    bool m_exists = false;
    BackupJobs* m_jobs;
};

}  // namespace Qln
