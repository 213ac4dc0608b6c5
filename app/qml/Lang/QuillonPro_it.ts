<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutModule</name>
    <message>
        <source>AppDescription</source>
        <translation>Quillon Pro trova i driver obsoleti del computer, ne scarica le versioni più recenti e le installa in sicurezza, conservando una copia di ogni driver sostituito.</translation>
    </message>
    <message>
        <source>ContactLink</source>
        <translation>Contattaci</translation>
    </message>
    <message>
        <source>HowDeleteLink</source>
        <translation>Come disinstallare</translation>
    </message>
    <message>
        <source>PolicyLink</source>
        <translation>Informativa sulla privacy</translation>
    </message>
    <message>
        <source>RefundPolicyLink</source>
        <translation>Politica di rimborso</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Rischi</translation>
    </message>
    <message>
        <source>UserAgreementLink</source>
        <translation>Contratto di licenza</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
</context>
<context>
    <name>AppUpdateView</name>
    <message>
        <source>AppUpdateDescription</source>
        <translation>È disponibile una nuova versione di Quillon Pro.</translation>
    </message>
    <message>
        <source>AppUpdateError</source>
        <translation>Non è stato possibile scaricare o verificare l’aggiornamento. Puoi riprovare o continuare con questa versione.</translation>
    </message>
    <message>
        <source>AppUpdateHeader</source>
        <translation>Aggiornamento disponibile</translation>
    </message>
    <message>
        <source>AppUpdateProcess</source>
        <translation>Download dell’aggiornamento…</translation>
    </message>
    <message>
        <source>AppUpdateQuestion</source>
        <translation>Scaricarla e installarla ora?</translation>
    </message>
    <message>
        <source>NoButton</source>
        <translation>Non ora</translation>
    </message>
    <message>
        <source>YesButton</source>
        <translation>Sì, aggiorna</translation>
    </message>
</context>
<context>
    <name>AutorunModule</name>
    <message>
        <source>AutorunEnableCheckBox</source>
        <translation>Ricordami di controllare i driver</translation>
    </message>
    <message>
        <source>AutosaveStartDesc</source>
        <translation>Prossimo controllo: %1 alle %2</translation>
    </message>
    <message>
        <source>MonthlySelect</source>
        <translation>Ogni mese</translation>
    </message>
    <message>
        <source>SaveButton</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>WeeklySelect</source>
        <translation>Ogni settimana</translation>
    </message>
</context>
<context>
    <name>BackupModule</name>
    <message>
        <source>BackButton</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Backup creato</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>File di backup:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Ripristino dei driver</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Driver ripristinati</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Salvataggio dei driver:</translation>
    </message>
    <message>
        <source>BrowseButton</source>
        <translation>Sfoglia…</translation>
    </message>
    <message>
        <source>CreateBackupButton</source>
        <translation>Crea backup</translation>
    </message>
    <message>
        <source>DetailButton</source>
        <translation>Ulteriori informazioni</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Fornitore</translation>
    </message>
    <message>
        <source>HowCreateBackupLink</source>
        <translation>Come creare un backup</translation>
    </message>
    <message>
        <source>HowUseBackupLink</source>
        <translation>Come ripristinare da un backup</translation>
    </message>
    <message>
        <source>InstallBackupButton</source>
        <translation>Ripristina da backup</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Installa</translation>
    </message>
    <message>
        <source>InstalledBackupListTitle</source>
        <translation>Driver ripristinati:</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>I tuoi driver corrispondono al backup. Non c’è nulla da ripristinare.</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Driver da ripristinare:</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>ValidDriverList</source>
        <translation>Altri driver nel backup:</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>WhatIsBackupLink</source>
        <translation>Cos’è un backup?</translation>
    </message>
</context>
<context>
    <name>CancelButton</name>
    <message>
        <source>CancelButton</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>ChangeRow</name>
    <message>
        <source>Developer</source>
        <translation>Fornitore</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Data</translation>
    </message>
</context>
<context>
    <name>CompletionFooter</name>
    <message>
        <source>BackupCompleteButton</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>BackupCompleteText</source>
        <translation>Ora cerca driver più recenti per il tuo computer.</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Avvia scansione</translation>
    </message>
