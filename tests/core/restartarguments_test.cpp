#include <QtTest>

#include "core/application.h"

class RestartArgumentsTest : public QObject {
    Q_OBJECT

private slots:
    void restartArguments_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("adds -wait after the kept arguments")
            << QStringList{"prog", "-tab", "autorun", "-log"}
            << QStringList{"-tab", "autorun", "-log", "-wait"};
        QTest::newRow("never twice")
            << QStringList{"prog", "-wait", "-log"} << QStringList{"-wait", "-log"};
        QTest::newRow("program alone") << QStringList{"prog"} << QStringList{"-wait"};
        QTest::newRow("nothing at all") << QStringList{} << QStringList{};
        QTest::newRow("only the exact text counts")
            << QStringList{"prog", "-WAIT"} << QStringList{"-WAIT", "-wait"};
    }

    void restartArguments() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, expected);
        QCOMPARE(Qln::Application::restartArguments(arguments), expected);
    }
};

QTEST_APPLESS_MAIN(RestartArgumentsTest)
#include "restartarguments_test.moc"
