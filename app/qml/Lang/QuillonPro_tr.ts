<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>AboutModule</name>
    <message>
        <source>AppDescription</source>
        <translation>Quillon Pro bilgisayarınızdaki eski sürücüleri bulur, en yeni sürümlerini indirir ve değiştirdiği her sürücünün bir kopyasını saklayarak bunları güvenle yükler.</translation>
    </message>
    <message>
        <source>ContactLink</source>
        <translation>Bize ulaşın</translation>
    </message>
    <message>
        <source>HowDeleteLink</source>
        <translation>Nasıl kaldırılır</translation>
    </message>
    <message>
        <source>PolicyLink</source>
        <translation>Gizlilik politikası</translation>
    </message>
    <message>
        <source>RefundPolicyLink</source>
        <translation>İade politikası</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Riskler</translation>
    </message>
    <message>
        <source>UserAgreementLink</source>
        <translation>Lisans sözleşmesi</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Sürüm</translation>
    </message>
</context>
<context>
    <name>AppUpdateView</name>
    <message>
        <source>AppUpdateDescription</source>
        <translation>Quillon Pro’nun yeni bir sürümü mevcut.</translation>
    </message>
    <message>
        <source>AppUpdateError</source>
        <translation>Güncelleme indirilemedi veya doğrulanamadı. Yeniden deneyebilir ya da bu sürümle devam edebilirsiniz.</translation>
    </message>
    <message>
        <source>AppUpdateHeader</source>
        <translation>Güncelleme mevcut</translation>
    </message>
    <message>
        <source>AppUpdateProcess</source>
        <translation>Güncelleme indiriliyor…</translation>
    </message>
    <message>
        <source>AppUpdateQuestion</source>
        <translation>Şimdi indirip yüklensin mi?</translation>
    </message>
    <message>
        <source>NoButton</source>
        <translation>Şimdi değil</translation>
    </message>
    <message>
        <source>YesButton</source>
        <translation>Evet, güncelle</translation>
    </message>
</context>
<context>
    <name>AutorunModule</name>
    <message>
        <source>AutorunEnableCheckBox</source>
        <translation>Sürücüleri denetlemeyi hatırlat</translation>
    </message>
    <message>
        <source>AutosaveStartDesc</source>
        <translation>Sonraki denetim: %1, %2</translation>
    </message>
    <message>
        <source>MonthlySelect</source>
        <translation>Her ay</translation>
    </message>
    <message>
        <source>SaveButton</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>WeeklySelect</source>
        <translation>Her hafta</translation>
    </message>
</context>
<context>
    <name>BackupModule</name>
    <message>
        <source>BackButton</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Yedek oluşturuldu</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Yedek dosyası:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Sürücüler geri yükleniyor</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Sürücüler geri yüklendi</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Sürücüler kaydediliyor:</translation>
    </message>
    <message>
        <source>BrowseButton</source>
        <translation>Gözat…</translation>
    </message>
    <message>
        <source>CreateBackupButton</source>
        <translation>Yedek oluştur</translation>
    </message>
    <message>
        <source>DetailButton</source>
        <translation>Daha fazla bilgi</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Sağlayıcı</translation>
    </message>
    <message>
        <source>HowCreateBackupLink</source>
        <translation>Yedek nasıl oluşturulur</translation>
    </message>
    <message>
        <source>HowUseBackupLink</source>
        <translation>Yedekten nasıl geri yüklenir</translation>
    </message>
    <message>
        <source>InstallBackupButton</source>
        <translation>Yedekten geri yükle</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Yükle</translation>
    </message>
    <message>
        <source>InstalledBackupListTitle</source>
        <translation>Geri yüklenen sürücüler:</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Sürücüleriniz yedekle aynı. Geri yüklenecek bir şey yok.</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Geri yüklenecek sürücüler:</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Tümünü seç</translation>
    </message>
    <message>
        <source>ValidDriverList</source>
        <translation>Yedekteki diğer sürücüler:</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Sürüm</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>WhatIsBackupLink</source>
        <translation>Yedek nedir?</translation>
    </message>
