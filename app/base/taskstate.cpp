#include "base/taskstate.h"

#include <QtGlobal>
#include <cmath>

namespace Qln {

TaskState::TaskState(QObject* parent) : QObject(parent) {
    connect(this, &TaskState::Update, this, &TaskState::OnUpdate);
}

void TaskState::OnUpdate(float progress, QString msg) {
    // Relative and absolute thresholds together keep tiny steps from flooding
    // the views; NaN never counts as a change.
    const float delta = std::fabs(m_progress - progress);
    if (delta > 1e-5f && delta > 1e-5f * qMax(std::fabs(m_progress), std::fabs(progress))) {
        m_progress = progress;
        emit progressChanged();
    }
    if (msg != m_message) {
        m_message = msg;
        emit messageChanged();
    }
}

}  // namespace Qln
