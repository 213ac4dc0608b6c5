<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
<context>
    <name>AboutModule</name>
    <message>
        <source>AppDescription</source>
        <translation>Quillon Pro găsește driverele învechite de pe computer, descarcă cele mai noi versiuni și le instalează în siguranță, păstrând o copie a fiecărui driver înlocuit.</translation>
    </message>
    <message>
        <source>ContactLink</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>HowDeleteLink</source>
        <translation>Cum dezinstalez</translation>
    </message>
    <message>
        <source>PolicyLink</source>
        <translation>Politica de confidențialitate</translation>
    </message>
    <message>
        <source>RefundPolicyLink</source>
        <translation>Politica de rambursare</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Riscuri</translation>
    </message>
    <message>
        <source>UserAgreementLink</source>
        <translation>Acord de licență</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versiune</translation>
    </message>
</context>
<context>
    <name>AppUpdateView</name>
    <message>
        <source>AppUpdateDescription</source>
        <translation>Este disponibilă o versiune nouă a Quillon Pro.</translation>
    </message>
    <message>
        <source>AppUpdateError</source>
        <translation>Actualizarea nu a putut fi descărcată sau verificată. Puteți încerca din nou sau continua cu această versiune.</translation>
    </message>
    <message>
        <source>AppUpdateHeader</source>
        <translation>Actualizare disponibilă</translation>
    </message>
    <message>
        <source>AppUpdateProcess</source>
        <translation>Se descarcă actualizarea…</translation>
    </message>
    <message>
        <source>AppUpdateQuestion</source>
        <translation>O descărcați și o instalați acum?</translation>
    </message>
    <message>
        <source>NoButton</source>
        <translation>Nu acum</translation>
    </message>
    <message>
        <source>YesButton</source>
        <translation>Da, actualizați</translation>
    </message>
</context>
<context>
    <name>AutorunModule</name>
    <message>
        <source>AutorunEnableCheckBox</source>
        <translation>Amintiți-mi să verific driverele</translation>
    </message>
    <message>
        <source>AutosaveStartDesc</source>
        <translation>Următoarea verificare: %1 la %2</translation>
    </message>
    <message>
        <source>MonthlySelect</source>
        <translation>Lunar</translation>
    </message>
    <message>
        <source>SaveButton</source>
        <translation>Salvare</translation>
    </message>
    <message>
        <source>WeeklySelect</source>
        <translation>Săptămânal</translation>
    </message>
</context>
<context>
    <name>BackupModule</name>
    <message>
        <source>BackButton</source>
        <translation>Înapoi</translation>
    </message>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Copia de rezervă a fost creată</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Fișier de rezervă:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Se restaurează driverele</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Drivere restaurate</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Se salvează driverele:</translation>
    </message>
    <message>
        <source>BrowseButton</source>
        <translation>Răsfoire…</translation>
    </message>
    <message>
        <source>CreateBackupButton</source>
        <translation>Creați copia</translation>
    </message>
    <message>
        <source>DetailButton</source>
        <translation>Aflați mai multe</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Furnizor</translation>
    </message>
    <message>
        <source>HowCreateBackupLink</source>
        <translation>Cum creez o copie de rezervă</translation>
    </message>
    <message>
        <source>HowUseBackupLink</source>
        <translation>Cum restaurez dintr-o copie de rezervă</translation>
    </message>
    <message>
        <source>InstallBackupButton</source>
        <translation>Restaurați din copie</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Instalare</translation>
    </message>
    <message>
        <source>InstalledBackupListTitle</source>
        <translation>Drivere restaurate:</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Driverele corespund copiei de rezervă. Nu este nimic de restaurat.</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Drivere de restaurat:</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Selectați tot</translation>
    </message>
    <message>
        <source>ValidDriverList</source>
        <translation>Alte drivere din copie:</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versiune</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Dată</translation>
    </message>
    <message>
        <source>WhatIsBackupLink</source>
        <translation>Ce este o copie de rezervă?</translation>
    </message>
</context>
<context>
    <name>CancelButton</name>
    <message>
        <source>CancelButton</source>
        <translation>Anulare</translation>
    </message>
</context>
<context>
    <name>ChangeRow</name>
    <message>
        <source>Developer</source>
        <translation>Furnizor</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versiune</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Dată</translation>
    </message>
</context>
<context>
    <name>CompletionFooter</name>
    <message>
        <source>BackupCompleteButton</source>
        <translation>Gata</translation>
    </message>
    <message>
        <source>BackupCompleteText</source>
        <translation>Acum căutați drivere mai noi pentru computer.</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Scanați acum</translation>
    </message>
