<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="kk_KZ">
<context>
    <name>AboutModule</name>
    <message>
        <source>AppDescription</source>
        <translation>Quillon Pro компьютердегі ескірген драйверлерді тауып, олардың соңғы нұсқаларын жүктейді және қауіпсіз орнатады, ауыстырылған әр драйвердің көшірмесін сақтайды.</translation>
    </message>
    <message>
        <source>ContactLink</source>
        <translation>Бізбен байланыс</translation>
    </message>
    <message>
        <source>HowDeleteLink</source>
        <translation>Бағдарламаны қалай жою керек</translation>
    </message>
    <message>
        <source>PolicyLink</source>
        <translation>Құпиялылық саясаты</translation>
    </message>
    <message>
        <source>RefundPolicyLink</source>
        <translation>Қаражатты қайтару шарттары</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Тәуекелдер</translation>
    </message>
    <message>
        <source>UserAgreementLink</source>
        <translation>Лицензиялық келісім</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Нұсқа</translation>
    </message>
</context>
<context>
    <name>AppUpdateView</name>
    <message>
        <source>AppUpdateDescription</source>
        <translation>Quillon Pro бағдарламасының жаңа нұсқасы қолжетімді.</translation>
    </message>
    <message>
        <source>AppUpdateError</source>
        <translation>Жаңартуды жүктеу немесе тексеру мүмкін болмады. Қайталап көріңіз немесе осы нұсқамен жалғастырыңыз.</translation>
    </message>
    <message>
        <source>AppUpdateHeader</source>
        <translation>Жаңарту қолжетімді</translation>
    </message>
    <message>
        <source>AppUpdateProcess</source>
        <translation>Жаңарту жүктелуде…</translation>
    </message>
    <message>
        <source>AppUpdateQuestion</source>
        <translation>Оны қазір жүктеп, орнату керек пе?</translation>
    </message>
    <message>
        <source>NoButton</source>
        <translation>Қазір емес</translation>
    </message>
    <message>
        <source>YesButton</source>
        <translation>Иә, жаңарту</translation>
    </message>
</context>
<context>
    <name>AutorunModule</name>
    <message>
        <source>AutorunEnableCheckBox</source>
        <translation>Драйверлерді тексеру туралы еске салу</translation>
    </message>
    <message>
        <source>AutosaveStartDesc</source>
        <translation>Келесі тексеру: %1, %2</translation>
    </message>
    <message>
        <source>MonthlySelect</source>
        <translation>Ай сайын</translation>
    </message>
    <message>
        <source>SaveButton</source>
        <translation>Сақтау</translation>
    </message>
    <message>
        <source>WeeklySelect</source>
        <translation>Апта сайын</translation>
    </message>
</context>
<context>
    <name>BackupModule</name>
    <message>
        <source>BackButton</source>
        <translation>Артқа</translation>
    </message>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Сақтық көшірме жасалды</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Сақтық көшірме файлы:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Драйверлер қалпына келтірілуде</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Драйверлер қалпына келтірілді</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Драйверлер сақталуда:</translation>
    </message>
    <message>
        <source>BrowseButton</source>
        <translation>Шолу…</translation>
    </message>
    <message>
        <source>CreateBackupButton</source>
        <translation>Көшірме жасау</translation>
    </message>
    <message>
        <source>DetailButton</source>
        <translation>Толығырақ</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Жеткізуші</translation>
    </message>
    <message>
        <source>HowCreateBackupLink</source>
        <translation>Сақтық көшірмені қалай жасау керек</translation>
    </message>
    <message>
        <source>HowUseBackupLink</source>
        <translation>Сақтық көшірмеден қалай қалпына келтіру керек</translation>
    </message>
    <message>
        <source>InstallBackupButton</source>
        <translation>Көшірмеден қалпына келтіру</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Орнату</translation>
    </message>
    <message>
        <source>InstalledBackupListTitle</source>
        <translation>Қалпына келтірілген драйверлер:</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Драйверлеріңіз сақтық көшірмеге сәйкес келеді. Қалпына келтіретін ештеңе жоқ.</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Қалпына келтірілетін драйверлер:</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Барлығын таңдау</translation>
    </message>
    <message>
        <source>ValidDriverList</source>
        <translation>Көшірмедегі басқа драйверлер:</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Нұсқа</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Күні</translation>
    </message>
    <message>
        <source>WhatIsBackupLink</source>
        <translation>Сақтық көшірме деген не?</translation>
    </message>
