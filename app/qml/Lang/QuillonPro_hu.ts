<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>AboutModule</name>
    <message>
        <source>AppDescription</source>
        <translation>A Quillon Pro megkeresi a számítógép elavult illesztőprogramjait, letölti a legújabb verziókat, és biztonságosan telepíti őket, minden lecserélt illesztőprogramról másolatot megőrizve.</translation>
    </message>
    <message>
        <source>ContactLink</source>
        <translation>Kapcsolat</translation>
    </message>
    <message>
        <source>HowDeleteLink</source>
        <translation>Eltávolítás</translation>
    </message>
    <message>
        <source>PolicyLink</source>
        <translation>Adatvédelmi irányelvek</translation>
    </message>
    <message>
        <source>RefundPolicyLink</source>
        <translation>Visszatérítési szabályzat</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Kockázatok</translation>
    </message>
    <message>
        <source>UserAgreementLink</source>
        <translation>Licencszerződés</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verzió</translation>
    </message>
</context>
<context>
    <name>AppUpdateView</name>
    <message>
        <source>AppUpdateDescription</source>
        <translation>Elérhető a Quillon Pro új verziója.</translation>
    </message>
    <message>
        <source>AppUpdateError</source>
        <translation>A frissítést nem sikerült letölteni vagy ellenőrizni. Próbálja újra, vagy folytassa ezzel a verzióval.</translation>
    </message>
    <message>
        <source>AppUpdateHeader</source>
        <translation>Frissítés érhető el</translation>
    </message>
    <message>
        <source>AppUpdateProcess</source>
        <translation>A frissítés letöltése…</translation>
    </message>
    <message>
        <source>AppUpdateQuestion</source>
        <translation>Letölti és telepíti most?</translation>
    </message>
    <message>
        <source>NoButton</source>
        <translation>Most nem</translation>
    </message>
    <message>
        <source>YesButton</source>
        <translation>Igen, frissítés</translation>
    </message>
</context>
<context>
    <name>AutorunModule</name>
    <message>
        <source>AutorunEnableCheckBox</source>
        <translation>Emlékeztessen az illesztőprogramok ellenőrzésére</translation>
    </message>
    <message>
        <source>AutosaveStartDesc</source>
        <translation>Következő ellenőrzés: %1, %2</translation>
    </message>
    <message>
        <source>MonthlySelect</source>
        <translation>Havonta</translation>
    </message>
    <message>
        <source>SaveButton</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>WeeklySelect</source>
        <translation>Hetente</translation>
    </message>
</context>
<context>
    <name>BackupModule</name>
    <message>
        <source>BackButton</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>BackupCreateTitle</source>
        <translation>A biztonsági mentés elkészült</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Mentési fájl:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Illesztőprogramok visszaállítása</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Illesztőprogramok visszaállítva</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Illesztőprogramok mentése:</translation>
    </message>
    <message>
        <source>BrowseButton</source>
        <translation>Tallózás…</translation>
    </message>
    <message>
        <source>CreateBackupButton</source>
        <translation>Mentés készítése</translation>
    </message>
    <message>
        <source>DetailButton</source>
        <translation>További információ</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Szolgáltató</translation>
    </message>
    <message>
        <source>HowCreateBackupLink</source>
        <translation>Hogyan készítsek biztonsági mentést?</translation>
    </message>
    <message>
        <source>HowUseBackupLink</source>
        <translation>Hogyan állítsak vissza mentésből?</translation>
    </message>
    <message>
        <source>InstallBackupButton</source>
        <translation>Visszaállítás mentésből</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Telepítés</translation>
    </message>
    <message>
        <source>InstalledBackupListTitle</source>
        <translation>Visszaállított illesztőprogramok:</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Illesztőprogramjai megegyeznek a mentéssel. Nincs mit visszaállítani.</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Visszaállítandó illesztőprogramok:</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Összes kijelölése</translation>
    </message>
    <message>
        <source>ValidDriverList</source>
        <translation>A mentés további illesztőprogramjai:</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verzió</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Dátum</translation>
    </message>
    <message>
        <source>WhatIsBackupLink</source>
        <translation>Mi a biztonsági mentés?</translation>
    </message>
