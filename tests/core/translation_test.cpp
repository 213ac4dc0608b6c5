#include <QtTest>

#include "core/translation.h"

class TranslationTest : public QObject {
    Q_OBJECT

private slots:
    void chooseLocale_data() {
        QTest::addColumn<QLocale>("requested");
        QTest::addColumn<QLocale>("system");
        QTest::addColumn<QLocale>("expected");
        const QLocale english(QLocale::English, QLocale::AnyCountry);

        QTest::newRow("German of Austria is not German: English")
            << QLocale::c() << QLocale(QLocale::German, QLocale::Austria) << english;
        QTest::newRow("Portuguese of Portugal is not supported")
            << QLocale::c() << QLocale(QLocale::Portuguese, QLocale::Portugal) << english;
        QTest::newRow("Portuguese of Brazil is")
            << QLocale::c() << QLocale(QLocale::Portuguese, QLocale::Brazil)
            << QLocale(QLocale::Portuguese, QLocale::Brazil);
        QTest::newRow("system German of Germany")
            << QLocale::c() << QLocale(QLocale::German, QLocale::Germany)
            << QLocale(QLocale::German);
        QTest::newRow("script is dropped from the system locale")
            << QLocale::c()
            << QLocale(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China)
            << QLocale(QLocale::Chinese);
        QTest::newRow("the user's choice wins over the system")
            << QLocale(QLocale::Japanese) << QLocale(QLocale::German) << QLocale(QLocale::Japanese);
        QTest::newRow("an unsupported choice falls back to English")
            << QLocale(QLocale::Swedish) << QLocale(QLocale::German) << english;
        QTest::newRow("Norwegian Bokmal")
            << QLocale::c() << QLocale(QLocale::NorwegianBokmal, QLocale::Norway)
            << QLocale(QLocale::NorwegianBokmal);
    }

    void chooseLocale() {
        QFETCH(QLocale, requested);
        QFETCH(QLocale, system);
        QFETCH(QLocale, expected);
        QCOMPARE(Qln::Translation::chooseLocale(requested, system), expected);
    }

    void supportedLocalesAreTheTwentyFiveInSettingsOrder() {
        const QList<QLocale>& locales = Qln::Translation::supportedLocales();
        QCOMPARE(locales.size(), 25);
        QCOMPARE(locales.first(), QLocale(QLocale::English));
        QCOMPARE(locales.at(3).name(), QStringLiteral("pt_BR"));
        QCOMPARE(locales.last(), QLocale(QLocale::Chinese));
        QStringList languages;
        for (const QLocale& locale : locales) {
            languages << locale.name().left(2);
        }
        QCOMPARE(languages.join(' '),
                 QStringLiteral(
                     "en ru es pt ca cs de fi fr hi hu id it ja kk ko nl nb pl ro sk th tr uk zh"));
    }
};

QTEST_GUILESS_MAIN(TranslationTest)
#include "translation_test.moc"
