<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>AboutModule</name>
    <message>
        <source>AppDescription</source>
        <translation>Quillon Pro najde v počítači zastaralé ovladače, stáhne jejich nejnovější verze a bezpečně je nainstaluje. Z každého nahrazeného ovladače si ponechá kopii.</translation>
    </message>
    <message>
        <source>ContactLink</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>HowDeleteLink</source>
        <translation>Jak odinstalovat</translation>
    </message>
    <message>
        <source>PolicyLink</source>
        <translation>Zásady ochrany osobních údajů</translation>
    </message>
    <message>
        <source>RefundPolicyLink</source>
        <translation>Zásady vrácení peněz</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Rizika</translation>
    </message>
    <message>
        <source>UserAgreementLink</source>
        <translation>Licenční smlouva</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
</context>
<context>
    <name>AppUpdateView</name>
    <message>
        <source>AppUpdateDescription</source>
        <translation>Je k dispozici nová verze programu Quillon Pro.</translation>
    </message>
    <message>
        <source>AppUpdateError</source>
        <translation>Aktualizaci se nepodařilo stáhnout nebo ověřit. Můžete to zkusit znovu nebo pokračovat s touto verzí.</translation>
    </message>
    <message>
        <source>AppUpdateHeader</source>
        <translation>Je k dispozici aktualizace</translation>
    </message>
    <message>
        <source>AppUpdateProcess</source>
        <translation>Stahování aktualizace…</translation>
    </message>
    <message>
        <source>AppUpdateQuestion</source>
        <translation>Stáhnout a nainstalovat ji nyní?</translation>
    </message>
    <message>
        <source>NoButton</source>
        <translation>Teď ne</translation>
    </message>
    <message>
        <source>YesButton</source>
        <translation>Ano, aktualizovat</translation>
    </message>
</context>
<context>
    <name>AutorunModule</name>
    <message>
        <source>AutorunEnableCheckBox</source>
        <translation>Připomínat kontrolu ovladačů</translation>
    </message>
    <message>
        <source>AutosaveStartDesc</source>
        <translation>Příští kontrola: %1 v %2</translation>
    </message>
    <message>
        <source>MonthlySelect</source>
        <translation>Každý měsíc</translation>
    </message>
    <message>
        <source>SaveButton</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>WeeklySelect</source>
        <translation>Každý týden</translation>
    </message>
</context>
<context>
    <name>BackupModule</name>
    <message>
        <source>BackButton</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Záloha vytvořena</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Soubor zálohy:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Obnovování ovladačů</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Ovladače obnoveny</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Ukládání ovladačů:</translation>
    </message>
    <message>
        <source>BrowseButton</source>
        <translation>Procházet…</translation>
    </message>
    <message>
        <source>CreateBackupButton</source>
        <translation>Vytvořit zálohu</translation>
    </message>
    <message>
        <source>DetailButton</source>
        <translation>Další informace</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Dodavatel</translation>
    </message>
    <message>
        <source>HowCreateBackupLink</source>
        <translation>Jak vytvořit zálohu</translation>
    </message>
    <message>
        <source>HowUseBackupLink</source>
        <translation>Jak obnovit ze zálohy</translation>
    </message>
    <message>
        <source>InstallBackupButton</source>
        <translation>Obnovit ze zálohy</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Nainstalovat</translation>
    </message>
    <message>
        <source>InstalledBackupListTitle</source>
        <translation>Obnovené ovladače:</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Vaše ovladače odpovídají záloze. Není co obnovovat.</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Ovladače k obnovení:</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Vybrat vše</translation>
    </message>
    <message>
        <source>ValidDriverList</source>
        <translation>Další ovladače v záloze:</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>WhatIsBackupLink</source>
        <translation>Co je záloha?</translation>
    </message>
</context>
<context>
    <name>CancelButton</name>
    <message>
        <source>CancelButton</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>ChangeRow</name>
    <message>
        <source>Developer</source>
        <translation>Dodavatel</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Datum</translation>
    </message>
</context>
<context>
    <name>CompletionFooter</name>
    <message>
        <source>BackupCompleteButton</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>BackupCompleteText</source>
        <translation>Nyní zkontrolujte, zda pro počítač nejsou novější ovladače.</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Zkontrolovat</translation>
    </message>
</context>
<context>
    <name>ConnectErrorView</name>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Bez připojení ke službě ovladačů</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>Program se nemohl spojit se službou ovladačů. Zkontrolujte připojení k internetu a zkuste to znovu.</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Zkusit znovu</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Služba ovladačů teď není dostupná. Zkuste to znovu za několik minut.</translation>
    </message>
