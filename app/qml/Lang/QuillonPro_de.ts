<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutModule</name>
    <message>
        <source>AppDescription</source>
        <translation>Quillon Pro findet veraltete Treiber auf Ihrem Computer, lädt die neuesten Versionen herunter und installiert sie sicher. Von jedem ersetzten Treiber wird eine Kopie aufbewahrt.</translation>
    </message>
    <message>
        <source>ContactLink</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>HowDeleteLink</source>
        <translation>Deinstallation</translation>
    </message>
    <message>
        <source>PolicyLink</source>
        <translation>Datenschutzerklärung</translation>
    </message>
    <message>
        <source>RefundPolicyLink</source>
        <translation>Rückerstattungsrichtlinie</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Risiken</translation>
    </message>
    <message>
        <source>UserAgreementLink</source>
        <translation>Lizenzvereinbarung</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
</context>
<context>
    <name>AppUpdateView</name>
    <message>
        <source>AppUpdateDescription</source>
        <translation>Eine neue Version von Quillon Pro ist verfügbar.</translation>
    </message>
    <message>
        <source>AppUpdateError</source>
        <translation>Das Update konnte nicht heruntergeladen oder geprüft werden. Sie können es erneut versuchen oder mit dieser Version weiterarbeiten.</translation>
    </message>
    <message>
        <source>AppUpdateHeader</source>
        <translation>Update verfügbar</translation>
    </message>
    <message>
        <source>AppUpdateProcess</source>
        <translation>Update wird heruntergeladen…</translation>
    </message>
    <message>
        <source>AppUpdateQuestion</source>
        <translation>Jetzt herunterladen und installieren?</translation>
    </message>
    <message>
        <source>NoButton</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <source>YesButton</source>
        <translation>Ja, aktualisieren</translation>
    </message>
</context>
<context>
    <name>AutorunModule</name>
    <message>
        <source>AutorunEnableCheckBox</source>
        <translation>An die Treiberprüfung erinnern</translation>
    </message>
    <message>
        <source>AutosaveStartDesc</source>
        <translation>Nächste Prüfung: %1 um %2</translation>
    </message>
    <message>
        <source>MonthlySelect</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>SaveButton</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>WeeklySelect</source>
        <translation>Wöchentlich</translation>
    </message>
</context>
<context>
    <name>BackupModule</name>
    <message>
        <source>BackButton</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Sicherung erstellt</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Sicherungsdatei:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Treiber werden wiederhergestellt</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Treiber wiederhergestellt</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Treiber werden gesichert:</translation>
    </message>
    <message>
        <source>BrowseButton</source>
        <translation>Durchsuchen…</translation>
    </message>
    <message>
        <source>CreateBackupButton</source>
        <translation>Sicherung erstellen</translation>
    </message>
    <message>
        <source>DetailButton</source>
        <translation>Mehr erfahren</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>HowCreateBackupLink</source>
        <translation>Wie erstelle ich eine Sicherung?</translation>
    </message>
    <message>
        <source>HowUseBackupLink</source>
        <translation>Wie stelle ich aus einer Sicherung wieder her?</translation>
    </message>
    <message>
        <source>InstallBackupButton</source>
        <translation>Aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Installieren</translation>
    </message>
    <message>
        <source>InstalledBackupListTitle</source>
        <translation>Wiederhergestellte Treiber:</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Ihre Treiber entsprechen der Sicherung. Es gibt nichts wiederherzustellen.</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Wiederherzustellende Treiber:</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>ValidDriverList</source>
        <translation>Weitere Treiber in der Sicherung:</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>WhatIsBackupLink</source>
        <translation>Was ist eine Sicherung?</translation>
    </message>
</context>
<context>
    <name>CancelButton</name>
    <message>
        <source>CancelButton</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ChangeRow</name>
    <message>
        <source>Developer</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
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
        <translation>Fertig</translation>
    </message>
    <message>
        <source>BackupCompleteText</source>
        <translation>Suchen Sie jetzt nach neueren Treibern für Ihren Computer.</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Jetzt suchen</translation>
    </message>
</context>
<context>
    <name>ConnectErrorView</name>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Keine Verbindung zum Treiberdienst</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>Das Programm konnte den Treiberdienst nicht erreichen. Prüfen Sie Ihre Internetverbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Der Treiberdienst ist gerade nicht verfügbar. Bitte versuchen Sie es in einigen Minuten erneut.</translation>
    </message>
