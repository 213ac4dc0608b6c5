#include "platform/shelllaunch.h"
#include "check.h"
#include "platform/reboot.h"

#ifdef _WIN32
static const char* const kPresentProgram = "cmd.exe";
static const char* const kPresentArguments = "/c exit 0";
#else
static const char* const kPresentProgram = "true";
static const char* const kPresentArguments = "--ignored words";
#endif

TEST_CASE("shell launch starts a present program") {
    CHECK(platform::shellLaunch(kPresentProgram, kPresentArguments));
}

TEST_CASE("shell launch reports a missing program") {
    CHECK(!platform::shellLaunch("quillon-no-such-program.exe", ""));
    CHECK(!platform::shellLaunch("", "/name Microsoft.System"));
}

#ifndef _WIN32
// Restarting the machine the tests run on would be the fault to catch.
TEST_CASE("reboot without a Windows computer reports success") {
    const platform::RebootResult result = platform::rebootComputer();
    CHECK(result.ok);
    CHECK_EQ(result.error, 0u);
}
#endif

CHECK_MAIN
