#include "platform/machinemodel.h"
#include "platform/wmi.h"

namespace platform {

bool wmiCollect(bool, WmiInventory& out, std::string& error, std::vector<std::string>&,
                std::uint32_t) {
    const std::string root = machine::machineRoot();
    if (root.empty()) {
        error = "no machine folder and no sample PC to make one from";
        return false;
    }
    machine::Model model;
    if (!machine::load(root, model, error)) {
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