</context>
<context>
    <name>CancelButton</name>
    <message>
        <source>CancelButton</source>
        <translation>Бас тарту</translation>
    </message>
</context>
<context>
    <name>ChangeRow</name>
    <message>
        <source>Developer</source>
        <translation>Жеткізуші</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Нұсқа</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Күні</translation>
    </message>
</context>
<context>
    <name>CompletionFooter</name>
    <message>
        <source>BackupCompleteButton</source>
        <translation>Дайын</translation>
    </message>
    <message>
        <source>BackupCompleteText</source>
        <translation>Енді компьютерді жаңарақ драйверлерге сканерлеңіз.</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Сканерлеу</translation>
    </message>
</context>
<context>
    <name>ConnectErrorView</name>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Драйверлер қызметімен байланыс жоқ</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>Бағдарлама драйверлер қызметіне қосыла алмады. Интернет байланысын тексеріп, қайталап көріңіз.</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Қайталау</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Драйверлер қызметі қазір қолжетімсіз. Бірнеше минуттан кейін қайталап көріңіз.</translation>
    </message>
</context>
<context>
    <name>DeviceRow</name>
    <message>
        <source>Alternative</source>
        <translation>Балама</translation>
    </message>
    <message>
        <source>CandidateCount</source>
        <translation>Табылған драйверлер: %1</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Ағымдағы драйвер</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Жаңа нұсқа</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Ұсынылған</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Өлшемі</translation>
    </message>
</context>
<context>
    <name>DriverFacts</name>
    <message>
        <source>Developer</source>
        <translation>Жеткізуші</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Нұсқа</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Күні</translation>
    </message>
</context>
<context>
    <name>DriverList</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Жүктелуде</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Орнатылды</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Қате</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Орнатылуда</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>Кезекте</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Орнатуға дайын</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Ашылуда</translation>
    </message>
</context>
<context>
    <name>HistoryModule</name>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Әзірге ешбір драйвер жаңартылған жоқ.</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Орнатылған драйвер жаңартулары</translation>
    </message>
</context>
<context>
    <name>InitView</name>
    <message>
        <source>AppInitializationText</source>
        <translation>Дайындалу: жүйе тексеріліп, драйверлер қызметіне қосылуда…</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Нұсқа</translation>
    </message>
</context>
<context>
    <name>InstallPage</name>
    <message>
        <source>CompleteButton</source>
        <translation>Дайын</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Орнату аяқталды</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Драйверлер орнатылуда:</translation>
    </message>
</context>
<context>
    <name>InstallRow</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Жүктелуде</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Орнатылды</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Қате</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Орнатылуда</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>Кезекте</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Орнатуға дайын</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Ашылуда</translation>
    </message>
</context>
<context>
    <name>ModulesList</name>
    <message>
        <source>DBUpdatedAtText</source>
        <translation>Драйверлер дерекқоры жаңартылды:</translation>
    </message>
</context>
<context>
    <name>NoConnectPanel</name>
    <message>
        <source>NoConnectDesc</source>
        <translation>Бұл бетке драйверлер қызметі қажет, бірақ ол бағдарлама іске қосылғанда жауап бермеді. Қайталау үшін бағдарламаны қайта іске қосыңыз.</translation>
    </message>
    <message>
        <source>NoConnectTitle</source>
        <translation>Байланыс жоқ</translation>
    </message>
</context>
<context>
    <name>NoSignDriversLayout</name>
    <message>
        <source>DetailButton</source>
        <translation>Толығырақ</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Жалғастыру</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Ауыстырылған әр драйвердің көшірмесі сақталады, сондықтан кез келген жаңартуды «Қалпына келтіру» бетінде болдырмауға болады.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Таңдалған драйверлердің кейбірі Microsoft (WHQL) сертификатынан өтпеген. Оларды құрылғы өндірушілері шығарған, бірақ барлық компьютерде жұмыс істемеуі мүмкін.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Орнату алдында</translation>
    </message>
