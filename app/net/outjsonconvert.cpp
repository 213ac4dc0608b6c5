#include "net/outjsonconvert.h"

#include <QJsonDocument>
#include <QJsonParseError>

namespace Qln {

QVariant OutJsonConvert::convert(const QByteArray& body) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError) {
        return {};
    }
    return document.toVariant();
}

}  // namespace Qln
