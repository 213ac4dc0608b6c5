#include <QDir>
#include <QDomDocument>
#include <QSignalSpy>
#include <QtTest>

#include "autorun/autorunmodule.h"
#include "ostask/remindertask.h"
#include "ostask/taskscheduler.h"
#include "ostask/timetrigger.h"
#include "testenvironment.h"

using Qln::AutorunModule;
using System::OSTask::ReminderTask;

namespace {

const QString kProgramDir = QStringLiteral("/opt/quillon");

QString tasksFolder() {
    return qEnvironmentVariable("QUILLON_MACHINE") + QStringLiteral("/Tasks");
}

// The first day from today on that passes the test.
QDate firstDay(const std::function<bool(const QDate&)>& wanted) {
    QDate day = QDate::currentDate();
    while (!wanted(day)) {
        day = day.addDays(1);
    }
    return day;
}

AutorunModule::Clock clockAt(const QDate& day, const QTime& time) {
    return [day, time] { return QDateTime(day, time); };
}

// The command and working folder of the task's first Exec action.
QStringList execOf(const QString& xml) {
    QDomDocument document;
    document.setContent(xml);
    const QDomElement exec =
        document.documentElement().firstChildElement("Actions").firstChildElement("Exec");
    return {exec.firstChildElement("Command").text(),
            exec.firstChildElement("WorkingDirectory").text()};
}

}  // namespace

class AutorunModuleTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QDir(tasksFolder()).removeRecursively(); }

    void initialTimeIsTheHalfHour_data() {
        QTest::addColumn<QTime>("now");
        QTest::addColumn<QString>("newTime");
        QTest::newRow("10:29") << QTime(10, 29, 59) << "10:00";
        QTest::newRow("10:30") << QTime(10, 30) << "10:30";
        QTest::newRow("23:59") << QTime(23, 59) << "23:30";
    }
    void initialTimeIsTheHalfHour() {
        QFETCH(QTime, now);
        QFETCH(QString, newTime);
        AutorunModule module(kProgramDir, clockAt(QDate::currentDate(), now));
        QCOMPARE(module.newTimeText(), newTime);
    }

    void timeStepsWrapAtMidnight() {
        AutorunModule module(kProgramDir, clockAt(QDate::currentDate(), QTime(0, 10)));
        QSignalSpy changed(&module, &AutorunModule::newTimeChanged);
        module.decNewTime();
        QCOMPARE(module.newTimeText(), QStringLiteral("23:30"));
        module.incNewTime();
        module.incNewTime();
        QCOMPARE(module.newTimeText(), QStringLiteral("00:30"));
        QCOMPARE(changed.count(), 3);
    }

    void taskTypeTakesOnlyWeeklyOrMonthly() {
        AutorunModule module(kProgramDir);
        QSignalSpy changed(&module, &AutorunModule::taskTypeChanged);
        module.setTaskType(2);
        module.setTaskType(-1);
        module.setTaskType(0);
        QCOMPARE(changed.count(), 0);
        module.setTaskType(1);
        QCOMPARE(module.taskType(), 1);
        QCOMPARE(changed.count(), 1);
    }

    void disablingRemovesTheTask() {
        AutorunModule module(kProgramDir);
        QSignalSpy enabled(&module, &AutorunModule::enabledChanged);
        module.setNeedEnabled(false);
        module.saveTaskState();  // no task existed
        QVERIFY(!module.enabled());
        QCOMPARE(enabled.count(), 1);

        module.setNeedEnabled(true);
        module.saveTaskState();
        QVERIFY(module.enabled());
        QVERIFY(!System::OSTask::xml(ReminderTask::name()).isEmpty());
        module.setNeedEnabled(false);
        module.saveTaskState();
        QVERIFY(!module.enabled());
        QVERIFY(System::OSTask::xml(ReminderTask::name()).isEmpty());
        // A later start sees no reminder.
        QVERIFY(!AutorunModule(kProgramDir).enabled());
    }

    // Saved on a Saturday, the weekly reminder starts tomorrow: its first run is a week on.
    void weeklyFromSaturdayRunsAWeekLater() {
        const QDate saturday = firstDay([](const QDate& day) { return day.dayOfWeek() == 6; });
        AutorunModule module(kProgramDir, clockAt(saturday, QTime(9, 40)));
        module.saveTaskState();
        QVERIFY(module.enabled());
        QCOMPARE(module.nextRun(), QDateTime(saturday.addDays(7), QTime(9, 30)));
        QCOMPARE(module.nextTime(), QStringLiteral("09:30"));
        QCOMPARE(module.nextDate(),
                 QLocale::system().toString(saturday.addDays(7), QLocale::ShortFormat));
        // A new module reads the same reminder back.
        QCOMPARE(AutorunModule(kProgramDir).nextRun(), module.nextRun());
    }

    // Saved on the 31st before a shorter month: that month is skipped.
    void monthlyOnThe31stSkipsShortMonths() {
        const QDate day = firstDay([](const QDate& date) {
            return date.day() == 31 && date.addMonths(1).daysInMonth() < 31;
        });
        AutorunModule module(kProgramDir, clockAt(day, QTime(18, 5)));
        module.setTaskType(1);
        module.incNewTime();
        module.saveTaskState();
        QVERIFY(module.enabled());
        QCOMPARE(
            module.nextRun(),
            QDateTime(QDate(day.addMonths(2).year(), day.addMonths(2).month(), 31), QTime(18, 30)));
    }

    void makeDefaultTaskRunsInFourWeeks() {
        const QDateTime now = QDateTime::currentDateTime();
        QVERIFY(AutorunModule::makeDefaultTask(kProgramDir, now));
        const QDateTime start = now.addDays(28);
        const QDateTime next = System::OSTask::nextRunTime(ReminderTask::name());
        QCOMPARE(next, QDateTime(start.date(), QTime(start.time().hour(), start.time().minute())));
        QCOMPARE(execOf(System::OSTask::xml(ReminderTask::name())),
                 QStringList({kProgramDir + "/QuillonProSetup.exe", kProgramDir}));
    }

    void repointKeepsTheTriggersAndMovesTheProgram() {
        QVERIFY(!AutorunModule::repointTask("/opt/new"));  // a missing task stays missing
        QVERIFY(System::OSTask::xml(ReminderTask::name()).isEmpty());

        QVERIFY(AutorunModule::makeDefaultTask("/opt/old"));
        const QDateTime before = System::OSTask::nextRunTime(ReminderTask::name());
        QVERIFY(AutorunModule::repointTask("/opt/new"));
        QCOMPARE(execOf(System::OSTask::xml(ReminderTask::name())),
                 QStringList({"/opt/new/QuillonProSetup.exe", "/opt/new"}));
        QCOMPARE(System::OSTask::nextRunTime(ReminderTask::name()), before);
    }
};

int main(int argc, char** argv) {
    const QByteArray base = isolateUserFolders();
    qputenv("QUILLON_MACHINE", base + "/machine");
    QDir().mkpath(QString::fromLocal8Bit(base + "/machine"));
    QCoreApplication app(argc, argv);
    AutorunModuleTest test;
    const int result = QTest::qExec(&test, argc, argv);
    QDir(QString::fromLocal8Bit(base)).removeRecursively();
    return result;
}

#include "autorunmodule_test.moc"
