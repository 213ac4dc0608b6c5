<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutModule</name>
    <message>
        <source>AppDescription</source>
        <translation>Quillon Pro находит устаревшие драйверы на компьютере, загружает их последние версии и безопасно устанавливает, сохраняя копию каждого заменённого драйвера.</translation>
    </message>
    <message>
        <source>ContactLink</source>
        <translation>Связаться с нами</translation>
    </message>
    <message>
        <source>HowDeleteLink</source>
        <translation>Как удалить программу</translation>
    </message>
    <message>
        <source>PolicyLink</source>
        <translation>Политика конфиденциальности</translation>
    </message>
    <message>
        <source>RefundPolicyLink</source>
        <translation>Условия возврата средств</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Риски</translation>
    </message>
    <message>
        <source>UserAgreementLink</source>
        <translation>Лицензионное соглашение</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
</context>
<context>
    <name>AppUpdateView</name>
    <message>
        <source>AppUpdateDescription</source>
        <translation>Доступна новая версия Quillon Pro.</translation>
    </message>
    <message>
        <source>AppUpdateError</source>
        <translation>Не удалось загрузить или проверить обновление. Попробуйте ещё раз или продолжите работу с этой версией.</translation>
    </message>
    <message>
        <source>AppUpdateHeader</source>
        <translation>Доступно обновление</translation>
    </message>
    <message>
        <source>AppUpdateProcess</source>
        <translation>Загрузка обновления…</translation>
    </message>
    <message>
        <source>AppUpdateQuestion</source>
        <translation>Загрузить и установить её сейчас?</translation>
    </message>
    <message>
        <source>NoButton</source>
        <translation>Не сейчас</translation>
    </message>
    <message>
        <source>YesButton</source>
        <translation>Да, обновить</translation>
    </message>
</context>
<context>
    <name>AutorunModule</name>
    <message>
        <source>AutorunEnableCheckBox</source>
        <translation>Напоминать о проверке драйверов</translation>
    </message>
    <message>
        <source>AutosaveStartDesc</source>
        <translation>Следующая проверка: %1 в %2</translation>
    </message>
    <message>
        <source>MonthlySelect</source>
        <translation>Ежемесячно</translation>
    </message>
    <message>
        <source>SaveButton</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>WeeklySelect</source>
        <translation>Еженедельно</translation>
    </message>
</context>
<context>
    <name>BackupModule</name>
    <message>
        <source>BackButton</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Резервная копия создана</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Файл резервной копии:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Восстановление драйверов</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Драйверы восстановлены</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Сохранение драйверов:</translation>
    </message>
    <message>
        <source>BrowseButton</source>
        <translation>Обзор…</translation>
    </message>
    <message>
        <source>CreateBackupButton</source>
        <translation>Создать копию</translation>
    </message>
    <message>
        <source>DetailButton</source>
        <translation>Подробнее</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Поставщик</translation>
    </message>
    <message>
        <source>HowCreateBackupLink</source>
        <translation>Как создать резервную копию</translation>
    </message>
    <message>
        <source>HowUseBackupLink</source>
        <translation>Как восстановить из резервной копии</translation>
    </message>
    <message>
        <source>InstallBackupButton</source>
        <translation>Восстановить из копии</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>InstalledBackupListTitle</source>
        <translation>Восстановленные драйверы:</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Ваши драйверы совпадают с резервной копией. Восстанавливать нечего.</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Драйверы для восстановления:</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>ValidDriverList</source>
        <translation>Другие драйверы в копии:</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>WhatIsBackupLink</source>
        <translation>Что такое резервная копия?</translation>
    </message>
</context>
<context>
    <name>CancelButton</name>
    <message>
        <source>CancelButton</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>ChangeRow</name>
    <message>
        <source>Developer</source>
        <translation>Поставщик</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Дата</translation>
    </message>
</context>
<context>
    <name>CompletionFooter</name>
    <message>
        <source>BackupCompleteButton</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>BackupCompleteText</source>
        <translation>Теперь проверьте компьютер на наличие более новых драйверов.</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Сканировать</translation>
    </message>
</context>
<context>
    <name>ConnectErrorView</name>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Нет связи со службой драйверов</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>Программе не удалось связаться со службой драйверов. Проверьте подключение к интернету и повторите попытку.</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Служба драйверов сейчас недоступна. Повторите попытку через несколько минут.</translation>
    </message>