</context>
<context>
    <name>PipelineStrip</name>
    <message>
        <source>CompleteStep</source>
        <translation>Дайын</translation>
    </message>
    <message>
        <source>DownloadInstallStep</source>
        <translation>Жүктеу және орнату</translation>
    </message>
    <message>
        <source>ScanningStep</source>
        <translation>Сканерлеу</translation>
    </message>
    <message>
        <source>SelectStep</source>
        <translation>Таңдау</translation>
    </message>
</context>
<context>
    <name>ProgramsModule</name>
    <message>
        <source>CommandLineProgram</source>
        <translation>Пәрмен жолы</translation>
    </message>
    <message>
        <source>ComputerManagementProgram</source>
        <translation>Компьютерді басқару</translation>
    </message>
    <message>
        <source>ControlPanelProgram</source>
        <translation>Басқару тақтасы</translation>
    </message>
    <message>
        <source>DiskManagementProgram</source>
        <translation>Дискілерді басқару</translation>
    </message>
    <message>
        <source>DisplaySettingsProgram</source>
        <translation>Дисплей параметрлері</translation>
    </message>
    <message>
        <source>NetworkProgram</source>
        <translation>Желілік қосылымдар</translation>
    </message>
    <message>
        <source>PowerSupplyProgram</source>
        <translation>Қуат параметрлері</translation>
    </message>
    <message>
        <source>ProgramsDescription</source>
        <translation>Компьютерді күтуге жиі қажет Windows құралдарын ашыңыз.</translation>
    </message>
    <message>
        <source>ProgramsFeaturesProgram</source>
        <translation>Бағдарламалар және мүмкіндіктер</translation>
    </message>
    <message>
        <source>RecoveryProgram</source>
        <translation>Қалпына келтіру</translation>
    </message>
    <message>
        <source>SystemProgram</source>
        <translation>Жүйе</translation>
    </message>
    <message>
        <source>TaskManagerProgram</source>
        <translation>Тапсырмалар реттеушісі</translation>
    </message>
</context>
<context>
    <name>Qln::AboutModule</name>
    <message>
        <source>AboutTitle</source>
        <translation>Бағдарлама туралы</translation>
    </message>
</context>
<context>
    <name>Qln::AutorunModule</name>
    <message>
        <source>AutorunTitle</source>
        <translation>Автоіске қосу</translation>
    </message>
</context>
<context>
    <name>Qln::BackupModule</name>
    <message>
        <source>CloudBackupTitle</source>
        <translation>Сақтық көшірме</translation>
    </message>
</context>
<context>
    <name>Qln::BackupViewModel</name>
    <message>
        <source>DevMissing</source>
        <translation>Құрылғы табылмады</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Жаңа құрылғы</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Өзгеріссіз</translation>
    </message>
</context>
<context>
    <name>Qln::Cli::Program</name>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Сақтық көшірме жасалды</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Сақтық көшірме файлы:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Драйверлер қалпына келтірілуде</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Драйверлер қалпына келтірілді</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Драйверлер сақталуда:</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Драйверлер қызметімен байланыс жоқ</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Ағымдағы драйвер</translation>
    </message>
    <message>
        <source>DevMissing</source>
        <translation>Құрылғы табылмады</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Жаңа құрылғы</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Өзгеріссіз</translation>
    </message>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Жүктелуде</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Орнатылды</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Қате</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Орнатылуда</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Орнатуға дайын</translation>
    </message>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Әзірге ешбір драйвер жаңартылған жоқ.</translation>
    </message>
    <message>
        <source>FindUpdatesHeader</source>
        <translation>Жаңартулар ізделуде</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Орнатылған драйвер жаңартулары</translation>
    </message>
    <message>
        <source>InstallBackup</source>
        <translation>Қалпына келтірілуде</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Қалпына келтіру қатесі</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Қалпына келтірілді</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Орнату аяқталды</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Драйверлер орнатылуда:</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>Бағдарлама драйверлер қызметіне қосыла алмады. Интернет байланысын тексеріп, қайталап көріңіз.</translation>
    </message>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Драйверлерді орнатуды аяқтау үшін компьютерді қайта іске қосыңыз.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Қайта іске қосу қажет</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Жаңа нұсқа</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Драйверлеріңіз сақтық көшірмеге сәйкес келеді. Қалпына келтіретін ештеңе жоқ.</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Жалғастыру</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Ауыстырылған әр драйвердің көшірмесі сақталады, сондықтан кез келген жаңартуды «Қалпына келтіру» бетінде болдырмауға болады.</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Таңдалған драйверлердің кейбірі Microsoft (WHQL) сертификатынан өтпеген. Оларды құрылғы өндірушілері шығарған, бірақ барлық компьютерде жұмыс істемеуі мүмкін.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Орнату алдында</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Қалпына келтірілетін драйверлер:</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Ұсынылған</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Кері қайтаратын жаңартылған драйверлер әзірге жоқ.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Кері қайтаруға болатын жаңартылған драйверлер</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Драйверлеріңіз жаңартылған</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Драйверлер қызметі қазір қолжетімсіз. Бірнеше минуттан кейін қайталап көріңіз.</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Ашылуда</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Драйвер жаңартулары бар құрылғылар:</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>Күтуде</translation>
    </message>
