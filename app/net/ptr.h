#pragma once

#include <memory>

namespace Net {

// Converters, data objects and parameter setters are shared between methods
// and threads through these.
template <typename T>
using Ptr = std::shared_ptr<T>;

template <typename T>
using WeakPtr = std::weak_ptr<T>;

}  // namespace Net
