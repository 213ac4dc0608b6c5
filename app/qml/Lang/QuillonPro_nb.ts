<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>AboutModule</name>
    <message>
        <source>AppDescription</source>
        <translation>Quillon Pro finner utdaterte drivere på datamaskinen, laster ned de nyeste versjonene og installerer dem trygt, og tar vare på en kopi av hver driver som erstattes.</translation>
    </message>
    <message>
        <source>ContactLink</source>
        <translation>Kontakt oss</translation>
    </message>
    <message>
        <source>HowDeleteLink</source>
        <translation>Slik avinstallerer du</translation>
    </message>
    <message>
        <source>PolicyLink</source>
        <translation>Personvernerklæring</translation>
    </message>
    <message>
        <source>RefundPolicyLink</source>
        <translation>Refusjonsvilkår</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Risikoer</translation>
    </message>
    <message>
        <source>UserAgreementLink</source>
        <translation>Lisensavtale</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versjon</translation>
    </message>
</context>
<context>
    <name>AppUpdateView</name>
    <message>
        <source>AppUpdateDescription</source>
        <translation>En ny versjon av Quillon Pro er tilgjengelig.</translation>
    </message>
    <message>
        <source>AppUpdateError</source>
        <translation>Oppdateringen kunne ikke lastes ned eller kontrolleres. Du kan prøve igjen eller fortsette med denne versjonen.</translation>
    </message>
    <message>
        <source>AppUpdateHeader</source>
        <translation>Oppdatering tilgjengelig</translation>
    </message>
    <message>
        <source>AppUpdateProcess</source>
        <translation>Laster ned oppdateringen…</translation>
    </message>
    <message>
        <source>AppUpdateQuestion</source>
        <translation>Vil du laste ned og installere den nå?</translation>
    </message>
    <message>
        <source>NoButton</source>
        <translation>Ikke nå</translation>
    </message>
    <message>
        <source>YesButton</source>
        <translation>Ja, oppdater</translation>
    </message>
</context>
<context>
    <name>AutorunModule</name>
    <message>
        <source>AutorunEnableCheckBox</source>
        <translation>Minn meg på å sjekke driverne</translation>
    </message>
    <message>
        <source>AutosaveStartDesc</source>
        <translation>Neste sjekk: %1 kl. %2</translation>
    </message>
    <message>
        <source>MonthlySelect</source>
        <translation>Hver måned</translation>
    </message>
    <message>
        <source>SaveButton</source>
        <translation>Lagre</translation>
    </message>
    <message>
        <source>WeeklySelect</source>
        <translation>Hver uke</translation>
    </message>
</context>
<context>
    <name>BackupModule</name>
    <message>
        <source>BackButton</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Sikkerhetskopien er laget</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Sikkerhetskopifil:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Gjenoppretter drivere</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Driverne er gjenopprettet</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Lagrer drivere:</translation>
    </message>
    <message>
        <source>BrowseButton</source>
        <translation>Bla gjennom…</translation>
    </message>
    <message>
        <source>CreateBackupButton</source>
        <translation>Lag sikkerhetskopi</translation>
    </message>
    <message>
        <source>DetailButton</source>
        <translation>Les mer</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Leverandør</translation>
    </message>
    <message>
        <source>HowCreateBackupLink</source>
        <translation>Slik lager du en sikkerhetskopi</translation>
    </message>
    <message>
        <source>HowUseBackupLink</source>
        <translation>Slik gjenoppretter du fra en sikkerhetskopi</translation>
    </message>
    <message>
        <source>InstallBackupButton</source>
        <translation>Gjenopprett fra sikkerhetskopi</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>InstalledBackupListTitle</source>
        <translation>Gjenopprettede drivere:</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Driverne samsvarer med sikkerhetskopien. Det er ingenting å gjenopprette.</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Drivere som skal gjenopprettes:</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Velg alle</translation>
    </message>
    <message>
        <source>ValidDriverList</source>
        <translation>Andre drivere i sikkerhetskopien:</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versjon</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>WhatIsBackupLink</source>
        <translation>Hva er en sikkerhetskopi?</translation>
    </message>
</context>
<context>
    <name>CancelButton</name>
    <message>
        <source>CancelButton</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>ChangeRow</name>
    <message>
        <source>Developer</source>
        <translation>Leverandør</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versjon</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Dato</translation>
    </message>
</context>
<context>
    <name>CompletionFooter</name>
    <message>
        <source>BackupCompleteButton</source>
        <translation>Ferdig</translation>
    </message>
    <message>
        <source>BackupCompleteText</source>
        <translation>Skann nå datamaskinen etter nyere drivere.</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Skann nå</translation>
    </message>
