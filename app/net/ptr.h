#pragma once

#include "base/shared.h"

namespace Net {

// Converters, data objects and parameter setters are shared between methods
// and threads through these: the same pointers the task framework uses.
template <typename T>
using Ptr = Flow::Shared<T>;

template <typename T>
using WeakPtr = Flow::Weak<T>;

}  // namespace Net
