#pragma once

namespace platform {
class TaskSchedulerConnection;
}

namespace System::OSTask {

// One thing a task does when it runs.
class Action {
public:
    virtual ~Action() = default;
    // Adds the action to the definition being built on the connection.
    virtual bool apply(platform::TaskSchedulerConnection& connection) const = 0;
};

}  // namespace System::OSTask
