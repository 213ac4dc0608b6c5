<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutModule</name>
    <message>
        <source>AppDescription</source>
        <translation>Quillon Pro finds newer drivers for the devices of your PC, installs them safely and keeps a recovery point for each, so that any change can be undone.</translation>
    </message>
    <message>
        <source>ContactLink</source>
        <translation>Contact us</translation>
    </message>
    <message>
        <source>HowDeleteLink</source>
        <translation>How to uninstall</translation>
    </message>
    <message>
        <source>PolicyLink</source>
        <translation>Privacy policy</translation>
    </message>
    <message>
        <source>RefundPolicyLink</source>
        <translation>Refund policy</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Risks of updating drivers</translation>
    </message>
    <message>
        <source>UserAgreementLink</source>
        <translation>License agreement</translation>
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
        <translation>A newer version of the program is ready to download. It brings fixes and improvements.</translation>
    </message>
    <message>
        <source>AppUpdateError</source>
        <translation>The update could not be downloaded or verified. You can try again or continue with this version.</translation>
    </message>
    <message>
        <source>AppUpdateHeader</source>
        <translation>A new version is available</translation>
    </message>
    <message>
        <source>AppUpdateProcess</source>
        <translation>Downloading the update…</translation>
    </message>
    <message>
        <source>AppUpdateQuestion</source>
        <translation>Do you want to update now?</translation>
    </message>
    <message>
        <source>NoButton</source>
        <translation>Not now</translation>
    </message>
    <message>
        <source>YesButton</source>
        <translation>Yes, update</translation>
    </message>
</context>
<context>
    <name>AutorunModule</name>
    <message>
        <source>AutorunEnableCheckBox</source>
        <translation>Remind me to check drivers</translation>
    </message>
    <message>
        <source>AutosaveStartDesc</source>
        <translation>Next check: %1 at %2</translation>
    </message>
    <message>
        <source>MonthlySelect</source>
        <translation>Every month</translation>
    </message>
    <message>
        <source>SaveButton</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>WeeklySelect</source>
        <translation>Every week</translation>
    </message>
</context>
<context>
    <name>BackupModule</name>
    <message>
        <source>BackButton</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Backup created</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Backup file:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Restoring drivers</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Drivers restored</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Saving drivers:</translation>
    </message>
    <message>
        <source>BrowseButton</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>CreateBackupButton</source>
        <translation>Create backup</translation>
    </message>
    <message>
        <source>DetailButton</source>
        <translation>Learn more</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Provider</translation>
    </message>
    <message>
        <source>HowCreateBackupLink</source>
        <translation>How to create a backup</translation>
    </message>
    <message>
        <source>HowUseBackupLink</source>
        <translation>How to restore from a backup</translation>
    </message>
    <message>
        <source>InstallBackupButton</source>
        <translation>Restore from backup</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Install</translation>
    </message>
    <message>
        <source>InstalledBackupListTitle</source>
        <translation>Restored drivers:</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Your drivers match the backup. There is nothing to restore.</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Drivers to restore:</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>ValidDriverList</source>
        <translation>Other drivers in the backup:</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>WhatIsBackupLink</source>
        <translation>What is a backup?</translation>
    </message>
</context>
<context>
    <name>CancelButton</name>
    <message>
        <source>CancelButton</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ChangeRow</name>
    <message>
        <source>Developer</source>
        <translation>Provider</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>CompletionFooter</name>
    <message>
        <source>BackupCompleteButton</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>BackupCompleteText</source>
        <translation>Now scan your computer for newer drivers.</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Scan now</translation>
    </message>
</context>
<context>
    <name>ConnectErrorView</name>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>No connection to the driver service</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>The program could not reach the driver service. Check your Internet connection and try again.</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Try again</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>The driver service is not available right now. Please try again in a few minutes.</translation>
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
        <translation>Drivers found: %1</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Current driver</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>New version</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Recommended</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
</context>
<context>
    <name>DriverFacts</name>
    <message>
        <source>Developer</source>
        <translation>Provider</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>DriverList</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Downloading</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Installed</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Installing</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>Queued</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Ready to install</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Unpacking</translation>
    </message>
</context>
<context>
    <name>HistoryModule</name>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>No drivers have been updated yet.</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Installed driver updates</translation>
    </message>
</context>
<context>
    <name>InitView</name>
    <message>
        <source>AppInitializationText</source>
        <translation>Getting ready: checking your system and connecting to the driver service…</translation>
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
        <translation>Done</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Installation complete</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Installing drivers:</translation>
    </message>
</context>
<context>
    <name>InstallRow</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Downloading</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Installed</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Installing</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>Queued</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Ready to install</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Unpacking</translation>
    </message>
</context>
<context>
    <name>ModulesList</name>
    <message>
        <source>DBUpdatedAtText</source>
        <translation>Driver database updated:</translation>
    </message>