</context>
<context>
    <name>ConnectErrorView</name>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Nu există conexiune cu serviciul de drivere</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>Programul nu a putut contacta serviciul de drivere. Verificați conexiunea la internet și încercați din nou.</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Reîncercați</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Serviciul de drivere nu este disponibil acum. Încercați din nou peste câteva minute.</translation>
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
        <translation>Drivere găsite: %1</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Driver actual</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Versiune nouă</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Recomandat</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensiune</translation>
    </message>
</context>
<context>
    <name>DriverFacts</name>
    <message>
        <source>Developer</source>
        <translation>Furnizor</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versiune</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Dată</translation>
    </message>
</context>
<context>
    <name>DriverList</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Se descarcă</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Instalat</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Eșuat</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Se instalează</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>În așteptare</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Gata de instalare</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Se dezarhivează</translation>
    </message>
</context>
<context>
    <name>HistoryModule</name>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Încă nu a fost actualizat niciun driver.</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Actualizări de drivere instalate</translation>
    </message>
</context>
<context>
    <name>InitView</name>
    <message>
        <source>AppInitializationText</source>
        <translation>Pregătire: se verifică sistemul și se conectează la serviciul de drivere…</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versiune</translation>
    </message>
</context>
<context>
    <name>InstallPage</name>
    <message>
        <source>CompleteButton</source>
        <translation>Gata</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Instalare finalizată</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Se instalează driverele:</translation>
    </message>
</context>
<context>
    <name>InstallRow</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Se descarcă</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Instalat</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Eșuat</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Se instalează</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>În așteptare</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Gata de instalare</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Se dezarhivează</translation>
    </message>
</context>
<context>
    <name>ModulesList</name>
    <message>
        <source>DBUpdatedAtText</source>
        <translation>Baza de drivere actualizată:</translation>
    </message>
</context>
<context>
    <name>NoConnectPanel</name>
    <message>
        <source>NoConnectDesc</source>
        <translation>Această pagină are nevoie de serviciul de drivere, care nu a răspuns la pornirea programului. Reporniți programul pentru a încerca din nou.</translation>
    </message>
    <message>
        <source>NoConnectTitle</source>
        <translation>Fără conexiune</translation>
    </message>
</context>
<context>
    <name>NoSignDriversLayout</name>
    <message>
        <source>DetailButton</source>
        <translation>Aflați mai multe</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Continuare</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Se păstrează o copie a fiecărui driver înlocuit, astfel încât puteți anula orice actualizare din pagina Recuperare.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Unele dintre driverele selectate nu sunt certificate de Microsoft (WHQL). Provin de la producătorii dispozitivelor, dar este posibil să nu funcționeze pe orice computer.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Înainte de instalare</translation>
    </message>
</context>
<context>
    <name>PipelineStrip</name>
    <message>
        <source>CompleteStep</source>
        <translation>Gata</translation>
    </message>
    <message>
        <source>DownloadInstallStep</source>
        <translation>Descărcare și instalare</translation>
    </message>
    <message>
        <source>ScanningStep</source>
        <translation>Scanare</translation>
    </message>
    <message>
        <source>SelectStep</source>
        <translation>Selectare</translation>
    </message>
</context>
<context>
    <name>ProgramsModule</name>
    <message>
        <source>CommandLineProgram</source>
        <translation>Linie de comandă</translation>
    </message>
    <message>
        <source>ComputerManagementProgram</source>
        <translation>Gestionare computer</translation>
    </message>
    <message>
        <source>ControlPanelProgram</source>
        <translation>Panou de control</translation>
    </message>
    <message>
        <source>DiskManagementProgram</source>
        <translation>Gestionare disc</translation>
    </message>
    <message>
        <source>DisplaySettingsProgram</source>
        <translation>Setări afișaj</translation>
    </message>
    <message>
        <source>NetworkProgram</source>
        <translation>Conexiuni în rețea</translation>
    </message>
    <message>
        <source>PowerSupplyProgram</source>
        <translation>Opțiuni de alimentare</translation>
    </message>
    <message>
        <source>ProgramsDescription</source>
        <translation>Deschideți instrumentele Windows de care aveți cel mai des nevoie pentru îngrijirea PC-ului.</translation>
    </message>
    <message>
        <source>ProgramsFeaturesProgram</source>
        <translation>Programe și caracteristici</translation>
    </message>
    <message>
        <source>RecoveryProgram</source>
        <translation>Recuperare</translation>
    </message>
    <message>
        <source>SystemProgram</source>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>TaskManagerProgram</source>
        <translation>Manager de activități</translation>
    </message>
</context>
<context>
    <name>Qln::AboutModule</name>
    <message>
        <source>AboutTitle</source>
        <translation>Despre</translation>
    </message>