</context>
<context>
    <name>CancelButton</name>
    <message>
        <source>CancelButton</source>
        <translation>Mégse</translation>
    </message>
</context>
<context>
    <name>ChangeRow</name>
    <message>
        <source>Developer</source>
        <translation>Szolgáltató</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verzió</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Dátum</translation>
    </message>
</context>
<context>
    <name>CompletionFooter</name>
    <message>
        <source>BackupCompleteButton</source>
        <translation>Kész</translation>
    </message>
    <message>
        <source>BackupCompleteText</source>
        <translation>Most keressen újabb illesztőprogramokat a számítógéphez.</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Vizsgálat</translation>
    </message>
</context>
<context>
    <name>ConnectErrorView</name>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Nincs kapcsolat az illesztőprogram-szolgáltatással</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>A program nem érte el az illesztőprogram-szolgáltatást. Ellenőrizze az internetkapcsolatot, és próbálja újra.</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Újra</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Az illesztőprogram-szolgáltatás jelenleg nem érhető el. Néhány perc múlva próbálja újra.</translation>
    </message>
</context>
<context>
    <name>DeviceRow</name>
    <message>
        <source>Alternative</source>
        <translation>Alternatív</translation>
    </message>
    <message>
        <source>CandidateCount</source>
        <translation>Talált illesztőprogramok: %1</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Jelenlegi illesztőprogram</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Új verzió</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Ajánlott</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Méret</translation>
    </message>
</context>
<context>
    <name>DriverFacts</name>
    <message>
        <source>Developer</source>
        <translation>Szolgáltató</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verzió</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Dátum</translation>
    </message>
</context>
<context>
    <name>DriverList</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Letöltés</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Telepítve</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Sikertelen</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Telepítés</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>Sorban áll</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Telepítésre kész</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Kicsomagolás</translation>
    </message>
</context>
<context>
    <name>HistoryModule</name>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Még egyetlen illesztőprogram sem lett frissítve.</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Telepített illesztőprogram-frissítések</translation>
    </message>
</context>
<context>
    <name>InitView</name>
    <message>
        <source>AppInitializationText</source>
        <translation>Előkészítés: a rendszer ellenőrzése és csatlakozás az illesztőprogram-szolgáltatáshoz…</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verzió</translation>
    </message>
</context>
<context>
    <name>InstallPage</name>
    <message>
        <source>CompleteButton</source>
        <translation>Kész</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>A telepítés befejeződött</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Illesztőprogramok telepítése:</translation>
    </message>
</context>
<context>
    <name>InstallRow</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Letöltés</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Telepítve</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Sikertelen</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Telepítés</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>Sorban áll</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Telepítésre kész</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Kicsomagolás</translation>
    </message>
</context>
<context>
    <name>ModulesList</name>
    <message>
        <source>DBUpdatedAtText</source>
        <translation>Illesztőprogram-adatbázis frissítve:</translation>
    </message>
</context>
<context>
    <name>NoConnectPanel</name>
    <message>
        <source>NoConnectDesc</source>
        <translation>Ehhez az oldalhoz az illesztőprogram-szolgáltatás szükséges, amely nem válaszolt a program indításakor. Indítsa újra a programot az újrapróbálkozáshoz.</translation>
    </message>
    <message>
        <source>NoConnectTitle</source>
        <translation>Nincs kapcsolat</translation>
    </message>
</context>
<context>
    <name>NoSignDriversLayout</name>
    <message>
        <source>DetailButton</source>
        <translation>További információ</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Folytatás</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Minden lecserélt illesztőprogramról másolat készül, így bármely frissítést visszavonhat a Visszaállítás oldalon.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>A kiválasztott illesztőprogramok némelyike nem rendelkezik Microsoft-tanúsítvánnyal (WHQL). Az eszközök gyártóitól származnak, de nem biztos, hogy minden számítógépen működnek.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Telepítés előtt</translation>
    </message>
