#include "backup/backupchecker.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>

#include "backup/backupcheckstate.h"
#include "backup/backupmodel.h"
#include "hardware/scandata.h"

namespace Qln::Backup {

namespace {

// The installed INF's name as the backup records it: a published oemN.inf by its own name.
QString installedInfName(const Hrdw::Driver& driver) {
    return driver.infName.startsWith(QLatin1String("oem")) ? QFileInfo(driver.infPath).fileName()
                                                           : driver.infName;
}

}  // namespace

Checker::Checker(Flow::Shared<CheckState> state) : Flow::Worker(10), m_state(std::move(state)) {}

BackupArchModel Checker::compare(const BackupModel& model, const Hrdw::Inventory& inventory,
                                 const std::atomic<bool>* stop) {
    BackupArchModel arch;
    const QList<BackupDriver> drivers = model.drivers();
    // The candidates of each hardware id, in backup order; taken from the front as matched.
    QHash<QString, QList<BackupArchModel::Item>> candidates;
    QHash<QString, QList<BackupArchModel::Item>> byDevice;
    QList<BackupArchModel::Item> order;
    for (int d = 0; d < drivers.size(); ++d) {
        for (int h = 0; h < drivers.at(d).hardware.size(); ++h) {
            candidates[drivers.at(d).hardware.at(h).id].append({d, h});
            for (const QString& device : drivers.at(d).hardware.at(h).devices) {
                byDevice[device].append({d, h});
            }
            order.append({d, h});
        }
    }
    QSet<BackupArchModel::Item> matched;
    // A driver installed since the backup may match the device through another of its ids:
    // the same device instance still finds its saved hardware.
    const auto sameDevice = [&](const Hrdw::Hardware& hardware, BackupArchModel::Item& item) {
        for (const Hrdw::Device& device : hardware.devices) {
            for (const BackupArchModel::Item& candidate : byDevice.value(device.instanceId)) {
                if (!matched.contains(candidate)) {
                    item = candidate;
                    return true;
                }
            }
        }
        return false;
    };
    for (const Flow::Shared<Hrdw::Hardware>& hardware : inventory.hardware) {
        if (stop != nullptr && stop->load()) {
            break;
        }
        const bool installed = hardware->driver && !hardware->driver->infName.isEmpty();
        auto found = candidates.find(hardware->id);
        while (found != candidates.end() && !found->isEmpty() && matched.contains(found->first())) {
            found->removeFirst();
        }
        BackupArchModel::Item item;
        if (found != candidates.end() && !found->isEmpty()) {
            item = found->takeFirst();
        } else if (!sameDevice(*hardware, item)) {
            DriverDescription::Fields fields;
            fields.name = hardware->name;
            fields.category = hardware->className;
            if (installed) {
                fields.provider = hardware->driver->provider;
                fields.version = hardware->driver->version;
                fields.date = hardware->driver->date;
            }
            arch.newHardware.append(fields);
            continue;
        }
        matched.insert(item);
        const BackupDriver& saved = drivers.at(item.first);
        // Hardware without a driver now can only gain from the saved one.
        const bool same =
            installed && installedInfName(*hardware->driver) == saved.inf &&
            hardware->driver->version == saved.version &&
            hardware->driver->date.toString(QStringLiteral("yyyy-MM-dd")) == saved.date;
        (same ? arch.unchanged : arch.restorable).append(item);
    }
    for (const BackupArchModel::Item& item : order) {
        if (!matched.contains(item)) {
            arch.missing.append(item);
        }
    }
    return arch;
}

bool Checker::work(Flow::Shared<QObject>& data) {
    const auto scan = std::dynamic_pointer_cast<ScanData>(data);
    const Flow::Shared<BackupModel> model = m_state->model();
    if (!scan || !model) {
        return false;
    }
    const BackupArchModel arch = compare(*model, scan->inventory, abortFlag());
    if (isAborted()) {
        return false;
    }
    emit m_state->SetModel(model, arch);
    progress(10, QString());
    return true;
}

}  // namespace Qln::Backup