</context>
<context>
    <name>ConnectErrorView</name>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Ingen tilkobling til drivertjenesten</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>Programmet fikk ikke kontakt med drivertjenesten. Kontroller internettilkoblingen og prøv igjen.</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Prøv igjen</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Drivertjenesten er ikke tilgjengelig akkurat nå. Prøv igjen om noen minutter.</translation>
    </message>
</context>
<context>
    <name>DeviceRow</name>
    <message>
        <source>Alternative</source>
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>CandidateCount</source>
        <translation>Drivere funnet: %1</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Gjeldende driver</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Ny versjon</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Anbefalt</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Størrelse</translation>
    </message>
</context>
<context>
    <name>DriverFacts</name>
    <message>
        <source>Developer</source>
        <translation>Leverandør</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versjon</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Dato</translation>
    </message>
</context>
<context>
    <name>DriverList</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Laster ned</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Installert</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Mislyktes</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Installerer</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>I kø</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Klar til installasjon</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Pakker ut</translation>
    </message>
</context>
<context>
    <name>HistoryModule</name>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Ingen drivere er oppdatert ennå.</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Installerte driveroppdateringer</translation>
    </message>
</context>
<context>
    <name>InitView</name>
    <message>
        <source>AppInitializationText</source>
        <translation>Gjør klar: kontrollerer systemet og kobler til drivertjenesten…</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versjon</translation>
    </message>
</context>
<context>
    <name>InstallPage</name>
    <message>
        <source>CompleteButton</source>
        <translation>Ferdig</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Installasjonen er fullført</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Installerer drivere:</translation>
    </message>
</context>
<context>
    <name>InstallRow</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Laster ned</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Installert</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Mislyktes</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Installerer</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>I kø</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Klar til installasjon</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Pakker ut</translation>
    </message>
</context>
<context>
    <name>ModulesList</name>
    <message>
        <source>DBUpdatedAtText</source>
        <translation>Driverdatabasen oppdatert:</translation>
    </message>
</context>
<context>
    <name>NoConnectPanel</name>
    <message>
        <source>NoConnectDesc</source>
        <translation>Denne siden trenger drivertjenesten, som ikke svarte da programmet startet. Start programmet på nytt for å prøve igjen.</translation>
    </message>
    <message>
        <source>NoConnectTitle</source>
        <translation>Ingen tilkobling</translation>
    </message>
</context>
<context>
    <name>NoSignDriversLayout</name>
    <message>
        <source>DetailButton</source>
        <translation>Les mer</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Fortsett</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Det tas vare på en kopi av hver driver som erstattes, så du kan angre enhver oppdatering på siden Gjenoppretting.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Noen av de valgte driverne er ikke sertifisert av Microsoft (WHQL). De kommer fra enhetsprodusentene, men fungerer kanskje ikke på alle datamaskiner.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Før du installerer</translation>
    </message>
</context>
<context>
    <name>PipelineStrip</name>
    <message>
        <source>CompleteStep</source>
        <translation>Ferdig</translation>
    </message>
    <message>
        <source>DownloadInstallStep</source>
        <translation>Nedlasting og installasjon</translation>
    </message>
    <message>
        <source>ScanningStep</source>
        <translation>Skanning</translation>
    </message>
    <message>
        <source>SelectStep</source>
        <translation>Utvalg</translation>
    </message>
</context>
<context>
    <name>ProgramsModule</name>
    <message>
        <source>CommandLineProgram</source>
        <translation>Ledetekst</translation>
    </message>
    <message>
        <source>ComputerManagementProgram</source>
        <translation>Databehandling</translation>
    </message>
    <message>
        <source>ControlPanelProgram</source>
        <translation>Kontrollpanel</translation>
    </message>
    <message>
        <source>DiskManagementProgram</source>
        <translation>Diskbehandling</translation>
    </message>
    <message>
        <source>DisplaySettingsProgram</source>
        <translation>Skjerm­innstillinger</translation>
    </message>
    <message>
        <source>NetworkProgram</source>
        <translation>Nettverks­tilkoblinger</translation>
    </message>
    <message>
        <source>PowerSupplyProgram</source>
        <translation>Strømalternativer</translation>
    </message>
    <message>
        <source>ProgramsDescription</source>
        <translation>Åpne Windows-verktøyene du oftest trenger for å ta vare på PC-en.</translation>
    </message>
    <message>
        <source>ProgramsFeaturesProgram</source>
        <translation>Programmer og funksjoner</translation>
    </message>
    <message>
        <source>RecoveryProgram</source>
        <translation>Gjenoppretting</translation>
    </message>
    <message>
        <source>SystemProgram</source>
        <translation>System</translation>
    </message>
    <message>
        <source>TaskManagerProgram</source>
        <translation>Oppgavebehandling</translation>
    </message>
</context>
<context>
    <name>Qln::AboutModule</name>
    <message>
        <source>AboutTitle</source>
        <translation>Om</translation>
    </message>
