#include <QFile>
#include <QtTest>

#include "translationsources.h"

using namespace TranslationSources;

namespace {

const QStringList kLanguages = {
    QStringLiteral("en"), QStringLiteral("ru"), QStringLiteral("es"), QStringLiteral("pt"),
    QStringLiteral("ca"), QStringLiteral("cs"), QStringLiteral("de"), QStringLiteral("fi"),
    QStringLiteral("fr"), QStringLiteral("hi"), QStringLiteral("hu"), QStringLiteral("id"),
    QStringLiteral("it"), QStringLiteral("ja"), QStringLiteral("kk"), QStringLiteral("ko"),
    QStringLiteral("nl"), QStringLiteral("nb"), QStringLiteral("pl"), QStringLiteral("ro"),
    QStringLiteral("sk"), QStringLiteral("th"), QStringLiteral("tr"), QStringLiteral("uk"),
    QStringLiteral("zh")};

QString sourceRoot() {
    return QStringLiteral(QLN_SOURCE_DIR);
}

}  // namespace

class TranslationCompletenessTest : public QObject {
    Q_OBJECT

    static void checkCatalogue(const QString& code, const QMap<QString, QSet<QString>>& usages,
                               const QString& pattern) {
        QFile file(sourceRoot() + pattern.arg(code));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName() + " missing"));
        const Catalogue catalogue = readTs(file.readAll());
        QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));
        QVERIFY2(catalogue.language.section('_', 0, 0) == code,
                 qPrintable("language attribute " + catalogue.language));

        QStringList faults;
        for (auto it = usages.cbegin(); it != usages.cend(); ++it) {
            for (const QString& identifier : it.value()) {
                const QString key = it.key() + QLatin1Char('/') + identifier;
                if (!catalogue.present.contains(key)) {
                    faults << QStringLiteral("%1: %2 lacks \"%3\"").arg(code, it.key(), identifier);
                } else if (!catalogue.finished.contains(key)) {
                    faults << QStringLiteral("%1: %2 leaves \"%3\" unfinished")
                                  .arg(code, it.key(), identifier);
                }
            }
        }
        faults.sort();
        QVERIFY2(faults.isEmpty(), qPrintable("\n" + faults.join('\n')));
    }