</context>
<context>
    <name>ConnectErrorView</name>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Nessuna connessione al servizio driver</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>Il programma non è riuscito a raggiungere il servizio driver. Controlla la connessione a Internet e riprova.</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Il servizio driver non è disponibile al momento. Riprova tra qualche minuto.</translation>
    </message>
</context>
<context>
    <name>DeviceRow</name>
    <message>
        <source>Alternative</source>
        <translation>Alternativo</translation>
    </message>
    <message>
        <source>CandidateCount</source>
        <translation>Driver trovati: %1</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Driver attuale</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Nuova versione</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Consigliato</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
</context>
<context>
    <name>DriverFacts</name>
    <message>
        <source>Developer</source>
        <translation>Fornitore</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Data</translation>
    </message>
</context>
<context>
    <name>DriverList</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Download in corso</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Installato</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Non riuscito</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Installazione</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>In coda</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Pronto per l’installazione</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Estrazione</translation>
    </message>
</context>
<context>
    <name>HistoryModule</name>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Nessun driver è stato ancora aggiornato.</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Aggiornamenti dei driver installati</translation>
    </message>
</context>
<context>
    <name>InitView</name>
    <message>
        <source>AppInitializationText</source>
        <translation>Preparazione: controllo del sistema e connessione al servizio driver…</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
</context>
<context>
    <name>InstallPage</name>
    <message>
        <source>CompleteButton</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Installazione completata</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Installazione dei driver:</translation>
    </message>
</context>
<context>
    <name>InstallRow</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Download in corso</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Installato</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Non riuscito</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Installazione</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>In coda</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Pronto per l’installazione</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Estrazione</translation>
    </message>
</context>
<context>
    <name>ModulesList</name>
    <message>
        <source>DBUpdatedAtText</source>
        <translation>Database driver aggiornato:</translation>
    </message>
</context>
<context>
    <name>NoConnectPanel</name>
    <message>
        <source>NoConnectDesc</source>
        <translation>Questa pagina richiede il servizio driver, che non ha risposto all’avvio del programma. Riavvia il programma per riprovare.</translation>
    </message>
    <message>
        <source>NoConnectTitle</source>
        <translation>Nessuna connessione</translation>
    </message>
</context>
<context>
    <name>NoSignDriversLayout</name>
    <message>
        <source>DetailButton</source>
        <translation>Ulteriori informazioni</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Di ogni driver sostituito viene conservata una copia, quindi puoi annullare qualsiasi aggiornamento dalla pagina Ripristino.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Alcuni dei driver selezionati non sono certificati da Microsoft (WHQL). Provengono dai produttori dei dispositivi, ma potrebbero non funzionare su tutti i computer.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Prima di installare</translation>
    </message>
</context>
<context>
    <name>PipelineStrip</name>
    <message>
        <source>CompleteStep</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>DownloadInstallStep</source>
        <translation>Download e installazione</translation>
    </message>
    <message>
        <source>ScanningStep</source>
        <translation>Scansione</translation>
    </message>
    <message>
        <source>SelectStep</source>
        <translation>Selezione</translation>
    </message>
</context>
<context>
    <name>ProgramsModule</name>
    <message>
        <source>CommandLineProgram</source>
        <translation>Prompt dei comandi</translation>
    </message>
    <message>
        <source>ComputerManagementProgram</source>
        <translation>Gestione computer</translation>
    </message>
    <message>
        <source>ControlPanelProgram</source>
        <translation>Pannello di controllo</translation>
    </message>
    <message>
        <source>DiskManagementProgram</source>
        <translation>Gestione disco</translation>
    </message>
    <message>
        <source>DisplaySettingsProgram</source>
        <translation>Impostazioni schermo</translation>
    </message>
    <message>
        <source>NetworkProgram</source>
        <translation>Connessioni di rete</translation>
    </message>
    <message>
        <source>PowerSupplyProgram</source>
        <translation>Opzioni risparmio energia</translation>
    </message>
    <message>
        <source>ProgramsDescription</source>
        <translation>Apri gli strumenti di Windows che ti servono più spesso per la cura del PC.</translation>
    </message>
    <message>
        <source>ProgramsFeaturesProgram</source>
        <translation>Programmi e funzionalità</translation>
    </message>
    <message>
        <source>RecoveryProgram</source>
        <translation>Ripristino</translation>
    </message>
    <message>
        <source>SystemProgram</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>TaskManagerProgram</source>
        <translation>Gestione attività</translation>
    </message>
