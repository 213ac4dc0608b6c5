#include <QDir>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include "testenvironment.h"

#include "core/aboutmodule.h"
#include "core/environment.h"
#include "core/modulelist.h"
#include "core/modulelistmodel.h"
#include "core/settingsmodule.h"
#include "logcapture.h"
#include "net/ganalytics.h"

using Qln::SettingsModule;

// Runs with a system locale that no translation supports (see the test's CMake entry).
class ModulesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void listsTheModulesInTheirOrder();
    void startModule_data();
    void startModule();
    void selectingAnEntryShowsItsPage();
    void aboutGivesTheProgramVersion();

    void languageNames_data();
    void languageNames();
    void languageChangeIsReportedOnEverySave();
    void negativeIndexIsIgnored();
    void downloadFolderIsSavedOnlyWhenItExists_data();
    void downloadFolderIsSavedOnlyWhenItExists();
    void downloadUrlNamesTheFolder();
    void resetOnAnUnsupportedSystemLanguageSelectsEnglish();

private:
    std::unique_ptr<SettingsModule> createSettings();

    Flow::Shared<Qln::Environment> m_environment;
    Flow::Shared<Utils::GAnalytics> m_analytics;
    Flow::Shared<Qln::Configuration> m_configuration;
};

void ModulesTest::initTestCase() {
    isolateUserFolders();
}

void ModulesTest::init() {
    QDir(Qln::Environment::appDataDir()).removeRecursively();
    m_environment = std::make_shared<Qln::Environment>();
    // Hits stay queued: the object has no tracking id and never sends.
    m_analytics = std::make_shared<Utils::GAnalytics>("QuillonPro", "1.2.0.2134",
                                                      QUrl("http://127.0.0.1:9/batch"));
    m_configuration = std::make_shared<Qln::Configuration>();
    m_configuration->environment = m_environment;
    m_configuration->analytics = m_analytics;
}

void ModulesTest::cleanup() {
    m_configuration.reset();
    m_environment.reset();
    m_analytics.reset();
}

std::unique_ptr<SettingsModule> ModulesTest::createSettings() {
    return std::make_unique<SettingsModule>(m_environment, m_analytics);
}

void ModulesTest::listsTheModulesInTheirOrder() {
    Qln::ModuleList list(m_configuration, QString(), QString());
    QStringList names;
    QStringList pages;
    for (QObject* entry : list.modules()) {
        auto* model = qobject_cast<Qln::ModuleListModel*>(entry);
        QVERIFY(model);
        QVERIFY(model->module());
        QVERIFY(!model->title().isEmpty());
        QVERIFY(model->icon().endsWith(".svg"));
        names.append(model->name());
        pages.append(model->qmlUrl());
    }
    QCOMPARE(names, (QStringList{"drivers", "history", "recovery", "utility", "backup", "autorun",
                                 "settings", "about"}));
    QCOMPARE(pages.at(3), QStringLiteral("qrc:///View/Modules/ProgramsModule.qml"));
    QCOMPARE(pages.at(6), QStringLiteral("qrc:///View/Modules/SettingsModule.qml"));
    QVERIFY(qobject_cast<SettingsModule*>(list.module("settings")));
}

void ModulesTest::startModule_data() {
    QTest::addColumn<QString>("tab");
    QTest::addColumn<int>("index");
    QTest::newRow("autorun") << "autorun" << 5;
    QTest::newRow("about") << "about" << 7;
    QTest::newRow("drivers") << "drivers" << 0;
    QTest::newRow("unknown name") << "printers" << 0;
    QTest::newRow("no tab") << "" << 0;
    QTest::newRow("case differs") << "Settings" << 0;
}

void ModulesTest::startModule() {
    QFETCH(QString, tab);
    QFETCH(int, index);
    Qln::ModuleList list(m_configuration, QString(), tab);
    QCOMPARE(list.startModuleIndex(), index);
}

