<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca_ES">
<context>
    <name>AboutModule</name>
    <message>
        <source>AppDescription</source>
        <translation>Quillon Pro troba els controladors obsolets de l’ordinador, en baixa les darreres versions i les instal·la amb seguretat, conservant una còpia de cada controlador que substitueix.</translation>
    </message>
    <message>
        <source>ContactLink</source>
        <translation>Contacte</translation>
    </message>
    <message>
        <source>HowDeleteLink</source>
        <translation>Com desinstal·lar-lo</translation>
    </message>
    <message>
        <source>PolicyLink</source>
        <translation>Política de privadesa</translation>
    </message>
    <message>
        <source>RefundPolicyLink</source>
        <translation>Política de reemborsament</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Riscos</translation>
    </message>
    <message>
        <source>UserAgreementLink</source>
        <translation>Contracte de llicència</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versió</translation>
    </message>
</context>
<context>
    <name>AppUpdateView</name>
    <message>
        <source>AppUpdateDescription</source>
        <translation>Hi ha disponible una versió nova de Quillon Pro.</translation>
    </message>
    <message>
        <source>AppUpdateError</source>
        <translation>No s'ha pogut baixar o verificar l'actualització. Podeu tornar-ho a provar o continuar amb aquesta versió.</translation>
    </message>
    <message>
        <source>AppUpdateHeader</source>
        <translation>Actualització disponible</translation>
    </message>
    <message>
        <source>AppUpdateProcess</source>
        <translation>S’està baixant l’actualització…</translation>
    </message>
    <message>
        <source>AppUpdateQuestion</source>
        <translation>Voleu baixar-la i instal·lar-la ara?</translation>
    </message>
    <message>
        <source>NoButton</source>
        <translation>Ara no</translation>
    </message>
    <message>
        <source>YesButton</source>
        <translation>Sí, actualitza</translation>
    </message>
</context>
<context>
    <name>AutorunModule</name>
    <message>
        <source>AutorunEnableCheckBox</source>
        <translation>Recorda’m que revisi els controladors</translation>
    </message>
    <message>
        <source>AutosaveStartDesc</source>
        <translation>Propera revisió: %1 a les %2</translation>
    </message>
    <message>
        <source>MonthlySelect</source>
        <translation>Cada mes</translation>
    </message>
    <message>
        <source>SaveButton</source>
        <translation>Desa</translation>
    </message>
    <message>
        <source>WeeklySelect</source>
        <translation>Cada setmana</translation>
    </message>
</context>
<context>
    <name>BackupModule</name>
    <message>
        <source>BackButton</source>
        <translation>Enrere</translation>
    </message>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Còpia de seguretat creada</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Fitxer de còpia:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>S’estan restaurant els controladors</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Controladors restaurats</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>S’estan desant els controladors:</translation>
    </message>
    <message>
        <source>BrowseButton</source>
        <translation>Navega…</translation>
    </message>
    <message>
        <source>CreateBackupButton</source>
        <translation>Crea una còpia</translation>
    </message>
    <message>
        <source>DetailButton</source>
        <translation>Més informació</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Proveïdor</translation>
    </message>
    <message>
        <source>HowCreateBackupLink</source>
        <translation>Com crear una còpia de seguretat</translation>
    </message>
    <message>
        <source>HowUseBackupLink</source>
        <translation>Com restaurar una còpia de seguretat</translation>
    </message>
    <message>
        <source>InstallBackupButton</source>
        <translation>Restaura una còpia</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Instal·la</translation>
    </message>
    <message>
        <source>InstalledBackupListTitle</source>
        <translation>Controladors restaurats:</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Els controladors coincideixen amb la còpia de seguretat. No hi ha res per restaurar.</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Controladors per restaurar:</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Selecciona-ho tot</translation>
    </message>
    <message>
        <source>ValidDriverList</source>
        <translation>Altres controladors de la còpia:</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versió</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>WhatIsBackupLink</source>
        <translation>Què és una còpia de seguretat?</translation>
    </message>
</context>
<context>
    <name>CancelButton</name>
    <message>
        <source>CancelButton</source>
        <translation>Cancel·la</translation>
    </message>
</context>
<context>
    <name>ChangeRow</name>
    <message>
        <source>Developer</source>
        <translation>Proveïdor</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versió</translation>
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
        <translation>Fet</translation>
    </message>
    <message>
        <source>BackupCompleteText</source>
        <translation>Ara cerqueu controladors més recents per a l’ordinador.</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Analitza ara</translation>
    </message>
