<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AboutModule</name>
    <message>
        <source>AppDescription</source>
        <translation>Quillon Pro vindt verouderde stuurprogramma’s op uw computer, downloadt de nieuwste versies en installeert ze veilig, met een kopie van elk vervangen stuurprogramma.</translation>
    </message>
    <message>
        <source>ContactLink</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>HowDeleteLink</source>
        <translation>Hoe verwijder ik het programma?</translation>
    </message>
    <message>
        <source>PolicyLink</source>
        <translation>Privacybeleid</translation>
    </message>
    <message>
        <source>RefundPolicyLink</source>
        <translation>Terugbetalingsbeleid</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Risico’s</translation>
    </message>
    <message>
        <source>UserAgreementLink</source>
        <translation>Licentieovereenkomst</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
</context>
<context>
    <name>AppUpdateView</name>
    <message>
        <source>AppUpdateDescription</source>
        <translation>Er is een nieuwe versie van Quillon Pro beschikbaar.</translation>
    </message>
    <message>
        <source>AppUpdateError</source>
        <translation>De update kon niet worden gedownload of gecontroleerd. U kunt het opnieuw proberen of met deze versie doorgaan.</translation>
    </message>
    <message>
        <source>AppUpdateHeader</source>
        <translation>Update beschikbaar</translation>
    </message>
    <message>
        <source>AppUpdateProcess</source>
        <translation>Update downloaden…</translation>
    </message>
    <message>
        <source>AppUpdateQuestion</source>
        <translation>Nu downloaden en installeren?</translation>
    </message>
    <message>
        <source>NoButton</source>
        <translation>Niet nu</translation>
    </message>
    <message>
        <source>YesButton</source>
        <translation>Ja, bijwerken</translation>
    </message>
</context>
<context>
    <name>AutorunModule</name>
    <message>
        <source>AutorunEnableCheckBox</source>
        <translation>Herinner me aan het controleren van stuurprogramma’s</translation>
    </message>
    <message>
        <source>AutosaveStartDesc</source>
        <translation>Volgende controle: %1 om %2</translation>
    </message>
    <message>
        <source>MonthlySelect</source>
        <translation>Elke maand</translation>
    </message>
    <message>
        <source>SaveButton</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>WeeklySelect</source>
        <translation>Elke week</translation>
    </message>
</context>
<context>
    <name>BackupModule</name>
    <message>
        <source>BackButton</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Back-up gemaakt</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Back-upbestand:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Stuurprogramma’s terugzetten</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Stuurprogramma’s teruggezet</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Stuurprogramma’s opslaan:</translation>
    </message>
    <message>
        <source>BrowseButton</source>
        <translation>Bladeren…</translation>
    </message>
    <message>
        <source>CreateBackupButton</source>
        <translation>Back-up maken</translation>
    </message>
    <message>
        <source>DetailButton</source>
        <translation>Meer informatie</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Leverancier</translation>
    </message>
    <message>
        <source>HowCreateBackupLink</source>
        <translation>Hoe maak ik een back-up?</translation>
    </message>
    <message>
        <source>HowUseBackupLink</source>
        <translation>Hoe zet ik een back-up terug?</translation>
    </message>
    <message>
        <source>InstallBackupButton</source>
        <translation>Back-up terugzetten</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Installeren</translation>
    </message>
    <message>
        <source>InstalledBackupListTitle</source>
        <translation>Teruggezette stuurprogramma’s:</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Uw stuurprogramma’s komen overeen met de back-up. Er is niets terug te zetten.</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Terug te zetten stuurprogramma’s:</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>ValidDriverList</source>
        <translation>Overige stuurprogramma’s in de back-up:</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>WhatIsBackupLink</source>
        <translation>Wat is een back-up?</translation>
    </message>
</context>
<context>
    <name>CancelButton</name>
    <message>
        <source>CancelButton</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>ChangeRow</name>
    <message>
        <source>Developer</source>
        <translation>Leverancier</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
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
        <translation>Klaar</translation>
    </message>
    <message>
        <source>BackupCompleteText</source>
        <translation>Scan uw computer nu op nieuwere stuurprogramma’s.</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Nu scannen</translation>
    </message>
</context>
<context>
    <name>ConnectErrorView</name>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Geen verbinding met de stuurprogrammaservice</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>Het programma kon de stuurprogrammaservice niet bereiken. Controleer uw internetverbinding en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>De stuurprogrammaservice is op dit moment niet beschikbaar. Probeer het over een paar minuten opnieuw.</translation>
    </message>