</context>
<context>
    <name>NoConnectPanel</name>
    <message>
        <source>NoConnectDesc</source>
        <translation>This page needs the driver service, which did not answer when the program started. Restart the program to try again.</translation>
    </message>
    <message>
        <source>NoConnectTitle</source>
        <translation>No connection</translation>
    </message>
</context>
<context>
    <name>NoSignDriversLayout</name>
    <message>
        <source>DetailButton</source>
        <translation>Learn more</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>A recovery point is created for every driver, so you can always go back.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Some of the drivers found may not carry a Microsoft (WHQL) signature. They come from the device makers and are widely used, but Windows may warn about them.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Before you install</translation>
    </message>
</context>
<context>
    <name>PipelineStrip</name>
    <message>
        <source>CompleteStep</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>DownloadInstallStep</source>
        <translation>Download and install</translation>
    </message>
    <message>
        <source>ScanningStep</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>SelectStep</source>
        <translation>Select</translation>
    </message>
</context>
<context>
    <name>ProgramsModule</name>
    <message>
        <source>CommandLineProgram</source>
        <translation>Command prompt</translation>
    </message>
    <message>
        <source>ComputerManagementProgram</source>
        <translation>Computer management</translation>
    </message>
    <message>
        <source>ControlPanelProgram</source>
        <translation>Control panel</translation>
    </message>
    <message>
        <source>DiskManagementProgram</source>
        <translation>Disk management</translation>
    </message>
    <message>
        <source>DisplaySettingsProgram</source>
        <translation>Display settings</translation>
    </message>
    <message>
        <source>NetworkProgram</source>
        <translation>Network connections</translation>
    </message>
    <message>
        <source>PowerSupplyProgram</source>
        <translation>Power options</translation>
    </message>
    <message>
        <source>ProgramsDescription</source>
        <translation>Open the Windows tools you need most often to look after your PC.</translation>
    </message>
    <message>
        <source>ProgramsFeaturesProgram</source>
        <translation>Programs and features</translation>
    </message>
    <message>
        <source>RecoveryProgram</source>
        <translation>System recovery</translation>
    </message>
    <message>
        <source>SystemProgram</source>
        <translation>System</translation>
    </message>
    <message>
        <source>TaskManagerProgram</source>
        <translation>Task manager</translation>
    </message>
</context>
<context>
    <name>Qln::AboutModule</name>
    <message>
        <source>AboutTitle</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>Qln::AutorunModule</name>
    <message>
        <source>AutorunTitle</source>
        <translation>Autorun</translation>
    </message>
</context>
<context>
    <name>Qln::BackupModule</name>
    <message>
        <source>CloudBackupTitle</source>
        <translation>Backup</translation>
    </message>
</context>
<context>
    <name>Qln::BackupViewModel</name>
    <message>
        <source>DevMissing</source>
        <translation>Device not found</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>New device</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Unchanged</translation>
    </message>
</context>
<context>
    <name>Qln::Cli::Program</name>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Backup created</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Backup file:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Restoring drivers</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Drivers restored</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Saving drivers:</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>No connection to the driver service</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Current driver</translation>
    </message>
    <message>
        <source>DevMissing</source>
        <translation>Device not found</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>New device</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Unchanged</translation>
    </message>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Downloading</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Installed</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Installing</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Ready to install</translation>
    </message>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>No drivers have been updated yet.</translation>
    </message>
    <message>
        <source>FindUpdatesHeader</source>
        <translation>Searching for updates</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Installed driver updates</translation>
    </message>
    <message>
        <source>InstallBackup</source>
        <translation>Restoring</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Restore failed</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Restored</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Installation complete</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Installing drivers:</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>The program could not reach the driver service. Check your Internet connection and try again.</translation>
    </message>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Windows must restart to finish installing the drivers. Save your work before restarting.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Restart required</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>New version</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Your drivers match the backup. There is nothing to restore.</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>A recovery point is created for every driver, so you can always go back.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Some of the drivers found may not carry a Microsoft (WHQL) signature. They come from the device makers and are widely used, but Windows may warn about them.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Before you install</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Drivers to restore:</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Recommended</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>There are no updated drivers to roll back yet.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Updated drivers you can roll back</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Your drivers are up to date</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>The driver service is not available right now. Please try again in a few minutes.</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Unpacking</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Devices with driver updates:</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>Waiting</translation>
    </message>
</context>
<context>
    <name>Qln::DeviceScanner</name>
    <message>
        <source>ScanTitle</source>
        <translation>Scanning devices</translation>
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
        <translation>Searching for updates</translation>
    </message>
</context>
<context>
    <name>Qln::HistoryModule</name>
    <message>
        <source>DownloadHistoryTitle</source>
        <translation>History</translation>
    </message>
</context>
<context>
    <name>Qln::InstallDriversModule</name>
    <message>
        <source>InstallDriversTitle</source>
        <translation>Driver update</translation>
    </message>
