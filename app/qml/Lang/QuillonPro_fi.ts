<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi_FI">
<context>
    <name>AboutModule</name>
    <message>
        <source>AppDescription</source>
        <translation>Quillon Pro löytää tietokoneen vanhentuneet ohjaimet, lataa niiden uusimmat versiot ja asentaa ne turvallisesti. Jokaisesta korvatusta ohjaimesta säilytetään kopio.</translation>
    </message>
    <message>
        <source>ContactLink</source>
        <translation>Ota yhteyttä</translation>
    </message>
    <message>
        <source>HowDeleteLink</source>
        <translation>Asennuksen poistaminen</translation>
    </message>
    <message>
        <source>PolicyLink</source>
        <translation>Tietosuojakäytäntö</translation>
    </message>
    <message>
        <source>RefundPolicyLink</source>
        <translation>Palautuskäytäntö</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Riskit</translation>
    </message>
    <message>
        <source>UserAgreementLink</source>
        <translation>Käyttöoikeussopimus</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versio</translation>
    </message>
</context>
<context>
    <name>AppUpdateView</name>
    <message>
        <source>AppUpdateDescription</source>
        <translation>Quillon Pron uusi versio on saatavilla.</translation>
    </message>
    <message>
        <source>AppUpdateError</source>
        <translation>Päivitystä ei voitu ladata tai tarkistaa. Voit yrittää uudelleen tai jatkaa tällä versiolla.</translation>
    </message>
    <message>
        <source>AppUpdateHeader</source>
        <translation>Päivitys saatavilla</translation>
    </message>
    <message>
        <source>AppUpdateProcess</source>
        <translation>Ladataan päivitystä…</translation>
    </message>
    <message>
        <source>AppUpdateQuestion</source>
        <translation>Ladataanko ja asennetaanko se nyt?</translation>
    </message>
    <message>
        <source>NoButton</source>
        <translation>Ei nyt</translation>
    </message>
    <message>
        <source>YesButton</source>
        <translation>Kyllä, päivitä</translation>
    </message>
</context>
<context>
    <name>AutorunModule</name>
    <message>
        <source>AutorunEnableCheckBox</source>
        <translation>Muistuta ohjainten tarkistuksesta</translation>
    </message>
    <message>
        <source>AutosaveStartDesc</source>
        <translation>Seuraava tarkistus: %1 klo %2</translation>
    </message>
    <message>
        <source>MonthlySelect</source>
        <translation>Kuukausittain</translation>
    </message>
    <message>
        <source>SaveButton</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>WeeklySelect</source>
        <translation>Viikoittain</translation>
    </message>
</context>
<context>
    <name>BackupModule</name>
    <message>
        <source>BackButton</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Varmuuskopio luotu</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Varmuuskopiotiedosto:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Palautetaan ohjaimia</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Ohjaimet palautettu</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Tallennetaan ohjaimia:</translation>
    </message>
    <message>
        <source>BrowseButton</source>
        <translation>Selaa…</translation>
    </message>
    <message>
        <source>CreateBackupButton</source>
        <translation>Luo varmuuskopio</translation>
    </message>
    <message>
        <source>DetailButton</source>
        <translation>Lisätietoja</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Toimittaja</translation>
    </message>
    <message>
        <source>HowCreateBackupLink</source>
        <translation>Varmuuskopion luominen</translation>
    </message>
    <message>
        <source>HowUseBackupLink</source>
        <translation>Palauttaminen varmuuskopiosta</translation>
    </message>
    <message>
        <source>InstallBackupButton</source>
        <translation>Palauta varmuuskopiosta</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Asenna</translation>
    </message>
    <message>
        <source>InstalledBackupListTitle</source>
        <translation>Palautetut ohjaimet:</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Ohjaimesi vastaavat varmuuskopiota. Palautettavaa ei ole.</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Palautettavat ohjaimet:</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Valitse kaikki</translation>
    </message>
    <message>
        <source>ValidDriverList</source>
        <translation>Muut varmuuskopion ohjaimet:</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versio</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Päivämäärä</translation>
    </message>
    <message>
        <source>WhatIsBackupLink</source>
        <translation>Mikä on varmuuskopio?</translation>
    </message>