</context>
<context>
    <name>DeviceRow</name>
    <message>
        <source>Alternative</source>
        <translation>Alternatief</translation>
    </message>
    <message>
        <source>CandidateCount</source>
        <translation>Gevonden stuurprogramma's: %1</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Huidig stuurprogramma</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Nieuwe versie</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Aanbevolen</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
</context>
<context>
    <name>DriverFacts</name>
    <message>
        <source>Developer</source>
        <translation>Leverancier</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
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
        <translation>Downloaden</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Geïnstalleerd</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Mislukt</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Installeren</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>In wachtrij</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Klaar om te installeren</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Uitpakken</translation>
    </message>
</context>
<context>
    <name>HistoryModule</name>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Er zijn nog geen stuurprogramma’s bijgewerkt.</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Geïnstalleerde stuurprogramma-updates</translation>
    </message>
</context>
<context>
    <name>InitView</name>
    <message>
        <source>AppInitializationText</source>
        <translation>Voorbereiden: systeem controleren en verbinden met de stuurprogrammaservice…</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
</context>
<context>
    <name>InstallPage</name>
    <message>
        <source>CompleteButton</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Installatie voltooid</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Stuurprogramma’s installeren:</translation>
    </message>
</context>
<context>
    <name>InstallRow</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Downloaden</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Geïnstalleerd</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Mislukt</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Installeren</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>In wachtrij</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Klaar om te installeren</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Uitpakken</translation>
    </message>
</context>
<context>
    <name>ModulesList</name>
    <message>
        <source>DBUpdatedAtText</source>
        <translation>Stuurprogrammadatabase bijgewerkt:</translation>
    </message>
</context>
<context>
    <name>NoConnectPanel</name>
    <message>
        <source>NoConnectDesc</source>
        <translation>Deze pagina heeft de stuurprogrammaservice nodig, die niet reageerde toen het programma startte. Start het programma opnieuw om het nog eens te proberen.</translation>
    </message>
    <message>
        <source>NoConnectTitle</source>
        <translation>Geen verbinding</translation>
    </message>
</context>
<context>
    <name>NoSignDriversLayout</name>
    <message>
        <source>DetailButton</source>
        <translation>Meer informatie</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Van elk vervangen stuurprogramma wordt een kopie bewaard, zodat u elke update kunt terugdraaien op de pagina Herstel.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Enkele van de geselecteerde stuurprogramma’s zijn niet door Microsoft gecertificeerd (WHQL). Ze komen van de apparaatfabrikanten, maar werken mogelijk niet op elke computer.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Voordat u installeert</translation>
    </message>
</context>
<context>
    <name>PipelineStrip</name>
    <message>
        <source>CompleteStep</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>DownloadInstallStep</source>
        <translation>Downloaden en installeren</translation>
    </message>
    <message>
        <source>ScanningStep</source>
        <translation>Scannen</translation>
    </message>
    <message>
        <source>SelectStep</source>
        <translation>Selecteren</translation>
    </message>
</context>
<context>
    <name>ProgramsModule</name>
    <message>
        <source>CommandLineProgram</source>
        <translation>Opdrachtprompt</translation>
    </message>
    <message>
        <source>ComputerManagementProgram</source>
        <translation>Computerbeheer</translation>
    </message>
    <message>
        <source>ControlPanelProgram</source>
        <translation>Configuratie­scherm</translation>
    </message>
    <message>
        <source>DiskManagementProgram</source>
        <translation>Schijfbeheer</translation>
    </message>
    <message>
        <source>DisplaySettingsProgram</source>
        <translation>Beeldscherm­instellingen</translation>
    </message>
    <message>
        <source>NetworkProgram</source>
        <translation>Netwerk­verbindingen</translation>
    </message>
    <message>
        <source>PowerSupplyProgram</source>
        <translation>Energiebeheer</translation>
    </message>
    <message>
        <source>ProgramsDescription</source>
        <translation>Open de Windows-hulpmiddelen die u het vaakst nodig hebt om uw pc te onderhouden.</translation>
    </message>
    <message>
        <source>ProgramsFeaturesProgram</source>
        <translation>Programma’s en onderdelen</translation>
    </message>
    <message>
        <source>RecoveryProgram</source>
        <translation>Systeemherstel</translation>
    </message>
    <message>
        <source>SystemProgram</source>
        <translation>Systeem</translation>
    </message>
    <message>
        <source>TaskManagerProgram</source>
        <translation>Taakbeheer</translation>
    </message>
</context>
<context>
    <name>Qln::AboutModule</name>
    <message>
        <source>AboutTitle</source>
        <translation>Over</translation>
    </message>