</context>
<context>
    <name>Qln::DeviceScanner</name>
    <message>
        <source>ScanTitle</source>
        <translation>Құрылғылар сканерленуде</translation>
    </message>
</context>
<context>
    <name>Qln::DriverDescription</name>
    <message>
        <source>KB</source>
        <translation>КБ</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
</context>
<context>
    <name>Qln::FindUpdates</name>
    <message>
        <source>FindUpdatesHeader</source>
        <translation>Жаңартулар ізделуде</translation>
    </message>
</context>
<context>
    <name>Qln::HistoryModule</name>
    <message>
        <source>DownloadHistoryTitle</source>
        <translation>Тарих</translation>
    </message>
</context>
<context>
    <name>Qln::InstallDriversModule</name>
    <message>
        <source>InstallDriversTitle</source>
        <translation>Драйверлерді жаңарту</translation>
    </message>
</context>
<context>
    <name>Qln::ProgramsModule</name>
    <message>
        <source>ProgramsTitle</source>
        <translation>Пайдалы бағдарламалар</translation>
    </message>
</context>
<context>
    <name>Qln::RecoveryModule</name>
    <message>
        <source>RecoveryTitle</source>
        <translation>Қалпына келтіру</translation>
    </message>
</context>
<context>
    <name>Qln::SettingsModule</name>
    <message>
        <source>SettingsTitle</source>
        <translation>Баптаулар</translation>
    </message>
</context>
<context>
    <name>RecoveryModule</name>
    <message>
        <source>InstallBackup</source>
        <translation>Қалпына келтірілуде</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Қалпына келтіру қатесі</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Қалпына келтірілді</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Кері қайтаратын жаңартылған драйверлер әзірге жоқ.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Кері қайтаруға болатын жаңартылған драйверлер</translation>
    </message>
    <message>
        <source>RestoreButton</source>
        <translation>Қалпына келтіру</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Ашылуда</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>Күтуде</translation>
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
        <translation>ГБ</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Жад</translation>
    </message>
    <message>
        <source>Motherboard</source>
        <translation>Аналық плата</translation>
    </message>
    <message>
        <source>OS</source>
        <translation>Операциялық жүйе</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Процессор</translation>
    </message>
    <message>
        <source>SystemInfoTitle</source>
        <translation>Жүйе туралы мәлімет</translation>
    </message>
</context>
<context>
    <name>SearchComplete</name>
    <message>
        <source>SearchCompleteDesc</source>
        <translation>Құрылғыларыңызға жаңарақ драйверлер табылмады. Жаңаларын өткізіп алмау үшін тұрақты тексеруді жоспарлаңыз.</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Драйверлеріңіз жаңартылған</translation>
    </message>
    <message>
        <source>ToAutorunButton</source>
        <translation>Тексеруді жоспарлау</translation>
    </message>
    <message>
        <source>UpdateFinishButton</source>
        <translation>Аяқтау</translation>
    </message>
</context>
<context>
    <name>SearchFailed</name>
    <message>
        <source>BackButton</source>
        <translation>Артқа</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Драйверлер қызметімен байланыс жоқ</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Қайталау</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Драйверлер қызметі қазір қолжетімсіз. Бірнеше минуттан кейін қайталап көріңіз.</translation>
    </message>
