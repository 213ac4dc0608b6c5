<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK">
<context>
    <name>AboutModule</name>
    <message>
        <source>AppDescription</source>
        <translation>Quillon Pro nájde v počítači zastarané ovládače, stiahne ich najnovšie verzie a bezpečne ich nainštaluje. Z každého nahradeného ovládača si ponechá kópiu.</translation>
    </message>
    <message>
        <source>ContactLink</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>HowDeleteLink</source>
        <translation>Ako odinštalovať</translation>
    </message>
    <message>
        <source>PolicyLink</source>
        <translation>Zásady ochrany osobných údajov</translation>
    </message>
    <message>
        <source>RefundPolicyLink</source>
        <translation>Zásady vrátenia peňazí</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Riziká</translation>
    </message>
    <message>
        <source>UserAgreementLink</source>
        <translation>Licenčná zmluva</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verzia</translation>
    </message>
</context>
<context>
    <name>AppUpdateView</name>
    <message>
        <source>AppUpdateDescription</source>
        <translation>K dispozícii je nová verzia programu Quillon Pro.</translation>
    </message>
    <message>
        <source>AppUpdateError</source>
        <translation>Aktualizáciu sa nepodarilo stiahnuť ani overiť. Môžete to skúsiť znova alebo pokračovať s touto verziou.</translation>
    </message>
    <message>
        <source>AppUpdateHeader</source>
        <translation>K dispozícii je aktualizácia</translation>
    </message>
    <message>
        <source>AppUpdateProcess</source>
        <translation>Sťahuje sa aktualizácia…</translation>
    </message>
    <message>
        <source>AppUpdateQuestion</source>
        <translation>Stiahnuť a nainštalovať ju teraz?</translation>
    </message>
    <message>
        <source>NoButton</source>
        <translation>Teraz nie</translation>
    </message>
    <message>
        <source>YesButton</source>
        <translation>Áno, aktualizovať</translation>
    </message>
</context>
<context>
    <name>AutorunModule</name>
    <message>
        <source>AutorunEnableCheckBox</source>
        <translation>Pripomínať kontrolu ovládačov</translation>
    </message>
    <message>
        <source>AutosaveStartDesc</source>
        <translation>Ďalšia kontrola: %1 o %2</translation>
    </message>
    <message>
        <source>MonthlySelect</source>
        <translation>Každý mesiac</translation>
    </message>
    <message>
        <source>SaveButton</source>
        <translation>Uložiť</translation>
    </message>
    <message>
        <source>WeeklySelect</source>
        <translation>Každý týždeň</translation>
    </message>
</context>
<context>
    <name>BackupModule</name>
    <message>
        <source>BackButton</source>
        <translation>Späť</translation>
    </message>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Záloha vytvorená</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Súbor zálohy:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Obnovovanie ovládačov</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Ovládače obnovené</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Ukladanie ovládačov:</translation>
    </message>
    <message>
        <source>BrowseButton</source>
        <translation>Prehľadávať…</translation>
    </message>
    <message>
        <source>CreateBackupButton</source>
        <translation>Vytvoriť zálohu</translation>
    </message>
    <message>
        <source>DetailButton</source>
        <translation>Ďalšie informácie</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Dodávateľ</translation>
    </message>
    <message>
        <source>HowCreateBackupLink</source>
        <translation>Ako vytvoriť zálohu</translation>
    </message>
    <message>
        <source>HowUseBackupLink</source>
        <translation>Ako obnoviť zo zálohy</translation>
    </message>
    <message>
        <source>InstallBackupButton</source>
        <translation>Obnoviť zo zálohy</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Nainštalovať</translation>
    </message>
    <message>
        <source>InstalledBackupListTitle</source>
        <translation>Obnovené ovládače:</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Vaše ovládače zodpovedajú zálohe. Nie je čo obnovovať.</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Ovládače na obnovenie:</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Vybrať všetko</translation>
    </message>
    <message>
        <source>ValidDriverList</source>
        <translation>Ďalšie ovládače v zálohe:</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verzia</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Dátum</translation>
    </message>
    <message>
        <source>WhatIsBackupLink</source>
        <translation>Čo je záloha?</translation>
    </message>
</context>
<context>
    <name>CancelButton</name>
    <message>
        <source>CancelButton</source>
        <translation>Zrušiť</translation>
    </message>
</context>
<context>
    <name>ChangeRow</name>
    <message>
        <source>Developer</source>
        <translation>Dodávateľ</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verzia</translation>
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
        <translation>Hotovo</translation>
    </message>
    <message>
        <source>BackupCompleteText</source>
        <translation>Teraz skontrolujte, či pre počítač nie sú novšie ovládače.</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Skontrolovať</translation>
    </message>
