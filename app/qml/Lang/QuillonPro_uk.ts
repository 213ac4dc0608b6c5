<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>AboutModule</name>
    <message>
        <source>AppDescription</source>
        <translation>Quillon Pro знаходить застарілі драйвери на комп’ютері, завантажує їхні найновіші версії та безпечно встановлює, зберігаючи копію кожного заміненого драйвера.</translation>
    </message>
    <message>
        <source>ContactLink</source>
        <translation>Зв’язатися з нами</translation>
    </message>
    <message>
        <source>HowDeleteLink</source>
        <translation>Як видалити програму</translation>
    </message>
    <message>
        <source>PolicyLink</source>
        <translation>Політика конфіденційності</translation>
    </message>
    <message>
        <source>RefundPolicyLink</source>
        <translation>Умови повернення коштів</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Ризики</translation>
    </message>
    <message>
        <source>UserAgreementLink</source>
        <translation>Ліцензійна угода</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версія</translation>
    </message>
</context>
<context>
    <name>AppUpdateView</name>
    <message>
        <source>AppUpdateDescription</source>
        <translation>Доступна нова версія Quillon Pro.</translation>
    </message>
    <message>
        <source>AppUpdateError</source>
        <translation>Не вдалося завантажити або перевірити оновлення. Спробуйте ще раз або продовжте роботу з цією версією.</translation>
    </message>
    <message>
        <source>AppUpdateHeader</source>
        <translation>Доступне оновлення</translation>
    </message>
    <message>
        <source>AppUpdateProcess</source>
        <translation>Завантаження оновлення…</translation>
    </message>
    <message>
        <source>AppUpdateQuestion</source>
        <translation>Завантажити та встановити її зараз?</translation>
    </message>
    <message>
        <source>NoButton</source>
        <translation>Не зараз</translation>
    </message>
    <message>
        <source>YesButton</source>
        <translation>Так, оновити</translation>
    </message>
</context>
<context>
    <name>AutorunModule</name>
    <message>
        <source>AutorunEnableCheckBox</source>
        <translation>Нагадувати про перевірку драйверів</translation>
    </message>
    <message>
        <source>AutosaveStartDesc</source>
        <translation>Наступна перевірка: %1 о %2</translation>
    </message>
    <message>
        <source>MonthlySelect</source>
        <translation>Щомісяця</translation>
    </message>
    <message>
        <source>SaveButton</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>WeeklySelect</source>
        <translation>Щотижня</translation>
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
        <translation>Резервну копію створено</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Файл резервної копії:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Відновлення драйверів</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Драйвери відновлено</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Збереження драйверів:</translation>
    </message>
    <message>
        <source>BrowseButton</source>
        <translation>Огляд…</translation>
    </message>
    <message>
        <source>CreateBackupButton</source>
        <translation>Створити копію</translation>
    </message>
    <message>
        <source>DetailButton</source>
        <translation>Докладніше</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Постачальник</translation>
    </message>
    <message>
        <source>HowCreateBackupLink</source>
        <translation>Як створити резервну копію</translation>
    </message>
    <message>
        <source>HowUseBackupLink</source>
        <translation>Як відновити з резервної копії</translation>
    </message>
    <message>
        <source>InstallBackupButton</source>
        <translation>Відновити з копії</translation>
    </message>
    <message>
        <source>InstallDriversButton</source>
        <translation>Встановити</translation>
    </message>
    <message>
        <source>InstalledBackupListTitle</source>
        <translation>Відновлені драйвери:</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Ваші драйвери збігаються з резервною копією. Відновлювати нічого.</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Драйвери для відновлення:</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Вибрати все</translation>
    </message>
    <message>
        <source>ValidDriverList</source>
        <translation>Інші драйвери в копії:</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версія</translation>
    </message>
    <message>
        <source>VersionDate</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>WhatIsBackupLink</source>
        <translation>Що таке резервна копія?</translation>
    </message>
</context>
<context>
    <name>CancelButton</name>
    <message>
        <source>CancelButton</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>ChangeRow</name>
    <message>
        <source>Developer</source>
        <translation>Постачальник</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версія</translation>
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
        <translation>Тепер перевірте комп’ютер на наявність новіших драйверів.</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Сканувати</translation>
    </message>
