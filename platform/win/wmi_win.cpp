#include "platform/wmi.h"

#include <objbase.h>
#include <oleauto.h>
#include <wbemidl.h>
#include <wrl/client.h>

#include "comvalues.h"
#include "winutil.h"

using Microsoft::WRL::ComPtr;
using platform::win::Bstr;
using platform::win::hresultText;
using platform::win::Variant;

namespace platform {

namespace {

bool integerOf(VARTYPE type, const void* data, std::int64_t& out) {
    switch (type) {
        case VT_I1:
            out = *static_cast<const signed char*>(data);
            return true;
        case VT_UI1:
            out = *static_cast<const unsigned char*>(data);
            return true;
        case VT_I2:
            out = *static_cast<const SHORT*>(data);
            return true;
        case VT_UI2:
            out = *static_cast<const USHORT*>(data);
            return true;
        case VT_I4:
        case VT_INT:
            out = *static_cast<const LONG*>(data);
            return true;
        case VT_UI4:
        case VT_UINT:
            out = *static_cast<const ULONG*>(data);
            return true;
        case VT_I8:
            out = *static_cast<const LONGLONG*>(data);
            return true;
        case VT_UI8:
            out = static_cast<std::int64_t>(*static_cast<const ULONGLONG*>(data));
            return true;
        default:
            return false;
    }
}

WmiValue convert(const std::wstring& name, const VARIANT& value) {
    const VARTYPE type = value.vt;
    if (type == VT_BSTR) {
        return WmiValue::fromText(value.bstrVal ? win::toUtf8(value.bstrVal) : std::string());
    }
    std::int64_t number = 0;
    if (!(type & VT_ARRAY) && integerOf(type, &value.bVal, number)) {
        return WmiValue::fromNumber(number);
    }
    if ((type & VT_ARRAY) && value.parray && ::SafeArrayGetDim(value.parray) == 1) {
        const VARTYPE element = type & VT_TYPEMASK;
        LONG lower = 0, upper = -1;
        ::SafeArrayGetLBound(value.parray, 1, &lower);
        ::SafeArrayGetUBound(value.parray, 1, &upper);
        // ChassisTypes holds 16-bit values; some providers leave junk in the
        // upper half of wider elements.
        const bool sixteenBit = _wcsicmp(name.c_str(), L"ChassisTypes") == 0;
        ULONGLONG probe = 0;
        if (!integerOf(element, &probe, number)) {
            return {};
        }
        std::vector<std::int64_t> numbers;
        for (LONG i = lower; i <= upper; ++i) {
            ULONGLONG raw = 0;
            if (FAILED(::SafeArrayGetElement(value.parray, &i, &raw)) ||
                !integerOf(element, &raw, number)) {
                return {};
            }
            numbers.push_back(sixteenBit ? (number & 0xFFFF) : number);
        }
        return WmiValue::fromNumbers(std::move(numbers));
    }
    return {};
}

void readObject(IWbemClassObject* object, WmiObject& out) {
    if (FAILED(object->BeginEnumeration(WBEM_FLAG_NONSYSTEM_ONLY))) {
        return;
    }
    for (;;) {
        BSTR name = nullptr;
        Variant value;
        if (object->Next(0, &name, value.put(), nullptr, nullptr) != WBEM_S_NO_ERROR) {
            ::SysFreeString(name);
            break;
        }
        const std::wstring wideName = name ? name : L"";
        ::SysFreeString(name);
        out[win::toUtf8(wideName)] = convert(wideName, value.get());
    }
    object->EndEnumeration();
}

}  // namespace

bool wmiCollect(bool initCom, WmiInventory& out, std::string& error,
                std::vector<std::string>& warnings, std::uint32_t timeoutMs) {
    out.clear();
    bool uninitialize = false;
    if (initCom) {
        const HRESULT result =
            ::CoInitializeEx(nullptr, COINIT_MULTITHREADED | COINIT_DISABLE_OLE1DDE);
        uninitialize = SUCCEEDED(result);
    }
    struct Uninitialize {
        bool active;
        ~Uninitialize() {
            if (active) {
                ::CoUninitialize();
            }
        }
    } uninitializeAtEnd{uninitialize};

    {
        ComPtr<IWbemLocator> locator;
        HRESULT result = ::CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER,
                                            IID_IWbemLocator, &locator);
        if (FAILED(result)) {
            error = hresultText("CoCreateInstance(WbemLocator)", result);
            return false;
        }
        ComPtr<IWbemServices> services;
        const Bstr space(L"ROOT\\CIMV2");
        result = locator->ConnectServer(space, nullptr, nullptr, nullptr, 0, nullptr, nullptr,
                                        &services);
        if (FAILED(result)) {
            error = hresultText("ConnectServer(ROOT\\CIMV2)", result);
            return false;
        }
        result = ::CoSetProxyBlanket(services.Get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                                     RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr,
                                     EOAC_NONE);
        if (FAILED(result)) {
            error = hresultText("CoSetProxyBlanket", result);
            return false;
        }
        const Bstr language(L"WQL");
        for (const char* className : kWmiClasses) {
            const std::wstring query = L"SELECT * FROM " + win::toWide(className);
            const Bstr queryText(query.c_str());
            ComPtr<IEnumWbemClassObject> results;
            result = services->ExecQuery(language, queryText,
                                         WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY,
                                         nullptr, &results);
            if (FAILED(result)) {
                warnings.push_back(hresultText(className, result));
                continue;
            }
            auto& objects = out[className];
            for (;;) {
                ComPtr<IWbemClassObject> object;
                ULONG returned = 0;
                result = results->Next(static_cast<LONG>(timeoutMs), 1, &object, &returned);
                if (result == WBEM_S_TIMEDOUT) {
                    warnings.push_back(std::string(className) + ": no answer in time, skipped");
                    break;
                }
                if (FAILED(result) || returned == 0) {
                    break;
                }
                WmiObject record;
                readObject(object.Get(), record);
                objects.push_back(std::move(record));
            }
        }
    }
    return true;
}

}  // namespace platform
