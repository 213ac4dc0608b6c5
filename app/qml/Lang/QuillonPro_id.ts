<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID">
<context>
    <name>AboutModule</name>
    <message>
        <source>AppDescription</source>
        <translation>Quillon Pro menemukan driver usang di komputer Anda, mengunduh versi terbarunya, dan memasangnya dengan aman, sambil menyimpan salinan setiap driver yang diganti.</translation>
    </message>
    <message>
        <source>ContactLink</source>
        <translation>Hubungi kami</translation>
    </message>
    <message>
        <source>HowDeleteLink</source>
        <translation>Cara menghapus instalasi</translation>
    </message>
    <message>
        <source>PolicyLink</source>
        <translation>Kebijakan privasi</translation>
    </message>
    <message>
        <source>RefundPolicyLink</source>
        <translation>Kebijakan pengembalian dana</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Risiko</translation>
    </message>
    <message>
        <source>UserAgreementLink</source>
        <translation>Perjanjian lisensi</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versi</translation>
    </message>
</context>
<context>
    <name>AppUpdateView</name>
    <message>
        <source>AppUpdateDescription</source>
        <translation>Versi baru Quillon Pro telah tersedia.</translation>
    </message>
    <message>
        <source>AppUpdateError</source>
        <translation>Pembaruan tidak dapat diunduh atau diverifikasi. Anda dapat mencoba lagi atau melanjutkan dengan versi ini.</translation>
    </message>
    <message>
        <source>AppUpdateHeader</source>
        <translation>Pembaruan tersedia</translation>
    </message>
    <message>
        <source>AppUpdateProcess</source>
        <translation>Mengunduh pembaruan…</translation>
    </message>
    <message>
        <source>AppUpdateQuestion</source>
        <translation>Unduh dan pasang sekarang?</translation>
    </message>
    <message>
        <source>NoButton</source>
        <translation>Nanti saja</translation>
    </message>
    <message>
        <source>YesButton</source>
        <translation>Ya, perbarui</translation>
    </message>
</context>
<context>
    <name>AutorunModule</name>
    <message>
        <source>AutorunEnableCheckBox</source>
        <translation>Ingatkan saya untuk memeriksa driver</translation>
    </message>
    <message>
        <source>AutosaveStartDesc</source>
        <translation>Pemeriksaan berikutnya: %1 pukul %2</translation>
    </message>
    <message>
        <source>MonthlySelect</source>
        <translation>Setiap bulan</translation>
    </message>
    <message>
        <source>SaveButton</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>WeeklySelect</source>
        <translation>Setiap minggu</translation>
    </message>
</context>
<context>
    <name>BackupModule</name>
    <message>
        <source>BackButton</source>
        <translation>Kembali</translation>
    </message>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Cadangan dibuat</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>File cadangan:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Memulihkan driver</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Driver dipulihkan</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Menyimpan driver:</translation>
    </message>
    <message>
        <source>BrowseButton</source>
        <translation>Telusuri…</translation>
    </message>
    <message>
        <source>CreateBackupButton</source>
        <translation>Buat cadangan</translation>
    </message>
    <message>
        <source>DetailButton</source>
        <translation>Pelajari lebih lanjut</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Penyedia</translation>
    </message>
    <message>
        <source>HowCreateBackupLink</source>
        <translation>Cara membuat cadangan</translation>
    </message>
    <message>
        <source>HowUseBackupLink</source>
        <translation>Cara memulihkan dari cadangan</translation>
    </message>
    <message>
        <source>InstallBackupButton</source>
        <translation>Pulihkan dari cadangan</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Pasang</translation>
    </message>
    <message>
        <source>InstalledBackupListTitle</source>
        <translation>Driver yang dipulihkan:</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Driver Anda sesuai dengan cadangan. Tidak ada yang perlu dipulihkan.</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Driver yang akan dipulihkan:</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Pilih semua</translation>
    </message>
    <message>
        <source>ValidDriverList</source>
        <translation>Driver lain dalam cadangan:</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versi</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Tanggal</translation>
    </message>
    <message>
        <source>WhatIsBackupLink</source>
        <translation>Apa itu cadangan?</translation>
    </message>
</context>
<context>
    <name>CancelButton</name>
    <message>
        <source>CancelButton</source>
        <translation>Batal</translation>
    </message>
</context>
<context>
    <name>ChangeRow</name>
    <message>
        <source>Developer</source>
        <translation>Penyedia</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versi</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Tanggal</translation>
    </message>
</context>
<context>
    <name>CompletionFooter</name>
    <message>
        <source>BackupCompleteButton</source>
        <translation>Selesai</translation>
    </message>
    <message>
        <source>BackupCompleteText</source>
        <translation>Sekarang pindai komputer Anda untuk mencari driver yang lebih baru.</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Pindai sekarang</translation>
    </message>
