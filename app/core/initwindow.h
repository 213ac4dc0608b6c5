#pragma once

#include <memory>

#include "base/task.h"
#include "core/window.h"

namespace Qln {

// Shows start-up progress and runs the initialisation task once it is on screen.
class InitWindow : public Window {
    Q_OBJECT
    Q_PROPERTY(QString version READ version CONSTANT)

public:
    explicit InitWindow(QWindow* parent = nullptr);
    ~InitWindow() override;

    QString version() const;
    // Takes the task, replacing (and destroying) any earlier one.
    void setTask(Task* task);
    Task* task() const { return m_task.get(); }

protected:
    void onBeforeShow() override;
    void onAfterShow() override;

private:
    std::unique_ptr<Task> m_task;
};

}  // namespace Qln