</context>
<context>
    <name>DeviceRow</name>
    <message>
        <source>Alternative</source>
        <translation>Alternative</translation>
    </message>
    <message>
        <source>CandidateCount</source>
        <translation>Gefundene Treiber: %1</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Aktueller Treiber</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Neue Version</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Empfohlen</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
</context>
<context>
    <name>DriverFacts</name>
    <message>
        <source>Developer</source>
        <translation>Anbieter</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
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
        <translation>Wird heruntergeladen</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Installiert</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Wird installiert</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>In Warteschlange</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Bereit zur Installation</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Wird entpackt</translation>
    </message>
</context>
<context>
    <name>HistoryModule</name>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Es wurden noch keine Treiber aktualisiert.</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Installierte Treiber-Updates</translation>
    </message>
</context>
<context>
    <name>InitView</name>
    <message>
        <source>AppInitializationText</source>
        <translation>Vorbereitung: System wird geprüft und Verbindung zum Treiberdienst hergestellt…</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
</context>
<context>
    <name>InstallPage</name>
    <message>
        <source>CompleteButton</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Installation abgeschlossen</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Treiber werden installiert:</translation>
    </message>
</context>
<context>
    <name>InstallRow</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Wird heruntergeladen</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Installiert</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Wird installiert</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>In Warteschlange</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Bereit zur Installation</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Wird entpackt</translation>
    </message>
</context>
<context>
    <name>ModulesList</name>
    <message>
        <source>DBUpdatedAtText</source>
        <translation>Treiberdatenbank aktualisiert:</translation>
    </message>
</context>
<context>
    <name>NoConnectPanel</name>
    <message>
        <source>NoConnectDesc</source>
        <translation>Diese Seite benötigt den Treiberdienst, der beim Programmstart nicht geantwortet hat. Starten Sie das Programm neu, um es erneut zu versuchen.</translation>
    </message>
    <message>
        <source>NoConnectTitle</source>
        <translation>Keine Verbindung</translation>
    </message>
</context>
<context>
    <name>NoSignDriversLayout</name>
    <message>
        <source>DetailButton</source>
        <translation>Mehr erfahren</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Von jedem ersetzten Treiber wird eine Sicherungskopie angelegt, sodass Sie jedes Update auf der Seite „Wiederherstellung“ rückgängig machen können.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Einige der ausgewählten Treiber sind nicht von Microsoft zertifiziert (WHQL). Sie stammen von den Geräteherstellern, funktionieren aber möglicherweise nicht auf jedem Computer.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Vor der Installation</translation>
    </message>
</context>
<context>
    <name>PipelineStrip</name>
    <message>
        <source>CompleteStep</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>DownloadInstallStep</source>
        <translation>Download und Installation</translation>
    </message>
    <message>
        <source>ScanningStep</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>SelectStep</source>
        <translation>Auswahl</translation>
    </message>
</context>
<context>
    <name>ProgramsModule</name>
    <message>
        <source>CommandLineProgram</source>
        <translation>Eingabe­aufforderung</translation>
    </message>
    <message>
        <source>ComputerManagementProgram</source>
        <translation>Computer­verwaltung</translation>
    </message>
    <message>
        <source>ControlPanelProgram</source>
        <translation>System­steuerung</translation>
    </message>
    <message>
        <source>DiskManagementProgram</source>
        <translation>Datenträger­verwaltung</translation>
    </message>
    <message>
        <source>DisplaySettingsProgram</source>
        <translation>Anzeige­einstellungen</translation>
    </message>
    <message>
        <source>NetworkProgram</source>
        <translation>Netzwerk­verbindungen</translation>
    </message>
    <message>
        <source>PowerSupplyProgram</source>
        <translation>Energieoptionen</translation>
    </message>
    <message>
        <source>ProgramsDescription</source>
        <translation>Öffnen Sie die Windows-Werkzeuge, die Sie zur Pflege Ihres PCs am häufigsten brauchen.</translation>
    </message>
    <message>
        <source>ProgramsFeaturesProgram</source>
        <translation>Programme und Features</translation>
    </message>
    <message>
        <source>RecoveryProgram</source>
        <translation>Wiederherstellung</translation>
    </message>
    <message>
        <source>SystemProgram</source>
        <translation>System</translation>
    </message>
    <message>
        <source>TaskManagerProgram</source>
        <translation>Task-Manager</translation>
    </message>
</context>
<context>
    <name>Qln::AboutModule</name>
    <message>
        <source>AboutTitle</source>
        <translation>Über</translation>
    </message>
