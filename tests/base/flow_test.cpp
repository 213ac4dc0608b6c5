#include <QSemaphore>
#include <QThreadPool>
#include <QtTest>
#include <atomic>
#include <functional>

#include "base/flowchain.h"
#include "base/task.h"

namespace {

// The record the test chains pass along; steps append their names to it.
class Trace : public QObject {
public:
    QStringList steps;
};

// A step whose behaviour each test writes as a function.
class Step : public Flow::Worker {
public:
    using Body = std::function<bool(Step&, Flow::Shared<QObject>&)>;

    Step(QString name, int weight, Body body = {})
        : Flow::Worker(weight), m_name(std::move(name)), m_body(std::move(body)) {}

    bool work(Flow::Shared<QObject>& data) override {
        if (auto trace = std::dynamic_pointer_cast<Trace>(data)) {
            trace->steps << m_name;
        }
        return m_body ? m_body(*this, data) : true;
    }

    void abort() override { released.release(); }

    void report(int value, const QString& message) { progress(value, message); }
    void say(const QString& message) { setMessage(message); }

    QSemaphore released;

private:
    QString m_name;
    Body m_body;
};

class TestTask : public Qln::Task {
public:
    std::atomic<int> chainFinishedCalls{0};

protected:
    void onChainFinished() override { ++chainFinishedCalls; }
};

// Counts its run's ends somewhere that outlives the task.
class CountingTask : public Qln::Task {
public:
    explicit CountingTask(std::shared_ptr<std::atomic<int>> ends) : m_ends(std::move(ends)) {}
    ~CountingTask() override { release(); }

protected:
    void onChainFinished() override { ++*m_ends; }

private:
    std::shared_ptr<std::atomic<int>> m_ends;
};

// Collects `finished` on the test's thread, as the views receive it.
class FinishedLog : public QObject {
public:
    explicit FinishedLog(Qln::Task& task) {
        connect(
            &task, &Qln::Task::finished, this, [this](bool aborted) { runs << aborted; },
            Qt::QueuedConnection);
    }
    QList<bool> runs;
};

}  // namespace

class FlowTest : public QObject {
    Q_OBJECT

private slots:
    void stepReturningFalseStopsTheChain() {
        TestTask task;
        task.chain().add(std::make_shared<Step>("first", 0));
        task.chain().add(std::make_shared<Step>(
            "second", 0, [](Step&, Flow::Shared<QObject>&) { return false; }));
        task.chain().add(std::make_shared<Step>("third", 0));
        FinishedLog finished(task);
        auto trace = std::make_shared<Trace>();
        task.start(trace);
        QTRY_COMPARE(finished.runs.size(), 1);
        QCOMPARE(finished.runs.first(), false);
        QCOMPARE(trace->steps, (QStringList{"first", "second"}));
        QCOMPARE(task.result(), Flow::Shared<QObject>(trace));
        QCOMPARE(task.chainFinishedCalls.load(), 1);
    }

    void replacedDataReachesLaterStepsAndTheResult() {
        Qln::Task task;
        auto replacement = std::make_shared<Trace>();
        task.chain().add(std::make_shared<Step>("swap", 0, [&](Step&, Flow::Shared<QObject>& data) {
            data = replacement;
            return true;
        }));
        task.chain().add(nullptr);
        task.chain().add(std::make_shared<Step>("after", 0));
        FinishedLog finished(task);
        task.start(std::make_shared<Trace>());
        QTRY_COMPARE(finished.runs.size(), 1);
        QCOMPARE(replacement->steps, QStringList{"after"});
        QCOMPARE(task.result(), Flow::Shared<QObject>(replacement));
    }

    void abortDuringTheFirstStepSkipsTheRest() {
        TestTask task;
        QSemaphore started;
        std::atomic<int> calls{0};
        task.chain().add(
            std::make_shared<Step>("first", 0, [&](Step& self, Flow::Shared<QObject>&) {
                // Only the first run waits to be aborted.
                if (calls++ == 0) {
                    started.release();
                    self.released.acquire();
                }
                return true;
            }));
        task.chain().add(std::make_shared<Step>("second", 0));
        task.chain().add(std::make_shared<Step>("third", 0));
        FinishedLog finished(task);
        auto trace = std::make_shared<Trace>();
        task.start(trace);
        QVERIFY(started.tryAcquire(1, 5000));
        task.abort();
        QTRY_COMPARE(finished.runs.size(), 1);
        QCOMPARE(finished.runs.first(), true);
        QCOMPARE(trace->steps, QStringList{"first"});

        // The next run starts clean: every step runs and the run is not reported aborted.
        task.wait();
        auto again = std::make_shared<Trace>();
        finished.runs.clear();
        task.start(again);
        QTRY_COMPARE(finished.runs.size(), 1);
        QCOMPARE(finished.runs.first(), false);
        QCOMPARE(again->steps, (QStringList{"first", "second", "third"}));
    }

