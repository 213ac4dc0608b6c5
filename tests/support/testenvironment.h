#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <cstdlib>

// Points every per-user folder (data, config, documents, runtime) into a fresh
// folder, removed when the application object goes, so tests never touch the
// real ones nor each other's. Call it before anything reads a settings store.
inline QByteArray isolateUserFolders() {
    QByteArray base = QDir::tempPath().toLocal8Bit() + "/qln-test-XXXXXX";
    if (!mkdtemp(base.data())) {
        std::abort();
    }
    qputenv("HOME", base);
    qputenv("XDG_DATA_HOME", base + "/data");
    qputenv("XDG_CONFIG_HOME", base + "/config");
    qputenv("XDG_DOCUMENTS_DIR", base + "/documents");
    qputenv("XDG_RUNTIME_DIR", base + "/runtime");
    qputenv("QUILLON_RUNTIME_DIR", base + "/runtime/quillon");
    QDir().mkpath(QString::fromLocal8Bit(base + "/runtime"));
    QFile::setPermissions(QString::fromLocal8Bit(base + "/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    static QByteArray folder;
    folder = base;
    qAddPostRoutine([] { QDir(QString::fromLocal8Bit(folder)).removeRecursively(); });
    return base;
}

#define QLN_TEST_MAIN(TestClass)                                            \
    int main(int argc, char** argv) {                                       \
        const QByteArray base = isolateUserFolders();                       \
        QCoreApplication::setApplicationName(QStringLiteral("QuillonPro")); \
        QCoreApplication app(argc, argv);                                   \
        TestClass test;                                                     \
        const int result = QTest::qExec(&test, argc, argv);                 \
        QDir(QString::fromLocal8Bit(base)).removeRecursively();             \
        return result;                                                      \
    }