</context>
<context>
    <name>CancelButton</name>
    <message>
        <source>CancelButton</source>
        <translation>İptal</translation>
    </message>
</context>
<context>
    <name>ChangeRow</name>
    <message>
        <source>Developer</source>
        <translation>Sağlayıcı</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Sürüm</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Tarih</translation>
    </message>
</context>
<context>
    <name>CompletionFooter</name>
    <message>
        <source>BackupCompleteButton</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>BackupCompleteText</source>
        <translation>Şimdi bilgisayarınızı daha yeni sürücüler için tarayın.</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Şimdi tara</translation>
    </message>
</context>
<context>
    <name>ConnectErrorView</name>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Sürücü hizmetine bağlantı yok</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>Program sürücü hizmetine ulaşamadı. İnternet bağlantınızı kontrol edip yeniden deneyin.</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Yeniden dene</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Sürücü hizmeti şu anda kullanılamıyor. Lütfen birkaç dakika sonra yeniden deneyin.</translation>
    </message>
</context>
<context>
    <name>DeviceRow</name>
    <message>
        <source>Alternative</source>
        <translation>Alternatif</translation>
    </message>
    <message>
        <source>CandidateCount</source>
        <translation>Bulunan sürücüler: %1</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Geçerli sürücü</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Yeni sürüm</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Önerilen</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Boyut</translation>
    </message>
</context>
<context>
    <name>DriverFacts</name>
    <message>
        <source>Developer</source>
        <translation>Sağlayıcı</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Sürüm</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Tarih</translation>
    </message>
</context>
<context>
    <name>DriverList</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>İndiriliyor</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Yüklendi</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Başarısız</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Yükleniyor</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>Sırada</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Yüklenmeye hazır</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Açılıyor</translation>
    </message>
</context>
<context>
    <name>HistoryModule</name>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Henüz hiçbir sürücü güncellenmedi.</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Yüklenen sürücü güncellemeleri</translation>
    </message>
</context>
<context>
    <name>InitView</name>
    <message>
        <source>AppInitializationText</source>
        <translation>Hazırlanıyor: sistem denetleniyor ve sürücü hizmetine bağlanılıyor…</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Sürüm</translation>
    </message>
</context>
<context>
    <name>InstallPage</name>
    <message>
        <source>CompleteButton</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Yükleme tamamlandı</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Sürücüler yükleniyor:</translation>
    </message>
</context>
<context>
    <name>InstallRow</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>İndiriliyor</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Yüklendi</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Başarısız</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Yükleniyor</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>Sırada</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Yüklenmeye hazır</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Açılıyor</translation>
    </message>
</context>
<context>
    <name>ModulesList</name>
    <message>
        <source>DBUpdatedAtText</source>
        <translation>Sürücü veritabanı güncellendi:</translation>
    </message>
</context>
<context>
    <name>NoConnectPanel</name>
    <message>
        <source>NoConnectDesc</source>
        <translation>Bu sayfa, program başlarken yanıt vermeyen sürücü hizmetine ihtiyaç duyar. Yeniden denemek için programı yeniden başlatın.</translation>
    </message>
    <message>
        <source>NoConnectTitle</source>
        <translation>Bağlantı yok</translation>
    </message>
</context>
<context>
    <name>NoSignDriversLayout</name>
    <message>
        <source>DetailButton</source>
        <translation>Daha fazla bilgi</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Devam</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Değiştirilen her sürücünün bir kopyası saklanır; böylece herhangi bir güncellemeyi Geri yükleme sayfasından geri alabilirsiniz.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Seçilen sürücülerin bazıları Microsoft tarafından sertifikalandırılmamış (WHQL). Bu sürücüler aygıt üreticilerinden gelir ancak her bilgisayarda çalışmayabilir.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Yüklemeden önce</translation>
    </message>