private slots:
    void scansQsTrCalls_data() {
        QTest::addColumn<QString>("qml");
        QTest::addColumn<QStringList>("identifiers");

        QTest::newRow("plain") << "text: qsTr(\"AboutTitle\")" << QStringList{"AboutTitle"};
        QTest::newRow("spaces and single quotes")
            << "text: qsTr ( 'RetryButton' )" << QStringList{"RetryButton"};
        QTest::newRow("two on a line with arg")
            << "text: qsTr(\"A\").arg(n) + qsTr(\"B\")" << QStringList{"A", "B"};
        QTest::newRow("escaped quote") << "qsTr(\"Say \\\"hi\\\"\")" << QStringList{"Say \"hi\""};
        QTest::newRow("line comment") << "// qsTr(\"Old\")\nqsTr(\"New\")" << QStringList{"New"};
        QTest::newRow("block comment over lines")
            << "/* qsTr(\"Old\")\n qsTr(\"Older\") */ qsTr(\"New\")" << QStringList{"New"};
        QTest::newRow("slashes inside a string")
            << "url: \"http://x/*y\"; label: qsTr(\"Link\") // qsTr(\"No\")" << QStringList{"Link"};
        QTest::newRow("not a literal") << "qsTr(name); myqsTr(\"X\")" << QStringList{};
    }

    void scansQsTrCalls() {
        QFETCH(QString, qml);
        QFETCH(QStringList, identifiers);
        QCOMPARE(qsTrIdentifiers(qml), identifiers);
    }

    void readsCatalogue_data() {
        QTest::addColumn<QString>("translation");
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("finished");

        QTest::newRow("finished") << "<translation>Über</translation>" << true << true;
        QTest::newRow("unfinished with text")
            << "<translation type=\"unfinished\">Über</translation>" << true << false;
        QTest::newRow("empty") << "<translation></translation>" << true << false;
        QTest::newRow("blank") << "<translation>  </translation>" << true << false;
        QTest::newRow("vanished") << "<translation type=\"vanished\">Über</translation>" << false
                                  << false;
    }

    void readsCatalogue() {
        QFETCH(QString, translation);
        QFETCH(bool, present);
        QFETCH(bool, finished);
        const QString xml =
            "<?xml version=\"1.0\"?><!DOCTYPE TS><TS language=\"de_DE\"><context>"
            "<name>AboutModule</name><message><source>AboutTitle</source>" +
            translation + "</message></context></TS>";
        const Catalogue catalogue = readTs(xml.toUtf8());
        QVERIFY2(catalogue.error.isEmpty(), qPrintable(catalogue.error));
        QCOMPARE(catalogue.language, QStringLiteral("de_DE"));
        QCOMPARE(catalogue.present.contains("AboutModule/AboutTitle"), present);
        QCOMPARE(catalogue.finished.contains("AboutModule/AboutTitle"), finished);
    }

    void everyViewTextIsTranslated_data() {
        QTest::addColumn<QString>("code");
        for (const QString& code : kLanguages) {
            QTest::newRow(qPrintable(code)) << code;
        }
    }

    void everyViewTextIsTranslated() {
        QFETCH(QString, code);
        static const auto usages = scanQml({sourceRoot() + QStringLiteral("/app/qml")});
        checkCatalogue(code, usages, QStringLiteral("/app/qml/Lang/QuillonPro_%1.ts"));
    }

    // Sarvik carries its own catalogue, "Launcher_<code>".
    void everySarvikTextIsTranslated_data() { everyViewTextIsTranslated_data(); }

    void everySarvikTextIsTranslated() {
        QFETCH(QString, code);
        static const auto usages = scanQml({sourceRoot() + QStringLiteral("/sarvik")});
        QVERIFY(!usages.isEmpty());
        checkCatalogue(code, usages, QStringLiteral("/sarvik/Lang/Launcher_%1.ts"));
    }

    // A translation that drops or invents a %1 shows a raw marker or loses a value.
    void placeholdersMatchEnglish_data() { everyViewTextIsTranslated_data(); }

    void placeholdersMatchEnglish() {
        QFETCH(QString, code);
        const auto read = [](const QString& language) {
            QFile file(sourceRoot() +
                       QStringLiteral("/app/qml/Lang/QuillonPro_%1.ts").arg(language));
            return file.open(QIODevice::ReadOnly) ? readTs(file.readAll()) : Catalogue{};
        };
        const Catalogue english = read(QStringLiteral("en"));
        const Catalogue catalogue = read(code);
        QStringList faults;
        for (auto it = catalogue.texts.cbegin(); it != catalogue.texts.cend(); ++it) {
            const QStringList expected = placeholders(english.texts.value(it.key()));
            const QStringList actual = placeholders(it.value());
            if (english.texts.contains(it.key()) && actual != expected) {
                faults << QStringLiteral("%1: %2 has %3, English has %4")
                              .arg(code, it.key(), actual.join(','), expected.join(','));
            }
        }
        faults.sort();
        QVERIFY2(faults.isEmpty(), qPrintable("\n" + faults.join('\n')));
    }

    void findsPlaceholders_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("none") << "100 % sure" << QStringList{};
        QTest::newRow("two, repeated and reordered")
            << "%2 then %1 and %2 again" << QStringList{"%1", "%2"};
        QTest::newRow("glued to words") << "Next: %1at%2." << QStringList{"%1", "%2"};
    }

    void findsPlaceholders() {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(placeholders(text), expected);
    }

    // Texts the classes translate with tr() are not found by the scan above; none
    // may be left unfinished either.
    void noMessageIsUnfinished_data() { everyViewTextIsTranslated_data(); }

    void noMessageIsUnfinished() {
        QFETCH(QString, code);
        QFile file(sourceRoot() + QStringLiteral("/app/qml/Lang/QuillonPro_%1.ts").arg(code));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName() + " missing"));
        const Catalogue catalogue = readTs(file.readAll());
        QStringList faults = (catalogue.present - catalogue.finished).values();
        faults.sort();
        QVERIFY2(faults.isEmpty(), qPrintable(code + " unfinished:\n" + faults.join('\n')));
    }
};

QTEST_GUILESS_MAIN(TranslationCompletenessTest)
#include "translationcompleteness_test.moc"
