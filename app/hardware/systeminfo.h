#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace System {

// The machine's WMI inventory, built once and then only read. Every value is
// text; a property that is missing or of another type is empty.
struct SystemInfo {
    struct Processor {
        QString architecture, availability, caption, cpuStatus, description, family, l2CacheSize,
            l3CacheSize, manufacturer, name, numberOfCores, numberOfLogicalProcessors,
            processorType, revision, socketDesignation, upgradeMethod, status, statusInfo, uniqueId,
            processorId;
    };
    struct Baseboard {
        QString model, manufacturer, name, serialNumber, product, version, status;
    };
    struct Bios {
        // `unused` is a slot no query fills; it stays empty.
        QString manufacturer, smbiosBiosVersion, unused, name, serialNumber, version, buildNumber;
    };
    struct DiskDrive {
        QString caption, deviceId, firmwareRevision, interfaceType, manufacturer, mediaType, model,
            name, pnpDeviceId, status;
    };
    struct Monitor {
        QString availability, caption, description, monitorType, name, pnpDeviceId, status;
    };

    QString chassisTypes;  // decimal numbers joined with ","
    Processor processor;
    Baseboard baseboard;
    Bios bios;
    QList<DiskDrive> diskDrives;
    QList<Monitor> monitors;
    QStringList memory;  // capacity of each module in bytes
};

}  // namespace System