</context>
<context>
    <name>Qln::AutorunModule</name>
    <message>
        <source>AutorunTitle</source>
        <translation>Planning</translation>
    </message>
</context>
<context>
    <name>Qln::BackupModule</name>
    <message>
        <source>CloudBackupTitle</source>
        <translation>Back-up</translation>
    </message>
</context>
<context>
    <name>Qln::BackupViewModel</name>
    <message>
        <source>DevMissing</source>
        <translation>Apparaat niet gevonden</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Nieuw apparaat</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Ongewijzigd</translation>
    </message>
</context>
<context>
    <name>Qln::Cli::Program</name>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Back-up gemaakt</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Back-upbestand:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Stuurprogramma’s terugzetten</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Stuurprogramma’s teruggezet</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Stuurprogramma’s opslaan:</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Geen verbinding met de stuurprogrammaservice</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Huidig stuurprogramma</translation>
    </message>
    <message>
        <source>DevMissing</source>
        <translation>Apparaat niet gevonden</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Nieuw apparaat</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Ongewijzigd</translation>
    </message>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Downloaden</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Geïnstalleerd</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Mislukt</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Installeren</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Klaar om te installeren</translation>
    </message>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Er zijn nog geen stuurprogramma’s bijgewerkt.</translation>
    </message>
    <message>
        <source>FindUpdatesHeader</source>
        <translation>Zoeken naar updates</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Geïnstalleerde stuurprogramma-updates</translation>
    </message>
    <message>
        <source>InstallBackup</source>
        <translation>Wordt hersteld</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Herstellen mislukt</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Hersteld</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Installatie voltooid</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Stuurprogramma’s installeren:</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>Het programma kon de stuurprogrammaservice niet bereiken. Controleer uw internetverbinding en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Start de computer opnieuw op om de installatie van de stuurprogramma’s te voltooien.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Opnieuw opstarten vereist</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Nieuwe versie</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Uw stuurprogramma’s komen overeen met de back-up. Er is niets terug te zetten.</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Van elk vervangen stuurprogramma wordt een kopie bewaard, zodat u elke update kunt terugdraaien op de pagina Herstel.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Enkele van de geselecteerde stuurprogramma’s zijn niet door Microsoft gecertificeerd (WHQL). Ze komen van de apparaatfabrikanten, maar werken mogelijk niet op elke computer.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Voordat u installeert</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Terug te zetten stuurprogramma’s:</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Aanbevolen</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Er zijn nog geen bijgewerkte stuurprogramma’s om terug te draaien.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Bijgewerkte stuurprogramma’s die u kunt terugdraaien</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Uw stuurprogramma’s zijn up-to-date</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>De stuurprogrammaservice is op dit moment niet beschikbaar. Probeer het over een paar minuten opnieuw.</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Uitpakken</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Apparaten met updates:</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>Wachten</translation>
    </message>
</context>
<context>
    <name>Qln::DeviceScanner</name>
    <message>
        <source>ScanTitle</source>
        <translation>Apparaten scannen</translation>
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
        <translation>Zoeken naar updates</translation>
    </message>
</context>
<context>
    <name>Qln::HistoryModule</name>
    <message>
        <source>DownloadHistoryTitle</source>
        <translation>Geschiedenis</translation>
    </message>
</context>
<context>
    <name>Qln::InstallDriversModule</name>
    <message>
        <source>InstallDriversTitle</source>
        <translation>Stuurprogramma’s bijwerken</translation>
    </message>
</context>
<context>
    <name>Qln::ProgramsModule</name>
    <message>
        <source>ProgramsTitle</source>
        <translation>Handige programma’s</translation>
    </message>
</context>
<context>
    <name>Qln::RecoveryModule</name>
    <message>
        <source>RecoveryTitle</source>
        <translation>Herstel</translation>
    </message>
</context>
<context>
    <name>Qln::SettingsModule</name>
    <message>
        <source>SettingsTitle</source>
        <translation>Instellingen</translation>
    </message>
</context>
<context>
    <name>RecoveryModule</name>
    <message>
        <source>InstallBackup</source>
        <translation>Wordt hersteld</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Herstellen mislukt</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Hersteld</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Er zijn nog geen bijgewerkte stuurprogramma’s om terug te draaien.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Bijgewerkte stuurprogramma’s die u kunt terugdraaien</translation>
    </message>
    <message>
        <source>RestoreButton</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Uitpakken</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>Wachten</translation>
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
        <translation>Geheugen</translation>
    </message>
    <message>
        <source>Motherboard</source>
        <translation>Moederbord</translation>
    </message>
    <message>
        <source>OS</source>
        <translation>Besturingssysteem</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Processor</translation>
    </message>
    <message>
        <source>SystemInfoTitle</source>
        <translation>Systeeminformatie</translation>
    </message>