</context>
<context>
    <name>ConnectErrorView</name>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Bez pripojenia k službe ovládačov</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>Program sa nemohol spojiť so službou ovládačov. Skontrolujte pripojenie na internet a skúste to znova.</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Skúsiť znova</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Služba ovládačov teraz nie je dostupná. Skúste to znova o niekoľko minút.</translation>
    </message>
</context>
<context>
    <name>DeviceRow</name>
    <message>
        <source>Alternative</source>
        <translation>Alternatívny</translation>
    </message>
    <message>
        <source>CandidateCount</source>
        <translation>Nájdené ovládače: %1</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Aktuálny ovládač</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Nová verzia</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Odporúčaný</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Veľkosť</translation>
    </message>
</context>
<context>
    <name>DriverFacts</name>
    <message>
        <source>Developer</source>
        <translation>Dodávateľ</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verzia</translation>
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
        <translation>Sťahovanie</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Nainštalované</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Inštalácia</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>V poradí</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Pripravené na inštaláciu</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Rozbaľovanie</translation>
    </message>
</context>
<context>
    <name>HistoryModule</name>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Zatiaľ nebol aktualizovaný žiadny ovládač.</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Nainštalované aktualizácie ovládačov</translation>
    </message>
</context>
<context>
    <name>InitView</name>
    <message>
        <source>AppInitializationText</source>
        <translation>Príprava: kontrola systému a pripájanie k službe ovládačov…</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verzia</translation>
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
        <translation>Inštalácia dokončená</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Inštalácia ovládačov:</translation>
    </message>
</context>
<context>
    <name>InstallRow</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Sťahovanie</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Nainštalované</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Inštalácia</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>V poradí</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Pripravené na inštaláciu</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Rozbaľovanie</translation>
    </message>
</context>
<context>
    <name>ModulesList</name>
    <message>
        <source>DBUpdatedAtText</source>
        <translation>Databáza ovládačov aktualizovaná:</translation>
    </message>
</context>
<context>
    <name>NoConnectPanel</name>
    <message>
        <source>NoConnectDesc</source>
        <translation>Táto stránka potrebuje službu ovládačov, ktorá pri spustení programu neodpovedala. Reštartujte program a skúste to znova.</translation>
    </message>
    <message>
        <source>NoConnectTitle</source>
        <translation>Bez pripojenia</translation>
    </message>
</context>
<context>
    <name>NoSignDriversLayout</name>
    <message>
        <source>DetailButton</source>
        <translation>Ďalšie informácie</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Pokračovať</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Z každého nahradeného ovládača sa uchováva kópia, takže akúkoľvek aktualizáciu môžete vrátiť na stránke Obnovenie.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Niektoré z vybraných ovládačov nie sú certifikované spoločnosťou Microsoft (WHQL). Pochádzajú od výrobcov zariadení, ale nemusia fungovať na každom počítači.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Pred inštaláciou</translation>
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
        <translation>Stiahnutie a inštalácia</translation>
    </message>
    <message>
        <source>ScanningStep</source>
        <translation>Kontrola</translation>
    </message>
    <message>
        <source>SelectStep</source>
        <translation>Výber</translation>
    </message>
</context>
<context>
    <name>ProgramsModule</name>
    <message>
        <source>CommandLineProgram</source>
        <translation>Príkazový riadok</translation>
    </message>
    <message>
        <source>ComputerManagementProgram</source>
        <translation>Správa počítača</translation>
    </message>
    <message>
        <source>ControlPanelProgram</source>
        <translation>Ovládací panel</translation>
    </message>
    <message>
        <source>DiskManagementProgram</source>
        <translation>Správa diskov</translation>
    </message>
    <message>
        <source>DisplaySettingsProgram</source>
        <translation>Nastavenie obrazovky</translation>
    </message>
    <message>
        <source>NetworkProgram</source>
        <translation>Sieťové pripojenia</translation>
    </message>
    <message>
        <source>PowerSupplyProgram</source>
        <translation>Možnosti napájania</translation>
    </message>
    <message>
        <source>ProgramsDescription</source>
        <translation>Otvárajte nástroje Windows, ktoré na starostlivosť o počítač potrebujete najčastejšie.</translation>
    </message>
    <message>
        <source>ProgramsFeaturesProgram</source>
        <translation>Programy a súčasti</translation>
    </message>
    <message>
        <source>RecoveryProgram</source>
        <translation>Obnovenie</translation>
    </message>
    <message>
        <source>SystemProgram</source>
        <translation>Systém</translation>
    </message>
    <message>
        <source>TaskManagerProgram</source>
        <translation>Správca úloh</translation>
    </message>
