#include "backup/backupviewmodel.h"

#include <QMetaObject>

#include "backup/backupitemviewmodel.h"
#include "backup/backupmodel.h"
#include "backup/backupselectviewmodel.h"
#include "backup/installbackup.h"

namespace Qln {

namespace {

template <typename T>
// Rows reach QML through properties only, so they stay owned here.
QList<QObject*> objects(const QList<T*>& items) {
    QList<QObject*> list;
    list.reserve(items.size());
    for (T* item : items) {
        list.append(item);
    }
    return list;
}

template <typename T>
void dropLater(QList<T*>& items) {
    // The page may still be bound to the rows until it reads the new list.
    for (T* item : items) {
        item->deleteLater();
    }
    items.clear();
}

}  // namespace

BackupViewModel::BackupViewModel(QObject* parent) : QObject(parent) {}

BackupViewModel::~BackupViewModel() = default;

QList<QObject*> BackupViewModel::packed() const {
    return objects(m_packed);
}

QList<QObject*> BackupViewModel::others() const {
    return objects(m_others);
}

QList<QObject*> BackupViewModel::backup() const {
    return objects(m_backup);
}

QList<QObject*> BackupViewModel::installList() const {
    QList<QObject*> list;
    for (const auto& item : m_installList) {
        list.append(item.get());
    }
    return list;
}

QString BackupViewModel::archivePath() const {
    return m_model ? m_model->archivePath() : QString();
}

void BackupViewModel::setFlags(bool selectAll, bool noSelect) {
    if (m_selectAll != selectAll) {
        m_selectAll = selectAll;
        emit selectAllChanged();
    }
    if (m_noSelect != noSelect) {
        m_noSelect = noSelect;
        emit noSelectChanged();
    }
}

void BackupViewModel::setSelectAll(bool selectAll) {
    for (BackupSelectViewModel* item : m_backup) {
        item->blockSignals(true);
        item->setSelect(selectAll);
        item->blockSignals(false);
        emit item->selectChanged();
    }
    setFlags(selectAll, !selectAll || m_backup.isEmpty());
    // Emitted even without a change, so that a check box that was clicked shows the truth.
    emit selectAllChanged();
}

void BackupViewModel::oneSelectChanged() {
    bool all = true;
    bool none = true;
    for (const BackupSelectViewModel* item : m_backup) {
        all = all && item->select();
        none = none && !item->select();
    }
    setFlags(all, none);
}

void BackupViewModel::clearPacked() {
    dropLater(m_packed);
    emit packedChanged();
}

void BackupViewModel::clearCheck() {
    dropLater(m_backup);
    dropLater(m_others);
    m_model.reset();
    emit backupChanged();
    oneSelectChanged();
}

void BackupViewModel::OnPacked(const Backup::BackupDriver& driver, int hardwareIndex) {
    m_packed.append((new BackupItemViewModel(BackupItemViewModel::describe(driver, hardwareIndex),
                                             QString(), this)));
    emit packedChanged();
}

void BackupViewModel::OnSetModel(Flow::Shared<Backup::BackupModel> model, BackupArchModel arch) {
    dropLater(m_backup);
    dropLater(m_others);
    m_model = std::move(model);
    const QList<Backup::BackupDriver> drivers =
        m_model ? m_model->drivers() : QList<Backup::BackupDriver>();
    for (const BackupArchModel::Item& item : arch.restorable) {
        auto* row =
            (new BackupSelectViewModel(drivers.at(item.first), item.second, m_selectAll, this));
        connect(row, &BackupSelectViewModel::selectChanged, this,
                &BackupViewModel::oneSelectChanged);
        m_backup.append(row);
    }
    const auto addOthers = [&](const QList<BackupArchModel::Item>& items, const QString& type) {
        for (const BackupArchModel::Item& item : items) {
            m_others.append((new BackupItemViewModel(
                BackupItemViewModel::describe(drivers.at(item.first), item.second), type, this)));
        }
    };
    addOthers(arch.unchanged, tr("DevNoChange"));
    addOthers(arch.missing, tr("DevMissing"));
    for (const DriverDescription::Fields& fields : arch.newHardware) {
        m_others.append((new BackupItemViewModel(fields, tr("DevNewHardware"), this)));
    }
    emit backupChanged();
    oneSelectChanged();
}

QList<Flow::Shared<InstallBackup>> BackupViewModel::rebuildInstallList() {
    // Released once the page has let go of the old rows.
    QMetaObject::invokeMethod(
        this, [old = std::move(m_installList)] { Q_UNUSED(old) }, Qt::QueuedConnection);
    m_installList.clear();
    const QString archive = archivePath();
    for (const BackupSelectViewModel* row : m_backup) {
        if (row->select()) {
            auto item =
                std::make_shared<InstallBackup>(row->backupDriver(), row->hardwareIndex(), archive);
            m_installList.append(item);
        }
    }
    emit installChanged();
    return m_installList;
}

}  // namespace Qln
