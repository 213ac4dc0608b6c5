#pragma once

#include <QList>
#include <QLocale>
#include <QStringList>

namespace Sarvik {

// The language of the reminder window: "-lang <code>" or the default locale,
// kept when a translation covers it, otherwise English.
class LanguageChoice {
public:
    static QList<QLocale> supportedLocales();
    static QLocale localeFor(const QStringList& arguments, const QLocale& defaultLocale);
};

}  // namespace Sarvik
