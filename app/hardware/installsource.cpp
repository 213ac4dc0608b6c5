#include "hardware/installsource.h"

namespace Qln {

InstallSource::InstallSource(QObject* parent) : QObject(parent), m_state(new InstallState(this)) {}

void InstallSource::setResult(const InstallResult& result) {
    {
        // Kept before the status changes, so whoever hears of the change can read it.
        QMutexLocker lock(&m_mutex);
        m_result = result;
    }
    m_state->postStatus(result.succeeded() ? InstallState::Complete : InstallState::Error);
    handleResult(result);
}

InstallResult InstallSource::result() const {
    QMutexLocker lock(&m_mutex);
    return m_result;
}

void InstallSource::dropped() {
    m_state->postStatus(InstallState::Normal);
}

void InstallSource::handleResult(const InstallResult&) {}

}  // namespace Qln
