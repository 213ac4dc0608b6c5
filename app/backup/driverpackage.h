#pragma once

#include <QString>
#include <atomic>

namespace Hrdw {
struct Driver;
}

namespace Qln {

// One driver package, named everywhere by the lower-case hexadecimal SHA-1 of its INF: in a
// folder (the installed driver's, or unpacked), or packed into an archive.
struct DriverPackage {
    QString id;
    // The INF's name as it stands in the unpacked folder; may hold sub-folders.
    QString inf;
    // The INF's full path, or the archive's while packed.
    QString path;
    bool packed = false;

    // The package of an installed driver in its own folder; the id is empty when the INF
    // cannot be read.
    static DriverPackage ofInstalledDriver(const Hrdw::Driver& driver);
    static DriverPackage ofInstalledDriver(const QString& infName, const QString& infPath);

    // Ready for the Installer: id, inf and path set, and not packed.
    bool isUnpacked() const;

    // Zips the folder that holds the INF into archiveFolder/id.zip, taking the files that
    // DriverFileFilter accepts. On success the package names the archive and is packed;
    // otherwise nothing changes, no archive appears under that name, and error says why.
    bool pack(const QString& archiveFolder, QString* error = nullptr,
              const std::atomic<bool>* cancel = nullptr);
    // Extracts the archive into workingFolder/id, replacing an earlier folder there; on success
    // path is the INF inside it and the package is not packed. id must be 40 hexadecimal digits
    // and inf a safe relative name, since both become paths.
    bool unpack(const QString& workingFolder, QString* error = nullptr,
                const std::atomic<bool>* cancel = nullptr);

    bool operator==(const DriverPackage& other) const;
    bool operator!=(const DriverPackage& other) const { return !(*this == other); }
};

}  // namespace Qln
