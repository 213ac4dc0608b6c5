<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AboutModule</name>
    <message>
        <source>AppDescription</source>
        <translation>Quillon Pro wyszukuje przestarzałe sterowniki na komputerze, pobiera ich najnowsze wersje i bezpiecznie je instaluje, zachowując kopię każdego zastąpionego sterownika.</translation>
    </message>
    <message>
        <source>ContactLink</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>HowDeleteLink</source>
        <translation>Jak odinstalować</translation>
    </message>
    <message>
        <source>PolicyLink</source>
        <translation>Polityka prywatności</translation>
    </message>
    <message>
        <source>RefundPolicyLink</source>
        <translation>Zasady zwrotów</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Ryzyko</translation>
    </message>
    <message>
        <source>UserAgreementLink</source>
        <translation>Umowa licencyjna</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
</context>
<context>
    <name>AppUpdateView</name>
    <message>
        <source>AppUpdateDescription</source>
        <translation>Dostępna jest nowa wersja Quillon Pro.</translation>
    </message>
    <message>
        <source>AppUpdateError</source>
        <translation>Nie udało się pobrać ani zweryfikować aktualizacji. Możesz spróbować ponownie lub kontynuować z tą wersją.</translation>
    </message>
    <message>
        <source>AppUpdateHeader</source>
        <translation>Dostępna aktualizacja</translation>
    </message>
    <message>
        <source>AppUpdateProcess</source>
        <translation>Pobieranie aktualizacji…</translation>
    </message>
    <message>
        <source>AppUpdateQuestion</source>
        <translation>Pobrać i zainstalować ją teraz?</translation>
    </message>
    <message>
        <source>NoButton</source>
        <translation>Nie teraz</translation>
    </message>
    <message>
        <source>YesButton</source>
        <translation>Tak, aktualizuj</translation>
    </message>
</context>
<context>
    <name>AutorunModule</name>
    <message>
        <source>AutorunEnableCheckBox</source>
        <translation>Przypominaj o sprawdzaniu sterowników</translation>
    </message>
    <message>
        <source>AutosaveStartDesc</source>
        <translation>Następne sprawdzenie: %1 o %2</translation>
    </message>
    <message>
        <source>MonthlySelect</source>
        <translation>Co miesiąc</translation>
    </message>
    <message>
        <source>SaveButton</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>WeeklySelect</source>
        <translation>Co tydzień</translation>
    </message>
</context>
<context>
    <name>BackupModule</name>
    <message>
        <source>BackButton</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Kopia zapasowa utworzona</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Plik kopii zapasowej:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Przywracanie sterowników</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Sterowniki przywrócone</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Zapisywanie sterowników:</translation>
    </message>
    <message>
        <source>BrowseButton</source>
        <translation>Przeglądaj…</translation>
    </message>
    <message>
        <source>CreateBackupButton</source>
        <translation>Utwórz kopię</translation>
    </message>
    <message>
        <source>DetailButton</source>
        <translation>Więcej informacji</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Dostawca</translation>
    </message>
    <message>
        <source>HowCreateBackupLink</source>
        <translation>Jak utworzyć kopię zapasową</translation>
    </message>
    <message>
        <source>HowUseBackupLink</source>
        <translation>Jak przywrócić z kopii zapasowej</translation>
    </message>
    <message>
        <source>InstallBackupButton</source>
        <translation>Przywróć z kopii</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Zainstaluj</translation>
    </message>
    <message>
        <source>InstalledBackupListTitle</source>
        <translation>Przywrócone sterowniki:</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Sterowniki są zgodne z kopią zapasową. Nie ma nic do przywrócenia.</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Sterowniki do przywrócenia:</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message>
        <source>ValidDriverList</source>
        <translation>Inne sterowniki w kopii:</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>WhatIsBackupLink</source>
        <translation>Czym jest kopia zapasowa?</translation>
    </message>
</context>
<context>
    <name>CancelButton</name>
    <message>
        <source>CancelButton</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>ChangeRow</name>
    <message>
        <source>Developer</source>
        <translation>Dostawca</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
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
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>BackupCompleteText</source>
        <translation>Teraz przeskanuj komputer w poszukiwaniu nowszych sterowników.</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Skanuj teraz</translation>
    </message>
</context>
<context>
    <name>ConnectErrorView</name>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Brak połączenia z usługą sterowników</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>Program nie mógł połączyć się z usługą sterowników. Sprawdź połączenie z internetem i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Usługa sterowników jest teraz niedostępna. Spróbuj ponownie za kilka minut.</translation>
    </message>