</context>
<context>
    <name>Qln::AutorunModule</name>
    <message>
        <source>AutorunTitle</source>
        <translation>Autostart</translation>
    </message>
</context>
<context>
    <name>Qln::BackupModule</name>
    <message>
        <source>CloudBackupTitle</source>
        <translation>Sicherung</translation>
    </message>
</context>
<context>
    <name>Qln::BackupViewModel</name>
    <message>
        <source>DevMissing</source>
        <translation>Gerät nicht gefunden</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Neues Gerät</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Unverändert</translation>
    </message>
</context>
<context>
    <name>Qln::Cli::Program</name>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Sicherung erstellt</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Sicherungsdatei:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Treiber werden wiederhergestellt</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Treiber wiederhergestellt</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Treiber werden gesichert:</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Keine Verbindung zum Treiberdienst</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Aktueller Treiber</translation>
    </message>
    <message>
        <source>DevMissing</source>
        <translation>Gerät nicht gefunden</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Neues Gerät</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Unverändert</translation>
    </message>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Wird heruntergeladen</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Installiert</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Wird installiert</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Bereit zur Installation</translation>
    </message>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Es wurden noch keine Treiber aktualisiert.</translation>
    </message>
    <message>
        <source>FindUpdatesHeader</source>
        <translation>Suche nach Updates</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Installierte Treiber-Updates</translation>
    </message>
    <message>
        <source>InstallBackup</source>
        <translation>Wird wiederhergestellt</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Fehler bei der Wiederherstellung</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Wiederhergestellt</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Installation abgeschlossen</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Treiber werden installiert:</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>Das Programm konnte den Treiberdienst nicht erreichen. Prüfen Sie Ihre Internetverbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Starten Sie den Computer neu, um die Installation der Treiber abzuschließen.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Neustart erforderlich</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Neue Version</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Ihre Treiber entsprechen der Sicherung. Es gibt nichts wiederherzustellen.</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Von jedem ersetzten Treiber wird eine Sicherungskopie angelegt, sodass Sie jedes Update auf der Seite „Wiederherstellung“ rückgängig machen können.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Einige der ausgewählten Treiber sind nicht von Microsoft zertifiziert (WHQL). Sie stammen von den Geräteherstellern, funktionieren aber möglicherweise nicht auf jedem Computer.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Vor der Installation</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Wiederherzustellende Treiber:</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Empfohlen</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Es gibt noch keine aktualisierten Treiber zum Zurücksetzen.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Aktualisierte Treiber, die Sie zurücksetzen können</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Ihre Treiber sind aktuell</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Der Treiberdienst ist gerade nicht verfügbar. Bitte versuchen Sie es in einigen Minuten erneut.</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Wird entpackt</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Geräte mit Treiber-Updates:</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>Wartet</translation>
    </message>
</context>
<context>
    <name>Qln::DeviceScanner</name>
    <message>
        <source>ScanTitle</source>
        <translation>Geräte werden durchsucht</translation>
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
        <translation>Suche nach Updates</translation>
    </message>
</context>
<context>
    <name>Qln::HistoryModule</name>
    <message>
        <source>DownloadHistoryTitle</source>
        <translation>Verlauf</translation>
    </message>
</context>
<context>
    <name>Qln::InstallDriversModule</name>
    <message>
        <source>InstallDriversTitle</source>
        <translation>Treiber-Update</translation>
    </message>
</context>
<context>
    <name>Qln::ProgramsModule</name>
    <message>
        <source>ProgramsTitle</source>
        <translation>Nützliche Programme</translation>
    </message>
</context>
<context>
    <name>Qln::RecoveryModule</name>
    <message>
        <source>RecoveryTitle</source>
        <translation>Wiederherstellung</translation>
    </message>
</context>
<context>
    <name>Qln::SettingsModule</name>
    <message>
        <source>SettingsTitle</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>RecoveryModule</name>
    <message>
        <source>InstallBackup</source>
        <translation>Wird wiederhergestellt</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Fehler bei der Wiederherstellung</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Wiederhergestellt</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Es gibt noch keine aktualisierten Treiber zum Zurücksetzen.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Aktualisierte Treiber, die Sie zurücksetzen können</translation>
    </message>
    <message>
        <source>RestoreButton</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Wird entpackt</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>Wartet</translation>
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
        <translation>Arbeitsspeicher</translation>
    </message>
    <message>
        <source>Motherboard</source>
        <translation>Mainboard</translation>
    </message>
    <message>
        <source>OS</source>
        <translation>Betriebssystem</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Prozessor</translation>
    </message>
    <message>
        <source>SystemInfoTitle</source>
        <translation>Systeminformationen</translation>
    </message>