</context>
<context>
    <name>PipelineStrip</name>
    <message>
        <source>CompleteStep</source>
        <translation>Tamamlandı</translation>
    </message>
    <message>
        <source>DownloadInstallStep</source>
        <translation>İndirme ve yükleme</translation>
    </message>
    <message>
        <source>ScanningStep</source>
        <translation>Tarama</translation>
    </message>
    <message>
        <source>SelectStep</source>
        <translation>Seçim</translation>
    </message>
</context>
<context>
    <name>ProgramsModule</name>
    <message>
        <source>CommandLineProgram</source>
        <translation>Komut İstemi</translation>
    </message>
    <message>
        <source>ComputerManagementProgram</source>
        <translation>Bilgisayar Yönetimi</translation>
    </message>
    <message>
        <source>ControlPanelProgram</source>
        <translation>Denetim Masası</translation>
    </message>
    <message>
        <source>DiskManagementProgram</source>
        <translation>Disk Yönetimi</translation>
    </message>
    <message>
        <source>DisplaySettingsProgram</source>
        <translation>Ekran ayarları</translation>
    </message>
    <message>
        <source>NetworkProgram</source>
        <translation>Ağ Bağlantıları</translation>
    </message>
    <message>
        <source>PowerSupplyProgram</source>
        <translation>Güç Seçenekleri</translation>
    </message>
    <message>
        <source>ProgramsDescription</source>
        <translation>Bilgisayarınızın bakımı için en sık ihtiyaç duyduğunuz Windows araçlarını açın.</translation>
    </message>
    <message>
        <source>ProgramsFeaturesProgram</source>
        <translation>Programlar ve Özellikler</translation>
    </message>
    <message>
        <source>RecoveryProgram</source>
        <translation>Kurtarma</translation>
    </message>
    <message>
        <source>SystemProgram</source>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>TaskManagerProgram</source>
        <translation>Görev Yöneticisi</translation>
    </message>
</context>
<context>
    <name>Qln::AboutModule</name>
    <message>
        <source>AboutTitle</source>
        <translation>Hakkında</translation>
    </message>
</context>
<context>
    <name>Qln::AutorunModule</name>
    <message>
        <source>AutorunTitle</source>
        <translation>Zamanlama</translation>
    </message>
</context>
<context>
    <name>Qln::BackupModule</name>
    <message>
        <source>CloudBackupTitle</source>
        <translation>Yedekleme</translation>
    </message>
</context>
<context>
    <name>Qln::BackupViewModel</name>
    <message>
        <source>DevMissing</source>
        <translation>Aygıt bulunamadı</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Yeni aygıt</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Değişmedi</translation>
    </message>
</context>
<context>
    <name>Qln::Cli::Program</name>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Yedek oluşturuldu</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Yedek dosyası:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Sürücüler geri yükleniyor</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Sürücüler geri yüklendi</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Sürücüler kaydediliyor:</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Sürücü hizmetine bağlantı yok</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Geçerli sürücü</translation>
    </message>
    <message>
        <source>DevMissing</source>
        <translation>Aygıt bulunamadı</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Yeni aygıt</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Değişmedi</translation>
    </message>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>İndiriliyor</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Yüklendi</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Başarısız</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Yükleniyor</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Yüklenmeye hazır</translation>
    </message>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Henüz hiçbir sürücü güncellenmedi.</translation>
    </message>
    <message>
        <source>FindUpdatesHeader</source>
        <translation>Güncellemeler aranıyor</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Yüklenen sürücü güncellemeleri</translation>
    </message>
    <message>
        <source>InstallBackup</source>
        <translation>Geri yükleniyor</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Geri yükleme başarısız</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Geri yüklendi</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Yükleme tamamlandı</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Sürücüler yükleniyor:</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>Program sürücü hizmetine ulaşamadı. İnternet bağlantınızı kontrol edip yeniden deneyin.</translation>
    </message>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Sürücülerin yüklenmesini tamamlamak için bilgisayarınızı yeniden başlatın.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Yeniden başlatma gerekiyor</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Yeni sürüm</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Sürücüleriniz yedekle aynı. Geri yüklenecek bir şey yok.</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Devam</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Değiştirilen her sürücünün bir kopyası saklanır; böylece herhangi bir güncellemeyi Geri yükleme sayfasından geri alabilirsiniz.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Seçilen sürücülerin bazıları Microsoft tarafından sertifikalandırılmamış (WHQL). Bu sürücüler aygıt üreticilerinden gelir ancak her bilgisayarda çalışmayabilir.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Yüklemeden önce</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Geri yüklenecek sürücüler:</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Önerilen</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Henüz geri alınacak güncellenmiş sürücü yok.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Geri alabileceğiniz güncellenmiş sürücüler</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Sürücüleriniz güncel</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Sürücü hizmeti şu anda kullanılamıyor. Lütfen birkaç dakika sonra yeniden deneyin.</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Açılıyor</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Sürücü güncellemesi olan aygıtlar:</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>Bekliyor</translation>
    </message>