</context>
<context>
    <name>DeviceRow</name>
    <message>
        <source>Alternative</source>
        <translation>Альтернативный</translation>
    </message>
    <message>
        <source>CandidateCount</source>
        <translation>Найдено драйверов: %1</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Текущий драйвер</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Новая версия</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Рекомендуемый</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
</context>
<context>
    <name>DriverFacts</name>
    <message>
        <source>Developer</source>
        <translation>Поставщик</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Дата</translation>
    </message>
</context>
<context>
    <name>DriverList</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Установлен</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Установка</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>В очереди</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Готов к установке</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Распаковка</translation>
    </message>
</context>
<context>
    <name>HistoryModule</name>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Драйверы ещё не обновлялись.</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Установленные обновления драйверов</translation>
    </message>
</context>
<context>
    <name>InitView</name>
    <message>
        <source>AppInitializationText</source>
        <translation>Подготовка: проверяем систему и подключаемся к службе драйверов…</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
</context>
<context>
    <name>InstallPage</name>
    <message>
        <source>CompleteButton</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Установка завершена</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Установка драйверов:</translation>
    </message>
</context>
<context>
    <name>InstallRow</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Установлен</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Установка</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>В очереди</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Готов к установке</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Распаковка</translation>
    </message>
</context>
<context>
    <name>ModulesList</name>
    <message>
        <source>DBUpdatedAtText</source>
        <translation>База драйверов обновлена:</translation>
    </message>
</context>
<context>
    <name>NoConnectPanel</name>
    <message>
        <source>NoConnectDesc</source>
        <translation>Этой странице нужна служба драйверов, которая не ответила при запуске программы. Перезапустите программу, чтобы попробовать снова.</translation>
    </message>
    <message>
        <source>NoConnectTitle</source>
        <translation>Нет подключения</translation>
    </message>
</context>
<context>
    <name>NoSignDriversLayout</name>
    <message>
        <source>DetailButton</source>
        <translation>Подробнее</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Перед заменой каждого драйвера сохраняется его копия, поэтому любое обновление можно отменить на странице «Восстановление».</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Некоторые из выбранных драйверов не сертифицированы Microsoft (WHQL). Они выпущены производителями устройств, но могут работать не на всех компьютерах.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Перед установкой</translation>
    </message>
</context>
<context>
    <name>PipelineStrip</name>
    <message>
        <source>CompleteStep</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>DownloadInstallStep</source>
        <translation>Загрузка и установка</translation>
    </message>
    <message>
        <source>ScanningStep</source>
        <translation>Сканирование</translation>
    </message>
    <message>
        <source>SelectStep</source>
        <translation>Выбор</translation>
    </message>
</context>
<context>
    <name>ProgramsModule</name>
    <message>
        <source>CommandLineProgram</source>
        <translation>Командная строка</translation>
    </message>
    <message>
        <source>ComputerManagementProgram</source>
        <translation>Управление компьютером</translation>
    </message>
    <message>
        <source>ControlPanelProgram</source>
        <translation>Панель управления</translation>
    </message>
    <message>
        <source>DiskManagementProgram</source>
        <translation>Управление дисками</translation>
    </message>
    <message>
        <source>DisplaySettingsProgram</source>
        <translation>Параметры экрана</translation>
    </message>
    <message>
        <source>NetworkProgram</source>
        <translation>Сетевые подключения</translation>
    </message>
    <message>
        <source>PowerSupplyProgram</source>
        <translation>Электропитание</translation>
    </message>
    <message>
        <source>ProgramsDescription</source>
        <translation>Открывайте самые нужные инструменты Windows для обслуживания компьютера.</translation>
    </message>
    <message>
        <source>ProgramsFeaturesProgram</source>
        <translation>Программы и компоненты</translation>
    </message>
    <message>
        <source>RecoveryProgram</source>
        <translation>Восстановление</translation>
    </message>
    <message>
        <source>SystemProgram</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>TaskManagerProgram</source>
        <translation>Диспетчер задач</translation>
    </message>
</context>
<context>
    <name>Qln::AboutModule</name>
    <message>
        <source>AboutTitle</source>
        <translation>О программе</translation>
    </message>
