#include <QtTest>

#include "base/argumentmap.h"

using Qln::ArgumentMap;

class ArgumentMapTest : public QObject {
    Q_OBJECT

private slots:
    void parse_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<ArgumentMap>("expected");

        QTest::newRow("option with a separate value, then a bare option")
            << QStringList{"prog.exe", "-tab", "autorun", "-log"}
            << ArgumentMap{{"0", "prog.exe"}, {"tab", "autorun"}, {"log", ""}};
        QTest::newRow("a pending key is flushed by the next option")
            << QStringList{"prog.exe", "-a", "-b"}
            << ArgumentMap{{"0", "prog.exe"}, {"a", ""}, {"b", ""}};
        QTest::newRow("plain elements keep their index")
            << QStringList{"prog.exe", "x", "-a=1", "y"}
            << ArgumentMap{{"0", "prog.exe"}, {"1", "x"}, {"a", "1"}, {"3", "y"}};
        QTest::newRow("double dash with equals")
            << QStringList{"--mode=fast"} << ArgumentMap{{"mode", "fast"}};
        QTest::newRow("slash prefix takes the next element")
            << QStringList{"p", "/tab", "autorun"} << ArgumentMap{{"0", "p"}, {"tab", "autorun"}};
        QTest::newRow("equals as the last character gives a pending key")
            << QStringList{"p", "-host=", "http://x"}
            << ArgumentMap{{"0", "p"}, {"host", "http://x"}};
        QTest::newRow("value keeps later equals signs")
            << QStringList{"-q=a=b"} << ArgumentMap{{"q", "a=b"}};
        QTest::newRow("a lone dash is an empty value for a pending key")
            << QStringList{"p", "-tab", "-", "x"}
            << ArgumentMap{{"0", "p"}, {"tab", ""}, {"3", "x"}};
        QTest::newRow("a lone dash without a pending key is ignored")
            << QStringList{"p", "-", "x"} << ArgumentMap{{"0", "p"}, {"2", "x"}};
        QTest::newRow("a later occurrence replaces an earlier one")
            << QStringList{"-tab=a", "-tab=b"} << ArgumentMap{{"tab", "b"}};
        QTest::newRow("keys are case-sensitive")
            << QStringList{"-Log", "-log"} << ArgumentMap{{"Log", ""}, {"log", ""}};
        QTest::newRow("-wait alone") << QStringList{"-wait"} << ArgumentMap{{"wait", ""}};
        QTest::newRow("an empty element is a plain element")
            << QStringList{"p", ""} << ArgumentMap{{"0", "p"}, {"1", ""}};
    }

    void parse() {
        QFETCH(QStringList, arguments);
        QFETCH(ArgumentMap, expected);
        QCOMPARE(Qln::parseArguments(arguments), expected);
    }
};

QTEST_APPLESS_MAIN(ArgumentMapTest)
#include "argumentmap_test.moc"