</context>
<context>
    <name>DeviceRow</name>
    <message>
        <source>Alternative</source>
        <translation>Alternatywny</translation>
    </message>
    <message>
        <source>CandidateCount</source>
        <translation>Znalezione sterowniki: %1</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Obecny sterownik</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Nowa wersja</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Zalecany</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
</context>
<context>
    <name>DriverFacts</name>
    <message>
        <source>Developer</source>
        <translation>Dostawca</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
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
        <translation>Pobieranie</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Zainstalowano</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Instalowanie</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>W kolejce</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Gotowy do instalacji</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Rozpakowywanie</translation>
    </message>
</context>
<context>
    <name>HistoryModule</name>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Nie zaktualizowano jeszcze żadnego sterownika.</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Zainstalowane aktualizacje sterowników</translation>
    </message>
</context>
<context>
    <name>InitView</name>
    <message>
        <source>AppInitializationText</source>
        <translation>Przygotowanie: sprawdzanie systemu i łączenie z usługą sterowników…</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
</context>
<context>
    <name>InstallPage</name>
    <message>
        <source>CompleteButton</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Instalacja zakończona</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Instalowanie sterowników:</translation>
    </message>
</context>
<context>
    <name>InstallRow</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Pobieranie</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Zainstalowano</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Instalowanie</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>W kolejce</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Gotowy do instalacji</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Rozpakowywanie</translation>
    </message>
</context>
<context>
    <name>ModulesList</name>
    <message>
        <source>DBUpdatedAtText</source>
        <translation>Baza sterowników zaktualizowana:</translation>
    </message>
</context>
<context>
    <name>NoConnectPanel</name>
    <message>
        <source>NoConnectDesc</source>
        <translation>Ta strona wymaga usługi sterowników, która nie odpowiedziała przy uruchamianiu programu. Uruchom program ponownie, aby spróbować jeszcze raz.</translation>
    </message>
    <message>
        <source>NoConnectTitle</source>
        <translation>Brak połączenia</translation>
    </message>
</context>
<context>
    <name>NoSignDriversLayout</name>
    <message>
        <source>DetailButton</source>
        <translation>Więcej informacji</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Kontynuuj</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Kopia każdego zastąpionego sterownika jest zachowywana, więc każdą aktualizację można cofnąć na stronie Przywracanie.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Niektóre z wybranych sterowników nie mają certyfikatu Microsoft (WHQL). Pochodzą od producentów urządzeń, ale mogą nie działać na każdym komputerze.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Przed instalacją</translation>
    </message>
</context>
<context>
    <name>PipelineStrip</name>
    <message>
        <source>CompleteStep</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>DownloadInstallStep</source>
        <translation>Pobieranie i instalacja</translation>
    </message>
    <message>
        <source>ScanningStep</source>
        <translation>Skanowanie</translation>
    </message>
    <message>
        <source>SelectStep</source>
        <translation>Wybór</translation>
    </message>
</context>
<context>
    <name>ProgramsModule</name>
    <message>
        <source>CommandLineProgram</source>
        <translation>Wiersz polecenia</translation>
    </message>
    <message>
        <source>ComputerManagementProgram</source>
        <translation>Zarządzanie komputerem</translation>
    </message>
    <message>
        <source>ControlPanelProgram</source>
        <translation>Panel sterowania</translation>
    </message>
    <message>
        <source>DiskManagementProgram</source>
        <translation>Zarządzanie dyskami</translation>
    </message>
    <message>
        <source>DisplaySettingsProgram</source>
        <translation>Ustawienia ekranu</translation>
    </message>
    <message>
        <source>NetworkProgram</source>
        <translation>Połączenia sieciowe</translation>
    </message>
    <message>
        <source>PowerSupplyProgram</source>
        <translation>Opcje zasilania</translation>
    </message>
    <message>
        <source>ProgramsDescription</source>
        <translation>Otwieraj narzędzia systemu Windows, których najczęściej potrzebujesz do dbania o komputer.</translation>
    </message>
    <message>
        <source>ProgramsFeaturesProgram</source>
        <translation>Programy i funkcje</translation>
    </message>
    <message>
        <source>RecoveryProgram</source>
        <translation>Odzyskiwanie</translation>
    </message>
    <message>
        <source>SystemProgram</source>
        <translation>System</translation>
    </message>
    <message>
        <source>TaskManagerProgram</source>
        <translation>Menedżer zadań</translation>
    </message>
</context>
<context>
    <name>Qln::AboutModule</name>
    <message>
        <source>AboutTitle</source>
        <translation>O programie</translation>
    </message>
</context>
<context>
    <name>Qln::AutorunModule</name>
    <message>
        <source>AutorunTitle</source>
        <translation>Harmonogram</translation>
    </message>