</context>
<context>
    <name>ConnectErrorView</name>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>No hi ha connexió amb el servei de controladors</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>El programa no ha pogut connectar amb el servei de controladors. Comproveu la connexió a Internet i torneu-ho a provar.</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Torna-ho a provar</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>El servei de controladors no està disponible ara mateix. Torneu-ho a provar d’aquí a uns minuts.</translation>
    </message>
</context>
<context>
    <name>DeviceRow</name>
    <message>
        <source>Alternative</source>
        <translation>Alternatiu</translation>
    </message>
    <message>
        <source>CandidateCount</source>
        <translation>Controladors trobats: %1</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Controlador actual</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Versió nova</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Recomanat</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Mida</translation>
    </message>
</context>
<context>
    <name>DriverFacts</name>
    <message>
        <source>Developer</source>
        <translation>Proveïdor</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versió</translation>
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
        <translation>S’està baixant</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Instal·lat</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>S’està instal·lant</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>A la cua</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>A punt per instal·lar</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>S’està descomprimint</translation>
    </message>
</context>
<context>
    <name>HistoryModule</name>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Encara no s’ha actualitzat cap controlador.</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Actualitzacions de controladors instal·lades</translation>
    </message>
</context>
<context>
    <name>InitView</name>
    <message>
        <source>AppInitializationText</source>
        <translation>Preparant: s’està comprovant el sistema i connectant amb el servei de controladors…</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versió</translation>
    </message>
</context>
<context>
    <name>InstallPage</name>
    <message>
        <source>CompleteButton</source>
        <translation>Fet</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Instal·lació completada</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>S’estan instal·lant els controladors:</translation>
    </message>
</context>
<context>
    <name>InstallRow</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>S’està baixant</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Instal·lat</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>S’està instal·lant</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>A la cua</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>A punt per instal·lar</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>S’està descomprimint</translation>
    </message>
</context>
<context>
    <name>ModulesList</name>
    <message>
        <source>DBUpdatedAtText</source>
        <translation>Base de controladors actualitzada:</translation>
    </message>
</context>
<context>
    <name>NoConnectPanel</name>
    <message>
        <source>NoConnectDesc</source>
        <translation>Aquesta pàgina necessita el servei de controladors, que no ha respost en iniciar el programa. Reinicieu el programa per tornar-ho a provar.</translation>
    </message>
    <message>
        <source>NoConnectTitle</source>
        <translation>Sense connexió</translation>
    </message>
</context>
<context>
    <name>NoSignDriversLayout</name>
    <message>
        <source>DetailButton</source>
        <translation>Més informació</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Es conserva una còpia de cada controlador substituït, de manera que podeu desfer qualsevol actualització a la pàgina Recuperació.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Alguns dels controladors seleccionats no estan certificats per Microsoft (WHQL). Provenen dels fabricants dels dispositius, però és possible que no funcionin a tots els ordinadors.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Abans d’instal·lar</translation>
    </message>
</context>
<context>
    <name>PipelineStrip</name>
    <message>
        <source>CompleteStep</source>
        <translation>Fet</translation>
    </message>
    <message>
        <source>DownloadInstallStep</source>
        <translation>Baixada i instal·lació</translation>
    </message>
    <message>
        <source>ScanningStep</source>
        <translation>Anàlisi</translation>
    </message>
    <message>
        <source>SelectStep</source>
        <translation>Selecció</translation>
    </message>
</context>
<context>
    <name>ProgramsModule</name>
    <message>
        <source>CommandLineProgram</source>
        <translation>Indicador d’ordres</translation>
    </message>
    <message>
        <source>ComputerManagementProgram</source>
        <translation>Administració de l’ordinador</translation>
    </message>
    <message>
        <source>ControlPanelProgram</source>
        <translation>Tauler de control</translation>
    </message>
    <message>
        <source>DiskManagementProgram</source>
        <translation>Administració de discos</translation>
    </message>
    <message>
        <source>DisplaySettingsProgram</source>
        <translation>Configuració de la pantalla</translation>
    </message>
    <message>
        <source>NetworkProgram</source>
        <translation>Connexions de xarxa</translation>
    </message>
    <message>
        <source>PowerSupplyProgram</source>
        <translation>Opcions d’energia</translation>
    </message>
    <message>
        <source>ProgramsDescription</source>
        <translation>Obriu les eines de Windows que més feu servir per tenir cura de l’ordinador.</translation>
    </message>
    <message>
        <source>ProgramsFeaturesProgram</source>
        <translation>Programes i característiques</translation>
    </message>
    <message>
        <source>RecoveryProgram</source>
        <translation>Recuperació</translation>
    </message>
    <message>
        <source>SystemProgram</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>TaskManagerProgram</source>
        <translation>Administrador de tasques</translation>
    </message>
