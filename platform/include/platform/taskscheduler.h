#pragma once

// The Task Scheduler (version 2), one connection per operation: the service, a
// task folder and the definition being built. On Windows these are the COM
// objects; on Linux the machine model's Tasks/ folder, one task XML file each.
// Date-time texts are the scheduler's ("2026-12-07T10:30:00Z"); strings UTF-8.

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

struct TaskRunTime {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;
    int hour = 0;
    int minute = 0;
};

class TaskSchedulerConnection {
public:
    TaskSchedulerConnection();
    ~TaskSchedulerConnection();
    TaskSchedulerConnection(const TaskSchedulerConnection&) = delete;
    TaskSchedulerConnection& operator=(const TaskSchedulerConnection&) = delete;

    // Every call below needs a successful connect first; each returns false and
    // sets error() ("GetFolder failed: 0x80070002") on failure.
    bool connect(const std::string& folderPath);

    // An empty definition to fill and register.
    bool newTask();
    // Writes each non-empty value.
    bool setRegistrationInfo(const std::string& author, const std::string& description,
                             const std::string& version, const std::string& date);
    // Empty id, start or end are left unset; an empty randomDelay means none.
    bool addTimeTrigger(const std::string& id, const std::string& start, const std::string& end,
                        const std::string& randomDelay);
    bool addWeeklyTrigger(const std::string& id, const std::string& start, const std::string& end,
                          std::uint16_t weeksInterval, std::uint16_t daysOfWeek);
    bool addMonthlyTrigger(const std::string& id, const std::string& start, const std::string& end,
                           std::uint32_t daysOfMonth, std::uint16_t monthsOfYear);
    bool addExecAction(const std::string& command, const std::string& arguments,
                       const std::string& workingDirectory);
    // Replaces the whole definition by the task XML.
    bool setXmlText(const std::string& xml);
    // Creates or replaces the task `name` in the folder, for the interactive user.
    bool registerDefinition(const std::string& name);

    bool deleteTask(const std::string& name);
    // False when the task does not exist or has no next run.
    bool nextRunTime(const std::string& name, TaskRunTime& localTime);
    bool taskXml(const std::string& name, std::string& xml);

    const std::string& error() const { return m_error; }

private:
    struct Impl;
    std::unique_ptr<Impl> d;
    std::string m_error;
};

}  // namespace platform
