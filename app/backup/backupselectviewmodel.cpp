#include "backup/backupselectviewmodel.h"

namespace Qln {

BackupSelectViewModel::BackupSelectViewModel(const Backup::BackupDriver& driver, int hardwareIndex,
                                             bool select, QObject* parent)
    : BackupItemViewModel(describe(driver, hardwareIndex), QString(), parent),
      m_backupDriver(driver),
      m_hardwareIndex(hardwareIndex),
      m_select(select) {}

void BackupSelectViewModel::setSelect(bool select) {
    if (m_select == select) {
        return;
    }
    m_select = select;
    emit selectChanged();
}

}  // namespace Qln
