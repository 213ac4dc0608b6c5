#include "platform/shelllaunch.h"

// winutil.h brings windows.h, which shellapi.h needs first.
#include "winutil.h"

#include <shellapi.h>

namespace platform {

bool shellLaunch(const std::string& file, const std::string& parameters) {
    const std::wstring wideFile = win::toWide(file);
    const std::wstring wideParameters = win::toWide(parameters);
    const HINSTANCE result = ::ShellExecuteW(
        nullptr, L"open", wideFile.c_str(),
        wideParameters.empty() ? nullptr : wideParameters.c_str(), nullptr, SW_SHOW);
    // Values above 32 mean success.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace platform
