#pragma once

#include <memory>

#include "base/shared.h"
#include "core/analytics.h"
#include "core/window.h"
#include "net/appupdatetask.h"

namespace Qln {

// Offers the program's newer version and shows its download.
class AppUpdateWindow : public Window {
    Q_OBJECT

public:
    explicit AppUpdateWindow(QWindow* parent = nullptr);
    ~AppUpdateWindow() override;

    // Takes the task, replacing (and destroying) any earlier one; its `close` closes the window.
    void setTask(std::unique_ptr<AppUpdateTask> task, Flow::Shared<Analytics> analytics);
    AppUpdateTask* task() const { return m_task.get(); }

    Q_INVOKABLE void update();
    Q_INVOKABLE void updateAbort();

public slots:
    void closeWindow();

signals:
    void showMainWindow();

protected:
    void onBeforeShow() override;

private:
    std::unique_ptr<AppUpdateTask> m_task;
    Flow::Shared<Analytics> m_analytics;
};

}  // namespace Qln