</context>
<context>
    <name>Qln::ProgramsModule</name>
    <message>
        <source>ProgramsTitle</source>
        <translation>Useful programs</translation>
    </message>
</context>
<context>
    <name>Qln::RecoveryModule</name>
    <message>
        <source>RecoveryTitle</source>
        <translation>Recovery</translation>
    </message>
</context>
<context>
    <name>Qln::SettingsModule</name>
    <message>
        <source>SettingsTitle</source>
        <translation>Settings</translation>
    </message>
</context>
<context>
    <name>RecoveryModule</name>
    <message>
        <source>InstallBackup</source>
        <translation>Restoring</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Restore failed</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Restored</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>There are no updated drivers to roll back yet.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Updated drivers you can roll back</translation>
    </message>
    <message>
        <source>RestoreButton</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Unpacking</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>Waiting</translation>
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
        <translation>Memory</translation>
    </message>
    <message>
        <source>Motherboard</source>
        <translation>Motherboard</translation>
    </message>
    <message>
        <source>OS</source>
        <translation>Operating system</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Processor</translation>
    </message>
    <message>
        <source>SystemInfoTitle</source>
        <translation>System information</translation>
    </message>
</context>
<context>
    <name>SearchComplete</name>
    <message>
        <source>SearchCompleteDesc</source>
        <translation>No newer drivers were found for your devices. Schedule a regular check so you don't miss new ones.</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Your drivers are up to date</translation>
    </message>
    <message>
        <source>ToAutorunButton</source>
        <translation>Schedule checks</translation>
    </message>
    <message>
        <source>UpdateFinishButton</source>
        <translation>Finish</translation>
    </message>
</context>
<context>
    <name>SearchFailed</name>
    <message>
        <source>BackButton</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>No connection to the driver service</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Try again</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>The driver service is not available right now. Please try again in a few minutes.</translation>
    </message>
</context>
<context>
    <name>SelectPage</name>
    <message>
        <source>BackButton</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Install</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Risks of updating drivers</translation>
    </message>
    <message>
        <source>ScanDifferFooter</source>
        <translation>Results depend on the driver database and may change over time. Updating drivers carries some risk.</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Devices with driver updates:</translation>
    </message>
</context>
<context>
    <name>SettingsModule</name>
    <message>
        <source>BrowseButton</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>ChooseDirDesc</source>
        <translation>Choose the folder for downloaded drivers</translation>
    </message>
    <message>
        <source>DefaultSettingsButton</source>
        <translation>Restore defaults</translation>
    </message>
    <message>
        <source>InvalidDirText</source>
        <translation>This folder does not exist. Choose an existing folder; until then the previous one is kept.</translation>
    </message>
    <message>
        <source>SaveSettingsButton</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>SettingsDownloadDirHeader</source>
        <translation>Download folder</translation>
    </message>
    <message>
        <source>SettingsLanguageHeader</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>SettingsOptionsHeader</source>
        <translation>Checks</translation>
    </message>
    <message>
        <source>SystemDriverCheck</source>
        <translation>Include system devices in the scan</translation>
    </message>
    <message>
        <source>UpdatesCheck</source>
        <translation>Check for program updates at start</translation>
    </message>
</context>
<context>
    <name>SettingsRestartLayout</name>
    <message>
        <source>NeedRestartSettingsMessage</source>
        <translation>Some changes, such as the language, take effect after the program restarts.</translation>
    </message>
    <message>
        <source>NeedRestartSettingsTitle</source>
        <translation>Settings saved</translation>
    </message>
    <message>
        <source>RestartLaterButton</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>RestartNowButton</source>
        <translation>Restart now</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>AutoInstallDesc</source>
        <translation>Downloads and installs them automatically</translation>
    </message>
    <message>
        <source>BackupDetailLink</source>
        <translation>What is a backup?</translation>
    </message>
    <message>
        <source>CreateBackupCheckBox</source>
        <translation>Back up all drivers before scanning</translation>
    </message>
    <message>
        <source>FindNewDesc</source>
        <translation>Finds missing drivers</translation>
    </message>
    <message>
        <source>RegularDesc</source>
        <translation>Reminds you to check regularly</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Scan now</translation>
    </message>
    <message>
        <source>StartScanTitle</source>
        <translation>Keep your drivers up to date</translation>
    </message>
    <message>
        <source>UpdateOldDesc</source>
        <translation>Updates outdated drivers</translation>
    </message>
</context>
<context>
    <name>SystemRebootLayout</name>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Windows must restart to finish installing the drivers. Save your work before restarting.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Restart required</translation>
    </message>
    <message>
        <source>RebootLaterButton</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>RebootNowButton</source>
        <translation>Restart now</translation>
    </message>
</context>
<context>
    <name>TextFieldMenu</name>
    <message>
        <source>CopyMenuItem</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>CutMenuItem</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>PasteMenuItem</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>SelectAllMenuItem</source>
        <translation>Select all</translation>
    </message>
</context>
</TS>