</context>
<context>
    <name>PipelineStrip</name>
    <message>
        <source>CompleteStep</source>
        <translation>Kész</translation>
    </message>
    <message>
        <source>DownloadInstallStep</source>
        <translation>Letöltés és telepítés</translation>
    </message>
    <message>
        <source>ScanningStep</source>
        <translation>Vizsgálat</translation>
    </message>
    <message>
        <source>SelectStep</source>
        <translation>Kiválasztás</translation>
    </message>
</context>
<context>
    <name>ProgramsModule</name>
    <message>
        <source>CommandLineProgram</source>
        <translation>Parancssor</translation>
    </message>
    <message>
        <source>ComputerManagementProgram</source>
        <translation>Számítógép-kezelés</translation>
    </message>
    <message>
        <source>ControlPanelProgram</source>
        <translation>Vezérlőpult</translation>
    </message>
    <message>
        <source>DiskManagementProgram</source>
        <translation>Lemezkezelés</translation>
    </message>
    <message>
        <source>DisplaySettingsProgram</source>
        <translation>Megjelenítési beállítások</translation>
    </message>
    <message>
        <source>NetworkProgram</source>
        <translation>Hálózati kapcsolatok</translation>
    </message>
    <message>
        <source>PowerSupplyProgram</source>
        <translation>Energiagazdálkodási lehetőségek</translation>
    </message>
    <message>
        <source>ProgramsDescription</source>
        <translation>Nyissa meg a számítógép karbantartásához leggyakrabban használt Windows-eszközöket.</translation>
    </message>
    <message>
        <source>ProgramsFeaturesProgram</source>
        <translation>Programok és szolgáltatások</translation>
    </message>
    <message>
        <source>RecoveryProgram</source>
        <translation>Helyreállítás</translation>
    </message>
    <message>
        <source>SystemProgram</source>
        <translation>Rendszer</translation>
    </message>
    <message>
        <source>TaskManagerProgram</source>
        <translation>Feladatkezelő</translation>
    </message>
</context>
<context>
    <name>Qln::AboutModule</name>
    <message>
        <source>AboutTitle</source>
        <translation>Névjegy</translation>
    </message>
</context>
<context>
    <name>Qln::AutorunModule</name>
    <message>
        <source>AutorunTitle</source>
        <translation>Ütemezés</translation>
    </message>
</context>
<context>
    <name>Qln::BackupModule</name>
    <message>
        <source>CloudBackupTitle</source>
        <translation>Biztonsági mentés</translation>
    </message>
</context>
<context>
    <name>Qln::BackupViewModel</name>
    <message>
        <source>DevMissing</source>
        <translation>Az eszköz nem található</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Új eszköz</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Változatlan</translation>
    </message>
</context>
<context>
    <name>Qln::Cli::Program</name>
    <message>
        <source>BackupCreateTitle</source>
        <translation>A biztonsági mentés elkészült</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Mentési fájl:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Illesztőprogramok visszaállítása</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Illesztőprogramok visszaállítva</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Illesztőprogramok mentése:</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Nincs kapcsolat az illesztőprogram-szolgáltatással</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Jelenlegi illesztőprogram</translation>
    </message>
    <message>
        <source>DevMissing</source>
        <translation>Az eszköz nem található</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Új eszköz</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Változatlan</translation>
    </message>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Letöltés</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Telepítve</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Sikertelen</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Telepítés</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Telepítésre kész</translation>
    </message>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Még egyetlen illesztőprogram sem lett frissítve.</translation>
    </message>
    <message>
        <source>FindUpdatesHeader</source>
        <translation>Frissítések keresése</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Telepített illesztőprogram-frissítések</translation>
    </message>
    <message>
        <source>InstallBackup</source>
        <translation>Visszaállítás folyamatban</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Sikertelen visszaállítás</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Visszaállítva</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>A telepítés befejeződött</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Illesztőprogramok telepítése:</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>A program nem érte el az illesztőprogram-szolgáltatást. Ellenőrizze az internetkapcsolatot, és próbálja újra.</translation>
    </message>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Az illesztőprogramok telepítésének befejezéséhez indítsa újra a számítógépet.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Újraindítás szükséges</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Új verzió</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Illesztőprogramjai megegyeznek a mentéssel. Nincs mit visszaállítani.</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Folytatás</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Minden lecserélt illesztőprogramról másolat készül, így bármely frissítést visszavonhat a Visszaállítás oldalon.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>A kiválasztott illesztőprogramok némelyike nem rendelkezik Microsoft-tanúsítvánnyal (WHQL). Az eszközök gyártóitól származnak, de nem biztos, hogy minden számítógépen működnek.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Telepítés előtt</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Visszaállítandó illesztőprogramok:</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Ajánlott</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Még nincs visszaállítható frissített illesztőprogram.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Visszaállítható frissített illesztőprogramok</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Illesztőprogramjai naprakészek</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Az illesztőprogram-szolgáltatás jelenleg nem érhető el. Néhány perc múlva próbálja újra.</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Kicsomagolás</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Frissíthető eszközök:</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>Várakozik</translation>
    </message>
