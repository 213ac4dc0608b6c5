#include "net/uploadmethod.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QHttpMultiPart>
#include <QNetworkReply>

#include "base/logcategories.h"
#include "net/manager.h"
#include "net/request.h"

namespace Net {

namespace {

// A JSON answer to an upload is a short list of hashes.
constexpr qint64 kReplyLimit = 1024 * 1024;

QByteArray dispositionFor(const QString& name, const QString& fileName) {
    QString disposition;
    if (!name.isEmpty()) {
        disposition = QStringLiteral("form-data; name=\"%1\"").arg(name);
    }
    if (!fileName.isEmpty()) {
        if (disposition.isEmpty()) {
            disposition = QStringLiteral("form-data");
        }
        disposition += QStringLiteral("; filename=\"%1\"").arg(fileName);
    }
    return disposition.toUtf8();
}

}  // namespace

UploadMethod::UploadMethod(const QUrl& url, const Headers& headers, Ptr<IOutConverter> outConverter,
                           Ptr<IParamsSetter> paramsSetter)
    : url(url),
      headers(headers),
      outConverter(std::move(outConverter)),
      paramsSetter(std::move(paramsSetter)) {}

bool UploadMethod::operator()(const QStringList& files, const WeakPtr<IOutData>& outData) {
    m_flight->response = {};
    if (!url.isValid()) {
        return false;
    }
    Headers sent = headers;
    if (paramsSetter && !paramsSetter->setParams(sent)) {
        return false;
    }
    {
        QMutexLocker lock(&m_flight->mutex);
        m_flight->aborted = false;
    }
    Request request(url, sent);
    QEventLoop loop;
    Manager::instance()->send(
        &request, [&files, &loop](QNetworkAccessManager& access, const QNetworkRequest& built) {
            // Built in the manager's thread, which then owns the body and its files.
            auto* multiPart = new QHttpMultiPart(QHttpMultiPart::FormDataType);
            for (int i = 0; i < files.size(); ++i) {
                auto* file = new QFile(files[i], multiPart);
                if (!file->open(QIODevice::ReadOnly)) {
                    qCWarning(lcNet) << "Upload file not readable:" << files[i];
                    continue;
                }
                QHttpPart part;
                const QByteArray disposition = dispositionFor(QStringLiteral("files[%1]").arg(i),
                                                              QFileInfo(files[i]).fileName());
                if (!disposition.isEmpty()) {
                    part.setRawHeader("Content-Disposition", disposition);
                }
                part.setBodyDevice(file);
                multiPart->append(part);
            }
            QNetworkReply* reply = access.post(built, multiPart);
            if (reply == nullptr) {
                delete multiPart;
                return reply;
            }
            multiPart->setParent(reply);
            QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit,
                             Qt::QueuedConnection);
            return reply;
        });
    const QPointer<QNetworkReply> reply = request.reply();
    if (reply.isNull()) {
        return false;
    }
    {
        QMutexLocker lock(&m_flight->mutex);
        m_flight->reply = reply;
        if (m_flight->aborted) {
            QMetaObject::invokeMethod(reply.data(), &QNetworkReply::abort, Qt::QueuedConnection);
        }
    }
    loop.exec();
    {
        QMutexLocker lock(&m_flight->mutex);
        m_flight->reply.clear();
    }

    Response response;
    QByteArray body;
    const Ptr<IOutData> result = outData.lock();
    bool readBody = false;
    Manager::instance()->runInThread([&] {
        response = Response::fromReply(reply.data());
        readBody = (response.isSuccess() || response.isClientError()) && outConverter && result &&
                   reply->bytesAvailable() <= kReplyLimit;
        if (readBody) {
            body = reply->readAll();
        }
        if (!reply.isNull()) {
            reply->deleteLater();
        }
    });
    m_flight->response = response;
    if (readBody) {
        result->setData(outConverter->convert(body));
    }
    if (!response.isSuccess()) {
        qCWarning(lcNet) << "Files upload error:" << response.status;
    }
    return response.isSuccess();
}

void UploadMethod::abort() {
    QMutexLocker lock(&m_flight->mutex);
    m_flight->aborted = true;
    if (!m_flight->reply.isNull()) {
        QMetaObject::invokeMethod(m_flight->reply.data(), &QNetworkReply::abort,
                                  Qt::QueuedConnection);
    }
}

}  // namespace Net
