#pragma once

#include <QList>
#include <QLocale>
#include <QTranslator>

namespace Qln {

// The program's language: the locale chosen at start and its installed translator.
class Translation {
public:
    // In the order the settings page lists them.
    static const QList<QLocale>& supportedLocales();
    // The user's choice unless it is C ("follow the system"); anything not
    // supported exactly, country included, falls back to English.
    static QLocale chooseLocale(const QLocale& requested, const QLocale& system);

    // Chooses the locale against the system's and installs its translator from ":/Lang".
    explicit Translation(const QLocale& requested);
    ~Translation();
    Translation(const Translation&) = delete;
    Translation& operator=(const Translation&) = delete;

    QLocale locale() const { return m_locale; }
    bool isLoaded() const { return m_installed; }
    // Back to the system's language; the translator stays until the next start.
    void resetLocale();

private:
    QLocale m_locale;
    QTranslator m_translator;
    bool m_installed = false;
};

}  // namespace Qln