</context>
<context>
    <name>Qln::AboutModule</name>
    <message>
        <source>AboutTitle</source>
        <translation>O programe</translation>
    </message>
</context>
<context>
    <name>Qln::AutorunModule</name>
    <message>
        <source>AutorunTitle</source>
        <translation>Plánovanie</translation>
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
        <translation>Zariadenie sa nenašlo</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Nové zariadenie</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Bez zmeny</translation>
    </message>
</context>
<context>
    <name>Qln::Cli::Program</name>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Záloha vytvorená</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Súbor zálohy:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Obnovovanie ovládačov</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Ovládače obnovené</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Ukladanie ovládačov:</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Bez pripojenia k službe ovládačov</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Aktuálny ovládač</translation>
    </message>
    <message>
        <source>DevMissing</source>
        <translation>Zariadenie sa nenašlo</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Nové zariadenie</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Bez zmeny</translation>
    </message>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Sťahovanie</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Nainštalované</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Inštalácia</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Pripravené na inštaláciu</translation>
    </message>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Zatiaľ nebol aktualizovaný žiadny ovládač.</translation>
    </message>
    <message>
        <source>FindUpdatesHeader</source>
        <translation>Hľadanie aktualizácií</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Nainštalované aktualizácie ovládačov</translation>
    </message>
    <message>
        <source>InstallBackup</source>
        <translation>Obnovuje sa</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Obnovenie zlyhalo</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Obnovené</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Inštalácia dokončená</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Inštalácia ovládačov:</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>Program sa nemohol spojiť so službou ovládačov. Skontrolujte pripojenie na internet a skúste to znova.</translation>
    </message>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Reštartujte počítač, aby sa dokončila inštalácia ovládačov.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Vyžaduje sa reštart</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Nová verzia</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Vaše ovládače zodpovedajú zálohe. Nie je čo obnovovať.</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Pokračovať</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Z každého nahradeného ovládača sa uchováva kópia, takže akúkoľvek aktualizáciu môžete vrátiť na stránke Obnovenie.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Niektoré z vybraných ovládačov nie sú certifikované spoločnosťou Microsoft (WHQL). Pochádzajú od výrobcov zariadení, ale nemusia fungovať na každom počítači.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Pred inštaláciou</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Ovládače na obnovenie:</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Odporúčaný</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Zatiaľ nie sú žiadne aktualizované ovládače na vrátenie.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Aktualizované ovládače, ktoré možno vrátiť</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Vaše ovládače sú aktuálne</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Služba ovládačov teraz nie je dostupná. Skúste to znova o niekoľko minút.</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Rozbaľovanie</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Zariadenia s aktualizáciami:</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>Čaká</translation>
    </message>
</context>
<context>
    <name>Qln::DeviceScanner</name>
    <message>
        <source>ScanTitle</source>
        <translation>Kontrola zariadení</translation>
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
        <translation>Hľadanie aktualizácií</translation>
    </message>
</context>
<context>
    <name>Qln::HistoryModule</name>
    <message>
        <source>DownloadHistoryTitle</source>
        <translation>História</translation>
    </message>
</context>
<context>
    <name>Qln::InstallDriversModule</name>
    <message>
        <source>InstallDriversTitle</source>
        <translation>Aktualizácia ovládačov</translation>
    </message>
</context>
<context>
    <name>Qln::ProgramsModule</name>
    <message>
        <source>ProgramsTitle</source>
        <translation>Užitočné programy</translation>
    </message>
</context>
<context>
    <name>Qln::RecoveryModule</name>
    <message>
        <source>RecoveryTitle</source>
        <translation>Obnovenie</translation>
    </message>
</context>
<context>
    <name>Qln::SettingsModule</name>
    <message>
        <source>SettingsTitle</source>
        <translation>Nastavenia</translation>
    </message>
</context>
<context>
    <name>RecoveryModule</name>
    <message>
        <source>InstallBackup</source>
        <translation>Obnovuje sa</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Obnovenie zlyhalo</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Obnovené</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Zatiaľ nie sú žiadne aktualizované ovládače na vrátenie.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Aktualizované ovládače, ktoré možno vrátiť</translation>
    </message>
    <message>
        <source>RestoreButton</source>
        <translation>Obnoviť</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Rozbaľovanie</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>Čaká</translation>
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
        <translation>Pamäť</translation>
    </message>
    <message>
        <source>Motherboard</source>
        <translation>Základná doska</translation>
    </message>
    <message>
        <source>OS</source>
        <translation>Operačný systém</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Procesor</translation>
    </message>
    <message>
        <source>SystemInfoTitle</source>
        <translation>Informácie o systéme</translation>
    </message>