    void abortBeforeTheFirstStepRunsNoStep() {
        auto inner = std::make_shared<Flow::FlowChain>();
        inner->add(std::make_shared<Step>("inner", 0));
        Flow::FlowChain chain;
        chain.add(std::make_shared<Step>("first", 0));
        chain.add(inner);
        auto trace = std::make_shared<Trace>();
        // As when an abort lands after the task's start check: the run must keep it.
        chain.abortAll();
        chain.run(trace);
        QCOMPARE(trace->steps, QStringList());

        chain.resetAll();
        chain.run(trace);
        QCOMPARE(trace->steps, (QStringList{"first", "inner"}));
    }

    void abortWhileWaitingForAThreadRunsNoStep() {
        // Every pool thread busy, so the run is still queued when the abort comes.
        QThreadPool* pool = QThreadPool::globalInstance();
        auto hold = std::make_shared<QSemaphore>();
        for (int i = 0; i < pool->maxThreadCount(); ++i) {
            pool->start([hold] { hold->acquire(); });
        }
        TestTask task;
        task.chain().add(std::make_shared<Step>("first", 0));
        FinishedLog finished(task);
        auto trace = std::make_shared<Trace>();
        task.start(trace);
        task.abort();
        hold->release(pool->maxThreadCount());
        QTRY_COMPARE(finished.runs.size(), 1);
        QVERIFY(pool->waitForDone(30000));
        QCOMPARE(finished.runs.first(), true);
        QCOMPARE(trace->steps, QStringList());
    }

    void destroyedRunningTaskIsLeftAlone() {
        auto ends = std::make_shared<std::atomic<int>>(0);
        auto trace = std::make_shared<Trace>();
        QSemaphore started;
        auto gate = std::make_shared<QSemaphore>();
        auto task = std::make_unique<CountingTask>(ends);
        // The step ignores the abort until the gate opens, and then reports progress.
        task->chain().add(std::make_shared<Step>("slow", 2, [&started, gate](Step& self, auto&) {
            started.release();
            gate->acquire();
            self.report(1, "late");
            return true;
        }));
        task->chain().add(std::make_shared<Step>("after", 0));
        int finishedCount = 0;
        connect(task.get(), &Qln::Task::finished, this, [&] { ++finishedCount; });
        task->start(trace);
        QVERIFY(started.tryAcquire(1, 5000));
        // Returns with the step still running: nothing of the task is needed by the run.
        task.reset();
        gate->release();
        QVERIFY(QThreadPool::globalInstance()->waitForDone(30000));
        QCoreApplication::processEvents();
        QCOMPARE(trace->steps, QStringList{"slow"});
        QCOMPARE(ends->load(), 0);
        QCOMPARE(finishedCount, 0);
    }

    void weightedProgressIsAFractionOfTheWholeRun() {
        Qln::Task task;
        task.chain().add(std::make_shared<Step>("three", 3, [](Step& self, Flow::Shared<QObject>&) {
            self.report(1, "one");
            self.report(2, "two");
            self.report(4, "too far");  // more than the weight: never reported
            self.say("three done");
            return true;
        }));
        task.chain().add(std::make_shared<Step>("one", 1));
        QList<float> seen;
        QStringList messages;
        connect(task.state(), &Qln::TaskState::progressChanged, this,
                [&] { seen << task.state()->progress(); });
        connect(task.state(), &Qln::TaskState::messageChanged, this,
                [&] { messages << task.state()->message(); });
        FinishedLog finished(task);
        task.start();
        QTRY_COMPARE(finished.runs.size(), 1);
        QTRY_COMPARE(seen, (QList<float>{0.25f, 0.5f, 0.75f, 1.0f}));
        QCOMPARE(messages, (QStringList{"one", "two", "three done", QString()}));
    }

