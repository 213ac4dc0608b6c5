#include "core/translation.h"

#include <QCoreApplication>
#include <QDebug>

namespace Qln {

namespace {

QLocale reduced(const QLocale& locale) {
    return QLocale(locale.language(), locale.country());
}

}  // namespace

const QList<QLocale>& Translation::supportedLocales() {
    static const QList<QLocale> locales = {
        QLocale(QLocale::English),   QLocale(QLocale::Russian),
        QLocale(QLocale::Spanish),   QLocale(QLocale::Portuguese, QLocale::Brazil),
        QLocale(QLocale::Catalan),   QLocale(QLocale::Czech),
        QLocale(QLocale::German),    QLocale(QLocale::Finnish),
        QLocale(QLocale::French),    QLocale(QLocale::Hindi),
        QLocale(QLocale::Hungarian), QLocale(QLocale::Indonesian),
        QLocale(QLocale::Italian),   QLocale(QLocale::Japanese),
        QLocale(QLocale::Kazakh),    QLocale(QLocale::Korean),
        QLocale(QLocale::Dutch),     QLocale(QLocale::NorwegianBokmal),
        QLocale(QLocale::Polish),    QLocale(QLocale::Romanian),
        QLocale(QLocale::Slovak),    QLocale(QLocale::Thai),
        QLocale(QLocale::Turkish),   QLocale(QLocale::Ukrainian),
        QLocale(QLocale::Chinese),
    };
    return locales;
}

QLocale Translation::chooseLocale(const QLocale& requested, const QLocale& system) {
    QLocale locale = reduced(system);
    if (requested.language() != QLocale::C) {
        locale = requested;
    }
    if (!supportedLocales().contains(locale)) {
        locale = QLocale(QLocale::English, QLocale::AnyCountry);
    }
    return locale;
}

Translation::Translation(const QLocale& requested)
    : m_locale(chooseLocale(requested, QLocale::system())) {
    // Dates and numbers in the views follow the program's language, not the system's.
    QLocale::setDefault(m_locale);
    if (m_translator.load(m_locale, QStringLiteral("QuillonPro"), QStringLiteral("_"),
                          QStringLiteral(":/Lang"))) {
        m_installed = QCoreApplication::installTranslator(&m_translator);
    } else {
        qCritical().noquote() << "Translation not loaded:" << m_locale.name();
    }
    qDebug().noquote() << "Current locale:" << m_translator.language();
}

Translation::~Translation() {
    if (m_installed) {
        QCoreApplication::removeTranslator(&m_translator);
    }
}

void Translation::resetLocale() {
    m_locale = chooseLocale(QLocale::c(), QLocale::system());
}

}  // namespace Qln
