#pragma once

#include <QString>

#include "platform/osversion.h"

namespace System {

// The Windows version and edition, read once.
class OSInfo {
public:
    OSInfo();  // reads the running system
    explicit OSInfo(const platform::OsVersionInfo& facts);

    bool isValid() const { return m_major > 0; }
    // "major.minor", empty when the version is unknown.
    QString versionText() const;
    bool is64() const { return m_is64; }
    QString name() const { return m_name; }

    quint32 major() const { return m_major; }
    quint32 minor() const { return m_minor; }
    quint32 platformId() const { return m_platformId; }
    quint32 productType() const { return m_productType; }
    quint32 suiteMask() const { return m_suiteMask; }
    quint32 build() const { return m_build; }

    // "Microsoft Windows 7 Ultimate Edition (build 7601), 64-bit" and the like.
    static QString displayName(const platform::OsVersionInfo& facts);

private:
    quint32 m_major = 0;
    quint32 m_minor = 0;
    quint32 m_platformId = 0;
    quint32 m_productType = 0;
    quint32 m_suiteMask = 0;
    quint32 m_build = 0;
    bool m_is64 = false;
    QString m_name;
};

}  // namespace System
