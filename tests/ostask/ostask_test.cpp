#include <QDir>
#include <QDomDocument>
#include <QtTest>

#include "ostask/execaction.h"
#include "ostask/monthlytrigger.h"
#include "ostask/remindertask.h"
#include "ostask/taskscheduler.h"
#include "ostask/timetrigger.h"
#include "ostask/weeklytrigger.h"
#include "taskschemaorder.h"
#include "testenvironment.h"

using namespace System::OSTask;

namespace {

QString tasksFolder() {
    return qEnvironmentVariable("QUILLON_MACHINE") + QStringLiteral("/Tasks");
}

// Elements live only as long as their document.
QDomDocument parsed(const QString& xml) {
    QDomDocument document;
    document.setContent(xml);
    return document;
}

int countTriggers(const QString& xml, const QString& id) {
    int count = 0;
    const QDomDocument document = parsed(xml);
    for (QDomElement trigger =
             document.documentElement().firstChildElement("Triggers").firstChildElement();
         !trigger.isNull(); trigger = trigger.nextSiblingElement()) {
        count += trigger.attribute("id") == id ? 1 : 0;
    }
    return count;
}

TaskDefinition weeklyDefinition(const QString& programDir) {
    const QDateTime start(QDate::currentDate().addDays(1), QTime(10, 30));
    return ReminderTask::definition(
        std::make_unique<WeeklyTrigger>(ReminderTask::periodicTriggerId(), start, start.addYears(3),
                                        WeeklyTrigger::dayBit(start.date())),
        programDir);
}

}  // namespace

class OsTaskTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QDir(tasksFolder()).removeRecursively(); }

    void weekDayBits_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("bit");
        QTest::newRow("Sunday") << QDate(2026, 12, 6) << 0;
        QTest::newRow("Monday") << QDate(2026, 12, 7) << 1;
        QTest::newRow("Saturday") << QDate(2026, 12, 12) << 6;
    }
    void weekDayBits() {
        QFETCH(QDate, date);
        QFETCH(int, bit);
        QCOMPARE(int(WeeklyTrigger::dayBit(date)), 1 << bit);
    }

    void monthDayBits() {
        QCOMPARE(MonthlyTrigger::dayBit(QDate(2026, 1, 31)), 1u << 30);
        QCOMPARE(MonthlyTrigger::dayBit(QDate(2026, 1, 1)), 1u);
        QCOMPARE(int(MonthlyTrigger::kAllMonths), 0xfff);
    }

    void durationText_data() {
        QTest::addColumn<QList<int>>("counts");  // seconds .. years
        QTest::addColumn<QString>("text");
        QTest::newRow("minutes") << QList<int>{0, 30, 0, 0, 0, 0} << "PT30M";
        QTest::newRow("days and hours") << QList<int>{0, 0, 2, 1, 0, 0} << "P1DT2H";
        QTest::newRow("all parts") << QList<int>{5, 4, 3, 2, 1, 1} << "P1Y1M2DT3H4M5S";
        QTest::newRow("date only") << QList<int>{0, 0, 0, 0, 6, 0} << "P6M";
        QTest::newRow("all zero") << QList<int>{0, 0, 0, 0, 0, 0} << "";
    }
    void durationText() {
        QFETCH(QList<int>, counts);
        QFETCH(QString, text);
        const TimeTrigger::Duration duration{counts[0], counts[1], counts[2],
                                             counts[3], counts[4], counts[5]};
        QCOMPARE(duration.toString(), text);
    }

    void dateTimeTextIsUtc() {
        const QDateTime local(QDate(2026, 7, 1), QTime(23, 45, 10), Qt::OffsetFromUTC, 2 * 3600);
        QCOMPARE(dateTimeText(local), QStringLiteral("2026-07-01T21:45:10Z"));
        QCOMPARE(dateTimeText(QDateTime()), QString());
    }

    void registerRefusesIncompleteDefinitions_data() {
        QTest::addColumn<QString>("author");
        QTest::addColumn<bool>("trigger");
        QTest::addColumn<bool>("action");
        QTest::addColumn<QString>("name");
        QTest::newRow("no author") << "" << true << true << "T";
        QTest::newRow("no trigger") << "A" << false << true << "T";
        QTest::newRow("no action") << "A" << true << false << "T";
        QTest::newRow("no name") << "A" << true << true << "";
    }
    void registerRefusesIncompleteDefinitions() {
        QFETCH(QString, author);
        QFETCH(bool, trigger);
        QFETCH(bool, action);
        QFETCH(QString, name);
        TaskDefinition definition;
        definition.author = author;
        if (trigger) {
            definition.addTrigger(std::make_unique<TimeTrigger>("t", QDateTime::currentDateTime()));
        }
        if (action) {
            definition.addAction(std::make_unique<ExecAction>("/bin/true", "", ""));
        }
        QVERIFY(!registerTask(definition, name));
        // Not even a connection was made: the scheduler's folder was never created.
        QVERIFY(!QDir(tasksFolder()).exists());
    }

    void registeredXmlFollowsTheSchemaOrder() {
        QVERIFY(registerTask(weeklyDefinition("/opt/quillon"), "Order"));
        const QString xml = System::OSTask::xml("Order");
        QVERIFY(!xml.isEmpty());
        QCOMPARE(schemaOrderFaults(parsed(xml).documentElement()), QStringList());

        TaskXml task(xml);
        QVERIFY(task.isValid());
        QVERIFY(task.putTrigger(
            std::make_unique<TimeTrigger>("once", QDateTime::currentDateTime().addDays(1),
                                          QDateTime(), TimeTrigger::Duration{0, 30, 0, 0, 0, 0})));
        task.setExec("/opt/other/QuillonProSetup.exe", "/opt/other");
        QCOMPARE(schemaOrderFaults(parsed(task.toString()).documentElement()), QStringList());
        QVERIFY(registerXml(task.toString(), "Order"));
        QVERIFY(System::OSTask::xml("Order").contains("/opt/other/QuillonProSetup.exe"));
    }

    void schemaOrderCheckSeesFaults() {
        const QString bad =
            "<Task><Actions/><Triggers><TimeTrigger><EndBoundary/><StartBoundary/></TimeTrigger>"
            "</Triggers></Task>";
        QCOMPARE(schemaOrderFaults(parsed(bad).documentElement()).size(), 2);
    }

    void putTriggerReplacesTheSameId() {
        QVERIFY(registerTask(weeklyDefinition("/opt/quillon"), "Put"));
        TaskXml task = load("Put");
        const QDateTime now = QDateTime::currentDateTime();
        QVERIFY(task.putTrigger(std::make_unique<TimeTrigger>("single", now.addDays(1))));
        QVERIFY(task.putTrigger(std::make_unique<TimeTrigger>("single", now.addDays(2))));
        const QString xml = task.toString();
        QCOMPARE(countTriggers(xml, "single"), 1);
        QCOMPARE(countTriggers(xml, ReminderTask::periodicTriggerId()), 1);
        QVERIFY(xml.contains(dateTimeText(now.addDays(2))));
    }

    void setExecAddsOrReplaces_data() {
        QTest::addColumn<QString>("actions");
        QTest::newRow("no exec") << "<Actions/>";
        QTest::newRow("exec with both") << "<Actions><Exec><Command>old</Command>"
                                           "<WorkingDirectory>oldDir</WorkingDirectory></Exec>"
                                           "</Actions>";
        QTest::newRow("exec with arguments only")
            << "<Actions><Exec><Arguments>-x</Arguments></Exec></Actions>";
    }
    void setExecAddsOrReplaces() {
        QFETCH(QString, actions);
        TaskXml task("<Task><RegistrationInfo/><Triggers/>" + actions + "</Task>");
        QVERIFY(task.isValid());
        task.setExec("new", "newDir");
        const QDomDocument document = parsed(task.toString());
        const QDomElement root = document.documentElement();
        const QDomElement exec = root.firstChildElement("Actions").firstChildElement("Exec");
        QCOMPARE(exec.elementsByTagName("Command").size(), 1);
        QCOMPARE(exec.firstChildElement("Command").text(), QStringLiteral("new"));
        QCOMPARE(exec.firstChildElement("WorkingDirectory").text(), QStringLiteral("newDir"));
        QCOMPARE(schemaOrderFaults(root), QStringList());
    }

    void invalidDocumentsAreLeftAlone_data() {
        QTest::addColumn<QString>("xml");
        QTest::newRow("empty") << "";
        QTest::newRow("other root") << "<Job><RegistrationInfo/><Triggers/><Actions/></Job>";
        QTest::newRow("no actions") << "<Task><RegistrationInfo/><Triggers/></Task>";
    }
    void invalidDocumentsAreLeftAlone() {
        QFETCH(QString, xml);
        TaskXml task(xml);
        QVERIFY(!task.isValid());
        QVERIFY(!task.putTrigger(std::make_unique<TimeTrigger>("x", QDateTime::currentDateTime())));
        task.setExec("a", "b");
        QVERIFY(!task.toString().contains("Exec"));
    }

    void missingTasks() {
        QVERIFY(nextRunTime("Missing").isNull());
        QVERIFY(System::OSTask::xml("Missing").isEmpty());
        QVERIFY(!load("Missing").isValid());
        System::OSTask::remove("Missing");
    }

    void nextRunOfAOneTimeTrigger() {
        const QDateTime at(QDate::currentDate().addDays(2), QTime(9, 15, 42));
        TaskDefinition definition =
            ReminderTask::definition(std::make_unique<TimeTrigger>("once", at), "/opt/q");
        QVERIFY(registerTask(definition, "Once"));
        QCOMPARE(nextRunTime("Once"), QDateTime(at.date(), QTime(9, 15)));
        System::OSTask::remove("Once");
        QVERIFY(nextRunTime("Once").isNull());
    }
};

int main(int argc, char** argv) {
    const QByteArray base = isolateUserFolders();
    qputenv("QUILLON_MACHINE", base + "/machine");
    QDir().mkpath(QString::fromLocal8Bit(base + "/machine"));
    QCoreApplication app(argc, argv);
    OsTaskTest test;
    const int result = QTest::qExec(&test, argc, argv);
    QDir(QString::fromLocal8Bit(base)).removeRecursively();
    return result;
}

#include "ostask_test.moc"