</context>
<context>
    <name>Qln::DeviceScanner</name>
    <message>
        <source>ScanTitle</source>
        <translation>Eszközök vizsgálata</translation>
    </message>
</context>
<context>
    <name>Qln::DriverDescription</name>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
</context>
<context>
    <name>Qln::FindUpdates</name>
    <message>
        <source>FindUpdatesHeader</source>
        <translation>Frissítések keresése</translation>
    </message>
</context>
<context>
    <name>Qln::HistoryModule</name>
    <message>
        <source>DownloadHistoryTitle</source>
        <translation>Előzmények</translation>
    </message>
</context>
<context>
    <name>Qln::InstallDriversModule</name>
    <message>
        <source>InstallDriversTitle</source>
        <translation>Illesztőprogramok frissítése</translation>
    </message>
</context>
<context>
    <name>Qln::ProgramsModule</name>
    <message>
        <source>ProgramsTitle</source>
        <translation>Hasznos programok</translation>
    </message>
</context>
<context>
    <name>Qln::RecoveryModule</name>
    <message>
        <source>RecoveryTitle</source>
        <translation>Visszaállítás</translation>
    </message>
</context>
<context>
    <name>Qln::SettingsModule</name>
    <message>
        <source>SettingsTitle</source>
        <translation>Beállítások</translation>
    </message>
</context>
<context>
    <name>RecoveryModule</name>
    <message>
        <source>InstallBackup</source>
        <translation>Visszaállítás folyamatban</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Sikertelen visszaállítás</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Visszaállítva</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Még nincs visszaállítható frissített illesztőprogram.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Visszaállítható frissített illesztőprogramok</translation>
    </message>
    <message>
        <source>RestoreButton</source>
        <translation>Visszaállítás</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Kicsomagolás</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>Várakozik</translation>
    </message>
</context>
<context>
    <name>ScanPage</name>
    <message>
        <source>BIOS</source>
        <translation>BIOS</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memória</translation>
    </message>
    <message>
        <source>Motherboard</source>
        <translation>Alaplap</translation>
    </message>
    <message>
        <source>OS</source>
        <translation>Operációs rendszer</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Processzor</translation>
    </message>
    <message>
        <source>SystemInfoTitle</source>
        <translation>Rendszerinformáció</translation>
    </message>
</context>
<context>
    <name>SearchComplete</name>
    <message>
        <source>SearchCompleteDesc</source>
        <translation>Nem található újabb illesztőprogram az eszközeihez. Ütemezzen rendszeres ellenőrzést, hogy ne maradjon le az újakról.</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Illesztőprogramjai naprakészek</translation>
    </message>
    <message>
        <source>ToAutorunButton</source>
        <translation>Ellenőrzés ütemezése</translation>
    </message>
    <message>
        <source>UpdateFinishButton</source>
        <translation>Befejezés</translation>
    </message>
</context>
<context>
    <name>SearchFailed</name>
    <message>
        <source>BackButton</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Nincs kapcsolat az illesztőprogram-szolgáltatással</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Újra</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Az illesztőprogram-szolgáltatás jelenleg nem érhető el. Néhány perc múlva próbálja újra.</translation>
    </message>
