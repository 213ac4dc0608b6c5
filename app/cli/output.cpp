#include "cli/output.h"

#include <QJsonDocument>
#include <cstdio>

#include "platform/console.h"

namespace Qln::Cli {

namespace {

constexpr int kBarWidth = 30;

}  // namespace

Output::Output(bool json)
    : m_json(json),
      m_terminal(platform::isTerminal(platform::StandardStream::Output)),
      m_out(stdout),
      m_err(stderr) {
    m_out.setCodec("UTF-8");
    m_err.setCodec("UTF-8");
}

void Output::line(const QString& text) {
    if (m_json) {
        return;
    }
    endProgress();
    m_out << text << '\n';
    m_out.flush();
}

void Output::progress(const QString& label, qint64 received, qint64 total) {
    if (m_json || !m_terminal) {
        return;
    }
    const int percent =
        total > 0 ? static_cast<int>(qBound<qint64>(0, received * 100 / total, 100)) : 0;
    const int filled = percent * kBarWidth / 100;
    m_out << '\r' << label << " [" << QString(filled, QLatin1Char('#'))
          << QString(kBarWidth - filled, QLatin1Char(' ')) << "] " << percent << '%';
    m_out.flush();
    m_progressShown = true;
}

void Output::endProgress() {
    if (m_progressShown) {
        m_out << '\n';
        m_progressShown = false;
    }
}

void Output::error(const QString& text) {
    endProgress();
    m_out.flush();
    m_err << text << '\n';
    m_err.flush();
}

void Output::setError(int code, const QString& message) {
    m_document.insert(QStringLiteral("error"), QJsonObject{{QStringLiteral("code"), code},
                                                           {QStringLiteral("message"), message}});
}

void Output::finish() {
    endProgress();
    if (m_json) {
        m_out << QJsonDocument(m_document).toJson(QJsonDocument::Indented);
    }
    m_out.flush();
}

}  // namespace Qln::Cli