</context>
<context>
    <name>SearchComplete</name>
    <message>
        <source>SearchCompleteDesc</source>
        <translation>Für Ihre Geräte wurden keine neueren Treiber gefunden. Planen Sie regelmäßige Prüfungen, um keine neuen zu verpassen.</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Ihre Treiber sind aktuell</translation>
    </message>
    <message>
        <source>ToAutorunButton</source>
        <translation>Prüfungen planen</translation>
    </message>
    <message>
        <source>UpdateFinishButton</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>SearchFailed</name>
    <message>
        <source>BackButton</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Keine Verbindung zum Treiberdienst</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Der Treiberdienst ist gerade nicht verfügbar. Bitte versuchen Sie es in einigen Minuten erneut.</translation>
    </message>
</context>
<context>
    <name>SelectPage</name>
    <message>
        <source>BackButton</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Installieren</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Risiken</translation>
    </message>
    <message>
        <source>ScanDifferFooter</source>
        <translation>Die Ergebnisse hängen von der Treiberdatenbank ab und können sich ändern. Treiber-Updates sind mit gewissen Risiken verbunden.</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Geräte mit Treiber-Updates:</translation>
    </message>
</context>
<context>
    <name>SettingsModule</name>
    <message>
        <source>BrowseButton</source>
        <translation>Durchsuchen…</translation>
    </message>
    <message>
        <source>ChooseDirDesc</source>
        <translation>Ordner für heruntergeladene Treiber wählen</translation>
    </message>
    <message>
        <source>DefaultSettingsButton</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>InvalidDirText</source>
        <translation>Dieser Ordner existiert nicht. Wählen Sie einen vorhandenen Ordner; bis dahin bleibt der bisherige erhalten.</translation>
    </message>
    <message>
        <source>SaveSettingsButton</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>SettingsDownloadDirHeader</source>
        <translation>Download-Ordner</translation>
    </message>
    <message>
        <source>SettingsLanguageHeader</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>SettingsOptionsHeader</source>
        <translation>Prüfungen</translation>
    </message>
    <message>
        <source>SystemDriverCheck</source>
        <translation>Systemgeräte in die Suche einbeziehen</translation>
    </message>
    <message>
        <source>UpdatesCheck</source>
        <translation>Beim Start nach Programm-Updates suchen</translation>
    </message>
</context>
<context>
    <name>SettingsRestartLayout</name>
    <message>
        <source>NeedRestartSettingsMessage</source>
        <translation>Die neuen Einstellungen werden nach einem Neustart des Programms wirksam.</translation>
    </message>
    <message>
        <source>NeedRestartSettingsTitle</source>
        <translation>Einstellungen gespeichert</translation>
    </message>
    <message>
        <source>RestartLaterButton</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>RestartNowButton</source>
        <translation>Jetzt neu starten</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>AutoInstallDesc</source>
        <translation>Lädt sie automatisch herunter und installiert sie</translation>
    </message>
    <message>
        <source>BackupDetailLink</source>
        <translation>Was ist eine Sicherung?</translation>
    </message>
    <message>
        <source>CreateBackupCheckBox</source>
        <translation>Vor der Suche alle Treiber sichern</translation>
    </message>
    <message>
        <source>FindNewDesc</source>
        <translation>Findet fehlende Treiber</translation>
    </message>
    <message>
        <source>RegularDesc</source>
        <translation>Erinnert an regelmäßige Prüfungen</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Jetzt suchen</translation>
    </message>
    <message>
        <source>StartScanTitle</source>
        <translation>Halten Sie Ihre Treiber aktuell</translation>
    </message>
    <message>
        <source>UpdateOldDesc</source>
        <translation>Aktualisiert veraltete Treiber</translation>
    </message>
</context>
<context>
    <name>SystemRebootLayout</name>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Starten Sie den Computer neu, um die Installation der Treiber abzuschließen.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Neustart erforderlich</translation>
    </message>
    <message>
        <source>RebootLaterButton</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>RebootNowButton</source>
        <translation>Jetzt neu starten</translation>
    </message>
</context>
<context>
    <name>TextFieldMenu</name>
    <message>
        <source>CopyMenuItem</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>CutMenuItem</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>PasteMenuItem</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>SelectAllMenuItem</source>
        <translation>Alles auswählen</translation>
    </message>
</context>
</TS>
