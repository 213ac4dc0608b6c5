#include "hardware/osinfo.h"

namespace System {

namespace {

constexpr quint32 kWorkstation = 1;
constexpr quint32 kArchitectureX86 = 0;
constexpr quint32 kArchitectureItanium = 6;
constexpr quint32 kArchitectureX64 = 9;

QString productText(quint32 major, quint32 minor, bool workstation) {
    struct Row {
        quint32 major, minor;
        const char* workstation;
        const char* server;
    };
    static const Row rows[] = {
        {10, 0, "Windows 10 ", "Windows Server Technical Preview "},
        {6, 0, "Windows Vista ", "Windows Server 2008 "},
        {6, 1, "Windows 7 ", "Windows Server 2008 R2 "},
        {6, 2, "Windows 8 ", "Windows Server 2012 "},
        {6, 3, "Windows 8.1 ", "Windows Server 2012 R2 "},
    };
    for (const Row& row : rows) {
        if (row.major == major && row.minor == minor) {
            return QString::fromLatin1(workstation ? row.workstation : row.server);
        }
    }
    return {};
}

QString editionText(quint32 type) {
    switch (type) {
        case 1:
            return QStringLiteral("Ultimate Edition");
        case 2:
            return QStringLiteral("Home Basic Edition");
        case 3:
            return QStringLiteral("Home Premium Edition");
        case 4:
        case 10:
            return QStringLiteral("Enterprise Edition");
        case 6:
            return QStringLiteral("Business Edition");
        case 7:
            return QStringLiteral("Standard Edition");
        case 8:
            return QStringLiteral("Datacenter Edition");
        case 9:
            return QStringLiteral("Small Business Server");
        case 11:
            return QStringLiteral("Starter Edition");
        case 12:
            return QStringLiteral("Datacenter Edition (core installation)");
        case 13:
            return QStringLiteral("Standard Edition (core installation)");
        case 14:
            return QStringLiteral("Enterprise Edition (core installation)");
        case 15:
            return QStringLiteral("Enterprise Edition for Itanium-based Systems");
        case 17:
            return QStringLiteral("Web Server Edition");
        case 18:
            return QStringLiteral("Cluster Server Edition");
        case 25:
            return QStringLiteral("Small Business Server Premium Edition");
        case 48:
            return QStringLiteral("Professional");
        default:
            return {};
    }
}

QString server2003Text(const platform::OsVersionInfo& os, bool workstation) {
    QString text;
    if (os.serverR2 != 0) {
        text = QStringLiteral("Windows Server 2003 R2, ");
    } else if (os.suiteMask & 0x2000) {
        text = QStringLiteral("Windows Storage Server 2003");
    } else if (os.suiteMask & 0x8000) {
        text = QStringLiteral("Windows Home Server");
    } else if (workstation && os.processorArchitecture == kArchitectureX64) {
        text = QStringLiteral("Windows XP Professional x64 Edition");
    } else {
        text = QStringLiteral("Windows Server 2003, ");
    }
    if (workstation) {
        return text;
    }
    const quint32 suite = os.suiteMask;
    if (os.processorArchitecture == kArchitectureItanium) {
        if (suite & 0x80) {
            text += QStringLiteral("Datacenter Edition for Itanium-based Systems");
        } else if (suite & 0x2) {
            text += QStringLiteral("Enterprise Edition for Itanium-based Systems");
        }
    } else if (os.processorArchitecture == kArchitectureX64) {
        if (suite & 0x80) {
            text += QStringLiteral("Datacenter x64 Edition");
        } else if (suite & 0x2) {
            text += QStringLiteral("Enterprise x64 Edition");
        } else {
            text += QStringLiteral("Standard x64 Edition");
        }
    } else if (suite & 0x4000) {
        text += QStringLiteral("Compute Cluster Edition");
    } else if (suite & 0x80) {
        text += QStringLiteral("Datacenter Edition");
    } else if (suite & 0x2) {
        text += QStringLiteral("Enterprise Edition");
    } else if (suite & 0x400) {
        text += QStringLiteral("Web Edition");
    } else {
        text += QStringLiteral("Standard Edition");
    }
    return text;
}

}  // namespace

OSInfo::OSInfo() : OSInfo(platform::readOsVersion()) {}

OSInfo::OSInfo(const platform::OsVersionInfo& facts)
    : m_major(facts.major),
      m_minor(facts.minor),
      m_platformId(facts.platformId),
      m_productType(facts.productType),
      m_suiteMask(facts.suiteMask),
      m_build(facts.build),
      m_is64(facts.is64) {
    if (facts.major > 0) {
        m_name = displayName(facts);
    }
}

QString OSInfo::versionText() const {
    return m_major ? QStringLiteral("%1.%2").arg(m_major).arg(m_minor) : QString();
}

QString OSInfo::displayName(const platform::OsVersionInfo& os) {
    const bool workstation = os.productType == kWorkstation;
    QString text = QStringLiteral("Microsoft ");
    text += productText(os.major, os.minor, workstation);
    if (os.major == 6) {
        text += editionText(os.productInfo);
    }
    if (os.major == 5 && os.minor == 2) {
        text += server2003Text(os, workstation);
    } else if (os.major == 5 && os.minor == 1) {
        text += QStringLiteral("Windows XP ");
        text += (os.suiteMask & 0x200) ? QStringLiteral("Home Edition")
                                       : QStringLiteral("Professional");
    } else if (os.major == 5 && os.minor == 0) {
        text += QStringLiteral("Windows 2000 ");
        if (workstation) {
            text += QStringLiteral("Professional");
        } else if (os.suiteMask & 0x80) {
            text += QStringLiteral("Datacenter Server");
        } else if (os.suiteMask & 0x2) {
            text += QStringLiteral("Advanced Server");
        } else {
            text += QStringLiteral("Server");
        }
    }
    text += QStringLiteral(" (build %1)").arg(os.build);
    if (os.major >= 6) {
        if (os.processorArchitecture == kArchitectureX64) {
            text += QStringLiteral(", 64-bit");
        } else if (os.processorArchitecture == kArchitectureX86) {
            text += QStringLiteral(", 32-bit");
        }
    }
    return text;
}

}  // namespace System