</context>
<context>
    <name>Qln::BackupModule</name>
    <message>
        <source>CloudBackupTitle</source>
        <translation>Kopia zapasowa</translation>
    </message>
</context>
<context>
    <name>Qln::BackupViewModel</name>
    <message>
        <source>DevMissing</source>
        <translation>Nie znaleziono urządzenia</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Nowe urządzenie</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Bez zmian</translation>
    </message>
</context>
<context>
    <name>Qln::Cli::Program</name>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Kopia zapasowa utworzona</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Plik kopii zapasowej:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Przywracanie sterowników</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Sterowniki przywrócone</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Zapisywanie sterowników:</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Brak połączenia z usługą sterowników</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Obecny sterownik</translation>
    </message>
    <message>
        <source>DevMissing</source>
        <translation>Nie znaleziono urządzenia</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Nowe urządzenie</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Bez zmian</translation>
    </message>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Pobieranie</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Zainstalowano</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Instalowanie</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Gotowy do instalacji</translation>
    </message>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Nie zaktualizowano jeszcze żadnego sterownika.</translation>
    </message>
    <message>
        <source>FindUpdatesHeader</source>
        <translation>Wyszukiwanie aktualizacji</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Zainstalowane aktualizacje sterowników</translation>
    </message>
    <message>
        <source>InstallBackup</source>
        <translation>Przywracanie</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Błąd przywracania</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Przywrócono</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Instalacja zakończona</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Instalowanie sterowników:</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>Program nie mógł połączyć się z usługą sterowników. Sprawdź połączenie z internetem i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Uruchom ponownie komputer, aby dokończyć instalację sterowników.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Wymagane ponowne uruchomienie</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Nowa wersja</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Sterowniki są zgodne z kopią zapasową. Nie ma nic do przywrócenia.</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Kontynuuj</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Kopia każdego zastąpionego sterownika jest zachowywana, więc każdą aktualizację można cofnąć na stronie Przywracanie.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Niektóre z wybranych sterowników nie mają certyfikatu Microsoft (WHQL). Pochodzą od producentów urządzeń, ale mogą nie działać na każdym komputerze.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Przed instalacją</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Sterowniki do przywrócenia:</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Zalecany</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Nie ma jeszcze zaktualizowanych sterowników do wycofania.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Zaktualizowane sterowniki, które można wycofać</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Sterowniki są aktualne</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Usługa sterowników jest teraz niedostępna. Spróbuj ponownie za kilka minut.</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Rozpakowywanie</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Urządzenia z aktualizacjami:</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>Oczekiwanie</translation>
    </message>
</context>
<context>
    <name>Qln::DeviceScanner</name>
    <message>
        <source>ScanTitle</source>
        <translation>Skanowanie urządzeń</translation>
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
        <translation>Wyszukiwanie aktualizacji</translation>
    </message>
</context>
<context>
    <name>Qln::HistoryModule</name>
    <message>
        <source>DownloadHistoryTitle</source>
        <translation>Historia</translation>
    </message>
</context>
<context>
    <name>Qln::InstallDriversModule</name>
    <message>
        <source>InstallDriversTitle</source>
        <translation>Aktualizacja sterowników</translation>
    </message>
</context>
<context>
    <name>Qln::ProgramsModule</name>
    <message>
        <source>ProgramsTitle</source>
        <translation>Przydatne programy</translation>
    </message>
</context>
<context>
    <name>Qln::RecoveryModule</name>
    <message>
        <source>RecoveryTitle</source>
        <translation>Przywracanie</translation>
    </message>
</context>
<context>
    <name>Qln::SettingsModule</name>
    <message>
        <source>SettingsTitle</source>
        <translation>Ustawienia</translation>
    </message>
</context>
<context>
    <name>RecoveryModule</name>
    <message>
        <source>InstallBackup</source>
        <translation>Przywracanie</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Błąd przywracania</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Przywrócono</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Nie ma jeszcze zaktualizowanych sterowników do wycofania.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Zaktualizowane sterowniki, które można wycofać</translation>
    </message>
    <message>
        <source>RestoreButton</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Rozpakowywanie</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>Oczekiwanie</translation>
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
        <translation>Pamięć</translation>
    </message>
    <message>
        <source>Motherboard</source>
        <translation>Płyta główna</translation>
    </message>
    <message>
        <source>OS</source>
        <translation>System operacyjny</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Procesor</translation>
    </message>
    <message>
        <source>SystemInfoTitle</source>
        <translation>Informacje o systemie</translation>
    </message>
