#include "translationsources.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>

namespace TranslationSources {

namespace {

// Blanks out comments so that a qsTr() in commented-out QML is not required.
QString withoutComments(const QString& text) {
    QString out;
    out.reserve(text.size());
    QChar quote;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!quote.isNull()) {
            out.append(c);
            if (c == QLatin1Char('\\') && i + 1 < text.size()) {
                out.append(text.at(++i));
            } else if (c == quote || c == QLatin1Char('\n')) {
                quote = QChar();
            }
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
            out.append(c);
        } else if (text.midRef(i, 2) == QLatin1String("//")) {
            while (i + 1 < text.size() && text.at(i + 1) != QLatin1Char('\n')) {
                ++i;
            }
        } else if (text.midRef(i, 2) == QLatin1String("/*")) {
            const int end = text.indexOf(QLatin1String("*/"), i + 2);
            i = end < 0 ? text.size() : end + 1;
            out.append(QLatin1Char(' '));
        } else {
            out.append(c);
        }
    }
    return out;
}

QString unescaped(const QString& literal) {
    QString out;
    for (int i = 0; i < literal.size(); ++i) {
        QChar c = literal.at(i);
        if (c == QLatin1Char('\\') && i + 1 < literal.size()) {
            c = literal.at(++i);
            if (c == QLatin1Char('n')) {
                c = QLatin1Char('\n');
            } else if (c == QLatin1Char('t')) {
                c = QLatin1Char('\t');
            }
        }
        out.append(c);
    }
    return out;
}

}  // namespace

QStringList qsTrIdentifiers(const QString& qmlText) {
    static const QRegularExpression call(
        QStringLiteral(R"re(\bqsTr\s*\(\s*(?:"((?:[^"\\\n]|\\.)*)"|'((?:[^'\\\n]|\\.)*)'))re"));
    QStringList identifiers;
    auto it = call.globalMatch(withoutComments(qmlText));
    while (it.hasNext()) {
        const auto match = it.next();
        identifiers << unescaped(match.capturedRef(1).isNull() ? match.captured(2)
                                                               : match.captured(1));
    }
    return identifiers;
}

QMap<QString, QSet<QString>> scanQml(const QStringList& folders) {
    QMap<QString, QSet<QString>> usages;
    for (const QString& folder : folders) {
        QDirIterator it(folder, {QStringLiteral("*.qml")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (!file.open(QIODevice::ReadOnly)) {
                continue;
            }
            const QString context = QFileInfo(file.fileName()).completeBaseName();
            for (const QString& identifier : qsTrIdentifiers(QString::fromUtf8(file.readAll()))) {
                usages[context].insert(identifier);
            }
        }
    }
    return usages;
}

Catalogue readTs(const QByteArray& xml) {
    Catalogue catalogue;
    QXmlStreamReader reader(xml);
    QString context;
    QString source;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement()) {
            continue;
        }
        const auto name = reader.name();
        if (name == QLatin1String("TS")) {
            catalogue.language = reader.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("name")) {
            context = reader.readElementText();
        } else if (name == QLatin1String("source")) {
            source = reader.readElementText();
        } else if (name == QLatin1String("translation")) {
            const QString type = reader.attributes().value(QLatin1String("type")).toString();
            const QString text = reader.readElementText(QXmlStreamReader::IncludeChildElements);
            const QString key = context + QLatin1Char('/') + source;
            // Obsolete and vanished messages are dropped by lrelease.
            if (type == QLatin1String("obsolete") || type == QLatin1String("vanished")) {
                continue;
            }
            catalogue.present.insert(key);
            if (type.isEmpty() && !text.trimmed().isEmpty()) {
                catalogue.finished.insert(key);
                catalogue.texts.insert(key, text);
            }
        }
    }
    if (reader.hasError()) {
        catalogue.error = reader.errorString() + QStringLiteral(" at line ") +
                          QString::number(reader.lineNumber());
    }
    return catalogue;
}

QStringList placeholders(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%(\\d{1,2})"));
    QSet<QString> found;
    auto it = marker.globalMatch(text);
    while (it.hasNext()) {
        found.insert(it.next().captured(0));
    }
    QStringList sorted = found.values();
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

}  // namespace TranslationSources
