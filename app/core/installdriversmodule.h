#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include "base/shared.h"
#include "base/task.h"
#include "core/configuration.h"
#include "core/module.h"
#include "hardware/driversupdatemodel.h"

namespace Qln {

class ComputerInfo;
class DriverUpdates;
class UploadTask;

// The drivers page's module: scan, search, and the choice of updates.
class InstallDriversModule : public Module {
    Q_OBJECT
    Q_PROPERTY(Qln::Task* finder READ finder CONSTANT)
    Q_PROPERTY(Qln::Task* installer READ installer CONSTANT)
    Q_PROPERTY(QObject* systemInfo READ systemInfo CONSTANT)
    Q_PROPERTY(QString osInfoText READ osInfoText CONSTANT)
    Q_PROPERTY(Qln::DriversUpdateModel* result READ result NOTIFY resultChanged)
    Q_PROPERTY(QList<QObject*> installList READ installList NOTIFY installListChanged)

public:
    explicit InstallDriversModule(Flow::Shared<Configuration> configuration,
                                  QObject* parent = nullptr);
    ~InstallDriversModule() override;

    Q_INVOKABLE void beginScan();
    Q_INVOKABLE void stopScan();
    Q_INVOKABLE void install();
    Q_INVOKABLE void installAbort();

    Task* finder() const;
    Task* installer() const;
    QObject* systemInfo() const;
    QString osInfoText() const { return m_osInfoText; }
    // The model of the last search, taken from the scan task on first read.
    DriversUpdateModel* result();
    // The packages of the last installation, in install order.
    QList<QObject*> installList() const;

signals:
    void resultChanged();
    void installListChanged();

private:
    void discardResult();

    Flow::Shared<Configuration> m_configuration;
    QString m_unpackDir;
    QString m_osInfoText;
    ComputerInfo* m_computerInfo;
    DriverUpdates* m_updates;
    UploadTask* m_upload = nullptr;
    DriversUpdateModel* m_result = nullptr;
};

}  // namespace Qln
