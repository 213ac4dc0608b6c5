#pragma once

#include <QDomDocument>
#include <QString>

#include <memory>

#include "ostask/trigger.h"

namespace System::OSTask {

// The XML of a registered task, to edit and register again.
class TaskXml {
public:
    TaskXml() = default;
    explicit TaskXml(const QString& text);

    // Valid when the root is "Task" with "RegistrationInfo", "Triggers" and "Actions".
    bool isValid() const { return m_valid; }
    // Points the first Exec action at the program (one is added when there is none).
    void setExec(const QString& command, const QString& workingDirectory);
    // Replaces the trigger with the same id, or adds it. False on an invalid document.
    bool putTrigger(std::unique_ptr<Trigger> trigger);
    QString toString() const { return m_document.toString(1); }

private:
    QDomDocument m_document;
    QDomElement m_root;
    QDomElement m_registrationInfo;
    QDomElement m_triggers;
    QDomElement m_actions;
    bool m_valid = false;
};

}  // namespace System::OSTask