</context>
<context>
    <name>ConnectErrorView</name>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Немає зв’язку зі службою драйверів</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>Програмі не вдалося зв’язатися зі службою драйверів. Перевірте підключення до інтернету та спробуйте ще раз.</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Повторити</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Служба драйверів зараз недоступна. Спробуйте ще раз за кілька хвилин.</translation>
    </message>
</context>
<context>
    <name>DeviceRow</name>
    <message>
        <source>Alternative</source>
        <translation>Альтернативний</translation>
    </message>
    <message>
        <source>CandidateCount</source>
        <translation>Знайдено драйверів: %1</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Поточний драйвер</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Нова версія</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Рекомендований</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Розмір</translation>
    </message>
</context>
<context>
    <name>DriverFacts</name>
    <message>
        <source>Developer</source>
        <translation>Постачальник</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версія</translation>
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
        <translation>Завантаження</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Встановлено</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Встановлення</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>У черзі</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Готовий до встановлення</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Розпакування</translation>
    </message>
</context>
<context>
    <name>HistoryModule</name>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Драйвери ще не оновлювалися.</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Встановлені оновлення драйверів</translation>
    </message>
</context>
<context>
    <name>InitView</name>
    <message>
        <source>AppInitializationText</source>
        <translation>Підготовка: перевіряємо систему та під’єднуємося до служби драйверів…</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версія</translation>
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
        <translation>Встановлення завершено</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Встановлення драйверів:</translation>
    </message>
</context>
<context>
    <name>InstallRow</name>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Завантаження</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Встановлено</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Встановлення</translation>
    </message>
    <message>
        <source>DriverWaitInLineStatus</source>
        <translation>У черзі</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Готовий до встановлення</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Розпакування</translation>
    </message>
</context>
<context>
    <name>ModulesList</name>
    <message>
        <source>DBUpdatedAtText</source>
        <translation>Базу драйверів оновлено:</translation>
    </message>
</context>
<context>
    <name>NoConnectPanel</name>
    <message>
        <source>NoConnectDesc</source>
        <translation>Цій сторінці потрібна служба драйверів, яка не відповіла під час запуску програми. Перезапустіть програму, щоб спробувати знову.</translation>
    </message>
    <message>
        <source>NoConnectTitle</source>
        <translation>Немає з’єднання</translation>
    </message>
</context>
<context>
    <name>NoSignDriversLayout</name>
    <message>
        <source>DetailButton</source>
        <translation>Докладніше</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Продовжити</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Перед заміною кожного драйвера зберігається його копія, тож будь-яке оновлення можна скасувати на сторінці «Відновлення».</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Деякі з вибраних драйверів не сертифіковані Microsoft (WHQL). Їх випустили виробники пристроїв, але вони можуть працювати не на всіх комп’ютерах.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Перед встановленням</translation>
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
        <translation>Завантаження та встановлення</translation>
    </message>
    <message>
        <source>ScanningStep</source>
        <translation>Сканування</translation>
    </message>
    <message>
        <source>SelectStep</source>
        <translation>Вибір</translation>
    </message>
</context>
<context>
    <name>ProgramsModule</name>
    <message>
        <source>CommandLineProgram</source>
        <translation>Командний рядок</translation>
    </message>
    <message>
        <source>ComputerManagementProgram</source>
        <translation>Керування комп’ютером</translation>
    </message>
    <message>
        <source>ControlPanelProgram</source>
        <translation>Панель керування</translation>
    </message>
    <message>
        <source>DiskManagementProgram</source>
        <translation>Керування дисками</translation>
    </message>
    <message>
        <source>DisplaySettingsProgram</source>
        <translation>Параметри дисплея</translation>
    </message>
    <message>
        <source>NetworkProgram</source>
        <translation>Мережні підключення</translation>
    </message>
    <message>
        <source>PowerSupplyProgram</source>
        <translation>Електроживлення</translation>
    </message>
    <message>
        <source>ProgramsDescription</source>
        <translation>Відкривайте найпотрібніші інструменти Windows для обслуговування комп’ютера.</translation>
    </message>
    <message>
        <source>ProgramsFeaturesProgram</source>
        <translation>Програми та засоби</translation>
    </message>
    <message>
        <source>RecoveryProgram</source>
        <translation>Відновлення</translation>
    </message>
    <message>
        <source>SystemProgram</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>TaskManagerProgram</source>
        <translation>Диспетчер завдань</translation>
    </message>