</context>
<context>
    <name>SearchComplete</name>
    <message>
        <source>SearchCompleteDesc</source>
        <translation>Pre vaše zariadenia sa nenašli novšie ovládače. Naplánujte pravidelnú kontrolu, aby vám nové neunikli.</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Vaše ovládače sú aktuálne</translation>
    </message>
    <message>
        <source>ToAutorunButton</source>
        <translation>Naplánovať kontroly</translation>
    </message>
    <message>
        <source>UpdateFinishButton</source>
        <translation>Dokončiť</translation>
    </message>
</context>
<context>
    <name>SearchFailed</name>
    <message>
        <source>BackButton</source>
        <translation>Späť</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Bez pripojenia k službe ovládačov</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Skúsiť znova</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Služba ovládačov teraz nie je dostupná. Skúste to znova o niekoľko minút.</translation>
    </message>
</context>
<context>
    <name>SelectPage</name>
    <message>
        <source>BackButton</source>
        <translation>Späť</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Nainštalovať</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Riziká</translation>
    </message>
    <message>
        <source>ScanDifferFooter</source>
        <translation>Výsledky závisia od databázy ovládačov a môžu sa meniť. Aktualizácia ovládačov so sebou nesie určité riziká.</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Vybrať všetko</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Zariadenia s aktualizáciami:</translation>
    </message>
</context>
<context>
    <name>SettingsModule</name>
    <message>
        <source>BrowseButton</source>
        <translation>Prehľadávať…</translation>
    </message>
    <message>
        <source>ChooseDirDesc</source>
        <translation>Vyberte priečinok pre stiahnuté ovládače</translation>
    </message>
    <message>
        <source>DefaultSettingsButton</source>
        <translation>Predvolené</translation>
    </message>
    <message>
        <source>InvalidDirText</source>
        <translation>Tento priečinok neexistuje. Vyberte existujúci priečinok; dovtedy zostáva pôvodný.</translation>
    </message>
    <message>
        <source>SaveSettingsButton</source>
        <translation>Uložiť</translation>
    </message>
    <message>
        <source>SettingsDownloadDirHeader</source>
        <translation>Priečinok na sťahovanie</translation>
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
        <translation>Zahrnúť do kontroly systémové zariadenia</translation>
    </message>
    <message>
        <source>UpdatesCheck</source>
        <translation>Pri spustení kontrolovať aktualizácie programu</translation>
    </message>
</context>
<context>
    <name>SettingsRestartLayout</name>
    <message>
        <source>NeedRestartSettingsMessage</source>
        <translation>Nové nastavenia sa prejavia po reštarte programu.</translation>
    </message>
    <message>
        <source>NeedRestartSettingsTitle</source>
        <translation>Nastavenia uložené</translation>
    </message>
    <message>
        <source>RestartLaterButton</source>
        <translation>Neskôr</translation>
    </message>
    <message>
        <source>RestartNowButton</source>
        <translation>Reštartovať</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>AutoInstallDesc</source>
        <translation>Automaticky ich stiahne a nainštaluje</translation>
    </message>
    <message>
        <source>BackupDetailLink</source>
        <translation>Čo je záloha?</translation>
    </message>
    <message>
        <source>CreateBackupCheckBox</source>
        <translation>Pred kontrolou zálohovať všetky ovládače</translation>
    </message>
    <message>
        <source>FindNewDesc</source>
        <translation>Nájde chýbajúce ovládače</translation>
    </message>
    <message>
        <source>RegularDesc</source>
        <translation>Pripomenie pravidelnú kontrolu</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Skontrolovať</translation>
    </message>
    <message>
        <source>StartScanTitle</source>
        <translation>Udržujte ovládače aktuálne</translation>
    </message>
    <message>
        <source>UpdateOldDesc</source>
        <translation>Aktualizuje zastarané ovládače</translation>
    </message>
</context>
<context>
    <name>SystemRebootLayout</name>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Reštartujte počítač, aby sa dokončila inštalácia ovládačov.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Vyžaduje sa reštart</translation>
    </message>
    <message>
        <source>RebootLaterButton</source>
        <translation>Neskôr</translation>
    </message>
    <message>
        <source>RebootNowButton</source>
        <translation>Reštartovať</translation>
    </message>
</context>
<context>
    <name>TextFieldMenu</name>
    <message>
        <source>CopyMenuItem</source>
        <translation>Kopírovať</translation>
    </message>
    <message>
        <source>CutMenuItem</source>
        <translation>Vystrihnúť</translation>
    </message>
    <message>
        <source>PasteMenuItem</source>
        <translation>Prilepiť</translation>
    </message>
    <message>
        <source>SelectAllMenuItem</source>
        <translation>Vybrať všetko</translation>
    </message>
</context>
</TS>