</context>
<context>
    <name>Qln::DeviceScanner</name>
    <message>
        <source>ScanTitle</source>
        <translation>Aygıtlar taranıyor</translation>
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
        <translation>Güncellemeler aranıyor</translation>
    </message>
</context>
<context>
    <name>Qln::HistoryModule</name>
    <message>
        <source>DownloadHistoryTitle</source>
        <translation>Geçmiş</translation>
    </message>
</context>
<context>
    <name>Qln::InstallDriversModule</name>
    <message>
        <source>InstallDriversTitle</source>
        <translation>Sürücü güncelleme</translation>
    </message>
</context>
<context>
    <name>Qln::ProgramsModule</name>
    <message>
        <source>ProgramsTitle</source>
        <translation>Faydalı programlar</translation>
    </message>
</context>
<context>
    <name>Qln::RecoveryModule</name>
    <message>
        <source>RecoveryTitle</source>
        <translation>Geri yükleme</translation>
    </message>
</context>
<context>
    <name>Qln::SettingsModule</name>
    <message>
        <source>SettingsTitle</source>
        <translation>Ayarlar</translation>
    </message>
</context>
<context>
    <name>RecoveryModule</name>
    <message>
        <source>InstallBackup</source>
        <translation>Geri yükleniyor</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Geri yükleme başarısız</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Geri yüklendi</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Henüz geri alınacak güncellenmiş sürücü yok.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Geri alabileceğiniz güncellenmiş sürücüler</translation>
    </message>
    <message>
        <source>RestoreButton</source>
        <translation>Geri yükle</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Açılıyor</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>Bekliyor</translation>
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
        <translation>Bellek</translation>
    </message>
    <message>
        <source>Motherboard</source>
        <translation>Anakart</translation>
    </message>
    <message>
        <source>OS</source>
        <translation>İşletim sistemi</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>İşlemci</translation>
    </message>
    <message>
        <source>SystemInfoTitle</source>
        <translation>Sistem bilgileri</translation>
    </message>
</context>
<context>
    <name>SearchComplete</name>
    <message>
        <source>SearchCompleteDesc</source>
        <translation>Aygıtlarınız için daha yeni sürücü bulunamadı. Yenilerini kaçırmamak için düzenli bir denetim zamanlayın.</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Sürücüleriniz güncel</translation>
    </message>
    <message>
        <source>ToAutorunButton</source>
        <translation>Denetim zamanla</translation>
    </message>
    <message>
        <source>UpdateFinishButton</source>
        <translation>Bitir</translation>
    </message>
</context>
<context>
    <name>SearchFailed</name>
    <message>
        <source>BackButton</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Sürücü hizmetine bağlantı yok</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Yeniden dene</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Sürücü hizmeti şu anda kullanılamıyor. Lütfen birkaç dakika sonra yeniden deneyin.</translation>
    </message>
