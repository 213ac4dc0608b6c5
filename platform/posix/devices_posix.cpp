#include <cstdio>
#include <map>

#include "formats/text.h"
#include "platform/devices.h"
#include "platform/machinemodel.h"

namespace platform {

namespace {

// Configuration-manager status bits of a started device, and of one with a problem.
constexpr std::uint32_t kStartedStatus = 0x0180200A;
constexpr std::uint32_t kProblemStatus = 0x01802400;

using formats::text::lower;

// infName (lower case) -> its path; the store is searched once per INF and walk.
using InfPaths = std::map<std::string, std::string>;

DeviceRecord describe(const std::string& root, const machine::Model& model,
                      const machine::Device& device, std::uint32_t index,
                      const machine::DriverStoreIndex& store, InfPaths& infPaths) {
    DeviceRecord record;
    record.devInst = index + 1;
    record.instanceId = device.instanceId;
    record.classGuid = lower(device.classGuid);
    if (const machine::SetupClass* setupClass = model.findClass(device.classGuid)) {
        record.lowerLogoVersion = lower(setupClass->lowerLogoVersion);
    }
    // An absent device has no node, so the status call fails for it.
    record.connected = device.present;
    if (device.present) {
        record.problem = device.problem;
        record.status = device.problem ? kProblemStatus : kStartedStatus;
    }
    record.className = device.className;
    record.name = device.name;
    record.description = device.description;
    record.manufacturer = device.manufacturer;
    record.hardwareIds = device.hardwareIds;
    record.compatibleIds = device.compatibleIds;
    if (!device.driver) {
        // Without a driver there is no rank, which reads as 0.
        record.matchingId = matchingIdFromRank(0, record.hardwareIds, record.compatibleIds);
        return record;
    }
    const machine::DriverRecord& driver = *device.driver;
    record.driverType = driver.driverType;
    record.rank = driver.rank;
    record.matchingId = matchingIdFromRank(driver.rank, record.hardwareIds, record.compatibleIds);
    record.provider = driver.provider;
    record.version = driver.version;
    record.driverDescription = driver.description;
    if (driver.date.size() == 10) {
        std::sscanf(driver.date.c_str(), "%4d-%2d-%2d", &record.year, &record.month, &record.day);
    }
    record.infName = driver.infName;
    const auto [cached, isNew] = infPaths.try_emplace(lower(driver.infName));
    if (isNew) {
        cached->second = store.find(driver.infName);
        if (cached->second.empty()) {
            cached->second = machine::findInf(root, driver.infName);
        }
    }
    record.infPath = cached->second;
    return record;
}

}  // namespace

bool enumerateDevices(const std::atomic<bool>& keepGoing,
                      const std::function<void(const DeviceRecord&)>& visit, std::string& error) {
    machine::Model model;
    std::string root;
    if (!machine::loadCurrent(model, root, error)) {
        return false;
    }
    const machine::DriverStoreIndex store(root);
    InfPaths infPaths;
    for (std::uint32_t index = 0; index < model.devices.size(); ++index) {
        if (!keepGoing.load()) {
            break;
        }
        visit(describe(root, model, model.devices[index], index, store, infPaths));
    }
    return true;
}

}  // namespace platform