</context>
<context>
    <name>Qln::AboutModule</name>
    <message>
        <source>AboutTitle</source>
        <translation>Quant a</translation>
    </message>
</context>
<context>
    <name>Qln::AutorunModule</name>
    <message>
        <source>AutorunTitle</source>
        <translation>Programació</translation>
    </message>
</context>
<context>
    <name>Qln::BackupModule</name>
    <message>
        <source>CloudBackupTitle</source>
        <translation>Còpia de seguretat</translation>
    </message>
</context>
<context>
    <name>Qln::BackupViewModel</name>
    <message>
        <source>DevMissing</source>
        <translation>No s’ha trobat el dispositiu</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Dispositiu nou</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Sense canvis</translation>
    </message>
</context>
<context>
    <name>Qln::Cli::Program</name>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Còpia de seguretat creada</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Fitxer de còpia:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>S’estan restaurant els controladors</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Controladors restaurats</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>S’estan desant els controladors:</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>No hi ha connexió amb el servei de controladors</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Controlador actual</translation>
    </message>
    <message>
        <source>DevMissing</source>
        <translation>No s’ha trobat el dispositiu</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Dispositiu nou</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Sense canvis</translation>
    </message>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>S’està baixant</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Instal·lat</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>S’està instal·lant</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>A punt per instal·lar</translation>
    </message>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Encara no s’ha actualitzat cap controlador.</translation>
    </message>
    <message>
        <source>FindUpdatesHeader</source>
        <translation>S’estan cercant actualitzacions</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Actualitzacions de controladors instal·lades</translation>
    </message>
    <message>
        <source>InstallBackup</source>
        <translation>S’està restaurant</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Error en restaurar</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Restaurat</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Instal·lació completada</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>S’estan instal·lant els controladors:</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>El programa no ha pogut connectar amb el servei de controladors. Comproveu la connexió a Internet i torneu-ho a provar.</translation>
    </message>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Reinicieu l’ordinador per acabar d’instal·lar els controladors.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Cal reiniciar</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Versió nova</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Els controladors coincideixen amb la còpia de seguretat. No hi ha res per restaurar.</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Es conserva una còpia de cada controlador substituït, de manera que podeu desfer qualsevol actualització a la pàgina Recuperació.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Alguns dels controladors seleccionats no estan certificats per Microsoft (WHQL). Provenen dels fabricants dels dispositius, però és possible que no funcionin a tots els ordinadors.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Abans d’instal·lar</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Controladors per restaurar:</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Recomanat</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Encara no hi ha controladors actualitzats per revertir.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Controladors actualitzats que podeu revertir</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Els controladors estan al dia</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>El servei de controladors no està disponible ara mateix. Torneu-ho a provar d’aquí a uns minuts.</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>S’està descomprimint</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Dispositius amb actualitzacions:</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>En espera</translation>
    </message>
</context>
<context>
    <name>Qln::DeviceScanner</name>
    <message>
        <source>ScanTitle</source>
        <translation>S’estan analitzant els dispositius</translation>
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
        <translation>S’estan cercant actualitzacions</translation>
    </message>
</context>
<context>
    <name>Qln::HistoryModule</name>
    <message>
        <source>DownloadHistoryTitle</source>
        <translation>Historial</translation>
    </message>
</context>
<context>
    <name>Qln::InstallDriversModule</name>
    <message>
        <source>InstallDriversTitle</source>
        <translation>Actualització de controladors</translation>
    </message>
</context>
<context>
    <name>Qln::ProgramsModule</name>
    <message>
        <source>ProgramsTitle</source>
        <translation>Programes útils</translation>
    </message>
</context>
<context>
    <name>Qln::RecoveryModule</name>
    <message>
        <source>RecoveryTitle</source>
        <translation>Recuperació</translation>
    </message>
</context>
<context>
    <name>Qln::SettingsModule</name>
    <message>
        <source>SettingsTitle</source>
        <translation>Configuració</translation>
    </message>
</context>
<context>
    <name>RecoveryModule</name>
    <message>
        <source>InstallBackup</source>
        <translation>S’està restaurant</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Error en restaurar</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Restaurat</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Encara no hi ha controladors actualitzats per revertir.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Controladors actualitzats que podeu revertir</translation>
    </message>
    <message>
        <source>RestoreButton</source>
        <translation>Restaura</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>S’està descomprimint</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>En espera</translation>
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
        <translation>Memòria</translation>
    </message>
    <message>
        <source>Motherboard</source>
        <translation>Placa base</translation>
    </message>
    <message>
        <source>OS</source>
        <translation>Sistema operatiu</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Processador</translation>
    </message>
    <message>
        <source>SystemInfoTitle</source>
        <translation>Informació del sistema</translation>
    </message>
