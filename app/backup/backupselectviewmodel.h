#pragma once

#include "backup/backupitemviewmodel.h"

namespace Qln {

// A restorable row the user may choose.
class BackupSelectViewModel : public BackupItemViewModel {
    Q_OBJECT
    Q_PROPERTY(bool select READ select WRITE setSelect NOTIFY selectChanged)

public:
    BackupSelectViewModel(const Backup::BackupDriver& driver, int hardwareIndex, bool select,
                          QObject* parent = nullptr);

    bool select() const { return m_select; }
    void setSelect(bool select);
    const Backup::BackupDriver& backupDriver() const { return m_backupDriver; }
    int hardwareIndex() const { return m_hardwareIndex; }

signals:
    void selectChanged();

private:
    Backup::BackupDriver m_backupDriver;
    int m_hardwareIndex;
    bool m_select;
};

}  // namespace Qln