</context>
<context>
    <name>SelectPage</name>
    <message>
        <source>BackButton</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Yükle</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Riskler</translation>
    </message>
    <message>
        <source>ScanDifferFooter</source>
        <translation>Sonuçlar sürücü veritabanına bağlıdır ve zamanla değişebilir. Sürücü güncellemek bazı riskler taşır.</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Tümünü seç</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Sürücü güncellemesi olan aygıtlar:</translation>
    </message>
</context>
<context>
    <name>SettingsModule</name>
    <message>
        <source>BrowseButton</source>
        <translation>Gözat…</translation>
    </message>
    <message>
        <source>ChooseDirDesc</source>
        <translation>İndirilen sürücüler için bir klasör seçin</translation>
    </message>
    <message>
        <source>DefaultSettingsButton</source>
        <translation>Varsayılanlar</translation>
    </message>
    <message>
        <source>InvalidDirText</source>
        <translation>Bu klasör yok. Var olan bir klasör seçin; o zamana kadar önceki klasör korunur.</translation>
    </message>
    <message>
        <source>SaveSettingsButton</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>SettingsDownloadDirHeader</source>
        <translation>İndirme klasörü</translation>
    </message>
    <message>
        <source>SettingsLanguageHeader</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>SettingsOptionsHeader</source>
        <translation>Denetimler</translation>
    </message>
    <message>
        <source>SystemDriverCheck</source>
        <translation>Taramaya sistem aygıtlarını dahil et</translation>
    </message>
    <message>
        <source>UpdatesCheck</source>
        <translation>Başlangıçta program güncellemelerini denetle</translation>
    </message>
</context>
<context>
    <name>SettingsRestartLayout</name>
    <message>
        <source>NeedRestartSettingsMessage</source>
        <translation>Yeni ayarlar program yeniden başlatıldıktan sonra geçerli olur.</translation>
    </message>
    <message>
        <source>NeedRestartSettingsTitle</source>
        <translation>Ayarlar kaydedildi</translation>
    </message>
    <message>
        <source>RestartLaterButton</source>
        <translation>Daha sonra</translation>
    </message>
    <message>
        <source>RestartNowButton</source>
        <translation>Şimdi yeniden başlat</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>AutoInstallDesc</source>
        <translation>Bunları otomatik olarak indirir ve yükler</translation>
    </message>
    <message>
        <source>BackupDetailLink</source>
        <translation>Yedek nedir?</translation>
    </message>
    <message>
        <source>CreateBackupCheckBox</source>
        <translation>Taramadan önce tüm sürücüleri yedekle</translation>
    </message>
    <message>
        <source>FindNewDesc</source>
        <translation>Eksik sürücüleri bulur</translation>
    </message>
    <message>
        <source>RegularDesc</source>
        <translation>Düzenli denetimi hatırlatır</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Şimdi tara</translation>
    </message>
    <message>
        <source>StartScanTitle</source>
        <translation>Sürücülerinizi güncel tutun</translation>
    </message>
    <message>
        <source>UpdateOldDesc</source>
        <translation>Eski sürücüleri günceller</translation>
    </message>
</context>
<context>
    <name>SystemRebootLayout</name>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Sürücülerin yüklenmesini tamamlamak için bilgisayarınızı yeniden başlatın.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Yeniden başlatma gerekiyor</translation>
    </message>
    <message>
        <source>RebootLaterButton</source>
        <translation>Daha sonra</translation>
    </message>
    <message>
        <source>RebootNowButton</source>
        <translation>Şimdi yeniden başlat</translation>
    </message>
</context>
<context>
    <name>TextFieldMenu</name>
    <message>
        <source>CopyMenuItem</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>CutMenuItem</source>
        <translation>Kes</translation>
    </message>
    <message>
        <source>PasteMenuItem</source>
        <translation>Yapıştır</translation>
    </message>
    <message>
        <source>SelectAllMenuItem</source>
        <translation>Tümünü seç</translation>
    </message>
</context>
</TS>