</context>
<context>
    <name>ConnectErrorView</name>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Tidak ada koneksi ke layanan driver</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>Program tidak dapat menjangkau layanan driver. Periksa koneksi Internet Anda, lalu coba lagi.</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Coba lagi</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Layanan driver sedang tidak tersedia. Coba lagi dalam beberapa menit.</translation>
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
        <translation>Driver ditemukan: %1</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Driver saat ini</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Versi baru</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Disarankan</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Ukuran</translation>
    </message>
</context>
<context>
    <name>DriverFacts</name>
    <message>
        <source>Developer</source>
        <translation>Penyedia</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versi</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Tanggal</translation>
    </message>
</context>
<context>
    <name>DriverList</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Mengunduh</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Terpasang</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Gagal</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Memasang</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>Dalam antrean</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Siap dipasang</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Mengekstrak</translation>
    </message>
</context>
<context>
    <name>HistoryModule</name>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Belum ada driver yang diperbarui.</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Pembaruan driver yang terpasang</translation>
    </message>
</context>
<context>
    <name>InitView</name>
    <message>
        <source>AppInitializationText</source>
        <translation>Menyiapkan: memeriksa sistem dan menghubungkan ke layanan driver…</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versi</translation>
    </message>
</context>
<context>
    <name>InstallPage</name>
    <message>
        <source>CompleteButton</source>
        <translation>Selesai</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Pemasangan selesai</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Memasang driver:</translation>
    </message>
</context>
<context>
    <name>InstallRow</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Mengunduh</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Terpasang</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Gagal</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Memasang</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>Dalam antrean</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Siap dipasang</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Mengekstrak</translation>
    </message>
</context>
<context>
    <name>ModulesList</name>
    <message>
        <source>DBUpdatedAtText</source>
        <translation>Database driver diperbarui:</translation>
    </message>
</context>
<context>
    <name>NoConnectPanel</name>
    <message>
        <source>NoConnectDesc</source>
        <translation>Halaman ini memerlukan layanan driver, yang tidak merespons saat program dimulai. Mulai ulang program untuk mencoba lagi.</translation>
    </message>
    <message>
        <source>NoConnectTitle</source>
        <translation>Tidak ada koneksi</translation>
    </message>
</context>
<context>
    <name>NoSignDriversLayout</name>
    <message>
        <source>DetailButton</source>
        <translation>Pelajari lebih lanjut</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Lanjutkan</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Salinan setiap driver yang diganti disimpan, sehingga Anda dapat membatalkan pembaruan apa pun di halaman Pemulihan.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Beberapa driver yang dipilih tidak disertifikasi oleh Microsoft (WHQL). Driver ini berasal dari produsen perangkat, tetapi mungkin tidak berfungsi di semua komputer.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Sebelum memasang</translation>
    </message>
</context>
<context>
    <name>PipelineStrip</name>
    <message>
        <source>CompleteStep</source>
        <translation>Selesai</translation>
    </message>
    <message>
        <source>DownloadInstallStep</source>
        <translation>Unduh dan pasang</translation>
    </message>
    <message>
        <source>ScanningStep</source>
        <translation>Pemindaian</translation>
    </message>
    <message>
        <source>SelectStep</source>
        <translation>Pilihan</translation>
    </message>
</context>
<context>
    <name>ProgramsModule</name>
    <message>
        <source>CommandLineProgram</source>
        <translation>Prompt Perintah</translation>
    </message>
    <message>
        <source>ComputerManagementProgram</source>
        <translation>Manajemen Komputer</translation>
    </message>
    <message>
        <source>ControlPanelProgram</source>
        <translation>Panel Kontrol</translation>
    </message>
    <message>
        <source>DiskManagementProgram</source>
        <translation>Manajemen Disk</translation>
    </message>
    <message>
        <source>DisplaySettingsProgram</source>
        <translation>Pengaturan tampilan</translation>
    </message>
    <message>
        <source>NetworkProgram</source>
        <translation>Koneksi Jaringan</translation>
    </message>
    <message>
        <source>PowerSupplyProgram</source>
        <translation>Opsi Daya</translation>
    </message>
    <message>
        <source>ProgramsDescription</source>
        <translation>Buka alat Windows yang paling sering Anda perlukan untuk merawat PC.</translation>
    </message>
    <message>
        <source>ProgramsFeaturesProgram</source>
        <translation>Program dan Fitur</translation>
    </message>
    <message>
        <source>RecoveryProgram</source>
        <translation>Pemulihan</translation>
    </message>
    <message>
        <source>SystemProgram</source>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>TaskManagerProgram</source>
        <translation>Pengelola Tugas</translation>
    </message>
</context>
<context>
    <name>Qln::AboutModule</name>
    <message>
        <source>AboutTitle</source>
        <translation>Tentang</translation>
    </message>
