#include <QtTest>

#include "base/logcategories.h"
#include "base/logging.h"
#include "base/scopeprofiler.h"
#include "testenvironment.h"

class LoggingTest : public QObject {
    Q_OBJECT

private:
    QString readLog(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private slots:
    void cleanup() { Qln::Logging::shutdown(); }

    void debugLinesOnlyWithTheLogKey_data() {
        QTest::addColumn<bool>("debug");
        QTest::newRow("without log") << false;
        QTest::newRow("with log") << true;
    }

    void debugLinesOnlyWithTheLogKey() {
        QFETCH(bool, debug);
        QTemporaryDir dir;
        const QString path = dir.filePath("quillonpro.log");
        Qln::Logging::init(path, debug);
        qInfo() << "App start:";
        qDebug() << "Restart:";
        { Qln::ScopeProfiler profiler(QStringLiteral("Launcher")); }
        qCWarning(lcInstaller) << "Pipe not created:";
        Qln::Logging::shutdown();

        const QStringList lines = readLog(path).split('\n', Qt::SkipEmptyParts);
        QRegularExpression time("^\\d\\d:\\d\\d:\\d\\d ");
        for (const QString& line : lines) {
            QVERIFY2(time.match(line).hasMatch(), qPrintable(line));
        }
        QVERIFY(lines.first().endsWith(" info App start:"));
        QVERIFY(lines.last().endsWith(" warning installer: Pipe not created:"));
        const bool hasRestart = readLog(path).contains(" debug Restart:");
        const bool hasProfile =
            readLog(path).contains(QRegularExpression(" debug profiling: Launcher => \\d+"));
        QCOMPARE(hasRestart, debug);
        QCOMPARE(hasProfile, debug);
        QCOMPARE(lines.size(), debug ? 4 : 2);
    }

    void appendsToAnExistingLog() {
        QTemporaryDir dir;
        const QString path = dir.filePath("quillonpro.log");
        Qln::Logging::init(path, false);
        qInfo() << "first run";
        Qln::Logging::init(path, false);
        qInfo() << "second run";
        Qln::Logging::shutdown();
        const QString log = readLog(path);
        QVERIFY(log.contains("first run"));
        QVERIFY(log.contains("second run"));
    }

    void unopenableFileSwitchesLoggingOff() {
        QTemporaryDir dir;
        QFile blocker(dir.filePath("not-a-folder"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString path = dir.filePath("not-a-folder/quillonpro.log");
        Qln::Logging::init(path, true);
        QVERIFY(!Qln::Logging::isOpen());
        qInfo() << "dropped";
        qDebug() << "dropped";
        QVERIFY(!QFile::exists(path));
    }

    // The first run finds no application data folder, and must still leave a log to read.
    void firstRunCreatesTheFolder() {
        QTemporaryDir dir;
        const QString path = dir.filePath("QuillonPro/quillonpro.log");
        Qln::Logging::init(path, false);
        qInfo() << "App start:";
        Qln::Logging::shutdown();
        QVERIFY(readLog(path).contains("App start:"));
    }

    void linesFromManyThreadsStayWhole() {
        QTemporaryDir dir;
        const QString path = dir.filePath("quillonpro.log");
        Qln::Logging::init(path, false);
        QList<QThread*> threads;
        for (int t = 0; t < 4; ++t) {
            threads << QThread::create([t] {
                for (int i = 0; i < 200; ++i) {
                    qInfo().noquote() << QStringLiteral("thread %1 line %2 end").arg(t).arg(i);
                }
            });
            threads.last()->start();
        }
        for (QThread* thread : threads) {
            thread->wait();
            delete thread;
        }
        Qln::Logging::shutdown();
        const QStringList lines = readLog(path).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 800);
        for (const QString& line : lines) {
            QVERIFY2(line.endsWith(" end") && line.count("thread") == 1, qPrintable(line));
        }
    }
};

QLN_TEST_MAIN(LoggingTest)
#include "logging_test.moc"
