#pragma once

#include <QHash>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

// What the views ask to be translated and what a translation source offers, read the
// way lupdate and lrelease read them.
namespace TranslationSources {

// Identifiers passed to qsTr() as string literals, outside comments.
QStringList qsTrIdentifiers(const QString& qmlText);

// Context (a QML file's base name) to the identifiers it uses, over every .qml file
// below the given folders; folders that do not exist are skipped.
QMap<QString, QSet<QString>> scanQml(const QStringList& folders);

struct Catalogue {
    QString language;
    // "Context/Identifier" of every message that has a finished, non-empty text.
    QSet<QString> finished;
    // "Context/Identifier" of every message present at all.
    QSet<QString> present;
    // "Context/Identifier" to the finished text.
    QHash<QString, QString> texts;
    QString error;
};

Catalogue readTs(const QByteArray& xml);

// The %1..%99 markers a text expects to be filled in, sorted and without repeats.
QStringList placeholders(const QString& text);

}  // namespace TranslationSources