</context>
<context>
    <name>DeviceRow</name>
    <message>
        <source>Alternative</source>
        <translation>Alternativní</translation>
    </message>
    <message>
        <source>CandidateCount</source>
        <translation>Nalezené ovladače: %1</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Aktuální ovladač</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Nová verze</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Doporučený</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Velikost</translation>
    </message>
</context>
<context>
    <name>DriverFacts</name>
    <message>
        <source>Developer</source>
        <translation>Dodavatel</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Datum</translation>
    </message>
</context>
<context>
    <name>DriverList</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Stahování</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Nainstalováno</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Instalace</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>Ve frontě</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Připraveno k instalaci</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Rozbalování</translation>
    </message>
</context>
<context>
    <name>HistoryModule</name>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Zatím nebyl aktualizován žádný ovladač.</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Nainstalované aktualizace ovladačů</translation>
    </message>
</context>
<context>
    <name>InitView</name>
    <message>
        <source>AppInitializationText</source>
        <translation>Příprava: kontrola systému a připojení ke službě ovladačů…</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
</context>
<context>
    <name>InstallPage</name>
    <message>
        <source>CompleteButton</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Instalace dokončena</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Instalace ovladačů:</translation>
    </message>
</context>
<context>
    <name>InstallRow</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Stahování</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Nainstalováno</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Instalace</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>Ve frontě</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Připraveno k instalaci</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Rozbalování</translation>
    </message>
</context>
<context>
    <name>ModulesList</name>
    <message>
        <source>DBUpdatedAtText</source>
        <translation>Databáze ovladačů aktualizována:</translation>
    </message>
</context>
<context>
    <name>NoConnectPanel</name>
    <message>
        <source>NoConnectDesc</source>
        <translation>Tato stránka potřebuje službu ovladačů, která při spuštění programu neodpověděla. Restartujte program a zkuste to znovu.</translation>
    </message>
    <message>
        <source>NoConnectTitle</source>
        <translation>Bez připojení</translation>
    </message>
</context>
<context>
    <name>NoSignDriversLayout</name>
    <message>
        <source>DetailButton</source>
        <translation>Další informace</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Z každého nahrazeného ovladače se uchovává kopie, takže jakoukoli aktualizaci můžete vrátit na stránce Obnovení.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Některé z vybraných ovladačů nejsou certifikovány společností Microsoft (WHQL). Pocházejí od výrobců zařízení, ale nemusí fungovat na každém počítači.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Před instalací</translation>
    </message>
</context>
<context>
    <name>PipelineStrip</name>
    <message>
        <source>CompleteStep</source>
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>DownloadInstallStep</source>
        <translation>Stažení a instalace</translation>
    </message>
    <message>
        <source>ScanningStep</source>
        <translation>Kontrola</translation>
    </message>
    <message>
        <source>SelectStep</source>
        <translation>Výběr</translation>
    </message>
</context>
<context>
    <name>ProgramsModule</name>
    <message>
        <source>CommandLineProgram</source>
        <translation>Příkazový řádek</translation>
    </message>
    <message>
        <source>ComputerManagementProgram</source>
        <translation>Správa počítače</translation>
    </message>
    <message>
        <source>ControlPanelProgram</source>
        <translation>Ovládací panely</translation>
    </message>
    <message>
        <source>DiskManagementProgram</source>
        <translation>Správa disků</translation>
    </message>
    <message>
        <source>DisplaySettingsProgram</source>
        <translation>Nastavení zobrazení</translation>
    </message>
    <message>
        <source>NetworkProgram</source>
        <translation>Síťová připojení</translation>
    </message>
    <message>
        <source>PowerSupplyProgram</source>
        <translation>Možnosti napájení</translation>
    </message>
    <message>
        <source>ProgramsDescription</source>
        <translation>Otevírejte nástroje Windows, které k péči o počítač potřebujete nejčastěji.</translation>
    </message>
    <message>
        <source>ProgramsFeaturesProgram</source>
        <translation>Programy a funkce</translation>
    </message>
    <message>
        <source>RecoveryProgram</source>
        <translation>Obnovení</translation>
    </message>
    <message>
        <source>SystemProgram</source>
        <translation>Systém</translation>
    </message>
    <message>
        <source>TaskManagerProgram</source>
        <translation>Správce úloh</translation>
    </message>
</context>
<context>
    <name>Qln::AboutModule</name>
    <message>
        <source>AboutTitle</source>
        <translation>O programu</translation>
    </message>
</context>
<context>
    <name>Qln::AutorunModule</name>
    <message>
        <source>AutorunTitle</source>
        <translation>Plánování</translation>
    </message>