</context>
<context>
    <name>Qln::AutorunModule</name>
    <message>
        <source>AutorunTitle</source>
        <translation>Programare</translation>
    </message>
</context>
<context>
    <name>Qln::BackupModule</name>
    <message>
        <source>CloudBackupTitle</source>
        <translation>Copie de rezervă</translation>
    </message>
</context>
<context>
    <name>Qln::BackupViewModel</name>
    <message>
        <source>DevMissing</source>
        <translation>Dispozitiv negăsit</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Dispozitiv nou</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Neschimbat</translation>
    </message>
</context>
<context>
    <name>Qln::Cli::Program</name>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Copia de rezervă a fost creată</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Fișier de rezervă:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Se restaurează driverele</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Drivere restaurate</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Se salvează driverele:</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Nu există conexiune cu serviciul de drivere</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Driver actual</translation>
    </message>
    <message>
        <source>DevMissing</source>
        <translation>Dispozitiv negăsit</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Dispozitiv nou</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Neschimbat</translation>
    </message>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Se descarcă</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Instalat</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Eșuat</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Se instalează</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Gata de instalare</translation>
    </message>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Încă nu a fost actualizat niciun driver.</translation>
    </message>
    <message>
        <source>FindUpdatesHeader</source>
        <translation>Se caută actualizări</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Actualizări de drivere instalate</translation>
    </message>
    <message>
        <source>InstallBackup</source>
        <translation>Se restaurează</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Restaurare eșuată</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Restaurat</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Instalare finalizată</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Se instalează driverele:</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>Programul nu a putut contacta serviciul de drivere. Verificați conexiunea la internet și încercați din nou.</translation>
    </message>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Reporniți computerul pentru a finaliza instalarea driverelor.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Este necesară repornirea</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Versiune nouă</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Driverele corespund copiei de rezervă. Nu este nimic de restaurat.</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Continuare</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Se păstrează o copie a fiecărui driver înlocuit, astfel încât puteți anula orice actualizare din pagina Recuperare.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Unele dintre driverele selectate nu sunt certificate de Microsoft (WHQL). Provin de la producătorii dispozitivelor, dar este posibil să nu funcționeze pe orice computer.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Înainte de instalare</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Drivere de restaurat:</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Recomandat</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Nu există încă drivere actualizate de readus la versiunea anterioară.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Drivere actualizate pe care le puteți readuce la versiunea anterioară</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Driverele sunt actualizate</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Serviciul de drivere nu este disponibil acum. Încercați din nou peste câteva minute.</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Se dezarhivează</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Dispozitive cu actualizări:</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>În așteptare</translation>
    </message>
</context>
<context>
    <name>Qln::DeviceScanner</name>
    <message>
        <source>ScanTitle</source>
        <translation>Se scanează dispozitivele</translation>
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
        <translation>Se caută actualizări</translation>
    </message>
</context>
<context>
    <name>Qln::HistoryModule</name>
    <message>
        <source>DownloadHistoryTitle</source>
        <translation>Istoric</translation>
    </message>
</context>
<context>
    <name>Qln::InstallDriversModule</name>
    <message>
        <source>InstallDriversTitle</source>
        <translation>Actualizare drivere</translation>
    </message>
</context>
<context>
    <name>Qln::ProgramsModule</name>
    <message>
        <source>ProgramsTitle</source>
        <translation>Programe utile</translation>
    </message>
</context>
<context>
    <name>Qln::RecoveryModule</name>
    <message>
        <source>RecoveryTitle</source>
        <translation>Recuperare</translation>
    </message>
</context>
<context>
    <name>Qln::SettingsModule</name>
    <message>
        <source>SettingsTitle</source>
        <translation>Setări</translation>
    </message>
</context>
<context>
    <name>RecoveryModule</name>
    <message>
        <source>InstallBackup</source>
        <translation>Se restaurează</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Restaurare eșuată</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Restaurat</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Nu există încă drivere actualizate de readus la versiunea anterioară.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Drivere actualizate pe care le puteți readuce la versiunea anterioară</translation>
    </message>
    <message>
        <source>RestoreButton</source>
        <translation>Restaurare</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Se dezarhivează</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>În așteptare</translation>
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
        <translation>Memorie</translation>
    </message>
    <message>
        <source>Motherboard</source>
        <translation>Placă de bază</translation>
    </message>
    <message>
        <source>OS</source>
        <translation>Sistem de operare</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Procesor</translation>
    </message>
    <message>
        <source>SystemInfoTitle</source>
        <translation>Informații despre sistem</translation>
    </message>