</context>
<context>
    <name>SearchComplete</name>
    <message>
        <source>SearchCompleteDesc</source>
        <translation>Nie znaleziono nowszych sterowników dla Twoich urządzeń. Zaplanuj regularne sprawdzanie, aby nie przegapić nowych.</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Sterowniki są aktualne</translation>
    </message>
    <message>
        <source>ToAutorunButton</source>
        <translation>Zaplanuj sprawdzanie</translation>
    </message>
    <message>
        <source>UpdateFinishButton</source>
        <translation>Zakończ</translation>
    </message>
</context>
<context>
    <name>SearchFailed</name>
    <message>
        <source>BackButton</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Brak połączenia z usługą sterowników</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Usługa sterowników jest teraz niedostępna. Spróbuj ponownie za kilka minut.</translation>
    </message>
</context>
<context>
    <name>SelectPage</name>
    <message>
        <source>BackButton</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Zainstaluj</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Ryzyko</translation>
    </message>
    <message>
        <source>ScanDifferFooter</source>
        <translation>Wyniki zależą od bazy sterowników i mogą się zmieniać. Aktualizacja sterowników wiąże się z pewnym ryzykiem.</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Urządzenia z aktualizacjami:</translation>
    </message>
</context>
<context>
    <name>SettingsModule</name>
    <message>
        <source>BrowseButton</source>
        <translation>Przeglądaj…</translation>
    </message>
    <message>
        <source>ChooseDirDesc</source>
        <translation>Wybierz folder na pobrane sterowniki</translation>
    </message>
    <message>
        <source>DefaultSettingsButton</source>
        <translation>Przywróć domyślne</translation>
    </message>
    <message>
        <source>InvalidDirText</source>
        <translation>Ten folder nie istnieje. Wybierz istniejący folder; do tego czasu pozostaje poprzedni.</translation>
    </message>
    <message>
        <source>SaveSettingsButton</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>SettingsDownloadDirHeader</source>
        <translation>Folder pobierania</translation>
    </message>
    <message>
        <source>SettingsLanguageHeader</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>SettingsOptionsHeader</source>
        <translation>Sprawdzanie</translation>
    </message>
    <message>
        <source>SystemDriverCheck</source>
        <translation>Skanuj również urządzenia systemowe</translation>
    </message>
    <message>
        <source>UpdatesCheck</source>
        <translation>Sprawdzaj aktualizacje programu przy uruchomieniu</translation>
    </message>
</context>
<context>
    <name>SettingsRestartLayout</name>
    <message>
        <source>NeedRestartSettingsMessage</source>
        <translation>Nowe ustawienia zaczną obowiązywać po ponownym uruchomieniu programu.</translation>
    </message>
    <message>
        <source>NeedRestartSettingsTitle</source>
        <translation>Ustawienia zapisane</translation>
    </message>
    <message>
        <source>RestartLaterButton</source>
        <translation>Później</translation>
    </message>
    <message>
        <source>RestartNowButton</source>
        <translation>Uruchom ponownie</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>AutoInstallDesc</source>
        <translation>Automatycznie je pobiera i instaluje</translation>
    </message>
    <message>
        <source>BackupDetailLink</source>
        <translation>Czym jest kopia zapasowa?</translation>
    </message>
    <message>
        <source>CreateBackupCheckBox</source>
        <translation>Utwórz kopię zapasową wszystkich sterowników przed skanowaniem</translation>
    </message>
    <message>
        <source>FindNewDesc</source>
        <translation>Znajduje brakujące sterowniki</translation>
    </message>
    <message>
        <source>RegularDesc</source>
        <translation>Przypomina o regularnym sprawdzaniu</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Skanuj teraz</translation>
    </message>
    <message>
        <source>StartScanTitle</source>
        <translation>Dbaj o aktualność sterowników</translation>
    </message>
    <message>
        <source>UpdateOldDesc</source>
        <translation>Aktualizuje przestarzałe sterowniki</translation>
    </message>
</context>
<context>
    <name>SystemRebootLayout</name>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Uruchom ponownie komputer, aby dokończyć instalację sterowników.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Wymagane ponowne uruchomienie</translation>
    </message>
    <message>
        <source>RebootLaterButton</source>
        <translation>Później</translation>
    </message>
    <message>
        <source>RebootNowButton</source>
        <translation>Uruchom ponownie</translation>
    </message>
</context>
<context>
    <name>TextFieldMenu</name>
    <message>
        <source>CopyMenuItem</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>CutMenuItem</source>
        <translation>Wytnij</translation>
    </message>
    <message>
        <source>PasteMenuItem</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>SelectAllMenuItem</source>
        <translation>Zaznacz wszystko</translation>
    </message>
</context>
</TS>
