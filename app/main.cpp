#include "core/application.h"
#include "devtools/screenshottour.h"
#include "platform/comapartment.h"
#include "platform/singleinstancemutex.h"

int main(int argc, char** argv) {
    auto application = std::make_unique<Qln::Application>(argc, argv);
    platform::SingleInstanceMutex mutex(Qln::Application::kMutexName);
    if (!Qln::Application::claimInstance(mutex, application->arguments())) {
        return 0;
    }
    application->setStartObserverFactory(&Qln::ScreenshotTour::startFromEnvironment);
    int exitCode = 0;
    {
        platform::ComApartment com;
        application->start();
        exitCode = application->exec();
        application->stop();
        // Everything is written out and torn down before a waiting copy may start.
        application.reset();
    }
    mutex.release();
    return exitCode;
}