</context>
<context>
    <name>SearchComplete</name>
    <message>
        <source>SearchCompleteDesc</source>
        <translation>Nu s-au găsit drivere mai noi pentru dispozitivele dvs. Programați o verificare periodică pentru a nu rata driverele noi.</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Driverele sunt actualizate</translation>
    </message>
    <message>
        <source>ToAutorunButton</source>
        <translation>Programați verificări</translation>
    </message>
    <message>
        <source>UpdateFinishButton</source>
        <translation>Terminare</translation>
    </message>
</context>
<context>
    <name>SearchFailed</name>
    <message>
        <source>BackButton</source>
        <translation>Înapoi</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Nu există conexiune cu serviciul de drivere</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Reîncercați</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Serviciul de drivere nu este disponibil acum. Încercați din nou peste câteva minute.</translation>
    </message>
</context>
<context>
    <name>SelectPage</name>
    <message>
        <source>BackButton</source>
        <translation>Înapoi</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Instalare</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Riscuri</translation>
    </message>
    <message>
        <source>ScanDifferFooter</source>
        <translation>Rezultatele depind de baza de drivere și se pot schimba în timp. Actualizarea driverelor implică anumite riscuri.</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Selectați tot</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Dispozitive cu actualizări:</translation>
    </message>
</context>
<context>
    <name>SettingsModule</name>
    <message>
        <source>BrowseButton</source>
        <translation>Răsfoire…</translation>
    </message>
    <message>
        <source>ChooseDirDesc</source>
        <translation>Alegeți un folder pentru driverele descărcate</translation>
    </message>
    <message>
        <source>DefaultSettingsButton</source>
        <translation>Valori implicite</translation>
    </message>
    <message>
        <source>InvalidDirText</source>
        <translation>Acest folder nu există. Alegeți un folder existent; până atunci se păstrează cel anterior.</translation>
    </message>
    <message>
        <source>SaveSettingsButton</source>
        <translation>Salvare</translation>
    </message>
    <message>
        <source>SettingsDownloadDirHeader</source>
        <translation>Folder de descărcare</translation>
    </message>
    <message>
        <source>SettingsLanguageHeader</source>
        <translation>Limbă</translation>
    </message>
    <message>
        <source>SettingsOptionsHeader</source>
        <translation>Verificări</translation>
    </message>
    <message>
        <source>SystemDriverCheck</source>
        <translation>Includeți dispozitivele de sistem în scanare</translation>
    </message>
    <message>
        <source>UpdatesCheck</source>
        <translation>Căutați actualizări ale programului la pornire</translation>
    </message>
</context>
<context>
    <name>SettingsRestartLayout</name>
    <message>
        <source>NeedRestartSettingsMessage</source>
        <translation>Noile setări se aplică după repornirea programului.</translation>
    </message>
    <message>
        <source>NeedRestartSettingsTitle</source>
        <translation>Setări salvate</translation>
    </message>
    <message>
        <source>RestartLaterButton</source>
        <translation>Mai târziu</translation>
    </message>
    <message>
        <source>RestartNowButton</source>
        <translation>Reporniți acum</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>AutoInstallDesc</source>
        <translation>Le descarcă și le instalează automat</translation>
    </message>
    <message>
        <source>BackupDetailLink</source>
        <translation>Ce este o copie de rezervă?</translation>
    </message>
    <message>
        <source>CreateBackupCheckBox</source>
        <translation>Creați o copie de rezervă a tuturor driverelor înainte de scanare</translation>
    </message>
    <message>
        <source>FindNewDesc</source>
        <translation>Găsește driverele lipsă</translation>
    </message>
    <message>
        <source>RegularDesc</source>
        <translation>Vă amintește să verificați periodic</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Scanați acum</translation>
    </message>
    <message>
        <source>StartScanTitle</source>
        <translation>Mențineți driverele actualizate</translation>
    </message>
    <message>
        <source>UpdateOldDesc</source>
        <translation>Actualizează driverele învechite</translation>
    </message>
</context>
<context>
    <name>SystemRebootLayout</name>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Reporniți computerul pentru a finaliza instalarea driverelor.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Este necesară repornirea</translation>
    </message>
    <message>
        <source>RebootLaterButton</source>
        <translation>Mai târziu</translation>
    </message>
    <message>
        <source>RebootNowButton</source>
        <translation>Reporniți acum</translation>
    </message>
</context>
<context>
    <name>TextFieldMenu</name>
    <message>
        <source>CopyMenuItem</source>
        <translation>Copiere</translation>
    </message>
    <message>
        <source>CutMenuItem</source>
        <translation>Decupare</translation>
    </message>
    <message>
        <source>PasteMenuItem</source>
        <translation>Lipire</translation>
    </message>
    <message>
        <source>SelectAllMenuItem</source>
        <translation>Selectare totală</translation>
    </message>
</context>
</TS>
