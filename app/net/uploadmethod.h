#pragma once

#include <QStringList>
#include <QUrl>

#include "net/callslot.h"
#include "net/headers.h"
#include "net/ioutconverter.h"
#include "net/ioutdata.h"
#include "net/iparamssetter.h"
#include "net/ptr.h"
#include "net/response.h"

namespace Net {

// Uploads local files as one form-data body, parts "files[0]", "files[1]", ... with their
// bare file names. Blocks like Method::exec (a Net::Call: abort() from any thread ends the
// wait at once); a 2xx or 4xx JSON reply fills `outData`.
class UploadMethod {
public:
    UploadMethod() = default;
    UploadMethod(const QUrl& url, const Headers& headers, Ptr<IOutConverter> outConverter,
                 Ptr<IParamsSetter> paramsSetter);

    // True on a 2xx reply.
    bool operator()(const QStringList& files, const WeakPtr<IOutData>& outData = {});
    Response lastResponse() const { return m_lastResponse; }
    // Also before the upload has begun: the next upload then ends at once, sending nothing.
    void abort();

    QUrl url;
    Headers headers;
    Ptr<IOutConverter> outConverter;
    Ptr<IParamsSetter> paramsSetter;

private:
    CallSlot m_slot{CallSlot::IdleAbort::Kept};
    Response m_lastResponse;
};

}  // namespace Net