</context>
<context>
    <name>Qln::AutorunModule</name>
    <message>
        <source>AutorunTitle</source>
        <translation>Автозапуск</translation>
    </message>
</context>
<context>
    <name>Qln::BackupModule</name>
    <message>
        <source>CloudBackupTitle</source>
        <translation>Резервная копия</translation>
    </message>
</context>
<context>
    <name>Qln::BackupViewModel</name>
    <message>
        <source>DevMissing</source>
        <translation>Устройство не найдено</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Новое устройство</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Без изменений</translation>
    </message>
</context>
<context>
    <name>Qln::Cli::Program</name>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Резервная копия создана</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Файл резервной копии:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Восстановление драйверов</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Драйверы восстановлены</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Сохранение драйверов:</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Нет связи со службой драйверов</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Текущий драйвер</translation>
    </message>
    <message>
        <source>DevMissing</source>
        <translation>Устройство не найдено</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Новое устройство</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Без изменений</translation>
    </message>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Загрузка</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Установлен</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Установка</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Готов к установке</translation>
    </message>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Драйверы ещё не обновлялись.</translation>
    </message>
    <message>
        <source>FindUpdatesHeader</source>
        <translation>Поиск обновлений</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Установленные обновления драйверов</translation>
    </message>
    <message>
        <source>InstallBackup</source>
        <translation>Восстановление</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Ошибка восстановления</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Восстановлен</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Установка завершена</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Установка драйверов:</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>Программе не удалось связаться со службой драйверов. Проверьте подключение к интернету и повторите попытку.</translation>
    </message>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Перезагрузите компьютер, чтобы завершить установку драйверов.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Требуется перезагрузка</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Новая версия</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Ваши драйверы совпадают с резервной копией. Восстанавливать нечего.</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Перед заменой каждого драйвера сохраняется его копия, поэтому любое обновление можно отменить на странице «Восстановление».</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Некоторые из выбранных драйверов не сертифицированы Microsoft (WHQL). Они выпущены производителями устройств, но могут работать не на всех компьютерах.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Перед установкой</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Драйверы для восстановления:</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Рекомендуемый</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Обновлённых драйверов для отката пока нет.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Обновлённые драйверы, которые можно откатить</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Ваши драйверы в актуальном состоянии</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Служба драйверов сейчас недоступна. Повторите попытку через несколько минут.</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Распаковка</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Устройства с обновлениями драйверов:</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>Ожидание</translation>
    </message>
</context>
<context>
    <name>Qln::DeviceScanner</name>
    <message>
        <source>ScanTitle</source>
        <translation>Сканирование устройств</translation>
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
        <translation>Поиск обновлений</translation>
    </message>
</context>
<context>
    <name>Qln::HistoryModule</name>
    <message>
        <source>DownloadHistoryTitle</source>
        <translation>История</translation>
    </message>
</context>
<context>
    <name>Qln::InstallDriversModule</name>
    <message>
        <source>InstallDriversTitle</source>
        <translation>Обновление драйверов</translation>
    </message>
</context>
<context>
    <name>Qln::ProgramsModule</name>
    <message>
        <source>ProgramsTitle</source>
        <translation>Полезные программы</translation>
    </message>
</context>
<context>
    <name>Qln::RecoveryModule</name>
    <message>
        <source>RecoveryTitle</source>
        <translation>Восстановление</translation>
    </message>
</context>
<context>
    <name>Qln::SettingsModule</name>
    <message>
        <source>SettingsTitle</source>
        <translation>Настройки</translation>
    </message>
</context>
<context>
    <name>RecoveryModule</name>
    <message>
        <source>InstallBackup</source>
        <translation>Восстановление</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Ошибка восстановления</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Восстановлен</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Обновлённых драйверов для отката пока нет.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Обновлённые драйверы, которые можно откатить</translation>
    </message>
    <message>
        <source>RestoreButton</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Распаковка</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>Ожидание</translation>
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
        <translation>Память</translation>
    </message>
    <message>
        <source>Motherboard</source>
        <translation>Материнская плата</translation>
    </message>
    <message>
        <source>OS</source>
        <translation>Операционная система</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Процессор</translation>
    </message>
    <message>
        <source>SystemInfoTitle</source>
        <translation>Сведения о системе</translation>
    </message>