</context>
<context>
    <name>SelectPage</name>
    <message>
        <source>BackButton</source>
        <translation>Артқа</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Орнату</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Тәуекелдер</translation>
    </message>
    <message>
        <source>ScanDifferFooter</source>
        <translation>Нәтижелер драйверлер дерекқорына байланысты және уақыт өте өзгеруі мүмкін. Драйверлерді жаңарту белгілі бір тәуекелге ие.</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Барлығын таңдау</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Драйвер жаңартулары бар құрылғылар:</translation>
    </message>
</context>
<context>
    <name>SettingsModule</name>
    <message>
        <source>BrowseButton</source>
        <translation>Шолу…</translation>
    </message>
    <message>
        <source>ChooseDirDesc</source>
        <translation>Жүктелген драйверлерге арналған қалтаны таңдаңыз</translation>
    </message>
    <message>
        <source>DefaultSettingsButton</source>
        <translation>Әдепкі баптаулар</translation>
    </message>
    <message>
        <source>InvalidDirText</source>
        <translation>Бұл қалта жоқ. Бар қалтаны таңдаңыз; оған дейін алдыңғы қалта сақталады.</translation>
    </message>
    <message>
        <source>SaveSettingsButton</source>
        <translation>Сақтау</translation>
    </message>
    <message>
        <source>SettingsDownloadDirHeader</source>
        <translation>Жүктеу қалтасы</translation>
    </message>
    <message>
        <source>SettingsLanguageHeader</source>
        <translation>Тіл</translation>
    </message>
    <message>
        <source>SettingsOptionsHeader</source>
        <translation>Тексерулер</translation>
    </message>
    <message>
        <source>SystemDriverCheck</source>
        <translation>Жүйелік құрылғыларды да сканерлеу</translation>
    </message>
    <message>
        <source>UpdatesCheck</source>
        <translation>Іске қосқанда бағдарлама жаңартуларын тексеру</translation>
    </message>
</context>
<context>
    <name>SettingsRestartLayout</name>
    <message>
        <source>NeedRestartSettingsMessage</source>
        <translation>Жаңа баптаулар бағдарлама қайта іске қосылғаннан кейін күшіне енеді.</translation>
    </message>
    <message>
        <source>NeedRestartSettingsTitle</source>
        <translation>Баптаулар сақталды</translation>
    </message>
    <message>
        <source>RestartLaterButton</source>
        <translation>Кейінірек</translation>
    </message>
    <message>
        <source>RestartNowButton</source>
        <translation>Қазір қайта іске қосу</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>AutoInstallDesc</source>
        <translation>Оларды автоматты түрде жүктеп, орнатады</translation>
    </message>
    <message>
        <source>BackupDetailLink</source>
        <translation>Сақтық көшірме деген не?</translation>
    </message>
    <message>
        <source>CreateBackupCheckBox</source>
        <translation>Сканерлеу алдында барлық драйверлердің сақтық көшірмесін жасау</translation>
    </message>
    <message>
        <source>FindNewDesc</source>
        <translation>Жетіспейтін драйверлерді табады</translation>
    </message>
    <message>
        <source>RegularDesc</source>
        <translation>Тұрақты тексеру туралы еске салады</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Сканерлеу</translation>
    </message>
    <message>
        <source>StartScanTitle</source>
        <translation>Драйверлерді әрдайым жаңартып отырыңыз</translation>
    </message>
    <message>
        <source>UpdateOldDesc</source>
        <translation>Ескірген драйверлерді жаңартады</translation>
    </message>
</context>
<context>
    <name>SystemRebootLayout</name>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Драйверлерді орнатуды аяқтау үшін компьютерді қайта іске қосыңыз.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Қайта іске қосу қажет</translation>
    </message>
    <message>
        <source>RebootLaterButton</source>
        <translation>Кейінірек</translation>
    </message>
    <message>
        <source>RebootNowButton</source>
        <translation>Қазір қайта іске қосу</translation>
    </message>
</context>
<context>
    <name>TextFieldMenu</name>
    <message>
        <source>CopyMenuItem</source>
        <translation>Көшіру</translation>
    </message>
    <message>
        <source>CutMenuItem</source>
        <translation>Қиып алу</translation>
    </message>
    <message>
        <source>PasteMenuItem</source>
        <translation>Қою</translation>
    </message>
    <message>
        <source>SelectAllMenuItem</source>
        <translation>Барлығын ерекшелеу</translation>
    </message>
</context>
</TS>