</context>
<context>
    <name>CancelButton</name>
    <message>
        <source>CancelButton</source>
        <translation>Peruuta</translation>
    </message>
</context>
<context>
    <name>ChangeRow</name>
    <message>
        <source>Developer</source>
        <translation>Toimittaja</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versio</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Päivämäärä</translation>
    </message>
</context>
<context>
    <name>CompletionFooter</name>
    <message>
        <source>BackupCompleteButton</source>
        <translation>Valmis</translation>
    </message>
    <message>
        <source>BackupCompleteText</source>
        <translation>Tarkista nyt, onko tietokoneellesi uudempia ohjaimia.</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Tarkista nyt</translation>
    </message>
</context>
<context>
    <name>ConnectErrorView</name>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Ei yhteyttä ohjainpalveluun</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>Ohjelma ei saanut yhteyttä ohjainpalveluun. Tarkista internetyhteys ja yritä uudelleen.</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Yritä uudelleen</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Ohjainpalvelu ei ole juuri nyt käytettävissä. Yritä uudelleen muutaman minuutin kuluttua.</translation>
    </message>
</context>
<context>
    <name>DeviceRow</name>
    <message>
        <source>Alternative</source>
        <translation>Vaihtoehtoinen</translation>
    </message>
    <message>
        <source>CandidateCount</source>
        <translation>Ajureita löytyi: %1</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Nykyinen ohjain</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Uusi versio</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Suositeltu</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Koko</translation>
    </message>
</context>
<context>
    <name>DriverFacts</name>
    <message>
        <source>Developer</source>
        <translation>Toimittaja</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versio</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Päivämäärä</translation>
    </message>
</context>
<context>
    <name>DriverList</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Ladataan</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Asennettu</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Epäonnistui</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Asennetaan</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>Jonossa</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Valmis asennettavaksi</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Puretaan</translation>
    </message>
</context>
<context>
    <name>HistoryModule</name>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Ohjaimia ei ole vielä päivitetty.</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Asennetut ohjainpäivitykset</translation>
    </message>
</context>
<context>
    <name>InitView</name>
    <message>
        <source>AppInitializationText</source>
        <translation>Valmistellaan: tarkistetaan järjestelmä ja yhdistetään ohjainpalveluun…</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versio</translation>
    </message>
</context>
<context>
    <name>InstallPage</name>
    <message>
        <source>CompleteButton</source>
        <translation>Valmis</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Asennus valmis</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Asennetaan ohjaimia:</translation>
    </message>
</context>
<context>
    <name>InstallRow</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Ladataan</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Asennettu</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Epäonnistui</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Asennetaan</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>Jonossa</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Valmis asennettavaksi</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Puretaan</translation>
    </message>
</context>
<context>
    <name>ModulesList</name>
    <message>
        <source>DBUpdatedAtText</source>
        <translation>Ohjaintietokanta päivitetty:</translation>
    </message>
</context>
<context>
    <name>NoConnectPanel</name>
    <message>
        <source>NoConnectDesc</source>
        <translation>Tämä sivu tarvitsee ohjainpalvelua, joka ei vastannut ohjelman käynnistyessä. Yritä uudelleen käynnistämällä ohjelma uudelleen.</translation>
    </message>
    <message>
        <source>NoConnectTitle</source>
        <translation>Ei yhteyttä</translation>
    </message>
</context>
<context>
    <name>NoSignDriversLayout</name>
    <message>
        <source>DetailButton</source>
        <translation>Lisätietoja</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Jatka</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Jokaisesta korvatusta ohjaimesta säilytetään kopio, joten voit perua minkä tahansa päivityksen Palautus-sivulla.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Osa valituista ohjaimista ei ole Microsoftin sertifioimia (WHQL). Ne ovat laitevalmistajien julkaisemia, mutta ne eivät välttämättä toimi kaikissa tietokoneissa.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Ennen asennusta</translation>
    </message>
