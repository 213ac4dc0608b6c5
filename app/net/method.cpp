#include "net/method.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QUrlQuery>

#include "net/contentdecoding.h"
#include "net/manager.h"

namespace Net {

namespace {

Manager::Operation operationFor(Verb verb, const QByteArray& body) {
    switch (verb) {
        case Verb::Get:
            return Manager::get();
        case Verb::Post:
            return Manager::post(body);
        case Verb::Put:
            return Manager::put(body);
        case Verb::Delete:
            return Manager::deleteResource();
        case Verb::Head:
            break;
    }
    return Manager::head();
}

}  // namespace

Method::Method(const QUrl& url, Verb verb, const Headers& headers, Ptr<IInConverter> inConverter,
               Ptr<IOutConverter> outConverter, Ptr<IParamsSetter> paramsSetter)
    : url(url),
      verb(verb),
      headers(headers),
      inConverter(std::move(inConverter)),
      outConverter(std::move(outConverter)),
      paramsSetter(std::move(paramsSetter)) {}

Method::Method(const Method& other)
    : url(other.url),
      verb(other.verb),
      headers(other.headers),
      inConverter(other.inConverter),
      outConverter(other.outConverter),
      paramsSetter(other.paramsSetter) {}

Method& Method::operator=(const Method& other) {
    url = other.url;
    verb = other.verb;
    headers = other.headers;
    inConverter = other.inConverter;
    outConverter = other.outConverter;
    paramsSetter = other.paramsSetter;
    return *this;
}

Response Method::exec(const WeakPtr<IInData>& inData, const WeakPtr<IOutData>& outData,
                      const Headers& extraHeaders, const QMap<QString, QString>& query) {
    if (!url.isValid()) {
        return {};
    }
    Headers sent = headers;
    sent.merge(extraHeaders);
    if (paramsSetter && !paramsSetter->setParams(sent)) {
        return {};
    }
    QUrl target = url;
    if (!query.isEmpty()) {
        QUrlQuery items(target);
        for (auto it = query.cbegin(); it != query.cend(); ++it) {
            // A null value would drop the "=" and some servers then miss the key.
            items.addQueryItem(it.key(), it.value().isNull() ? QStringLiteral("") : it.value());
        }
        target.setQuery(items);
    }

    QByteArray body;
    if (const Ptr<IInData> data = inData.lock(); data && inConverter) {
        body = inConverter->convert(data->toVariant());
    }

    Request request(target, sent);
    {
        QMutexLocker lock(&m_flight->mutex);
        m_flight->sending = true;
        m_flight->abortPending = false;
    }
    QEventLoop loop;
    const Manager::Operation operation = operationFor(verb, body);
    Manager* manager = Manager::instance();
    // Connected before the manager's thread can run the transfer, so the end is never missed;
    // queued, so it reaches the loop only once the loop runs.
    manager->send(&request,
                  [&operation, &loop](QNetworkAccessManager& access, const QNetworkRequest& built) {
                      QNetworkReply* reply = operation(access, built);
                      if (reply != nullptr) {
                          QObject::connect(reply, &QNetworkReply::finished, &loop,
                                           &QEventLoop::quit, Qt::QueuedConnection);
                      }
                      return reply;
                  });
    const QPointer<QNetworkReply> reply = request.reply();
    {
        QMutexLocker lock(&m_flight->mutex);
        m_flight->sending = false;
        if (reply.isNull()) {
            return {};
        }
        m_flight->request = &request;
        m_flight->reply = reply;
        if (m_flight->abortPending) {
            abortReply(reply);
        }
    }
    loop.exec();
    {
        QMutexLocker lock(&m_flight->mutex);
        m_flight->request = nullptr;
        m_flight->reply.clear();
    }

    Response response;
    QByteArray replyBody;
    const Ptr<IOutData> result = outData.lock();
    bool readBody = false;
    manager->runInThread([&] {
        response = Response::fromReply(reply.data());
        readBody = (response.isSuccess() || response.isClientError()) && outConverter && result;
        if (readBody) {
            // Announcing gzip and deflate ourselves turns off the transport's own decoding.
            replyBody = decodeContent(reply->readAll(),
                                      QString::fromLatin1(reply->rawHeader("Content-Encoding")));
        }
        if (!reply.isNull()) {
            reply->deleteLater();
        }
    });
    if (readBody) {
        result->setData(outConverter->convert(replyBody));
    }
    return response;
}

void Method::abort() {
    QMutexLocker lock(&m_flight->mutex);
    const QPointer<QNetworkReply> reply = m_flight->reply;
    if (reply.isNull()) {
        m_flight->abortPending = m_flight->sending;
        return;
    }
    abortReply(reply);
}

void Method::abortReply(const QPointer<QNetworkReply>& reply) {
    QMetaObject::invokeMethod(
        reply.data(),
        [reply] {
            if (!reply.isNull() && reply->isRunning()) {
                reply->abort();
            }
        },
        Qt::QueuedConnection);
}

}  // namespace Net