</context>
<context>
    <name>Qln::AutorunModule</name>
    <message>
        <source>AutorunTitle</source>
        <translation>Penjadwalan</translation>
    </message>
</context>
<context>
    <name>Qln::BackupModule</name>
    <message>
        <source>CloudBackupTitle</source>
        <translation>Cadangan</translation>
    </message>
</context>
<context>
    <name>Qln::BackupViewModel</name>
    <message>
        <source>DevMissing</source>
        <translation>Perangkat tidak ditemukan</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Perangkat baru</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Tidak berubah</translation>
    </message>
</context>
<context>
    <name>Qln::Cli::Program</name>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Cadangan dibuat</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>File cadangan:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Memulihkan driver</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Driver dipulihkan</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Menyimpan driver:</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Tidak ada koneksi ke layanan driver</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Driver saat ini</translation>
    </message>
    <message>
        <source>DevMissing</source>
        <translation>Perangkat tidak ditemukan</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Perangkat baru</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Tidak berubah</translation>
    </message>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Mengunduh</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Terpasang</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Gagal</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Memasang</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Siap dipasang</translation>
    </message>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Belum ada driver yang diperbarui.</translation>
    </message>
    <message>
        <source>FindUpdatesHeader</source>
        <translation>Mencari pembaruan</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Pembaruan driver yang terpasang</translation>
    </message>
    <message>
        <source>InstallBackup</source>
        <translation>Memulihkan</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Gagal memulihkan</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Dipulihkan</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Pemasangan selesai</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Memasang driver:</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>Program tidak dapat menjangkau layanan driver. Periksa koneksi Internet Anda, lalu coba lagi.</translation>
    </message>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Mulai ulang komputer untuk menyelesaikan pemasangan driver.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Perlu dimulai ulang</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Versi baru</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Driver Anda sesuai dengan cadangan. Tidak ada yang perlu dipulihkan.</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Lanjutkan</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Salinan setiap driver yang diganti disimpan, sehingga Anda dapat membatalkan pembaruan apa pun di halaman Pemulihan.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Beberapa driver yang dipilih tidak disertifikasi oleh Microsoft (WHQL). Driver ini berasal dari produsen perangkat, tetapi mungkin tidak berfungsi di semua komputer.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Sebelum memasang</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Driver yang akan dipulihkan:</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Disarankan</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Belum ada driver yang diperbarui untuk dikembalikan.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Driver yang diperbarui dan dapat dikembalikan</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Driver Anda sudah mutakhir</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Layanan driver sedang tidak tersedia. Coba lagi dalam beberapa menit.</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Mengekstrak</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Perangkat dengan pembaruan driver:</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>Menunggu</translation>
    </message>
</context>
<context>
    <name>Qln::DeviceScanner</name>
    <message>
        <source>ScanTitle</source>
        <translation>Memindai perangkat</translation>
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
        <translation>Mencari pembaruan</translation>
    </message>
</context>
<context>
    <name>Qln::HistoryModule</name>
    <message>
        <source>DownloadHistoryTitle</source>
        <translation>Riwayat</translation>
    </message>
</context>
<context>
    <name>Qln::InstallDriversModule</name>
    <message>
        <source>InstallDriversTitle</source>
        <translation>Pembaruan driver</translation>
    </message>
</context>
<context>
    <name>Qln::ProgramsModule</name>
    <message>
        <source>ProgramsTitle</source>
        <translation>Program berguna</translation>
    </message>
</context>
<context>
    <name>Qln::RecoveryModule</name>
    <message>
        <source>RecoveryTitle</source>
        <translation>Pemulihan</translation>
    </message>
</context>
<context>
    <name>Qln::SettingsModule</name>
    <message>
        <source>SettingsTitle</source>
        <translation>Pengaturan</translation>
    </message>
</context>
<context>
    <name>RecoveryModule</name>
    <message>
        <source>InstallBackup</source>
        <translation>Memulihkan</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Gagal memulihkan</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Dipulihkan</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Belum ada driver yang diperbarui untuk dikembalikan.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Driver yang diperbarui dan dapat dikembalikan</translation>
    </message>
    <message>
        <source>RestoreButton</source>
        <translation>Pulihkan</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Mengekstrak</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>Menunggu</translation>
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
        <translation>Memori</translation>
    </message>
    <message>
        <source>Motherboard</source>
        <translation>Motherboard</translation>
    </message>
    <message>
        <source>OS</source>
        <translation>Sistem operasi</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Prosesor</translation>
    </message>
    <message>
        <source>SystemInfoTitle</source>
        <translation>Informasi sistem</translation>
    </message>
