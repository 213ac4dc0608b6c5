#include <QDir>
#include <QDomDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include "ostask/remindertask.h"
#include "ostask/taskscheduler.h"
#include "ostask/weeklytrigger.h"
#include "platform/systemactions.h"
#include "sarvik/handler.h"
#include "sarvik/languagechoice.h"
#include "testenvironment.h"

using Sarvik::LanguageChoice;
using System::OSTask::ReminderTask;

namespace {

QString tasksFolder() {
    return qEnvironmentVariable("QUILLON_MACHINE") + QStringLiteral("/Tasks");
}

// The start boundaries of the task's triggers with that id.
QStringList triggersOf(const QString& xml, const QString& id) {
    QDomDocument document;
    document.setContent(xml);
    QStringList found;
    for (QDomElement trigger =
             document.documentElement().firstChildElement("Triggers").firstChildElement();
         !trigger.isNull(); trigger = trigger.nextSiblingElement()) {
        if (trigger.attribute("id") == id) {
            found.append(trigger.firstChildElement("StartBoundary").text());
        }
    }
    return found;
}

bool registerWeekly(const QString& programDir) {
    const QDateTime start(QDate::currentDate().addDays(1), QTime(12, 0));
    return System::OSTask::registerTask(
        ReminderTask::definition(std::make_unique<System::OSTask::WeeklyTrigger>(
                                     ReminderTask::periodicTriggerId(), start, start.addYears(3),
                                     System::OSTask::WeeklyTrigger::dayBit(start.date())),
                                 programDir),
        ReminderTask::name());
}

}  // namespace

class SarvikTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QDir(tasksFolder()).removeRecursively(); }

    void language_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("defaultLocale");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("-lang de") << QStringList{"sarvik", "-lang", "de"} << "fr_FR"
                                  << "de_DE";
        QTest::newRow("-lang last falls back") << QStringList{"sarvik", "-lang"} << "ru_RU"
                                               << "ru_RU";
        QTest::newRow("no -lang") << QStringList{"sarvik"} << "ja_JP"
                                  << "ja_JP";
        QTest::newRow("any country") << QStringList{"sarvik"} << "fr_CA"
                                     << "fr_CA";
        QTest::newRow("unsupported language") << QStringList{"sarvik", "-lang", "sw_KE"} << "de_DE"
                                              << "en_US";
        QTest::newRow("Portuguese of Brazil") << QStringList{"sarvik", "-lang", "pt_BR"} << "C"
                                              << "pt_BR";
        QTest::newRow("other Portuguese") << QStringList{"sarvik", "-lang", "pt_PT"} << "C"
                                          << "en_US";
        QTest::newRow("Bokmål") << QStringList{"sarvik", "-lang", "nb"} << "C"
                                << "nb_NO";
    }
    void language() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, defaultLocale);
        QFETCH(QString, chosen);
        QCOMPARE(LanguageChoice::localeFor(arguments, QLocale(defaultLocale)).name(), chosen);
    }

    void eachLanguageHasItsCatalogue_data() {
        QTest::addColumn<QLocale>("locale");
        for (const QLocale& locale : LanguageChoice::supportedLocales()) {
            QTest::newRow(qPrintable(locale.name())) << locale;
        }
    }
    void eachLanguageHasItsCatalogue() {
        QFETCH(QLocale, locale);
        QTranslator translator;
        QVERIFY(translator.load(locale, "Launcher", "_", ":/Lang"));
        QVERIFY(QFileInfo(translator.filePath())
                    .fileName()
                    .startsWith("Launcher_" + locale.name().section('_', 0, 0)));
        const QString text = translator.translate("main", "TransferButton");
        QVERIFY2(!text.isEmpty() && text != "TransferButton", qPrintable(text));
    }

    void moveToTomorrowKeepsOneSingleTrigger_data() {
        QTest::addColumn<bool>("periodic");
        QTest::newRow("no task yet") << false;
        QTest::newRow("beside the weekly reminder") << true;
    }
    void moveToTomorrowKeepsOneSingleTrigger() {
        QFETCH(bool, periodic);
        if (periodic) {
            QVERIFY(registerWeekly("/opt/old"));
        }
        Sarvik::Handler handler("/opt/quillon");
        handler.moveToTomorrow();
        handler.moveToTomorrow();
        const QString xml = System::OSTask::xml(ReminderTask::name());
        QCOMPARE(triggersOf(xml, ReminderTask::singleTriggerId()).size(), 1);
        QCOMPARE(triggersOf(xml, ReminderTask::periodicTriggerId()).size(), periodic ? 1 : 0);
        QVERIFY(xml.contains("/opt/quillon/QuillonProSetup.exe"));
        QVERIFY(!xml.contains("/opt/old"));
        const QDateTime next = System::OSTask::nextRunTime(ReminderTask::name());
        QCOMPARE(next.date(), QDate::currentDate().addDays(1));
    }

    // Sarvik started as the task starts it, each button pressed as a user would.
    void buttonsEndToEnd_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("started");  // QuillonPro's arguments; "-" for none
        QTest::newRow("OK") << "okButton"
                            << "";
        QTest::newRow("settings") << "settingsButton"
                                  << "-tab autorun";
        QTest::newRow("tomorrow") << "transferButton"
                                  << "-";
    }
    void buttonsEndToEnd() {
        QFETCH(QString, button);
        QFETCH(QString, started);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString programDir = folder.path();
        QVERIFY(QFile::copy(QStringLiteral(QLN_SARVIK), programDir + "/QuillonProSetup"));
        QFile fakeMain(programDir + "/QuillonPro");
        QVERIFY(fakeMain.open(QIODevice::WriteOnly));
        fakeMain.write(
            "#!/bin/sh\necho \"$*\" > \"$(dirname \"$0\")/started.tmp\"\n"
            "mv \"$(dirname \"$0\")/started.tmp\" \"$(dirname \"$0\")/started\"\n");
        fakeMain.close();
        fakeMain.setPermissions(fakeMain.permissions() | QFile::ExeOwner);
        QVERIFY(registerWeekly(programDir));

        QDomDocument task;
        QVERIFY(task.setContent(System::OSTask::xml(ReminderTask::name())));
        const QDomElement exec =
            task.documentElement().firstChildElement("Actions").firstChildElement("Exec");
        QProcess sarvik;
        sarvik.setProgram(QString::fromStdString(
            platform::programFile(exec.firstChildElement("Command").text().toStdString())));
        sarvik.setWorkingDirectory(exec.firstChildElement("WorkingDirectory").text());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QUILLON_SARVIK_PRESS", button);
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("QT_QUICK_BACKEND", "software");
        sarvik.setProcessEnvironment(environment);
        sarvik.start();
        QVERIFY2(sarvik.waitForFinished(30000), qPrintable(sarvik.program()));
        QCOMPARE(sarvik.exitStatus(), QProcess::NormalExit);
        QVERIFY2(sarvik.exitCode() == 0, sarvik.readAllStandardError().constData());

        QFile record(programDir + "/started");
        if (started == "-") {
            QVERIFY(!record.exists());
            const QString xml = System::OSTask::xml(ReminderTask::name());
            const QStringList single = triggersOf(xml, ReminderTask::singleTriggerId());
            QCOMPARE(single.size(), 1);
            const QDateTime at = QDateTime::fromString(single[0], Qt::ISODate);
            QCOMPARE(at.toLocalTime().date(), QDate::currentDate().addDays(1));
            QCOMPARE(triggersOf(xml, ReminderTask::periodicTriggerId()).size(), 1);
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(record.exists(), 10000);
            QVERIFY(record.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromUtf8(record.readAll()).trimmed(), started);
        }
    }
};

int main(int argc, char** argv) {
    const QByteArray base = isolateUserFolders();
    qputenv("QUILLON_MACHINE", base + "/machine");
    QDir().mkpath(QString::fromLocal8Bit(base + "/machine"));
    QCoreApplication app(argc, argv);
    SarvikTest test;
    const int result = QTest::qExec(&test, argc, argv);
    QDir(QString::fromLocal8Bit(base)).removeRecursively();
    return result;
}

#include "sarvik_test.moc"
