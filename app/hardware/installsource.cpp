#include "hardware/installsource.h"

namespace Qln {

InstallSource::InstallSource(QObject* parent) : QObject(parent), m_state(new InstallState(this)) {}

void InstallSource::setResult(const InstallResult& result) {
    m_state->postStatus(result.succeeded() ? InstallState::Complete : InstallState::Error);
    handleResult(result);
}

void InstallSource::dropped() {
    m_state->postStatus(InstallState::Normal);
}

void InstallSource::handleResult(const InstallResult&) {}

}  // namespace Qln