</context>
<context>
    <name>Qln::AboutModule</name>
    <message>
        <source>AboutTitle</source>
        <translation>Informazioni</translation>
    </message>
</context>
<context>
    <name>Qln::AutorunModule</name>
    <message>
        <source>AutorunTitle</source>
        <translation>Pianificazione</translation>
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
        <translation>Dispositivo non trovato</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Nuovo dispositivo</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Invariato</translation>
    </message>
</context>
<context>
    <name>Qln::Cli::Program</name>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Backup creato</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>File di backup:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Ripristino dei driver</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Driver ripristinati</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Salvataggio dei driver:</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Nessuna connessione al servizio driver</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Driver attuale</translation>
    </message>
    <message>
        <source>DevMissing</source>
        <translation>Dispositivo non trovato</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Nuovo dispositivo</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Invariato</translation>
    </message>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Download in corso</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Installato</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Non riuscito</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Installazione</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Pronto per l’installazione</translation>
    </message>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Nessun driver è stato ancora aggiornato.</translation>
    </message>
    <message>
        <source>FindUpdatesHeader</source>
        <translation>Ricerca di aggiornamenti</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Aggiornamenti dei driver installati</translation>
    </message>
    <message>
        <source>InstallBackup</source>
        <translation>Ripristino</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Ripristino non riuscito</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Ripristinato</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Installazione completata</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Installazione dei driver:</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>Il programma non è riuscito a raggiungere il servizio driver. Controlla la connessione a Internet e riprova.</translation>
    </message>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Riavvia il computer per completare l’installazione dei driver.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Riavvio necessario</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Nuova versione</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>I tuoi driver corrispondono al backup. Non c’è nulla da ripristinare.</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Di ogni driver sostituito viene conservata una copia, quindi puoi annullare qualsiasi aggiornamento dalla pagina Ripristino.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Alcuni dei driver selezionati non sono certificati da Microsoft (WHQL). Provengono dai produttori dei dispositivi, ma potrebbero non funzionare su tutti i computer.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Prima di installare</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Driver da ripristinare:</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Consigliato</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Non ci sono ancora driver aggiornati da ripristinare.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Driver aggiornati che puoi ripristinare</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>I tuoi driver sono aggiornati</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Il servizio driver non è disponibile al momento. Riprova tra qualche minuto.</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Estrazione</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Dispositivi con aggiornamenti:</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>In attesa</translation>
    </message>
</context>
<context>
    <name>Qln::DeviceScanner</name>
    <message>
        <source>ScanTitle</source>
        <translation>Scansione dei dispositivi</translation>
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
        <translation>Ricerca di aggiornamenti</translation>
    </message>
</context>
<context>
    <name>Qln::HistoryModule</name>
    <message>
        <source>DownloadHistoryTitle</source>
        <translation>Cronologia</translation>
    </message>
</context>
<context>
    <name>Qln::InstallDriversModule</name>
    <message>
        <source>InstallDriversTitle</source>
        <translation>Aggiornamento driver</translation>
    </message>
</context>
<context>
    <name>Qln::ProgramsModule</name>
    <message>
        <source>ProgramsTitle</source>
        <translation>Strumenti utili</translation>
    </message>
</context>
<context>
    <name>Qln::RecoveryModule</name>
    <message>
        <source>RecoveryTitle</source>
        <translation>Ripristino</translation>
    </message>
</context>
<context>
    <name>Qln::SettingsModule</name>
    <message>
        <source>SettingsTitle</source>
        <translation>Impostazioni</translation>
    </message>
</context>
<context>
    <name>RecoveryModule</name>
    <message>
        <source>InstallBackup</source>
        <translation>Ripristino</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Ripristino non riuscito</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Ripristinato</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Non ci sono ancora driver aggiornati da ripristinare.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Driver aggiornati che puoi ripristinare</translation>
    </message>
    <message>
        <source>RestoreButton</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Estrazione</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>In attesa</translation>
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
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Motherboard</source>
        <translation>Scheda madre</translation>
    </message>
    <message>
        <source>OS</source>
        <translation>Sistema operativo</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Processore</translation>
    </message>
    <message>
        <source>SystemInfoTitle</source>
        <translation>Informazioni di sistema</translation>
    </message>
