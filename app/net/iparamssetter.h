#pragma once

namespace Net {

class Headers;

// Adds parameters to a request just before it is sent; false stops the send.
class IParamsSetter {
public:
    virtual ~IParamsSetter() = default;
    virtual bool setParams(Headers& headers) = 0;
};

}  // namespace Net
