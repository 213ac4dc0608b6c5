#include "net/uploadmethod.h"

#include <QFile>
#include <QFileInfo>
#include <QHttpMultiPart>
#include <QNetworkReply>

#include "base/logcategories.h"
#include "net/call.h"
#include "net/contentdecoding.h"
#include "net/manager.h"

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

// Runs in the manager's thread, which then owns the body and its files with the reply.
Manager::Operation postFiles(const QStringList& files) {
    return [files](QNetworkAccessManager& access, const QNetworkRequest& request) {
        auto* multiPart = new QHttpMultiPart(QHttpMultiPart::FormDataType);
        for (int i = 0; i < files.size(); ++i) {
            auto* file = new QFile(files[i], multiPart);
            if (!file->open(QIODevice::ReadOnly)) {
                qCWarning(lcNet) << "Upload file not readable:" << files[i];
                continue;
            }
            QHttpPart part;
            const QByteArray disposition =
                dispositionFor(QStringLiteral("files[%1]").arg(i), QFileInfo(files[i]).fileName());
            if (!disposition.isEmpty()) {
                part.setRawHeader("Content-Disposition", disposition);
            }
            part.setBodyDevice(file);
            multiPart->append(part);
        }
        QNetworkReply* reply = access.post(request, multiPart);
        if (reply == nullptr) {
            delete multiPart;
        } else {
            multiPart->setParent(reply);
        }
        return reply;
    };
}

}  // namespace

UploadMethod::UploadMethod(const QUrl& url, const Headers& headers, Ptr<IOutConverter> outConverter,
                           Ptr<IParamsSetter> paramsSetter)
    : url(url),
      headers(headers),
      outConverter(std::move(outConverter)),
      paramsSetter(std::move(paramsSetter)) {}

bool UploadMethod::operator()(const QStringList& files, const WeakPtr<IOutData>& outData) {
    m_lastResponse = {};
    if (!url.isValid()) {
        return false;
    }
    if (!m_slot.enter()) {
        m_lastResponse.failure = Response::Failure::Aborted;
        return false;
    }
    Headers sent = headers;
    if (paramsSetter && !paramsSetter->setParams(sent)) {
        m_slot.leave();
        return false;
    }
    QNetworkRequest request(url);
    sent.applyTo(request);
    Call::Options options;
    options.maxBytes = kReplyLimit;
    // A large upload may take long; the manager's no-progress time-out ends a stalled one.
    options.deadlineMs = 0;
    const Ptr<Call> call = Call::create(request, postFiles(files), options);
    if (!m_slot.attach(call)) {
        m_slot.leave();
        m_lastResponse.failure = Response::Failure::Aborted;
        return false;
    }
    call->start();
    const Call::End end = call->wait();
    m_slot.leave();

    switch (end) {
        case Call::End::Finished:
            m_lastResponse = call->response();
            break;
        case Call::End::TooLarge:
            m_lastResponse.failure = Response::Failure::TooLarge;
            break;
        case Call::End::TimedOut:
            m_lastResponse.failure = Response::Failure::TimedOut;
            break;
        case Call::End::Aborted:
        case Call::End::Running:
            m_lastResponse.failure = Response::Failure::Aborted;
            return false;
    }
    const Ptr<IOutData> result = outData.lock();
    if ((m_lastResponse.isSuccess() || m_lastResponse.isClientError()) && outConverter && result) {
        result->setData(
            outConverter->convert(decodeContent(call->body(), call->contentEncoding())));
    }
    if (!m_lastResponse.isSuccess()) {
        qCWarning(lcNet) << "Files upload error:" << m_lastResponse.status;
    }
    return m_lastResponse.isSuccess();
}

void UploadMethod::abort() {
    m_slot.abort();
}

}  // namespace Net