</context>
<context>
    <name>SearchComplete</name>
    <message>
        <source>SearchCompleteDesc</source>
        <translation>Non sono stati trovati driver più recenti per i tuoi dispositivi. Pianifica un controllo regolare per non perdere i nuovi.</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>I tuoi driver sono aggiornati</translation>
    </message>
    <message>
        <source>ToAutorunButton</source>
        <translation>Pianifica controlli</translation>
    </message>
    <message>
        <source>UpdateFinishButton</source>
        <translation>Fine</translation>
    </message>
</context>
<context>
    <name>SearchFailed</name>
    <message>
        <source>BackButton</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Nessuna connessione al servizio driver</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Il servizio driver non è disponibile al momento. Riprova tra qualche minuto.</translation>
    </message>
</context>
<context>
    <name>SelectPage</name>
    <message>
        <source>BackButton</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Installa</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Rischi</translation>
    </message>
    <message>
        <source>ScanDifferFooter</source>
        <translation>I risultati dipendono dal database dei driver e possono cambiare nel tempo. L’aggiornamento dei driver comporta alcuni rischi.</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Dispositivi con aggiornamenti:</translation>
    </message>
</context>
<context>
    <name>SettingsModule</name>
    <message>
        <source>BrowseButton</source>
        <translation>Sfoglia…</translation>
    </message>
    <message>
        <source>ChooseDirDesc</source>
        <translation>Scegli una cartella per i driver scaricati</translation>
    </message>
    <message>
        <source>DefaultSettingsButton</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>InvalidDirText</source>
        <translation>Questa cartella non esiste. Scegli una cartella esistente; fino ad allora resta quella precedente.</translation>
    </message>
    <message>
        <source>SaveSettingsButton</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>SettingsDownloadDirHeader</source>
        <translation>Cartella di download</translation>
    </message>
    <message>
        <source>SettingsLanguageHeader</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>SettingsOptionsHeader</source>
        <translation>Controlli</translation>
    </message>
    <message>
        <source>SystemDriverCheck</source>
        <translation>Includi i dispositivi di sistema nella scansione</translation>
    </message>
    <message>
        <source>UpdatesCheck</source>
        <translation>Controlla gli aggiornamenti del programma all’avvio</translation>
    </message>
</context>
<context>
    <name>SettingsRestartLayout</name>
    <message>
        <source>NeedRestartSettingsMessage</source>
        <translation>Le nuove impostazioni avranno effetto al riavvio del programma.</translation>
    </message>
    <message>
        <source>NeedRestartSettingsTitle</source>
        <translation>Impostazioni salvate</translation>
    </message>
    <message>
        <source>RestartLaterButton</source>
        <translation>Più tardi</translation>
    </message>
    <message>
        <source>RestartNowButton</source>
        <translation>Riavvia ora</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>AutoInstallDesc</source>
        <translation>Li scarica e li installa automaticamente</translation>
    </message>
    <message>
        <source>BackupDetailLink</source>
        <translation>Cos’è un backup?</translation>
    </message>
    <message>
        <source>CreateBackupCheckBox</source>
        <translation>Esegui il backup di tutti i driver prima della scansione</translation>
    </message>
    <message>
        <source>FindNewDesc</source>
        <translation>Trova i driver mancanti</translation>
    </message>
    <message>
        <source>RegularDesc</source>
        <translation>Ti ricorda di controllare regolarmente</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Avvia scansione</translation>
    </message>
    <message>
        <source>StartScanTitle</source>
        <translation>Mantieni aggiornati i tuoi driver</translation>
    </message>
    <message>
        <source>UpdateOldDesc</source>
        <translation>Aggiorna i driver obsoleti</translation>
    </message>
</context>
<context>
    <name>SystemRebootLayout</name>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Riavvia il computer per completare l’installazione dei driver.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Riavvio necessario</translation>
    </message>
    <message>
        <source>RebootLaterButton</source>
        <translation>Più tardi</translation>
    </message>
    <message>
        <source>RebootNowButton</source>
        <translation>Riavvia ora</translation>
    </message>
</context>
<context>
    <name>TextFieldMenu</name>
    <message>
        <source>CopyMenuItem</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>CutMenuItem</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>PasteMenuItem</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>SelectAllMenuItem</source>
        <translation>Seleziona tutto</translation>
    </message>
</context>
</TS>
