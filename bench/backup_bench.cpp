// A backup of a generated machine with many drivers: created, read and checked, and every driver
// unpacked as a restore does, each step a child process timed as the peer tools are: the same
// driver folders packed by Info-ZIP (zip -6 -r) and the backup extracted by unzip, in the same
// run; then one cloud upload of the same drivers to the real service on loopback. Prints each
// step and, last:
//   backup: create C MB/s (R x zip -6), check K s, unpack U MB/s (V x unzip), upload P MB/s;
//   peak RSS M MiB
//
//   backup_bench [drivers [MiB [folder]]]   the comparison (default: 300 drivers, 300 MiB), in
//                                           a folder of its own made inside FOLDER (or TMPDIR)
//   backup_bench create MACHINE ARCHIVE DRIVERS  one backup of the machine
//   backup_bench check MACHINE ARCHIVE DRIVERS   one read and check against the machine
//   backup_bench unpack ARCHIVE FOLDER           every driver unpacked into FOLDER/<id>
//   backup_bench upload MACHINE URL FOLDER       one cloud upload run, its files in FOLDER
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLoggingCategory>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "backup/backupchecker.h"
#include "backup/backupcheckstate.h"
#include "backup/backupcreator.h"
#include "backup/backupmodel.h"
#include "backup/backupreader.h"
#include "backup/driverfilesstore.h"
#include "backup/uploadtask.h"
#include "benchchild.h"
#include "core/filerepository.h"
#include "formats/zip.h"
#include "hardware/devicescanner.h"
#include "hardware/scandata.h"
#include "net/manager.h"
#include "platform/machinemodel.h"
#include "serviceclientsetup.h"
#include "servicerunner.h"

namespace fs = std::filesystem;
using benchchild::kMiB;