</context>
<context>
    <name>PipelineStrip</name>
    <message>
        <source>CompleteStep</source>
        <translation>Valmis</translation>
    </message>
    <message>
        <source>DownloadInstallStep</source>
        <translation>Lataus ja asennus</translation>
    </message>
    <message>
        <source>ScanningStep</source>
        <translation>Tarkistus</translation>
    </message>
    <message>
        <source>SelectStep</source>
        <translation>Valinta</translation>
    </message>
</context>
<context>
    <name>ProgramsModule</name>
    <message>
        <source>CommandLineProgram</source>
        <translation>Komentokehote</translation>
    </message>
    <message>
        <source>ComputerManagementProgram</source>
        <translation>Tietokoneen hallinta</translation>
    </message>
    <message>
        <source>ControlPanelProgram</source>
        <translation>Ohjauspaneeli</translation>
    </message>
    <message>
        <source>DiskManagementProgram</source>
        <translation>Levynhallinta</translation>
    </message>
    <message>
        <source>DisplaySettingsProgram</source>
        <translation>Näyttöasetukset</translation>
    </message>
    <message>
        <source>NetworkProgram</source>
        <translation>Verkkoyhteydet</translation>
    </message>
    <message>
        <source>PowerSupplyProgram</source>
        <translation>Virranhallinta-asetukset</translation>
    </message>
    <message>
        <source>ProgramsDescription</source>
        <translation>Avaa Windows-työkalut, joita tarvitset tietokoneen ylläpitoon useimmin.</translation>
    </message>
    <message>
        <source>ProgramsFeaturesProgram</source>
        <translation>Ohjelmat ja toiminnot</translation>
    </message>
    <message>
        <source>RecoveryProgram</source>
        <translation>Palautus</translation>
    </message>
    <message>
        <source>SystemProgram</source>
        <translation>Järjestelmä</translation>
    </message>
    <message>
        <source>TaskManagerProgram</source>
        <translation>Tehtävienhallinta</translation>
    </message>
</context>
<context>
    <name>Qln::AboutModule</name>
    <message>
        <source>AboutTitle</source>
        <translation>Tietoja</translation>
    </message>
</context>
<context>
    <name>Qln::AutorunModule</name>
    <message>
        <source>AutorunTitle</source>
        <translation>Ajastus</translation>
    </message>
</context>
<context>
    <name>Qln::BackupModule</name>
    <message>
        <source>CloudBackupTitle</source>
        <translation>Varmuuskopio</translation>
    </message>
</context>
<context>
    <name>Qln::BackupViewModel</name>
    <message>
        <source>DevMissing</source>
        <translation>Laitetta ei löydy</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Uusi laite</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Ennallaan</translation>
    </message>
</context>
<context>
    <name>Qln::Cli::Program</name>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Varmuuskopio luotu</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Varmuuskopiotiedosto:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Palautetaan ohjaimia</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Ohjaimet palautettu</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Tallennetaan ohjaimia:</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Ei yhteyttä ohjainpalveluun</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Nykyinen ohjain</translation>
    </message>
    <message>
        <source>DevMissing</source>
        <translation>Laitetta ei löydy</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Uusi laite</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Ennallaan</translation>
    </message>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Ladataan</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Asennettu</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Epäonnistui</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Asennetaan</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Valmis asennettavaksi</translation>
    </message>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Ohjaimia ei ole vielä päivitetty.</translation>
    </message>
    <message>
        <source>FindUpdatesHeader</source>
        <translation>Haetaan päivityksiä</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Asennetut ohjainpäivitykset</translation>
    </message>
    <message>
        <source>InstallBackup</source>
        <translation>Palautetaan</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Palautus epäonnistui</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Palautettu</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Asennus valmis</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Asennetaan ohjaimia:</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>Ohjelma ei saanut yhteyttä ohjainpalveluun. Tarkista internetyhteys ja yritä uudelleen.</translation>
    </message>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Käynnistä tietokone uudelleen, jotta ohjainten asennus valmistuu.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Uudelleenkäynnistys tarvitaan</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Uusi versio</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Ohjaimesi vastaavat varmuuskopiota. Palautettavaa ei ole.</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Jatka</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Jokaisesta korvatusta ohjaimesta säilytetään kopio, joten voit perua minkä tahansa päivityksen Palautus-sivulla.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Osa valituista ohjaimista ei ole Microsoftin sertifioimia (WHQL). Ne ovat laitevalmistajien julkaisemia, mutta ne eivät välttämättä toimi kaikissa tietokoneissa.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Ennen asennusta</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Palautettavat ohjaimet:</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Suositeltu</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Palautettavia päivitettyjä ohjaimia ei vielä ole.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Päivitetyt ohjaimet, jotka voit palauttaa</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Ohjaimesi ovat ajan tasalla</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Ohjainpalvelu ei ole juuri nyt käytettävissä. Yritä uudelleen muutaman minuutin kuluttua.</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Puretaan</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Laitteet, joille on päivityksiä:</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>Odottaa</translation>
    </message>