</context>
<context>
    <name>SelectPage</name>
    <message>
        <source>BackButton</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Telepítés</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Kockázatok</translation>
    </message>
    <message>
        <source>ScanDifferFooter</source>
        <translation>Az eredmények az illesztőprogram-adatbázistól függenek, és idővel változhatnak. Az illesztőprogramok frissítése némi kockázattal jár.</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Összes kijelölése</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Frissíthető eszközök:</translation>
    </message>
</context>
<context>
    <name>SettingsModule</name>
    <message>
        <source>BrowseButton</source>
        <translation>Tallózás…</translation>
    </message>
    <message>
        <source>ChooseDirDesc</source>
        <translation>Válasszon mappát a letöltött illesztőprogramoknak</translation>
    </message>
    <message>
        <source>DefaultSettingsButton</source>
        <translation>Alapértékek</translation>
    </message>
    <message>
        <source>InvalidDirText</source>
        <translation>Ez a mappa nem létezik. Válasszon létező mappát; addig az előző marad érvényben.</translation>
    </message>
    <message>
        <source>SaveSettingsButton</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>SettingsDownloadDirHeader</source>
        <translation>Letöltési mappa</translation>
    </message>
    <message>
        <source>SettingsLanguageHeader</source>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>SettingsOptionsHeader</source>
        <translation>Ellenőrzések</translation>
    </message>
    <message>
        <source>SystemDriverCheck</source>
        <translation>Rendszereszközök bevonása a vizsgálatba</translation>
    </message>
    <message>
        <source>UpdatesCheck</source>
        <translation>Programfrissítések keresése indításkor</translation>
    </message>
</context>
<context>
    <name>SettingsRestartLayout</name>
    <message>
        <source>NeedRestartSettingsMessage</source>
        <translation>Az új beállítások a program újraindítása után lépnek életbe.</translation>
    </message>
    <message>
        <source>NeedRestartSettingsTitle</source>
        <translation>Beállítások mentve</translation>
    </message>
    <message>
        <source>RestartLaterButton</source>
        <translation>Később</translation>
    </message>
    <message>
        <source>RestartNowButton</source>
        <translation>Újraindítás most</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>AutoInstallDesc</source>
        <translation>Automatikusan letölti és telepíti őket</translation>
    </message>
    <message>
        <source>BackupDetailLink</source>
        <translation>Mi a biztonsági mentés?</translation>
    </message>
    <message>
        <source>CreateBackupCheckBox</source>
        <translation>Biztonsági mentés minden illesztőprogramról a vizsgálat előtt</translation>
    </message>
    <message>
        <source>FindNewDesc</source>
        <translation>Megkeresi a hiányzó illesztőprogramokat</translation>
    </message>
    <message>
        <source>RegularDesc</source>
        <translation>Emlékeztet a rendszeres ellenőrzésre</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Vizsgálat</translation>
    </message>
    <message>
        <source>StartScanTitle</source>
        <translation>Tartsa naprakészen illesztőprogramjait</translation>
    </message>
    <message>
        <source>UpdateOldDesc</source>
        <translation>Frissíti az elavult illesztőprogramokat</translation>
    </message>
</context>
<context>
    <name>SystemRebootLayout</name>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Az illesztőprogramok telepítésének befejezéséhez indítsa újra a számítógépet.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Újraindítás szükséges</translation>
    </message>
    <message>
        <source>RebootLaterButton</source>
        <translation>Később</translation>
    </message>
    <message>
        <source>RebootNowButton</source>
        <translation>Újraindítás most</translation>
    </message>
</context>
<context>
    <name>TextFieldMenu</name>
    <message>
        <source>CopyMenuItem</source>
        <translation>Másolás</translation>
    </message>
    <message>
        <source>CutMenuItem</source>
        <translation>Kivágás</translation>
    </message>
    <message>
        <source>PasteMenuItem</source>
        <translation>Beillesztés</translation>
    </message>
    <message>
        <source>SelectAllMenuItem</source>
        <translation>Összes kijelölése</translation>
    </message>
</context>
</TS>
