#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Asks the system to restart for a planned hardware-driver change, enabling the
// shutdown privilege when the first request is refused for the lack of it.
// On failure returns false and sets error to the system's code.
bool rebootComputer(std::uint32_t& error);

// Opens a file, folder or program the way the desktop would, with an argument
// string for programs. Paths are UTF-8 with either separator.
bool openPath(const std::string& path, const std::string& arguments, std::string& error);

// The file that starts the program at `path`. On Linux the programs carry no
// ".exe": a missing "Name.exe" stands for the program "Name" beside it.
std::string programFile(const std::string& path);

// Shows the file manager with the item selected (or its folder opened).
bool showInFileManager(const std::string& path, std::string& error);

// Puts UTF-8 text on the system clipboard; false when there is none.
bool copyToClipboard(const std::string& text);

// Lower-case hexadecimal SHA-1 of a file's whole content; empty when the file
// cannot be read.
std::string fileSha1(const std::string& path);

// SHA-1 of a buffer, lower-case hexadecimal.
std::string sha1Hex(const void* data, std::size_t size);

}  // namespace platform
