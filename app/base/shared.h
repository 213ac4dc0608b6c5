#pragma once

#include <memory>

namespace Flow {

// Everything that crosses a worker boundary, or is shared between services, is
// held through these.
template <typename T>
using Shared = std::shared_ptr<T>;

template <typename T>
using Weak = std::weak_ptr<T>;

}  // namespace Flow
