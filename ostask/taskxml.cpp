#include "ostask/taskxml.h"

namespace System::OSTask {

namespace {

QDomElement textElement(QDomDocument& document, const QString& tag, const QString& text) {
    QDomElement element = document.createElement(tag);
    element.appendChild(document.createTextNode(text));
    return element;
}

}  // namespace

TaskXml::TaskXml(const QString& text) {
    if (!m_document.setContent(text)) {
        return;
    }
    m_root = m_document.documentElement();
    m_registrationInfo = m_root.firstChildElement(QStringLiteral("RegistrationInfo"));
    m_triggers = m_root.firstChildElement(QStringLiteral("Triggers"));
    m_actions = m_root.firstChildElement(QStringLiteral("Actions"));
    m_valid = m_root.tagName() == QLatin1String("Task") && !m_registrationInfo.isNull() &&
              !m_triggers.isNull() && !m_actions.isNull();
}

void TaskXml::setExec(const QString& command, const QString& workingDirectory) {
    if (!m_valid) {
        return;
    }
    QDomElement exec = m_actions.firstChildElement(QStringLiteral("Exec"));
    if (exec.isNull()) {
        exec = m_document.createElement(QStringLiteral("Exec"));
        exec.appendChild(textElement(m_document, QStringLiteral("Command"), command));
        exec.appendChild(
            textElement(m_document, QStringLiteral("WorkingDirectory"), workingDirectory));
        m_actions.appendChild(exec);
        return;
    }
    const QDomElement newCommand = textElement(m_document, QStringLiteral("Command"), command);
    const QDomElement oldCommand = exec.firstChildElement(QStringLiteral("Command"));
    if (oldCommand.isNull()) {
        // The schema wants the command first, before any arguments.
        exec.insertBefore(newCommand, QDomNode());
    } else {
        exec.replaceChild(newCommand, oldCommand);
    }
    const QDomElement newFolder =
        textElement(m_document, QStringLiteral("WorkingDirectory"), workingDirectory);
    const QDomElement oldFolder = exec.firstChildElement(QStringLiteral("WorkingDirectory"));
    if (oldFolder.isNull()) {
        exec.appendChild(newFolder);
    } else {
        exec.replaceChild(newFolder, oldFolder);
    }
}

bool TaskXml::putTrigger(std::unique_ptr<Trigger> trigger) {
    if (!m_valid || !trigger) {
        return false;
    }
    for (QDomElement old = m_triggers.firstChildElement(); !old.isNull();
         old = old.nextSiblingElement()) {
        if (old.attribute(QStringLiteral("id")) == trigger->id) {
            m_triggers.removeChild(old);
            break;
        }
    }
    m_triggers.appendChild(trigger->createElement(m_document));
    return true;
}

}  // namespace System::OSTask
