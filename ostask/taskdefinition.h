#pragma once

#include <QString>

#include <memory>
#include <vector>

#include "ostask/action.h"
#include "ostask/trigger.h"

namespace System::OSTask {

// What is registered: who made the task, when it runs and what it does.
class TaskDefinition {
public:
    QString author;
    QString description;
    QString version;

    void addTrigger(std::unique_ptr<Trigger> trigger) { m_triggers.push_back(std::move(trigger)); }
    void addAction(std::unique_ptr<Action> action) { m_actions.push_back(std::move(action)); }
    const std::vector<std::unique_ptr<Trigger>>& triggers() const { return m_triggers; }
    const std::vector<std::unique_ptr<Action>>& actions() const { return m_actions; }

private:
    std::vector<std::unique_ptr<Trigger>> m_triggers;
    std::vector<std::unique_ptr<Action>> m_actions;
};

}  // namespace System::OSTask
