#include <QCoreApplication>
#include <QFileInfo>
#include <QTranslator>
#include <QtTest>

#include "core/translation.h"

// The compiled translations as the program finds them in its resources.
class TranslationResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void eachSupportedLocaleFindsItsFile_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("file");
        const QStringList codes = {"en", "ru", "es", "pt", "ca", "cs", "de", "fi", "fr",
                                   "hi", "hu", "id", "it", "ja", "kk", "ko", "nl", "nb",
                                   "pl", "ro", "sk", "th", "tr", "uk", "zh"};
        const QList<QLocale>& locales = Qln::Translation::supportedLocales();
        QCOMPARE(locales.size(), codes.size());
        for (int i = 0; i < locales.size(); ++i) {
            QTest::newRow(qPrintable(locales.at(i).name()))
                << locales.at(i) << QStringLiteral("QuillonPro_%1.qm").arg(codes.at(i));
        }
    }

    void eachSupportedLocaleFindsItsFile() {
        QFETCH(QLocale, locale);
        QFETCH(QString, file);
        QTranslator translator;
        QVERIFY(translator.load(locale, "QuillonPro", "_", ":/Lang"));
        QCOMPARE(QFileInfo(translator.filePath()).fileName(), file);
        QVERIFY(!translator.isEmpty());
        const QString title = translator.translate("Qln::SettingsModule", "SettingsTitle");
        QVERIFY2(!title.isEmpty() && title != QLatin1String("SettingsTitle"), qPrintable(title));
    }

    void programTranslationTranslatesViews_data() {
        QTest::addColumn<QLocale>("requested");
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<QString>("text");

        QTest::newRow("German view") << QLocale(QLocale::German) << "ConnectErrorView"
                                     << "RetryButton" << QString::fromUtf8("Wiederholen");
        QTest::newRow("German module title") << QLocale(QLocale::German) << "Qln::AboutModule"
                                             << "AboutTitle" << QString::fromUtf8("Über");
        QTest::newRow("Japanese") << QLocale(QLocale::Japanese) << "ConnectErrorView"
                                  << "RetryButton" << QString::fromUtf8("再試行");
        QTest::newRow("unsupported falls back to English")
            << QLocale(QLocale::Swedish) << "ConnectErrorView"
            << "RetryButton" << QStringLiteral("Try again");
    }

    void programTranslationTranslatesViews() {
        QFETCH(QLocale, requested);
        QFETCH(QString, context);
        QFETCH(QString, identifier);
        QFETCH(QString, text);
        Qln::Translation translation(requested);
        QVERIFY(translation.isLoaded());
        QCOMPARE(QCoreApplication::translate(qPrintable(context), qPrintable(identifier)), text);
    }
};

QTEST_GUILESS_MAIN(TranslationResourcesTest)
#include "translationresources_test.moc"
