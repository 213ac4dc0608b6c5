#include <QCoreApplication>
#include <QMetaObject>
#include <QThreadPool>
#include <cstdio>
#include <cstdlib>
#include <mutex>

#include "base/logging.h"
#include "cli/commandline.h"
#include "cli/output.h"
#include "cli/program.h"
#include "core/application.h"
#include "platform/console.h"
#include "platform/singleinstancemutex.h"

using namespace Qln::Cli;

int main(int argc, char** argv) {
    // The same name as the windows': the same data folder, settings, records and log.
    QCoreApplication::setApplicationName(QStringLiteral("Quillon") + QStringLiteral("Pro"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(Qln::Application::kVersion));
    QCoreApplication application(argc, argv);

    const CommandLine line = CommandLine::parse(QCoreApplication::arguments());
    Output output(line.json);
    if (line.help) {
        std::fputs(CommandLine::usage().toUtf8().constData(), stdout);
        return Done;
    }
    if (!line.error.isEmpty()) {
        output.error(QStringLiteral("quillon: %1\n\n%2").arg(line.error, CommandLine::usage()));
        output.setError(UsageError, line.error);
        output.finish();
        return UsageError;
    }
    // One copy of the two programs at a time: they write the same recovery records.
    platform::SingleInstanceMutex mutex(Qln::Application::kMutexName);
    if (mutex.alreadyExisted()) {
        const QString message = QStringLiteral(
            "QuillonPro or another quillon is running; try again once it has ended.");
        output.error(QStringLiteral("quillon: ") + message);
        output.setError(AnotherCopy, message);
        output.finish();
        return AnotherCopy;
    }
    Qln::Logging::init(Qln::Logging::defaultPath(),
                       line.programOptions.contains(QStringLiteral("log")));
    // The interrupt handler's thread reaches the program only while it exists.
    static std::mutex programMutex;
    static Program* running = nullptr;
    platform::setInterruptHandler([] {
        std::lock_guard<std::mutex> lock(programMutex);
        if (!running) {
            return;
        }
        if (running->isAsking()) {
            // Nothing has changed yet, and the question blocks the thread that would stop.
            std::fputs("\n", stdout);
            std::fflush(stdout);
            std::_Exit(Interrupted);
        }
        QMetaObject::invokeMethod(running, &Program::interrupt, Qt::QueuedConnection);
    });
    int code = Done;
    {
        Program program(line, output);
        {
            std::lock_guard<std::mutex> lock(programMutex);
            running = &program;
        }
        code = program.run();
        output.finish();
        std::lock_guard<std::mutex> lock(programMutex);
        running = nullptr;
    }
    // An installation that an interruption let run to its end is done before another copy may
    // start; the log stays open for it.
    QThreadPool::globalInstance()->waitForDone();
    mutex.release();
    return code;
}