    void chainOfWeightZeroShowsOnlyMessages() {
        Qln::Task task;
        task.chain().add(std::make_shared<Step>("quiet", 0, [](Step& self, Flow::Shared<QObject>&) {
            self.say("working");
            return true;
        }));
        QSignalSpy progress(task.state(), &Qln::TaskState::progressChanged);
        FinishedLog finished(task);
        task.start();
        QTRY_COMPARE(finished.runs.size(), 1);
        QTRY_COMPARE(task.state()->message(), QStringLiteral("working"));
        QCOMPARE(progress.count(), 0);
        QCOMPARE(task.state()->progress(), 0.0f);
    }

    void progressChangesBelowTheThresholdAreIgnored_data() {
        QTest::addColumn<float>("from");
        QTest::addColumn<float>("to");
        QTest::addColumn<int>("expectedSignals");
        QTest::newRow("0.5 to 0.500001") << 0.5f << 0.500001f << 0;
        QTest::newRow("0.5 to 0.51") << 0.5f << 0.51f << 1;
        QTest::newRow("0 to 1e-6") << 0.0f << 1e-6f << 0;
        QTest::newRow("1 to 0") << 1.0f << 0.0f << 1;
        QTest::newRow("NaN leaves it") << 0.5f << std::numeric_limits<float>::quiet_NaN() << 0;
    }

    void progressChangesBelowTheThresholdAreIgnored() {
        QFETCH(float, from);
        QFETCH(float, to);
        QFETCH(int, expectedSignals);
        Qln::TaskState state;
        state.OnUpdate(from, QString());
        QSignalSpy changed(&state, &Qln::TaskState::progressChanged);
        QSignalSpy message(&state, &Qln::TaskState::messageChanged);
        state.OnUpdate(to, QString());
        QCOMPARE(changed.count(), expectedSignals);
        QCOMPARE(message.count(), 0);
    }

    void startWhileRunningIsIgnoredAndFinishedComesOncePerRun() {
        TestTask task;
        std::atomic<int> runs{0};
        QSemaphore gate;
        task.chain().add(std::make_shared<Step>("gated", 0, [&](Step&, Flow::Shared<QObject>&) {
            ++runs;
            gate.acquire();
            return true;
        }));
        FinishedLog finished(task);
        task.start();
        task.start();
        QVERIFY(task.isRunning());
        gate.release();
        QTRY_COMPARE(finished.runs.size(), 1);
        task.wait();
        QCOMPARE(runs.load(), 1);

        // Started again from the finished handler: the second run must not be lost.
        int restarts = 0;
        connect(&task, &Qln::Task::finished, this, [&] {
            if (restarts++ == 0) {
                gate.release();
                task.start();
            }
        });
        finished.runs.clear();
        gate.release();
        task.start();
        QTRY_COMPARE(finished.runs.size(), 2);
        task.wait();
        QCOMPARE(runs.load(), 3);
        QCOMPARE(task.chainFinishedCalls.load(), 3);
        QVERIFY(!task.isRunning());
        // A third run would have posted its end by now.
        QCoreApplication::sendPostedEvents();
        QCOMPARE(finished.runs.size(), 2);
    }

    void abortAndWaitWhenIdleDoNothing() {
        Qln::Task task;
        FinishedLog finished(task);
        task.abort();
        task.wait();
        QVERIFY(!task.isRunning());
        QCOMPARE(finished.runs.size(), 0);
    }

    void nestedChainRunsAsOneStep() {
        auto inner = std::make_shared<Flow::FlowChain>();
        inner->add(std::make_shared<Step>("inner-a", 0));
        inner->add(std::make_shared<Step>("inner-b", 0));
        Flow::FlowChain outer;
        outer.add(std::make_shared<Step>("before", 0));
        outer.add(inner);
        outer.add(std::make_shared<Step>("after", 0));
        auto trace = std::make_shared<Trace>();
        outer.run(trace);
        QCOMPARE(trace->steps, (QStringList{"before", "inner-a", "inner-b", "after"}));
        QCOMPARE(outer.totalWeight(), 0);
    }

    void chainReportComputesFractions() {
        Flow::FlowChain::ChainReport report;
        QList<float> fractions;
        report.callback = [&](float fraction, const QString&) { fractions << fraction; };
        report.total = 4;
        report.progress(1, QString());
        report.complete(3, QString());
        report.complete(1, QString());
        QCOMPARE(fractions, (QList<float>{0.25f, 0.75f, 1.0f}));
        QCOMPARE(report.done, 4);
    }
};

QTEST_GUILESS_MAIN(FlowTest)
#include "flow_test.moc"