</context>
<context>
    <name>SearchComplete</name>
    <message>
        <source>SearchCompleteDesc</source>
        <translation>No s’han trobat controladors més recents per als vostres dispositius. Programeu una revisió periòdica per no perdre-us-en cap de nou.</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Els controladors estan al dia</translation>
    </message>
    <message>
        <source>ToAutorunButton</source>
        <translation>Programa revisions</translation>
    </message>
    <message>
        <source>UpdateFinishButton</source>
        <translation>Finalitza</translation>
    </message>
</context>
<context>
    <name>SearchFailed</name>
    <message>
        <source>BackButton</source>
        <translation>Enrere</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>No hi ha connexió amb el servei de controladors</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Torna-ho a provar</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>El servei de controladors no està disponible ara mateix. Torneu-ho a provar d’aquí a uns minuts.</translation>
    </message>
</context>
<context>
    <name>SelectPage</name>
    <message>
        <source>BackButton</source>
        <translation>Enrere</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Instal·la</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Riscos</translation>
    </message>
    <message>
        <source>ScanDifferFooter</source>
        <translation>Els resultats depenen de la base de controladors i poden canviar. Actualitzar controladors comporta alguns riscos.</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Selecciona-ho tot</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Dispositius amb actualitzacions:</translation>
    </message>
</context>
<context>
    <name>SettingsModule</name>
    <message>
        <source>BrowseButton</source>
        <translation>Navega…</translation>
    </message>
    <message>
        <source>ChooseDirDesc</source>
        <translation>Trieu una carpeta per als controladors baixats</translation>
    </message>
    <message>
        <source>DefaultSettingsButton</source>
        <translation>Restableix</translation>
    </message>
    <message>
        <source>InvalidDirText</source>
        <translation>Aquesta carpeta no existeix. Trieu-ne una que existeixi; mentrestant es manté l’anterior.</translation>
    </message>
    <message>
        <source>SaveSettingsButton</source>
        <translation>Desa</translation>
    </message>
    <message>
        <source>SettingsDownloadDirHeader</source>
        <translation>Carpeta de baixades</translation>
    </message>
    <message>
        <source>SettingsLanguageHeader</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>SettingsOptionsHeader</source>
        <translation>Comprovacions</translation>
    </message>
    <message>
        <source>SystemDriverCheck</source>
        <translation>Inclou els dispositius del sistema en l’anàlisi</translation>
    </message>
    <message>
        <source>UpdatesCheck</source>
        <translation>Cerca actualitzacions del programa en iniciar</translation>
    </message>
</context>
<context>
    <name>SettingsRestartLayout</name>
    <message>
        <source>NeedRestartSettingsMessage</source>
        <translation>La configuració nova s’aplicarà quan es reiniciï el programa.</translation>
    </message>
    <message>
        <source>NeedRestartSettingsTitle</source>
        <translation>Configuració desada</translation>
    </message>
    <message>
        <source>RestartLaterButton</source>
        <translation>Més tard</translation>
    </message>
    <message>
        <source>RestartNowButton</source>
        <translation>Reinicia ara</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>AutoInstallDesc</source>
        <translation>Els baixa i els instal·la automàticament</translation>
    </message>
    <message>
        <source>BackupDetailLink</source>
        <translation>Què és una còpia de seguretat?</translation>
    </message>
    <message>
        <source>CreateBackupCheckBox</source>
        <translation>Fes una còpia de tots els controladors abans de l’anàlisi</translation>
    </message>
    <message>
        <source>FindNewDesc</source>
        <translation>Troba els controladors que falten</translation>
    </message>
    <message>
        <source>RegularDesc</source>
        <translation>Us recorda que els reviseu periòdicament</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Analitza ara</translation>
    </message>
    <message>
        <source>StartScanTitle</source>
        <translation>Mantingueu els controladors al dia</translation>
    </message>
    <message>
        <source>UpdateOldDesc</source>
        <translation>Actualitza els controladors obsolets</translation>
    </message>
</context>
<context>
    <name>SystemRebootLayout</name>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Reinicieu l’ordinador per acabar d’instal·lar els controladors.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Cal reiniciar</translation>
    </message>
    <message>
        <source>RebootLaterButton</source>
        <translation>Més tard</translation>
    </message>
    <message>
        <source>RebootNowButton</source>
        <translation>Reinicia ara</translation>
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
        <translation>Retalla</translation>
    </message>
    <message>
        <source>PasteMenuItem</source>
        <translation>Enganxa</translation>
    </message>
    <message>
        <source>SelectAllMenuItem</source>
        <translation>Selecciona-ho tot</translation>
    </message>
</context>
</TS>