</context>
<context>
    <name>Qln::BackupModule</name>
    <message>
        <source>CloudBackupTitle</source>
        <translation>Záloha</translation>
    </message>
</context>
<context>
    <name>Qln::BackupViewModel</name>
    <message>
        <source>DevMissing</source>
        <translation>Zařízení nenalezeno</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Nové zařízení</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Beze změny</translation>
    </message>
</context>
<context>
    <name>Qln::Cli::Program</name>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Záloha vytvořena</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Soubor zálohy:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Obnovování ovladačů</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Ovladače obnoveny</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Ukládání ovladačů:</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Bez připojení ke službě ovladačů</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Aktuální ovladač</translation>
    </message>
    <message>
        <source>DevMissing</source>
        <translation>Zařízení nenalezeno</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Nové zařízení</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Beze změny</translation>
    </message>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Stahování</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Nainstalováno</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Instalace</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Připraveno k instalaci</translation>
    </message>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Zatím nebyl aktualizován žádný ovladač.</translation>
    </message>
    <message>
        <source>FindUpdatesHeader</source>
        <translation>Hledání aktualizací</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Nainstalované aktualizace ovladačů</translation>
    </message>
    <message>
        <source>InstallBackup</source>
        <translation>Obnovování</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Obnovení selhalo</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Obnoveno</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Instalace dokončena</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Instalace ovladačů:</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>Program se nemohl spojit se službou ovladačů. Zkontrolujte připojení k internetu a zkuste to znovu.</translation>
    </message>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Restartujte počítač, aby se dokončila instalace ovladačů.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Je nutný restart</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Nová verze</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Vaše ovladače odpovídají záloze. Není co obnovovat.</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Z každého nahrazeného ovladače se uchovává kopie, takže jakoukoli aktualizaci můžete vrátit na stránce Obnovení.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Některé z vybraných ovladačů nejsou certifikovány společností Microsoft (WHQL). Pocházejí od výrobců zařízení, ale nemusí fungovat na každém počítači.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Před instalací</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Ovladače k obnovení:</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Doporučený</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Zatím nejsou žádné aktualizované ovladače k vrácení.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Aktualizované ovladače, které lze vrátit</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Vaše ovladače jsou aktuální</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Služba ovladačů teď není dostupná. Zkuste to znovu za několik minut.</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Rozbalování</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Zařízení s aktualizacemi:</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>Čeká</translation>
    </message>
</context>
<context>
    <name>Qln::DeviceScanner</name>
    <message>
        <source>ScanTitle</source>
        <translation>Kontrola zařízení</translation>
    </message>
</context>
<context>
    <name>Qln::DriverDescription</name>
    <message>
        <source>KB</source>
        <translation>kB</translation>
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
        <translation>Hledání aktualizací</translation>
    </message>
</context>
<context>
    <name>Qln::HistoryModule</name>
    <message>
        <source>DownloadHistoryTitle</source>
        <translation>Historie</translation>
    </message>
</context>
<context>
    <name>Qln::InstallDriversModule</name>
    <message>
        <source>InstallDriversTitle</source>
        <translation>Aktualizace ovladačů</translation>
    </message>
</context>
<context>
    <name>Qln::ProgramsModule</name>
    <message>
        <source>ProgramsTitle</source>
        <translation>Užitečné programy</translation>
    </message>
</context>
<context>
    <name>Qln::RecoveryModule</name>
    <message>
        <source>RecoveryTitle</source>
        <translation>Obnovení</translation>
    </message>
</context>
<context>
    <name>Qln::SettingsModule</name>
    <message>
        <source>SettingsTitle</source>
        <translation>Nastavení</translation>
    </message>
</context>
<context>
    <name>RecoveryModule</name>
    <message>
        <source>InstallBackup</source>
        <translation>Obnovování</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Obnovení selhalo</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Obnoveno</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Zatím nejsou žádné aktualizované ovladače k vrácení.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Aktualizované ovladače, které lze vrátit</translation>
    </message>
    <message>
        <source>RestoreButton</source>
        <translation>Obnovit</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Rozbalování</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>Čeká</translation>
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
        <translation>Paměť</translation>
    </message>
    <message>
        <source>Motherboard</source>
        <translation>Základní deska</translation>
    </message>
    <message>
        <source>OS</source>
        <translation>Operační systém</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Procesor</translation>
    </message>
    <message>
        <source>SystemInfoTitle</source>
        <translation>Informace o systému</translation>
    </message>
