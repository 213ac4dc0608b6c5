// Full scan (enumerate + group) of the sample PC and of a generated
// 5,000-device machine: prints devices per second and how far each scan raises peak memory.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "hardware/devicecollector.h"
#include "hardware/deviceenumerator.h"
#include "platform/machinemodel.h"

namespace fs = std::filesystem;
using namespace platform::machine;

namespace {

// A field of /proc/self/status in KiB ("VmHWM:", "VmRSS:"); 0 when missing.
long statusKiB(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.compare(0, field.size(), field) == 0) {
            return std::strtol(line.c_str() + field.size(), nullptr, 10);
        }
    }
    return 0;
}

// The rise of the peak resident size over a scan. ru_maxrss would carry the size of the process
// that started this one over exec; VmHWM does not, and clear_refs sets it back to the current
// size, so each scan is measured alone.
class PeakRise {
public:
    PeakRise() {
        std::ofstream("/proc/self/clear_refs") << "5";
        start_ = statusKiB("VmHWM:");
    }
    long kib() const { return statusKiB("VmHWM:") - start_; }

private:
    long start_ = 0;
};

bool generate(const std::string& root, int devices, int packages) {
    Model model;
    model.os.major = 10;
    model.os.build = 19045;
    model.classes.push_back({"{4d36e972-e325-11ce-bfc1-08002be10318}", "Net", "6.1"});
    const fs::path store = driverStoreFolder(root);
    const fs::path inf = infFolder(root);
    fs::create_directories(store);
    fs::create_directories(inf);
    for (int p = 0; p < packages; ++p) {
        const std::string name = "bench" + std::to_string(p) + ".inf";
        const fs::path folder = store / (name + "_amd64_" + std::to_string(1000000 + p));
        fs::create_directories(folder);
        std::ofstream(folder / name) << "[Version]\nDriverVer=01/02/2020,1.0.0." << p << "\n";
        std::ofstream(inf / ("oem" + std::to_string(p) + ".inf"))
            << "[Version]\nDriverVer=01/02/2020,1.0.0." << p << "\n";
    }
    for (int d = 0; d < devices; ++d) {
        Device device;
        const std::string id = "PCI\\VEN_8086&DEV_" + std::to_string(1000 + d % 1500);
        device.instanceId = id + "\\3&11583659&0&" + std::to_string(d);
        device.classGuid = model.classes[0].guid;
        device.className = "Net";
        device.name = "Bench device " + std::to_string(d);
        device.hardwareIds = {id + "&SUBSYS_00000000&REV_01", id};
        device.compatibleIds = {"PCI\\CC_020000", "PCI\\CC_0200"};
        device.present = d % 20 != 0;
        DriverRecord driver;
        driver.infName = "bench" + std::to_string(d % packages) + ".inf";
        driver.rank = 0x00FF0001;
        driver.driverType = 2;
        driver.provider = "Bench";
        driver.version = "1.0.0." + std::to_string(d % packages);
        driver.date = "2020-01-02";
        device.driver = driver;
        model.devices.push_back(device);
    }
    std::string error;
    if (!save(root, model, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    return true;
}

bool scan(const char* label, const QByteArray& machine, int rounds) {
    qputenv("QUILLON_MACHINE", machine);
    const PeakRise peak;
    Hrdw::Impl::DeviceEnumerator enumerator;
    QElapsedTimer timer;
    timer.start();
    int devices = 0;
    int hardware = 0;
    int drivers = 0;
    for (int round = 0; round < rounds; ++round) {
        Hrdw::Inventory inventory;
        if (!Hrdw::Impl::DeviceCollector(enumerator).collect(inventory, true)) {
            std::fprintf(stderr, "%s: scan failed: %s\n", label,
                         qPrintable(enumerator.lastError()));
            return false;
        }
        devices = inventory.deviceCount();
        hardware = inventory.hardware.size();
        drivers = inventory.drivers.size();
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    std::printf(
        "%-22s %6d devices kept, %5d hardware, %4d drivers: %9.0f devices/s, "
        "%.2f ms per scan, peak memory rise %ld KiB\n",
        label, devices, hardware, drivers, devices * rounds / seconds, seconds * 1000 / rounds,
        peak.kib());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const std::string sample = sampleMachineRoot();
    if (sample.empty()) {
        std::fprintf(stderr, "no sample PC found\n");
        return 1;
    }
    if (!scan("sample PC", QByteArray::fromStdString(sample), 50)) {
        return 1;
    }
    QTemporaryDir dir;
    if (!dir.isValid() || !generate(dir.path().toStdString(), 5000, 400)) {
        return 1;
    }
    return scan("generated 5,000", dir.path().toLocal8Bit(), 5) ? 0 : 1;
}