</context>
<context>
    <name>Qln::AboutModule</name>
    <message>
        <source>AboutTitle</source>
        <translation>Про програму</translation>
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
        <translation>Резервна копія</translation>
    </message>
</context>
<context>
    <name>Qln::BackupViewModel</name>
    <message>
        <source>DevMissing</source>
        <translation>Пристрій не знайдено</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Новий пристрій</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Без змін</translation>
    </message>
</context>
<context>
    <name>Qln::Cli::Program</name>
    <message>
        <source>BackupCreateTitle</source>
        <translation>Резервну копію створено</translation>
    </message>
    <message>
        <source>BackupFromFileText</source>
        <translation>Файл резервної копії:</translation>
    </message>
    <message>
        <source>BackupInstallTitle</source>
        <translation>Відновлення драйверів</translation>
    </message>
    <message>
        <source>BackupInstalledTitle</source>
        <translation>Драйвери відновлено</translation>
    </message>
    <message>
        <source>BackupListTitle</source>
        <translation>Збереження драйверів:</translation>
    </message>
    <message>
        <source>ConnectErrorHeader</source>
        <translation>Немає зв’язку зі службою драйверів</translation>
    </message>
    <message>
        <source>CurrentDriver</source>
        <translation>Поточний драйвер</translation>
    </message>
    <message>
        <source>DevMissing</source>
        <translation>Пристрій не знайдено</translation>
    </message>
    <message>
        <source>DevNewHardware</source>
        <translation>Новий пристрій</translation>
    </message>
    <message>
        <source>DevNoChange</source>
        <translation>Без змін</translation>
    </message>
    <message>
        <source>DriverDownloadStatus</source>
        <translation>Завантаження</translation>
    </message>
    <message>
        <source>DriverInstallCompleteStatus</source>
        <translation>Встановлено</translation>
    </message>
    <message>
        <source>DriverInstallErrorStatus</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>DriverInstallStatus</source>
        <translation>Встановлення</translation>
    </message>
    <message>
        <source>DriverWaitInstallStatus</source>
        <translation>Готовий до встановлення</translation>
    </message>
    <message>
        <source>EmptyHistoryMessage</source>
        <translation>Драйвери ще не оновлювалися.</translation>
    </message>
    <message>
        <source>FindUpdatesHeader</source>
        <translation>Пошук оновлень</translation>
    </message>
    <message>
        <source>HistoryHeader</source>
        <translation>Встановлені оновлення драйверів</translation>
    </message>
    <message>
        <source>InstallBackup</source>
        <translation>Відновлення</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Помилка відновлення</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Відновлено</translation>
    </message>
    <message>
        <source>InstallCompleteHeader</source>
        <translation>Встановлення завершено</translation>
    </message>
    <message>
        <source>InstallDriversHeader</source>
        <translation>Встановлення драйверів:</translation>
    </message>
    <message>
        <source>InternetConnectErrorMessage</source>
        <translation>Програмі не вдалося зв’язатися зі службою драйверів. Перевірте підключення до інтернету та спробуйте ще раз.</translation>
    </message>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Перезавантажте комп’ютер, щоб завершити встановлення драйверів.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Потрібне перезавантаження</translation>
    </message>
    <message>
        <source>NewVersion</source>
        <translation>Нова версія</translation>
    </message>
    <message>
        <source>NoBackupDevices</source>
        <translation>Ваші драйвери збігаються з резервною копією. Відновлювати нічого.</translation>
    </message>
    <message>
        <source>NoSignContinueButton</source>
        <translation>Продовжити</translation>
    </message>
    <message>
        <source>NoSignEpilog</source>
        <translation>Перед заміною кожного драйвера зберігається його копія, тож будь-яке оновлення можна скасувати на сторінці «Відновлення».</translation>
    </message>
    <message>
        <source>NoSignInfo</source>
        <translation>Деякі з вибраних драйверів не сертифіковані Microsoft (WHQL). Їх випустили виробники пристроїв, але вони можуть працювати не на всіх комп’ютерах.</translation>
    </message>
    <message>
        <source>NoSignTitle</source>
        <translation>Перед встановленням</translation>
    </message>
    <message>
        <source>OldDriverList</source>
        <translation>Драйвери для відновлення:</translation>
    </message>
    <message>
        <source>Recomended</source>
        <translation>Рекомендований</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Оновлених драйверів для відкату поки немає.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Оновлені драйвери, які можна відкотити</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Ваші драйвери в актуальному стані</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Служба драйверів зараз недоступна. Спробуйте ще раз за кілька хвилин.</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Розпакування</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Пристрої з оновленнями драйверів:</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>Очікування</translation>
    </message>