</context>
<context>
    <name>SearchComplete</name>
    <message>
        <source>SearchCompleteDesc</source>
        <translation>Er zijn geen nieuwere stuurprogramma’s gevonden voor uw apparaten. Plan een regelmatige controle om nieuwe niet te missen.</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Uw stuurprogramma’s zijn up-to-date</translation>
    </message>
    <message>
        <source>ToAutorunButton</source>
        <translation>Controles plannen</translation>
    </message>
    <message>
        <source>UpdateFinishButton</source>
        <translation>Voltooien</translation>
    </message>
</context>
<context>
    <name>SearchFailed</name>
    <message>
        <source>BackButton</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Geen verbinding met de stuurprogrammaservice</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>De stuurprogrammaservice is op dit moment niet beschikbaar. Probeer het over een paar minuten opnieuw.</translation>
    </message>
</context>
<context>
    <name>SelectPage</name>
    <message>
        <source>BackButton</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Installeren</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Risico’s</translation>
    </message>
    <message>
        <source>ScanDifferFooter</source>
        <translation>De resultaten hangen af van de stuurprogrammadatabase en kunnen veranderen. Stuurprogramma’s bijwerken brengt enig risico met zich mee.</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Apparaten met updates:</translation>
    </message>
</context>
<context>
    <name>SettingsModule</name>
    <message>
        <source>BrowseButton</source>
        <translation>Bladeren…</translation>
    </message>
    <message>
        <source>ChooseDirDesc</source>
        <translation>Kies een map voor gedownloade stuurprogramma’s</translation>
    </message>
    <message>
        <source>DefaultSettingsButton</source>
        <translation>Standaardwaarden</translation>
    </message>
    <message>
        <source>InvalidDirText</source>
        <translation>Deze map bestaat niet. Kies een bestaande map; tot die tijd blijft de vorige behouden.</translation>
    </message>
    <message>
        <source>SaveSettingsButton</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>SettingsDownloadDirHeader</source>
        <translation>Downloadmap</translation>
    </message>
    <message>
        <source>SettingsLanguageHeader</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>SettingsOptionsHeader</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>SystemDriverCheck</source>
        <translation>Systeemapparaten meenemen in de scan</translation>
    </message>
    <message>
        <source>UpdatesCheck</source>
        <translation>Bij het starten op programma-updates controleren</translation>
    </message>
</context>
<context>
    <name>SettingsRestartLayout</name>
    <message>
        <source>NeedRestartSettingsMessage</source>
        <translation>De nieuwe instellingen worden actief nadat het programma opnieuw is gestart.</translation>
    </message>
    <message>
        <source>NeedRestartSettingsTitle</source>
        <translation>Instellingen opgeslagen</translation>
    </message>
    <message>
        <source>RestartLaterButton</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>RestartNowButton</source>
        <translation>Nu opnieuw starten</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>AutoInstallDesc</source>
        <translation>Downloadt en installeert ze automatisch</translation>
    </message>
    <message>
        <source>BackupDetailLink</source>
        <translation>Wat is een back-up?</translation>
    </message>
    <message>
        <source>CreateBackupCheckBox</source>
        <translation>Vóór de scan een back-up van alle stuurprogramma’s maken</translation>
    </message>
    <message>
        <source>FindNewDesc</source>
        <translation>Vindt ontbrekende stuurprogramma’s</translation>
    </message>
    <message>
        <source>RegularDesc</source>
        <translation>Herinnert u aan regelmatige controles</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Nu scannen</translation>
    </message>
    <message>
        <source>StartScanTitle</source>
        <translation>Houd uw stuurprogramma’s up-to-date</translation>
    </message>
    <message>
        <source>UpdateOldDesc</source>
        <translation>Werkt verouderde stuurprogramma’s bij</translation>
    </message>
</context>
<context>
    <name>SystemRebootLayout</name>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Start de computer opnieuw op om de installatie van de stuurprogramma’s te voltooien.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Opnieuw opstarten vereist</translation>
    </message>
    <message>
        <source>RebootLaterButton</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>RebootNowButton</source>
        <translation>Nu opnieuw opstarten</translation>
    </message>
</context>
<context>
    <name>TextFieldMenu</name>
    <message>
        <source>CopyMenuItem</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>CutMenuItem</source>
        <translation>Knippen</translation>
    </message>
    <message>
        <source>PasteMenuItem</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <source>SelectAllMenuItem</source>
        <translation>Alles selecteren</translation>
    </message>
</context>
</TS>