</context>
<context>
    <name>Qln::AutorunModule</name>
    <message>
        <source>AutorunTitle</source>
        <translation>Planlegging</translation>
    </message>
</context>
<context>
    <name>Qln::BackupModule</name>
    <message>
        <source>CloudBackupTitle</source>
        <translation>Sikkerhetskopi</translation>
    </message>
</context>
<context>
    <name>Qln::BackupViewModel</name>
    <message>
        <source>DevMissing</source>
        <translation>Enheten ble ikke funnet</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Ny enhet</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Uendret</translation>
    </message>
</context>
<context>
    <name>Qln::Cli::Program</name>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Sikkerhetskopien er laget</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Sikkerhetskopifil:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Gjenoppretter drivere</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Driverne er gjenopprettet</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Lagrer drivere:</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Ingen tilkobling til drivertjenesten</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Gjeldende driver</translation>
    </message>
    <message>
        <source>DevMissing</source>
        <translation>Enheten ble ikke funnet</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Ny enhet</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Uendret</translation>
    </message>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Laster ned</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Installert</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Mislyktes</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Installerer</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Klar til installasjon</translation>
    </message>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Ingen drivere er oppdatert ennå.</translation>
    </message>
    <message>
        <source>FindUpdatesHeader</source>
        <translation>Søker etter oppdateringer</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Installerte driveroppdateringer</translation>
    </message>
    <message>
        <source>InstallBackup</source>
        <translation>Gjenoppretter</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Gjenoppretting mislyktes</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Gjenopprettet</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Installasjonen er fullført</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Installerer drivere:</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>Programmet fikk ikke kontakt med drivertjenesten. Kontroller internettilkoblingen og prøv igjen.</translation>
    </message>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Start datamaskinen på nytt for å fullføre installasjonen av driverne.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Omstart kreves</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Ny versjon</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Driverne samsvarer med sikkerhetskopien. Det er ingenting å gjenopprette.</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Fortsett</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Det tas vare på en kopi av hver driver som erstattes, så du kan angre enhver oppdatering på siden Gjenoppretting.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Noen av de valgte driverne er ikke sertifisert av Microsoft (WHQL). De kommer fra enhetsprodusentene, men fungerer kanskje ikke på alle datamaskiner.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Før du installerer</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Drivere som skal gjenopprettes:</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Anbefalt</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Det finnes ingen oppdaterte drivere å tilbakestille ennå.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Oppdaterte drivere du kan tilbakestille</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Driverne dine er oppdatert</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Drivertjenesten er ikke tilgjengelig akkurat nå. Prøv igjen om noen minutter.</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Pakker ut</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Enheter med driveroppdateringer:</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>Venter</translation>
    </message>
</context>
<context>
    <name>Qln::DeviceScanner</name>
    <message>
        <source>ScanTitle</source>
        <translation>Skanner enheter</translation>
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
        <translation>Søker etter oppdateringer</translation>
    </message>
</context>
<context>
    <name>Qln::HistoryModule</name>
    <message>
        <source>DownloadHistoryTitle</source>
        <translation>Historikk</translation>
    </message>
</context>
<context>
    <name>Qln::InstallDriversModule</name>
    <message>
        <source>InstallDriversTitle</source>
        <translation>Driveroppdatering</translation>
    </message>
</context>
<context>
    <name>Qln::ProgramsModule</name>
    <message>
        <source>ProgramsTitle</source>
        <translation>Nyttige programmer</translation>
    </message>
</context>
<context>
    <name>Qln::RecoveryModule</name>
    <message>
        <source>RecoveryTitle</source>
        <translation>Gjenoppretting</translation>
    </message>
</context>
<context>
    <name>Qln::SettingsModule</name>
    <message>
        <source>SettingsTitle</source>
        <translation>Innstillinger</translation>
    </message>
</context>
<context>
    <name>RecoveryModule</name>
    <message>
        <source>InstallBackup</source>
        <translation>Gjenoppretter</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Gjenoppretting mislyktes</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Gjenopprettet</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Det finnes ingen oppdaterte drivere å tilbakestille ennå.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Oppdaterte drivere du kan tilbakestille</translation>
    </message>
    <message>
        <source>RestoreButton</source>
        <translation>Gjenopprett</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Pakker ut</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>Venter</translation>
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
        <translation>Minne</translation>
    </message>
    <message>
        <source>Motherboard</source>
        <translation>Hovedkort</translation>
    </message>
    <message>
        <source>OS</source>
        <translation>Operativsystem</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Prosessor</translation>
    </message>
    <message>
        <source>SystemInfoTitle</source>
        <translation>Systeminformasjon</translation>
    </message>