void ModulesTest::selectingAnEntryShowsItsPage() {
    Qln::AboutModule module;
    Qln::ModuleListModel* entry = module.entry();
    QSignalSpy selected(&module, &Qln::Module::selectedChanged);

    entry->select();
    QVERIFY(module.isSelected());

    auto page = std::make_unique<QObject>();
    page->setProperty("show", false);
    QSignalSpy viewChanged(entry, &Qln::ModuleListModel::viewObjectChanged);
    entry->setViewObject(page.get());
    entry->setViewObject(page.get());
    QCOMPARE(viewChanged.count(), 1);
    entry->unselect();
    QVERIFY(!module.isSelected());
    QCOMPARE(page->property("show").toBool(), false);
    entry->select();
    QCOMPARE(page->property("show").toBool(), true);
    QCOMPARE(selected.count(), 3);
    QCOMPARE(entry->viewObject(), page.get());
    // A rebuilt view destroys the page; bindings must hear of it.
    page.reset();
    QCOMPARE(viewChanged.count(), 2);
    QCOMPARE(entry->viewObject(), nullptr);
}

void ModulesTest::aboutGivesTheProgramVersion() {
    QCOMPARE(Qln::AboutModule().version(), QStringLiteral("1.2.0.2134"));
}

void ModulesTest::languageNames_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name");
    QTest::newRow("English, whatever the country") << 0 << "English";
    QTest::newRow("first letter raised") << 1 << QString::fromUtf8("Русский");
    QTest::newRow("German") << 6 << "Deutsch";
    QTest::newRow("Japanese") << 13 << QString::fromUtf8("日本語");
}

void ModulesTest::languageNames() {
    QFETCH(int, row);
    QFETCH(QString, name);
    const QStringList languages = createSettings()->languages();
    QCOMPARE(languages.size(), 25);
    QCOMPARE(languages.at(row), name);
}

void ModulesTest::languageChangeIsReportedOnEverySave() {
    auto settings = createSettings();
    QCOMPARE(settings->index(), 0);
    LogCapture log;

    settings->setIndex(1);
    settings->saveSettings();
    settings->saveSettings();

    QCOMPARE(m_analytics->queueSize(), 2);
    const QStringList events = log.debugLines().filter(QRegularExpression("^Event: "));
    QCOMPARE(events.size(), 2);
    for (const QString& event : events) {
        QVERIFY2(event.startsWith("Event: Lang-change en_US ru_RU "), qPrintable(event));
    }
    // Saving without a change of language reports nothing.
    auto unchanged = createSettings();
    unchanged->setIndex(0);
    unchanged->saveSettings();
    QCOMPARE(m_analytics->queueSize(), 2);
}

void ModulesTest::negativeIndexIsIgnored() {
    auto settings = createSettings();
    settings->setIndex(3);
    settings->setIndex(-1);
    QCOMPARE(settings->index(), 3);
}

void ModulesTest::downloadFolderIsSavedOnlyWhenItExists_data() {
    QTest::addColumn<bool>("exists");
    QTest::newRow("existing folder") << true;
    QTest::newRow("missing folder") << false;
}

void ModulesTest::downloadFolderIsSavedOnlyWhenItExists() {
    QFETCH(bool, exists);
    QTemporaryDir folder;
    const QString path = exists ? folder.path() : folder.path() + "/missing";
    const QString before = m_environment->downloadDir();
    auto settings = createSettings();
    QSignalSpy changed(settings.get(), &SettingsModule::downloadDirChanged);

    settings->setDownloadDir(path);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(settings->isValidDownloadDir(), exists);
    settings->saveSettings();
    QCOMPARE(m_environment->downloadDir(), exists ? path : before);
}

void ModulesTest::downloadUrlNamesTheFolder() {
    QTemporaryDir folder;
    auto settings = createSettings();
    settings->setDownloadUrl(QUrl::fromLocalFile(folder.path()));
    QCOMPARE(settings->downloadDir(), folder.path());
    QCOMPARE(settings->downloadUrl(), QUrl::fromLocalFile(folder.path()));
}

void ModulesTest::resetOnAnUnsupportedSystemLanguageSelectsEnglish() {
    m_environment->setLocale(QLocale(QLocale::German));
    m_environment->setCheckUpdates(false);
    m_environment.reset();
    m_environment = std::make_shared<Qln::Environment>();
    auto settings = createSettings();
    QCOMPARE(settings->index(), 6);
    QCOMPARE(settings->checkUpdates(), false);
    QSignalSpy index(settings.get(), &SettingsModule::indexChanged);
    QSignalSpy updates(settings.get(), &SettingsModule::checkUpdatesChanged);

    settings->resetSettings();
    QCOMPARE(settings->index(), 0);
    QCOMPARE(index.count(), 1);
    QCOMPARE(updates.count(), 1);
    QCOMPARE(settings->checkUpdates(), true);
}

QTEST_MAIN(ModulesTest)
#include "modules_test.moc"
