#include "platform/machinemodel.h"
#include "platform/wmi.h"

namespace platform {

bool wmiCollect(bool, WmiInventory& out, std::string& error, std::vector<std::string>&,
                std::uint32_t) {
    machine::Model model;
    std::string root;
    if (!machine::loadCurrent(model, root, error)) {
        return false;
    }
    out.clear();
    for (const char* className : kWmiClasses) {
        const auto found = model.wmi.find(className);
        if (found != model.wmi.end()) {
            out[className] = std::move(found->second);
        }
    }
    return true;
}

}  // namespace platform