</context>
<context>
    <name>Qln::DeviceScanner</name>
    <message>
        <source>ScanTitle</source>
        <translation>Tarkistetaan laitteita</translation>
    </message>
</context>
<context>
    <name>Qln::DriverDescription</name>
    <message>
        <source>KB</source>
        <translation>kt</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mt</translation>
    </message>
</context>
<context>
    <name>Qln::FindUpdates</name>
    <message>
        <source>FindUpdatesHeader</source>
        <translation>Haetaan päivityksiä</translation>
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
        <translation>Ohjainpäivitys</translation>
    </message>
</context>
<context>
    <name>Qln::ProgramsModule</name>
    <message>
        <source>ProgramsTitle</source>
        <translation>Hyödylliset ohjelmat</translation>
    </message>
</context>
<context>
    <name>Qln::RecoveryModule</name>
    <message>
        <source>RecoveryTitle</source>
        <translation>Palautus</translation>
    </message>
</context>
<context>
    <name>Qln::SettingsModule</name>
    <message>
        <source>SettingsTitle</source>
        <translation>Asetukset</translation>
    </message>
</context>
<context>
    <name>RecoveryModule</name>
    <message>
        <source>InstallBackup</source>
        <translation>Palautetaan</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Palautus epäonnistui</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Palautettu</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Palautettavia päivitettyjä ohjaimia ei vielä ole.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Päivitetyt ohjaimet, jotka voit palauttaa</translation>
    </message>
    <message>
        <source>RestoreButton</source>
        <translation>Palauta</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Puretaan</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>Odottaa</translation>
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
        <translation>Gt</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Muisti</translation>
    </message>
    <message>
        <source>Motherboard</source>
        <translation>Emolevy</translation>
    </message>
    <message>
        <source>OS</source>
        <translation>Käyttöjärjestelmä</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Suoritin</translation>
    </message>
    <message>
        <source>SystemInfoTitle</source>
        <translation>Järjestelmätiedot</translation>
    </message>
</context>
<context>
    <name>SearchComplete</name>
    <message>
        <source>SearchCompleteDesc</source>
        <translation>Laitteillesi ei löytynyt uudempia ohjaimia. Ajasta säännöllinen tarkistus, niin et missaa uusia.</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Ohjaimesi ovat ajan tasalla</translation>
    </message>
    <message>
        <source>ToAutorunButton</source>
        <translation>Ajasta tarkistukset</translation>
    </message>
    <message>
        <source>UpdateFinishButton</source>
        <translation>Valmis</translation>
    </message>
</context>
<context>
    <name>SearchFailed</name>
    <message>
        <source>BackButton</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Ei yhteyttä ohjainpalveluun</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Yritä uudelleen</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Ohjainpalvelu ei ole juuri nyt käytettävissä. Yritä uudelleen muutaman minuutin kuluttua.</translation>
    </message>
</context>
<context>
    <name>SelectPage</name>
    <message>
        <source>BackButton</source>
        <translation>Takaisin</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Asenna</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Riskit</translation>
    </message>
    <message>
        <source>ScanDifferFooter</source>
        <translation>Tulokset riippuvat ohjaintietokannasta ja voivat muuttua. Ohjainten päivittämiseen liittyy tiettyjä riskejä.</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Valitse kaikki</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Laitteet, joille on päivityksiä:</translation>
    </message>