</context>
<context>
    <name>SearchComplete</name>
    <message>
        <source>SearchCompleteDesc</source>
        <translation>Более новых драйверов для ваших устройств не найдено. Настройте регулярную проверку, чтобы не пропустить новые.</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Ваши драйверы в актуальном состоянии</translation>
    </message>
    <message>
        <source>ToAutorunButton</source>
        <translation>Настроить проверку</translation>
    </message>
    <message>
        <source>UpdateFinishButton</source>
        <translation>Завершить</translation>
    </message>
</context>
<context>
    <name>SearchFailed</name>
    <message>
        <source>BackButton</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Нет связи со службой драйверов</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Служба драйверов сейчас недоступна. Повторите попытку через несколько минут.</translation>
    </message>
</context>
<context>
    <name>SelectPage</name>
    <message>
        <source>BackButton</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Риски</translation>
    </message>
    <message>
        <source>ScanDifferFooter</source>
        <translation>Результаты зависят от базы драйверов и со временем могут меняться. Обновление драйверов сопряжено с определёнными рисками.</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Устройства с обновлениями драйверов:</translation>
    </message>
</context>
<context>
    <name>SettingsModule</name>
    <message>
        <source>BrowseButton</source>
        <translation>Обзор…</translation>
    </message>
    <message>
        <source>ChooseDirDesc</source>
        <translation>Выберите папку для загруженных драйверов</translation>
    </message>
    <message>
        <source>DefaultSettingsButton</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>InvalidDirText</source>
        <translation>Эта папка не существует. Выберите существующую папку; до тех пор сохраняется прежняя.</translation>
    </message>
    <message>
        <source>SaveSettingsButton</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>SettingsDownloadDirHeader</source>
        <translation>Папка загрузки</translation>
    </message>
    <message>
        <source>SettingsLanguageHeader</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>SettingsOptionsHeader</source>
        <translation>Проверки</translation>
    </message>
    <message>
        <source>SystemDriverCheck</source>
        <translation>Сканировать системные устройства</translation>
    </message>
    <message>
        <source>UpdatesCheck</source>
        <translation>Проверять обновления программы при запуске</translation>
    </message>
</context>
<context>
    <name>SettingsRestartLayout</name>
    <message>
        <source>NeedRestartSettingsMessage</source>
        <translation>Новые настройки вступят в силу после перезапуска программы.</translation>
    </message>
    <message>
        <source>NeedRestartSettingsTitle</source>
        <translation>Настройки сохранены</translation>
    </message>
    <message>
        <source>RestartLaterButton</source>
        <translation>Позже</translation>
    </message>
    <message>
        <source>RestartNowButton</source>
        <translation>Перезапустить</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>AutoInstallDesc</source>
        <translation>Автоматически загружает и устанавливает их</translation>
    </message>
    <message>
        <source>BackupDetailLink</source>
        <translation>Что такое резервная копия?</translation>
    </message>
    <message>
        <source>CreateBackupCheckBox</source>
        <translation>Создать резервную копию всех драйверов перед сканированием</translation>
    </message>
    <message>
        <source>FindNewDesc</source>
        <translation>Находит недостающие драйверы</translation>
    </message>
    <message>
        <source>RegularDesc</source>
        <translation>Напоминает о регулярной проверке</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Сканировать</translation>
    </message>
    <message>
        <source>StartScanTitle</source>
        <translation>Поддерживайте драйверы в актуальном состоянии</translation>
    </message>
    <message>
        <source>UpdateOldDesc</source>
        <translation>Обновляет устаревшие драйверы</translation>
    </message>
</context>
<context>
    <name>SystemRebootLayout</name>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Перезагрузите компьютер, чтобы завершить установку драйверов.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Требуется перезагрузка</translation>
    </message>
    <message>
        <source>RebootLaterButton</source>
        <translation>Позже</translation>
    </message>
    <message>
        <source>RebootNowButton</source>
        <translation>Перезагрузить</translation>
    </message>
</context>
<context>
    <name>TextFieldMenu</name>
    <message>
        <source>CopyMenuItem</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>CutMenuItem</source>
        <translation>Вырезать</translation>
    </message>
    <message>
        <source>PasteMenuItem</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>SelectAllMenuItem</source>
        <translation>Выделить все</translation>
    </message>
</context>
</TS>