namespace {

// The drivers' packages in the machine's driver store, one device each: per package an INF,
// a catalogue and compiled code (incompressible) and a text file, two thirds of a package
// incompressible as with real ones; about `bytes` in all. Returns the bytes written.
std::uint64_t generateMachine(const fs::path& root, int drivers, std::uint64_t bytes) {
    namespace machine = platform::machine;
    machine::Model model;
    model.os.major = 10;
    model.os.build = 19045;
    model.classes.push_back({"{4d36e972-e325-11ce-bfc1-08002be10318}", "Net", "6.1"});
    const fs::path store = machine::driverStoreFolder(root.string());
    fs::create_directories(machine::infFolder(root.string()));
    std::mt19937_64 random(2025);
    const std::uint64_t share = bytes / static_cast<std::uint64_t>(drivers);
    std::uint64_t total = 0;
    for (int index = 0; index < drivers; ++index) {
        const std::string name = "bkbench" + std::to_string(index);
        const std::string version = "1.0.0." + std::to_string(index);
        const fs::path folder = store / (name + ".inf_amd64_" + std::to_string(1000000 + index));
        fs::create_directories(folder);
        // Between half and one and a half times the share, a third of it text.
        const std::uint64_t size = share / 2 + random() % (share + 1);
        const std::uint64_t text = size / 3;
        const std::string head =
            "[Version]\r\nSignature=\"$WINDOWS NT$\"\r\nClass=Net\r\n"
            "Provider=Bench\r\nDriverVer=01/02/2020," +
            version + "\r\n";
        const auto add = [&](const std::string& file, std::uint64_t fileSize, bool isText,
                             const std::string& start = {}) {
            benchchild::writeFile(folder / file, random, fileSize, isText, start);
            total += std::max<std::uint64_t>(fileSize, start.size());
        };
        add(name + ".inf", std::max<std::uint64_t>(text / 4, 4096), true, head);
        add(name + ".cat", 8192 + random() % 8192, false);
        add(name + ".sys", (size - text) * 2 / 3, false);
        add(name + "64.dll", (size - text) / 3, false);
        add("readme.txt", text * 3 / 4, true);

        machine::Device device;
        char id[64];
        std::snprintf(id, sizeof id, "PCI\\VEN_1AF4&DEV_%04X", 0x1000 + index);
        device.instanceId = std::string(id) + "\\3&11583659&0&" + std::to_string(index);
        device.classGuid = model.classes[0].guid;
        device.className = "Net";
        device.name = "Bench adapter " + std::to_string(index);
        device.hardwareIds = {std::string(id) + "&SUBSYS_00000000&REV_01", id};
        device.present = true;
        machine::DriverRecord driver;
        driver.infName = name + ".inf";
        driver.rank = 0x00FF0001;
        driver.driverType = 2;
        driver.provider = "Bench";
        driver.version = version;
        driver.date = "2020-01-02";
        device.driver = driver;
        model.devices.push_back(device);
    }
    std::string error;
    if (!machine::save(root.string(), model, error)) {
        std::fprintf(stderr, "machine not saved: %s\n", error.c_str());
        return 0;
    }
    return total;
}

int createOnce(const QString& archive, int drivers) {
    Flow::Shared<QObject> data;
    Qln::DeviceScanner scanner(true);
    const auto model = std::make_shared<Qln::Backup::BackupModel>();
    Qln::Backup::Creator creator(model);
    creator.setPath(archive);
    if (!scanner.work(data) || !creator.work(data)) {
        return 1;
    }
    const int saved = model->drivers().size();
    if (saved != drivers) {
        std::fprintf(stderr, "create: %d drivers saved, %d expected\n", saved, drivers);
        return 1;
    }
    return 0;
}

int checkOnce(const QString& archive, int drivers) {
    const auto state = std::make_shared<Qln::Backup::CheckState>();
    state->setPath(archive);
    Qln::BackupArchModel found;
    QObject::connect(state.get(), &Qln::Backup::CheckState::SetModel,
                     [&found](const Flow::Shared<Qln::Backup::BackupModel>&,
                              const Qln::BackupArchModel& arch) { found = arch; });
    Flow::Shared<QObject> data;
    Qln::Backup::Reader reader(state);
    Qln::DeviceScanner scanner(true);
    Qln::Backup::Checker checker(state);
    if (!reader.work(data) || !scanner.work(data) || !checker.work(data)) {
        return 1;
    }
    if (found.unchanged.size() != drivers || !found.restorable.isEmpty() ||
        !found.missing.isEmpty() || !found.newHardware.isEmpty()) {
        std::fprintf(stderr, "check: %d unchanged of %d, %d restorable, %d missing, %d new\n",
                     int(found.unchanged.size()), drivers, int(found.restorable.size()),
                     int(found.missing.size()), int(found.newHardware.size()));
        return 1;
    }
    return 0;
}

int unpackOnce(const QString& archive, const QString& folder) {
    const auto state = std::make_shared<Qln::Backup::CheckState>();
    state->setPath(archive);
    Flow::Shared<QObject> data;
    if (!Qln::Backup::Reader(state).work(data)) {
        return 1;
    }
    for (const Qln::Backup::BackupDriver& driver : state->model()->drivers()) {
        formats::ZipExtractOptions options;
        options.prefix = (driver.id + QLatin1Char('/')).toStdString();
        const QString target = QDir(folder).filePath(driver.id);
        std::string error;
        if (!formats::extractZip(archive.toStdString(), target.toStdString(), options, error) ||
            !QFileInfo::exists(QDir(target).filePath(driver.inf))) {
            std::fprintf(stderr, "unpack %s: %s\n", qPrintable(driver.id), error.c_str());
            return 1;
        }
    }
    return 0;
}

// The service's settings, then the upload task as the drivers module runs it after a scan;
// every driver must end marked as held by the service.
int uploadOnce(const QString& url, const QString& folder) {
    Net::Manager::instance()->configure(QString(), 10000, true);
    Qln::ServiceClient client(url, testPcAuth("{6c5b3f1e-0000-4000-8000-000000000045}"));
    auto settings = std::make_shared<Qln::SettingsData>();
    const int status = takeServiceEndpoints(client, settings);
    if (status != 200) {
        std::fprintf(stderr, "upload: settings answered %d\n", status);
        return 1;
    }

    Flow::Shared<QObject> data;
    Qln::DeviceScanner scanner(true);
    if (!scanner.work(data)) {
        return 1;
    }
    const QString records = QDir(folder).filePath(QStringLiteral("backup.dat"));
    Qln::UploadTask task(client, {settings->userDrivers.maxSize, true},
                         std::make_unique<Utils::FileRepository>(records),
                         QDir(folder).filePath(QStringLiteral("Cache")));
    QEventLoop loop;
    bool aborted = true;
    QObject::connect(
        &task, &Qln::Task::finished, &loop,
        [&](bool wasAborted) {
            aborted = wasAborted;
            loop.quit();
        },
        Qt::QueuedConnection);
    task.start(data);
    loop.exec();
    task.wait();
    if (aborted) {
        return 1;
    }
    Qln::DriverFilesStore store(std::make_unique<Utils::FileRepository>(records));
    const auto scan = std::dynamic_pointer_cast<Qln::ScanData>(data);
    int missing = 0;
    for (const auto& driver : scan->inventory.drivers) {
        missing += store.value(driver->infPath).uploaded ? 0 : 1;
    }
    if (missing > 0) {
        std::fprintf(stderr, "upload: %d drivers not taken by the service\n", missing);
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // The children's lines keep their place among the parent's.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false"));
    const std::string mode = argc > 1 ? argv[1] : "";
    if (argc == 5 && (mode == "create" || mode == "check")) {
        qputenv("QUILLON_MACHINE", argv[2]);
        QCoreApplication application(argc, argv);
        return mode == "create" ? createOnce(QString::fromLocal8Bit(argv[3]), std::atoi(argv[4]))
                                : checkOnce(QString::fromLocal8Bit(argv[3]), std::atoi(argv[4]));
    }
    if (argc == 5 && mode == "upload") {
        qputenv("QUILLON_MACHINE", argv[2]);
        QCoreApplication application(argc, argv);
        return uploadOnce(QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]));
    }
    if (argc == 4 && mode == "unpack") {
        QCoreApplication application(argc, argv);
        return unpackOnce(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    const int drivers = argc > 1 ? std::atoi(argv[1]) : 300;
    const std::uint64_t mib = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 300;
    if (drivers < 1 || mib < 1) {
        std::fprintf(stderr, "usage: backup_bench [drivers [MiB [folder]]]\n");
        return 2;
    }
    // A folder of its own inside the one named: it is removed whole at the end.
    const fs::path work = (argc > 3 ? fs::path(argv[3]) : fs::temp_directory_path()) /
                          ("backup-bench-" + std::to_string(getpid()));
    fs::remove_all(work);
    const fs::path machine = work / "machine";
    const std::uint64_t bytes = generateMachine(machine, drivers, mib * kMiB);
    if (bytes == 0) {
        return 1;
    }
    const std::string store = platform::machine::driverStoreFolder(machine.string());
    std::printf("machine: %d drivers, %.1f MiB of driver files\n", drivers, bytes / double(kMiB));

    const std::string self = fs::canonical("/proc/self/exe").string();
    const std::string count = std::to_string(drivers);
    const std::string ours = (work / "drivers.qlb").string();
    const std::string infozip = (work / "infozip.zip").string();
    const std::string out = (work / "out").string();
    const auto removing = [](const std::string& path) { return [path] { fs::remove_all(path); }; };
    const auto nothing = [] {};

    std::printf("create (MB/s of driver files)\n");
    const benchchild::Best create = benchchild::bestOf(
        2, "  backup", {self, "create", machine.string(), ours, count}, removing(ours), bytes);
    const benchchild::Best zip = benchchild::bestOf(
        2, "  zip -6 -r -q", {"sh", "-c", "cd \"$0\" && zip -6 -r -q \"$1\" .", store, infozip},
        removing(infozip), bytes);
    std::printf("read and check (s)\n");
    const benchchild::Best check = benchchild::bestOf(
        2, "  backup", {self, "check", machine.string(), ours, count}, nothing, 0);
    std::printf("unpack (MB/s of driver files)\n");
    const benchchild::Best unpack =
        benchchild::bestOf(2, "  backup", {self, "unpack", ours, out}, removing(out), bytes);
    const bool complete = benchchild::treeBytes(out) == bytes;
    const benchchild::Best unzip =
        benchchild::bestOf(2, "  unzip -q", {"unzip", "-q", ours, "-d", out}, removing(out), bytes);
    std::printf("archive sizes: backup %.1f MiB, zip %.1f MiB\n",
                fs::file_size(ours) / double(kMiB), fs::file_size(infozip) / double(kMiB));

    // One run only: a second would find everything held and send nothing.
    std::printf("cloud upload (MB/s of driver files)\n");
    setenv("QLN_SERVICE", QLN_SERVICE_DEFAULT, 0);
    ServiceRunner service;
    const std::string serviceData = (work / "service").string();
    fs::create_directories(serviceData);
    benchchild::Best upload;
    upload.ok = service.start(serviceData, {}, serviceData + "/service.log");
    if (upload.ok) {
        upload = benchchild::bestOf(
            1, "  upload",
            {self, "upload", machine.string(), service.url(), (work / "upload").string()},
            [&] { fs::create_directories(work / "upload"); }, bytes);
        service.stop();
    } else {
        std::printf("  the service did not start: %s\n", service.error().c_str());
    }
    fs::remove_all(work);

    const bool ok =
        create.ok && zip.ok && check.ok && unpack.ok && unzip.ok && complete && upload.ok;
    if (!ok) {
        std::printf("a run failed or the unpacked drivers were incomplete\n");
    }
    const long peak = std::max({create.peakKiB, check.peakKiB, unpack.peakKiB, upload.peakKiB});
    std::printf(
        "backup: create %.1f MB/s (%.2f x zip -6), check %.2f s, unpack %.1f MB/s (%.2f x unzip), "
        "upload %.1f MB/s; peak RSS %ld MiB\n",
        bytes / create.seconds / 1e6, zip.seconds / create.seconds, check.seconds,
        bytes / unpack.seconds / 1e6, unzip.seconds / unpack.seconds, bytes / upload.seconds / 1e6,
        (peak + 1023) / 1024);
    return ok ? 0 : 1;
}