</context>
<context>
    <name>SettingsModule</name>
    <message>
        <source>BrowseButton</source>
        <translation>Selaa…</translation>
    </message>
    <message>
        <source>ChooseDirDesc</source>
        <translation>Valitse kansio ladatuille ohjaimille</translation>
    </message>
    <message>
        <source>DefaultSettingsButton</source>
        <translation>Oletusasetukset</translation>
    </message>
    <message>
        <source>InvalidDirText</source>
        <translation>Tätä kansiota ei ole. Valitse olemassa oleva kansio; siihen asti edellinen säilyy.</translation>
    </message>
    <message>
        <source>SaveSettingsButton</source>
        <translation>Tallenna</translation>
    </message>
    <message>
        <source>SettingsDownloadDirHeader</source>
        <translation>Latauskansio</translation>
    </message>
    <message>
        <source>SettingsLanguageHeader</source>
        <translation>Kieli</translation>
    </message>
    <message>
        <source>SettingsOptionsHeader</source>
        <translation>Tarkistukset</translation>
    </message>
    <message>
        <source>SystemDriverCheck</source>
        <translation>Sisällytä järjestelmälaitteet tarkistukseen</translation>
    </message>
    <message>
        <source>UpdatesCheck</source>
        <translation>Tarkista ohjelmapäivitykset käynnistyksen yhteydessä</translation>
    </message>
</context>
<context>
    <name>SettingsRestartLayout</name>
    <message>
        <source>NeedRestartSettingsMessage</source>
        <translation>Uudet asetukset tulevat voimaan, kun ohjelma käynnistetään uudelleen.</translation>
    </message>
    <message>
        <source>NeedRestartSettingsTitle</source>
        <translation>Asetukset tallennettu</translation>
    </message>
    <message>
        <source>RestartLaterButton</source>
        <translation>Myöhemmin</translation>
    </message>
    <message>
        <source>RestartNowButton</source>
        <translation>Käynnistä uudelleen</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>AutoInstallDesc</source>
        <translation>Lataa ja asentaa ne automaattisesti</translation>
    </message>
    <message>
        <source>BackupDetailLink</source>
        <translation>Mikä on varmuuskopio?</translation>
    </message>
    <message>
        <source>CreateBackupCheckBox</source>
        <translation>Varmuuskopioi kaikki ohjaimet ennen tarkistusta</translation>
    </message>
    <message>
        <source>FindNewDesc</source>
        <translation>Löytää puuttuvat ohjaimet</translation>
    </message>
    <message>
        <source>RegularDesc</source>
        <translation>Muistuttaa säännöllisestä tarkistuksesta</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Tarkista nyt</translation>
    </message>
    <message>
        <source>StartScanTitle</source>
        <translation>Pidä ohjaimet ajan tasalla</translation>
    </message>
    <message>
        <source>UpdateOldDesc</source>
        <translation>Päivittää vanhentuneet ohjaimet</translation>
    </message>
</context>
<context>
    <name>SystemRebootLayout</name>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Käynnistä tietokone uudelleen, jotta ohjainten asennus valmistuu.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Uudelleenkäynnistys tarvitaan</translation>
    </message>
    <message>
        <source>RebootLaterButton</source>
        <translation>Myöhemmin</translation>
    </message>
    <message>
        <source>RebootNowButton</source>
        <translation>Käynnistä uudelleen</translation>
    </message>
</context>
<context>
    <name>TextFieldMenu</name>
    <message>
        <source>CopyMenuItem</source>
        <translation>Kopioi</translation>
    </message>
    <message>
        <source>CutMenuItem</source>
        <translation>Leikkaa</translation>
    </message>
    <message>
        <source>PasteMenuItem</source>
        <translation>Liitä</translation>
    </message>
    <message>
        <source>SelectAllMenuItem</source>
        <translation>Valitse kaikki</translation>
    </message>
</context>
</TS>
