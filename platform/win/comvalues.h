#pragma once

#include <oleauto.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "winutil.h"

namespace platform::win {

// "what failed: 0x8004100e", the form every COM failure is reported in.
inline std::string hresultText(const char* what, HRESULT result) {
    char text[128];
    std::snprintf(text, sizeof text, "%s failed: 0x%08lx", what,
                  static_cast<unsigned long>(result));
    return text;
}

// Owns a BSTR made here; null when it could not be allocated.
class Bstr {
public:
    explicit Bstr(const wchar_t* text) : value_(::SysAllocString(text)) {}
    explicit Bstr(const std::string& utf8) {
        const std::wstring wide = toWide(utf8);
        value_ = ::SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    }
    ~Bstr() { ::SysFreeString(value_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    bool isValid() const { return value_ != nullptr; }
    operator BSTR() const { return value_; }

private:
    BSTR value_ = nullptr;
};

// A BSTR handed out by COM.
class OutBstr {
public:
    OutBstr() = default;
    ~OutBstr() { ::SysFreeString(value_); }
    OutBstr(const OutBstr&) = delete;
    OutBstr& operator=(const OutBstr&) = delete;
    BSTR* put() { return &value_; }
    std::string utf8() const {
        return value_ ? toUtf8(std::wstring(value_, ::SysStringLen(value_))) : std::string();
    }

private:
    BSTR value_ = nullptr;
};

// Owns a VARIANT: filled by COM through put(), or holding a string of ours.
class Variant {
public:
    Variant() { ::VariantInit(&value_); }
    explicit Variant(const wchar_t* text) {
        ::VariantInit(&value_);
        value_.vt = VT_BSTR;
        value_.bstrVal = ::SysAllocString(text);
    }
    ~Variant() { ::VariantClear(&value_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    VARIANT* put() { return &value_; }
    const VARIANT& get() const { return value_; }

private:
    VARIANT value_;
};

}  // namespace platform::win
