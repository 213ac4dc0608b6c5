#include "platform/infsearch.h"
#include "winutil.h"

namespace platform {

namespace {

constexpr int kMaxDepth = 64;

bool walk(const std::wstring& folder, int depth,
          const std::function<bool(const std::string&, const std::string&)>& visit) {
    if (depth > kMaxDepth) {
        return true;
    }
    WIN32_FIND_DATAW data{};
    const win::UniqueFind find(::FindFirstFileW((folder + L"\\*.*").c_str(), &data));
    if (!find.isValid()) {
        return true;
    }
    bool goOn = true;
    do {
        const std::wstring name = data.cFileName;
        if (name == L"." || name == L"..") {
            continue;
        }
        const std::wstring path = folder + L"\\" + name;
        // A junction or symbolic link may point back up the tree.
        if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
            continue;
        }
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            goOn = walk(path, depth + 1, visit);
        } else {
            goOn = visit(win::toUtf8(path), win::toUtf8(name));
        }
    } while (goOn && ::FindNextFileW(find.get(), &data));
    return goOn;
}

}  // namespace

void walkFiles(const std::string& folder,
               const std::function<bool(const std::string& path, const std::string& name)>& visit) {
    std::wstring root = win::toWide(folder);
    while (root.size() > 1 && (root.back() == L'\\' || root.back() == L'/')) {
        root.pop_back();
    }
    walk(root, 0, visit);
}

std::string infSha1(const std::string& path) {
    win::UniqueHandle file(::CreateFileW(win::toWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                         nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN,
                                         nullptr));
    return file.isValid() ? win::sha1OfFile(file.get(), true) : std::string();
}

}  // namespace platform