</context>
<context>
    <name>Qln::DeviceScanner</name>
    <message>
        <source>ScanTitle</source>
        <translation>Сканування пристроїв</translation>
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
        <translation>Пошук оновлень</translation>
    </message>
</context>
<context>
    <name>Qln::HistoryModule</name>
    <message>
        <source>DownloadHistoryTitle</source>
        <translation>Історія</translation>
    </message>
</context>
<context>
    <name>Qln::InstallDriversModule</name>
    <message>
        <source>InstallDriversTitle</source>
        <translation>Оновлення драйверів</translation>
    </message>
</context>
<context>
    <name>Qln::ProgramsModule</name>
    <message>
        <source>ProgramsTitle</source>
        <translation>Корисні програми</translation>
    </message>
</context>
<context>
    <name>Qln::RecoveryModule</name>
    <message>
        <source>RecoveryTitle</source>
        <translation>Відновлення</translation>
    </message>
</context>
<context>
    <name>Qln::SettingsModule</name>
    <message>
        <source>SettingsTitle</source>
        <translation>Налаштування</translation>
    </message>
</context>
<context>
    <name>RecoveryModule</name>
    <message>
        <source>InstallBackup</source>
        <translation>Відновлення</translation>
    </message>
    <message>
        <source>InstallBackupError</source>
        <translation>Помилка відновлення</translation>
    </message>
    <message>
        <source>InstallBackupSuccess</source>
        <translation>Відновлено</translation>
    </message>
    <message>
        <source>RecoveryEmptyMessage</source>
        <translation>Оновлених драйверів для відкату поки немає.</translation>
    </message>
    <message>
        <source>RecoveryHeader</source>
        <translation>Оновлені драйвери, які можна відкотити</translation>
    </message>
    <message>
        <source>RestoreButton</source>
        <translation>Відновити</translation>
    </message>
    <message>
        <source>Unpacking</source>
        <translation>Розпакування</translation>
    </message>
    <message>
        <source>WaitInstallBackup</source>
        <translation>Очікування</translation>
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
        <translation>Пам’ять</translation>
    </message>
    <message>
        <source>Motherboard</source>
        <translation>Материнська плата</translation>
    </message>
    <message>
        <source>OS</source>
        <translation>Операційна система</translation>
    </message>
    <message>
        <source>Processor</source>
        <translation>Процесор</translation>
    </message>
    <message>
        <source>SystemInfoTitle</source>
        <translation>Відомості про систему</translation>
    </message>
</context>
<context>
    <name>SearchComplete</name>
    <message>
        <source>SearchCompleteDesc</source>
        <translation>Новіших драйверів для ваших пристроїв не знайдено. Налаштуйте регулярну перевірку, щоб не пропустити нові.</translation>
    </message>
    <message>
        <source>SearchCompleteTitle</source>
        <translation>Ваші драйвери в актуальному стані</translation>
    </message>
    <message>
        <source>ToAutorunButton</source>
        <translation>Налаштувати перевірку</translation>
    </message>
    <message>
        <source>UpdateFinishButton</source>
        <translation>Завершити</translation>
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
        <translation>Немає зв’язку зі службою драйверів</translation>
    </message>
    <message>
        <source>RetryButton</source>
        <translation>Повторити</translation>
    </message>
    <message>
        <source>ServerConnectErrorMessage</source>
        <translation>Служба драйверів зараз недоступна. Спробуйте ще раз за кілька хвилин.</translation>
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
        <translation>Встановити</translation>
    </message>
    <message>
        <source>RiskLink</source>
        <translation>Ризики</translation>
    </message>
    <message>
        <source>ScanDifferFooter</source>
        <translation>Результати залежать від бази драйверів і з часом можуть змінюватися. Оновлення драйверів пов’язане з певними ризиками.</translation>
    </message>
    <message>
        <source>SelectAllCheckbox</source>
        <translation>Вибрати все</translation>
    </message>
    <message>
        <source>UpdatesFoundHeader</source>
        <translation>Пристрої з оновленнями драйверів:</translation>
    </message>