</context>
<context>
    <name>SearchComplete</name>
    <message>
        <source>SearchCompleteDesc</source>
        <translation>Tidak ditemukan driver yang lebih baru untuk perangkat Anda. Jadwalkan pemeriksaan rutin agar tidak melewatkan driver baru.</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Driver Anda sudah mutakhir</translation>
    </message>
    <message>
        <source>ToAutorunButton</source>
        <translation>Jadwalkan pemeriksaan</translation>
    </message>
    <message>
        <source>UpdateFinishButton</source>
        <translation>Selesai</translation>
    </message>
</context>
<context>
    <name>SearchFailed</name>
    <message>
        <source>BackButton</source>
        <translation>Kembali</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Tidak ada koneksi ke layanan driver</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Coba lagi</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Layanan driver sedang tidak tersedia. Coba lagi dalam beberapa menit.</translation>
    </message>
</context>
<context>
    <name>SelectPage</name>
    <message>
        <source>BackButton</source>
        <translation>Kembali</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Pasang</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Risiko</translation>
    </message>
    <message>
        <source>ScanDifferFooter</source>
        <translation>Hasil bergantung pada database driver dan dapat berubah seiring waktu. Memperbarui driver memiliki sejumlah risiko.</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Pilih semua</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Perangkat dengan pembaruan driver:</translation>
    </message>
</context>
<context>
    <name>SettingsModule</name>
    <message>
        <source>BrowseButton</source>
        <translation>Telusuri…</translation>
    </message>
    <message>
        <source>ChooseDirDesc</source>
        <translation>Pilih folder untuk driver yang diunduh</translation>
    </message>
    <message>
        <source>DefaultSettingsButton</source>
        <translation>Kembalikan default</translation>
    </message>
    <message>
        <source>InvalidDirText</source>
        <translation>Folder ini tidak ada. Pilih folder yang ada; sampai saat itu folder sebelumnya tetap dipakai.</translation>
    </message>
    <message>
        <source>SaveSettingsButton</source>
        <translation>Simpan</translation>
    </message>
    <message>
        <source>SettingsDownloadDirHeader</source>
        <translation>Folder unduhan</translation>
    </message>
    <message>
        <source>SettingsLanguageHeader</source>
        <translation>Bahasa</translation>
    </message>
    <message>
        <source>SettingsOptionsHeader</source>
        <translation>Pemeriksaan</translation>
    </message>
    <message>
        <source>SystemDriverCheck</source>
        <translation>Sertakan perangkat sistem dalam pemindaian</translation>
    </message>
    <message>
        <source>UpdatesCheck</source>
        <translation>Periksa pembaruan program saat memulai</translation>
    </message>
</context>
<context>
    <name>SettingsRestartLayout</name>
    <message>
        <source>NeedRestartSettingsMessage</source>
        <translation>Pengaturan baru berlaku setelah program dimulai ulang.</translation>
    </message>
    <message>
        <source>NeedRestartSettingsTitle</source>
        <translation>Pengaturan disimpan</translation>
    </message>
    <message>
        <source>RestartLaterButton</source>
        <translation>Nanti</translation>
    </message>
    <message>
        <source>RestartNowButton</source>
        <translation>Mulai ulang sekarang</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>AutoInstallDesc</source>
        <translation>Mengunduh dan memasangnya secara otomatis</translation>
    </message>
    <message>
        <source>BackupDetailLink</source>
        <translation>Apa itu cadangan?</translation>
    </message>
    <message>
        <source>CreateBackupCheckBox</source>
        <translation>Cadangkan semua driver sebelum pemindaian</translation>
    </message>
    <message>
        <source>FindNewDesc</source>
        <translation>Menemukan driver yang hilang</translation>
    </message>
    <message>
        <source>RegularDesc</source>
        <translation>Mengingatkan Anda untuk memeriksa secara rutin</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Pindai sekarang</translation>
    </message>
    <message>
        <source>StartScanTitle</source>
        <translation>Jaga driver Anda tetap mutakhir</translation>
    </message>
    <message>
        <source>UpdateOldDesc</source>
        <translation>Memperbarui driver yang usang</translation>
    </message>
</context>
<context>
    <name>SystemRebootLayout</name>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Mulai ulang komputer untuk menyelesaikan pemasangan driver.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Perlu dimulai ulang</translation>
    </message>
    <message>
        <source>RebootLaterButton</source>
        <translation>Nanti</translation>
    </message>
    <message>
        <source>RebootNowButton</source>
        <translation>Mulai ulang sekarang</translation>
    </message>
</context>
<context>
    <name>TextFieldMenu</name>
    <message>
        <source>CopyMenuItem</source>
        <translation>Salin</translation>
    </message>
    <message>
        <source>CutMenuItem</source>
        <translation>Potong</translation>
    </message>
    <message>
        <source>PasteMenuItem</source>
        <translation>Tempel</translation>
    </message>
    <message>
        <source>SelectAllMenuItem</source>
        <translation>Pilih semua</translation>
    </message>
</context>
</TS>
