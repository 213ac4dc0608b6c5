#include "net/method.h"

#include <QNetworkReply>
#include <QUrlQuery>

#include "base/logcategories.h"
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

Response Method::exec(const WeakPtr<IInData>& inData, const WeakPtr<IOutData>& outData,
                      const Headers& extraHeaders, const QMap<QString, QString>& query) {
    if (!url.isValid()) {
        return {};
    }
    m_slot.enter();
    const auto done = [this] { m_slot.leave(); };

    Headers sent = headers;
    sent.merge(extraHeaders);
    if (paramsSetter && !paramsSetter->setParams(sent)) {
        done();
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

    QNetworkRequest built(target);
    sent.applyTo(built);
    Call::Options options;
    options.maxBytes = maxReplyBytes;
    options.deadlineMs = deadlineMs;
    const Ptr<Call> call = Call::create(built, operationFor(verb, body), options);
    if (!m_slot.attach(call)) {
        done();
        Response aborted;
        aborted.failure = Response::Failure::Aborted;
        return aborted;
    }
    call->start();
    const Call::End end = call->wait();
    done();

    const QString where = target.toString(QUrl::RemoveQuery | QUrl::RemoveUserInfo);
    Response response;
    switch (end) {
        case Call::End::Finished:
            response = call->response();
            break;
        case Call::End::Aborted:
            response.failure = Response::Failure::Aborted;
            return response;
        case Call::End::TimedOut:
            qCWarning(lcNet).noquote()
                << "Call timed out:" << where << "after" << deadlineMs << "ms";
            response.failure = Response::Failure::TimedOut;
            return response;
        case Call::End::TooLarge:
            qCWarning(lcNet).noquote()
                << "Reply too large:" << where << "over" << maxReplyBytes << "bytes";
            response.failure = Response::Failure::TooLarge;
            return response;
        case Call::End::Running:
            return response;
    }

    const Ptr<IOutData> result = outData.lock();
    if ((response.isSuccess() || response.isClientError()) && outConverter && result) {
        // Announcing gzip and deflate ourselves turns off the transport's own decoding.
        result->setData(
            outConverter->convert(decodeContent(call->body(), call->contentEncoding())));
    }
    return response;
}

void Method::abort() {
    m_slot.abort();
}

}  // namespace Net