</context>
<context>
    <name>SettingsModule</name>
    <message>
        <source>BrowseButton</source>
        <translation>Огляд…</translation>
    </message>
    <message>
        <source>ChooseDirDesc</source>
        <translation>Виберіть папку для завантажених драйверів</translation>
    </message>
    <message>
        <source>DefaultSettingsButton</source>
        <translation>За замовчуванням</translation>
    </message>
    <message>
        <source>InvalidDirText</source>
        <translation>Цієї папки не існує. Виберіть наявну папку; доти зберігається попередня.</translation>
    </message>
    <message>
        <source>SaveSettingsButton</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>SettingsDownloadDirHeader</source>
        <translation>Папка завантажень</translation>
    </message>
    <message>
        <source>SettingsLanguageHeader</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source>SettingsOptionsHeader</source>
        <translation>Перевірки</translation>
    </message>
    <message>
        <source>SystemDriverCheck</source>
        <translation>Сканувати системні пристрої</translation>
    </message>
    <message>
        <source>UpdatesCheck</source>
        <translation>Перевіряти оновлення програми під час запуску</translation>
    </message>
</context>
<context>
    <name>SettingsRestartLayout</name>
    <message>
        <source>NeedRestartSettingsMessage</source>
        <translation>Нові налаштування набудуть чинності після перезапуску програми.</translation>
    </message>
    <message>
        <source>NeedRestartSettingsTitle</source>
        <translation>Налаштування збережено</translation>
    </message>
    <message>
        <source>RestartLaterButton</source>
        <translation>Пізніше</translation>
    </message>
    <message>
        <source>RestartNowButton</source>
        <translation>Перезапустити</translation>
    </message>
</context>
<context>
    <name>StartPage</name>
    <message>
        <source>AutoInstallDesc</source>
        <translation>Автоматично завантажує та встановлює їх</translation>
    </message>
    <message>
        <source>BackupDetailLink</source>
        <translation>Що таке резервна копія?</translation>
    </message>
    <message>
        <source>CreateBackupCheckBox</source>
        <translation>Створити резервну копію всіх драйверів перед скануванням</translation>
    </message>
    <message>
        <source>FindNewDesc</source>
        <translation>Знаходить відсутні драйвери</translation>
    </message>
    <message>
        <source>RegularDesc</source>
        <translation>Нагадує про регулярну перевірку</translation>
    </message>
    <message>
        <source>ScanNowButton</source>
        <translation>Сканувати</translation>
    </message>
    <message>
        <source>StartScanTitle</source>
        <translation>Підтримуйте драйвери в актуальному стані</translation>
    </message>
    <message>
        <source>UpdateOldDesc</source>
        <translation>Оновлює застарілі драйвери</translation>
    </message>
</context>
<context>
    <name>SystemRebootLayout</name>
    <message>
        <source>NeedRebootSystemMessage</source>
        <translation>Перезавантажте комп’ютер, щоб завершити встановлення драйверів.</translation>
    </message>
    <message>
        <source>NeedRebootSystemTitle</source>
        <translation>Потрібне перезавантаження</translation>
    </message>
    <message>
        <source>RebootLaterButton</source>
        <translation>Пізніше</translation>
    </message>
    <message>
        <source>RebootNowButton</source>
        <translation>Перезавантажити</translation>
    </message>
</context>
<context>
    <name>TextFieldMenu</name>
    <message>
        <source>CopyMenuItem</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>CutMenuItem</source>
        <translation>Вирізати</translation>
    </message>
    <message>
        <source>PasteMenuItem</source>
        <translation>Вставити</translation>
    </message>
    <message>
        <source>SelectAllMenuItem</source>
        <translation>Виділити все</translation>
    </message>
</context>
</TS>
