// The system actions' wrappers: each failure is logged once, with the system's text.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "hardware/systemactions.h"

namespace {

QStringList g_warnings;

void collect(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtWarningMsg || type == QtCriticalMsg) {
        g_warnings.append(message);
    }
}

}  // namespace

class SystemActionsTest : public QObject {
    Q_OBJECT

private slots:
    void failureLoggedOnceWithTheSystemsText_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("logged");
        QTest::newRow("restart") << "restart"
                                 << "^Restart refused: Not a directory \\(20\\)$";
        QTest::newRow("program that cannot run")
            << "open"
            << "^Open failed: .*tool.sh: No such file or directory$";
    }
    void failureLoggedOnceWithTheSystemsText() {
        QFETCH(QString, action);
        QFETCH(QString, logged);
        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        bool done = true;
        g_warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(collect);
        if (action == "restart") {
            // The machine folder is a file, so the restart cannot be recorded in it.
            QFile file(scratch.filePath("machine"));
            file.open(QIODevice::WriteOnly);
            file.close();
            const QByteArray machine = qgetenv("QUILLON_MACHINE");
            qputenv("QUILLON_MACHINE", file.fileName().toUtf8());
            done = System::rebootComputer();
            qputenv("QUILLON_MACHINE", machine);
        } else {
            QFile script(scratch.filePath("tool.sh"));
            script.open(QIODevice::WriteOnly);
            script.write("#!/nonexistent/interpreter\n");
            script.close();
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            done = System::openPath(script.fileName());
        }
        qInstallMessageHandler(previous);
        QVERIFY(!done);
        QCOMPARE(g_warnings.size(), 1);
        QVERIFY2(QRegularExpression(logged).match(g_warnings.first()).hasMatch(),
                 qPrintable(g_warnings.first()));
    }
};

QTEST_GUILESS_MAIN(SystemActionsTest)
#include "systemactions_test.moc"
