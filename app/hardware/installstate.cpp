#include "hardware/installstate.h"

#include <QMetaEnum>

namespace Qln {

InstallState::InstallState(QObject* parent) : QObject(parent) {
    qRegisterMetaType<Qln::InstallState::InstallStatus>("Qln::InstallState::InstallStatus");
    connect(this, &InstallState::SetStatus, this, &InstallState::OnSetStatus);
}

QString InstallState::statusText() const {
    return QString::fromLatin1(QMetaEnum::fromType<InstallStatus>().valueToKey(m_status));
}

void InstallState::postStatus(InstallStatus status) {
    emit SetStatus(status);
}

void InstallState::OnSetStatus(InstallStatus status) {
    m_status = status;
    emit statusChanged();
}

}  // namespace Qln
