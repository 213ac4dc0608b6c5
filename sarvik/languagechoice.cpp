#include "sarvik/languagechoice.h"

namespace Sarvik {

namespace {

struct Supported {
    QLocale::Language language;
    QLocale::Country country;  // AnyCountry: every country of the language
};

const Supported kSupported[] = {
    {QLocale::English, QLocale::AnyCountry},    {QLocale::Russian, QLocale::AnyCountry},
    {QLocale::Spanish, QLocale::AnyCountry},    {QLocale::Catalan, QLocale::AnyCountry},
    {QLocale::Czech, QLocale::AnyCountry},      {QLocale::German, QLocale::AnyCountry},
    {QLocale::Finnish, QLocale::AnyCountry},    {QLocale::French, QLocale::AnyCountry},
    {QLocale::Hindi, QLocale::AnyCountry},      {QLocale::Hungarian, QLocale::AnyCountry},
    {QLocale::Indonesian, QLocale::AnyCountry}, {QLocale::Italian, QLocale::AnyCountry},
    {QLocale::Japanese, QLocale::AnyCountry},   {QLocale::Kazakh, QLocale::AnyCountry},
    {QLocale::Korean, QLocale::AnyCountry},     {QLocale::NorwegianBokmal, QLocale::AnyCountry},
    {QLocale::Dutch, QLocale::AnyCountry},      {QLocale::Polish, QLocale::AnyCountry},
    {QLocale::Portuguese, QLocale::Brazil},     {QLocale::Romanian, QLocale::AnyCountry},
    {QLocale::Slovak, QLocale::AnyCountry},     {QLocale::Thai, QLocale::AnyCountry},
    {QLocale::Turkish, QLocale::AnyCountry},    {QLocale::Ukrainian, QLocale::AnyCountry},
    {QLocale::Chinese, QLocale::AnyCountry}};

}  // namespace

QList<QLocale> LanguageChoice::supportedLocales() {
    QList<QLocale> locales;
    for (const Supported& supported : kSupported) {
        locales.append(QLocale(supported.language, supported.country));
    }
    return locales;
}

QLocale LanguageChoice::localeFor(const QStringList& arguments, const QLocale& defaultLocale) {
    QLocale chosen = defaultLocale;
    const int at = arguments.indexOf(QStringLiteral("-lang"));
    if (at >= 0 && at + 1 < arguments.size()) {
        chosen = QLocale(arguments.at(at + 1));
    }
    for (const Supported& supported : kSupported) {
        if (supported.language == chosen.language() &&
            (supported.country == QLocale::AnyCountry || supported.country == chosen.country())) {
            return QLocale(chosen.language(), chosen.country());
        }
    }
    return QLocale(QLocale::English);
}

}  // namespace Sarvik