</context>
<context>
    <name>SearchComplete</name>
    <message>
        <source>SearchCompleteDesc</source>
        <translation>Pro vaše zařízení nebyly nalezeny novější ovladače. Naplánujte pravidelnou kontrolu, abyste nové nepropásli.</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Vaše ovladače jsou aktuální</translation>
    </message>
    <message>
        <source>ToAutorunButton</source>
        <translation>Naplánovat kontroly</translation>
    </message>
    <message>
        <source>UpdateFinishButton</source>
        <translation>Dokončit</translation>
    </message>
</context>
<context>
    <name>SearchFailed</name>
    <message>
        <source>BackButton</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Bez připojení ke službě ovladačů</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Zkusit znovu</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Služba ovladačů teď není dostupná. Zkuste to znovu za několik minut.</translation>
    </message>
</context>
<context>
    <name>SelectPage</name>
    <message>
        <source>BackButton</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Nainstalovat</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Rizika</translation>
    </message>
    <message>
        <source>ScanDifferFooter</source>
        <translation>Výsledky závisejí na databázi ovladačů a mohou se měnit. Aktualizace ovladačů s sebou nese určitá rizika.</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Vybrat vše</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Zařízení s aktualizacemi:</translation>
    </message>
</context>
<context>
    <name>SettingsModule</name>
    <message>
        <source>BrowseButton</source>
        <translation>Procházet…</translation>
    </message>
    <message>
        <source>ChooseDirDesc</source>
        <translation>Vyberte složku pro stažené ovladače</translation>
    </message>
    <message>
        <source>DefaultSettingsButton</source>
        <translation>Výchozí nastavení</translation>
    </message>
    <message>
        <source>InvalidDirText</source>
        <translation>Tato složka neexistuje. Vyberte existující složku; do té doby zůstává původní.</translation>
    </message>
    <message>
        <source>SaveSettingsButton</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>SettingsDownloadDirHeader</source>
        <translation>Složka pro stahování</translation>
    </message>
    <message>
        <source>SettingsLanguageHeader</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>SettingsOptionsHeader</source>
        <translation>Kontroly</translation>
    </message>
    <message>
        <source>SystemDriverCheck</source>
        <translation>Zahrnout do kontroly systémová zařízení</translation>
    </message>
    <message>
        <source>UpdatesCheck</source>
        <translation>Při spuštění kontrolovat aktualizace programu</translation>
    </message>
</context>
<context>
    <name>SettingsRestartLayout</name>
    <message>
        <source>NeedRestartSettingsMessage</source>
        <translation>Nové nastavení se projeví po restartu programu.</translation>
    </message>
    <message>
        <source>NeedRestartSettingsTitle</source>
        <translation>Nastavení uloženo</translation>
    </message>
    <message>
        <source>RestartLaterButton</source>
        <translation>Později</translation>
    </message>
    <message>
        <source>RestartNowButton</source>
        <translation>Restartovat</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>AutoInstallDesc</source>
        <translation>Automaticky je stáhne a nainstaluje</translation>
    </message>
    <message>
        <source>BackupDetailLink</source>
        <translation>Co je záloha?</translation>
    </message>
    <message>
        <source>CreateBackupCheckBox</source>
        <translation>Před kontrolou zálohovat všechny ovladače</translation>
    </message>
    <message>
        <source>FindNewDesc</source>
        <translation>Najde chybějící ovladače</translation>
    </message>
    <message>
        <source>RegularDesc</source>
        <translation>Připomene pravidelnou kontrolu</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Zkontrolovat</translation>
    </message>
    <message>
        <source>StartScanTitle</source>
        <translation>Udržujte ovladače aktuální</translation>
    </message>
    <message>
        <source>UpdateOldDesc</source>
        <translation>Aktualizuje zastaralé ovladače</translation>
    </message>
</context>
<context>
    <name>SystemRebootLayout</name>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Restartujte počítač, aby se dokončila instalace ovladačů.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Je nutný restart</translation>
    </message>
    <message>
        <source>RebootLaterButton</source>
        <translation>Později</translation>
    </message>
    <message>
        <source>RebootNowButton</source>
        <translation>Restartovat</translation>
    </message>
</context>
<context>
    <name>TextFieldMenu</name>
    <message>
        <source>CopyMenuItem</source>
        <translation>Kopírovat</translation>
    </message>
    <message>
        <source>CutMenuItem</source>
        <translation>Vyjmout</translation>
    </message>
    <message>
        <source>PasteMenuItem</source>
        <translation>Vložit</translation>
    </message>
    <message>
        <source>SelectAllMenuItem</source>
        <translation>Vybrat vše</translation>
    </message>
</context>
</TS>
