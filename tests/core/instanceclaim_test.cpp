#include <QtTest>
#include <thread>

#include "core/application.h"
#include "platform/activewindow.h"
#include "platform/singleinstancemutex.h"
#include "testenvironment.h"

using platform::SingleInstanceMutex;

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void firstCopyRuns() {
        SingleInstanceMutex mutex("QLN-TEST-first");
        QVERIFY(Qln::Application::claimInstance(mutex, {}));
    }

    void secondCopyActivatesTheFirstAndLeaves() {
        SingleInstanceMutex first("QLN-TEST-second");
        platform::ActivationListener listener;
        std::atomic<quint32> activated{0};
        QVERIFY(listener.start([&](std::uint32_t handle) { activated = handle; }));
        platform::setActiveWindowHandle(42);

        SingleInstanceMutex second("QLN-TEST-second");
        QVERIFY(!Qln::Application::claimInstance(second, {{"0", "prog"}}));
        QTRY_COMPARE(activated.load(), 42u);
        platform::setActiveWindowHandle(0);
    }

    void secondCopyWithoutAPublishedWindowJustLeaves() {
        SingleInstanceMutex first("QLN-TEST-nowindow");
        platform::setActiveWindowHandle(0);
        SingleInstanceMutex second("QLN-TEST-nowindow");
        QVERIFY(!Qln::Application::claimInstance(second, {}));
    }

    void restartedCopyWaitsForTheFirstToEnd() {
        auto first = std::make_unique<SingleInstanceMutex>("QLN-TEST-wait");
        SingleInstanceMutex second("QLN-TEST-wait");
        std::thread ending([&] {
            QThread::msleep(100);
            first.reset();
        });
        QVERIFY(Qln::Application::claimInstance(second, {{"wait", ""}}, 10000));
        ending.join();
        QVERIFY(second.isOwned());
    }

    void restartedCopyGivesUpAfterTheWait() {
        SingleInstanceMutex first("QLN-TEST-timeout");
        SingleInstanceMutex second("QLN-TEST-timeout");
        QVERIFY(!Qln::Application::claimInstance(second, {{"wait", ""}}, 100));
        QVERIFY(first.isOwned());
    }
};

QLN_TEST_MAIN(SingleInstanceTest)
#include "instanceclaim_test.moc"