</context>
<context>
    <name>SearchComplete</name>
    <message>
        <source>SearchCompleteDesc</source>
        <translation>Det ble ikke funnet nyere drivere for enhetene dine. Planlegg en jevnlig sjekk så du ikke går glipp av nye.</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Driverne dine er oppdatert</translation>
    </message>
    <message>
        <source>ToAutorunButton</source>
        <translation>Planlegg sjekk</translation>
    </message>
    <message>
        <source>UpdateFinishButton</source>
        <translation>Fullfør</translation>
    </message>
</context>
<context>
    <name>SearchFailed</name>
    <message>
        <source>BackButton</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Ingen tilkobling til drivertjenesten</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Prøv igjen</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Drivertjenesten er ikke tilgjengelig akkurat nå. Prøv igjen om noen minutter.</translation>
    </message>
</context>
<context>
    <name>SelectPage</name>
    <message>
        <source>BackButton</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Risikoer</translation>
    </message>
    <message>
        <source>ScanDifferFooter</source>
        <translation>Resultatene avhenger av driverdatabasen og kan endre seg over tid. Oppdatering av drivere innebærer en viss risiko.</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Velg alle</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Enheter med driveroppdateringer:</translation>
    </message>
</context>
<context>
    <name>SettingsModule</name>
    <message>
        <source>BrowseButton</source>
        <translation>Bla gjennom…</translation>
    </message>
    <message>
        <source>ChooseDirDesc</source>
        <translation>Velg en mappe for nedlastede drivere</translation>
    </message>
    <message>
        <source>DefaultSettingsButton</source>
        <translation>Standardinnstillinger</translation>
    </message>
    <message>
        <source>InvalidDirText</source>
        <translation>Denne mappen finnes ikke. Velg en eksisterende mappe; inntil da beholdes den forrige.</translation>
    </message>
    <message>
        <source>SaveSettingsButton</source>
        <translation>Lagre</translation>
    </message>
    <message>
        <source>SettingsDownloadDirHeader</source>
        <translation>Nedlastingsmappe</translation>
    </message>
    <message>
        <source>SettingsLanguageHeader</source>
        <translation>Språk</translation>
    </message>
    <message>
        <source>SettingsOptionsHeader</source>
        <translation>Kontroller</translation>
    </message>
    <message>
        <source>SystemDriverCheck</source>
        <translation>Ta med systemenheter i skanningen</translation>
    </message>
    <message>
        <source>UpdatesCheck</source>
        <translation>Se etter programoppdateringer ved oppstart</translation>
    </message>
</context>
<context>
    <name>SettingsRestartLayout</name>
    <message>
        <source>NeedRestartSettingsMessage</source>
        <translation>De nye innstillingene trer i kraft når programmet startes på nytt.</translation>
    </message>
    <message>
        <source>NeedRestartSettingsTitle</source>
        <translation>Innstillingene er lagret</translation>
    </message>
    <message>
        <source>RestartLaterButton</source>
        <translation>Senere</translation>
    </message>
    <message>
        <source>RestartNowButton</source>
        <translation>Start på nytt nå</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>AutoInstallDesc</source>
        <translation>Laster ned og installerer dem automatisk</translation>
    </message>
    <message>
        <source>BackupDetailLink</source>
        <translation>Hva er en sikkerhetskopi?</translation>
    </message>
    <message>
        <source>CreateBackupCheckBox</source>
        <translation>Sikkerhetskopier alle drivere før skanning</translation>
    </message>
    <message>
        <source>FindNewDesc</source>
        <translation>Finner manglende drivere</translation>
    </message>
    <message>
        <source>RegularDesc</source>
        <translation>Minner deg på å sjekke jevnlig</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Skann nå</translation>
    </message>
    <message>
        <source>StartScanTitle</source>
        <translation>Hold driverne oppdatert</translation>
    </message>
    <message>
        <source>UpdateOldDesc</source>
        <translation>Oppdaterer utdaterte drivere</translation>
    </message>
</context>
<context>
    <name>SystemRebootLayout</name>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Start datamaskinen på nytt for å fullføre installasjonen av driverne.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Omstart kreves</translation>
    </message>
    <message>
        <source>RebootLaterButton</source>
        <translation>Senere</translation>
    </message>
    <message>
        <source>RebootNowButton</source>
        <translation>Start på nytt nå</translation>
    </message>
</context>
<context>
    <name>TextFieldMenu</name>
    <message>
        <source>CopyMenuItem</source>
        <translation>Kopier</translation>
    </message>
    <message>
        <source>CutMenuItem</source>
        <translation>Klipp ut</translation>
    </message>
    <message>
        <source>PasteMenuItem</source>
        <translation>Lim inn</translation>
    </message>
    <message>
        <source>SelectAllMenuItem</source>
        <translation>Merk alt</translation>
    </message>
</context>
</TS>
