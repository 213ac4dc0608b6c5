#pragma once

#include <QJsonObject>
#include <QString>
#include <QTextStream>

namespace Qln::Cli {

// Where the console program writes: text lines as they come, or one JSON document at the end.
// Progress bars only on a terminal.
class Output {
public:
    explicit Output(bool json);

    bool isJson() const { return m_json; }
    bool isTerminal() const { return m_terminal; }
    // Text mode only.
    void line(const QString& text = QString());
    // Redraws the current terminal line; the next line() starts afresh.
    void progress(const QString& label, qint64 received, qint64 total);
    void error(const QString& text);
    // JSON mode: the document's members, written by finish().
    QJsonObject& document() { return m_document; }
    // The document's "error" member: the exit code and why.
    void setError(int code, const QString& message);
    void finish();

private:
    void endProgress();

    bool m_json;
    bool m_terminal;
    bool m_progressShown = false;
    QTextStream m_out;
    QTextStream m_err;
    QJsonObject m_document;
};

}  // namespace Qln::Cli
