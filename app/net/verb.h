#pragma once

namespace Net {

// Stored as a small integer; a value outside the list is sent as HEAD.
enum class Verb : int { Head = 0, Get = 1, Post = 2, Put = 3, Delete = 4 };

}  // namespace Net
