#include "ComRibbonAddIn.h"

#include <oleauto.h>

#include <string>
#include <vector>

#include "support/com/ExposedDispatch.h"
#include "win32/com/ScopedVariant.h"

namespace outlook_host {

bool ComRibbonAddIn::Attach(IUnknown* addIn) {
    Detach();
    if (!addIn ||
        FAILED(addIn->QueryInterface(__uuidof(IRibbonExtensibility),
                                     reinterpret_cast<void**>(ribbon_.GetAddressOf()))) ||
        FAILED(addIn->QueryInterface(IID_IDispatch,
                                     reinterpret_cast<void**>(dispatch_.GetAddressOf())))) {
        Detach();
        return false;
    }
    return true;
}

void ComRibbonAddIn::Detach() {
    ribbon_.Reset();
    dispatch_.Reset();
}

std::wstring ComRibbonAddIn::GetCustomUI(const std::wstring& ribbonId) {
    if (!ribbon_) return std::wstring();
    BSTR id = SysAllocStringLen(ribbonId.data(), static_cast<UINT>(ribbonId.size()));
    BSTR xml = nullptr;
    const HRESULT hr = ribbon_->GetCustomUI(id, &xml);
    SysFreeString(id);
    const std::wstring answer =
        SUCCEEDED(hr) && xml ? std::wstring(xml, SysStringLen(xml)) : std::wstring();
    SysFreeString(xml);
    return answer;
}

host::HResult ComRibbonAddIn::GetIdOfName(const std::wstring& name, host::DispId* id) {
    if (!dispatch_) return DISP_E_UNKNOWNNAME;
    std::wstring copy = name;
    LPOLESTR names[] = {&copy[0]};
    DISPID found = DISPID_UNKNOWN;
    const HRESULT hr = dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &found);
    *id = found;
    return hr;
}

host::HResult ComRibbonAddIn::Invoke(host::DispId id, const std::vector<host::Variant>& args,
                                     host::Variant* result) {
    if (!dispatch_) return DISP_E_MEMBERNOTFOUND;
    std::vector<win32::ScopedVariant> reversed(args.size());
    for (std::size_t index = 0; index < args.size(); ++index) {
        const HRESULT hr = win32::ExposedDispatch::ToComVariant(
            args[index], reversed[args.size() - 1 - index].Receive());
        if (FAILED(hr)) return hr;
    }
    DISPPARAMS params = {win32::VariantArray(reversed), nullptr, static_cast<UINT>(args.size()), 0};
    win32::ScopedVariant answer;
    EXCEPINFO exception = {};
    UINT argError = 0;
    const HRESULT hr = dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                         &params, answer.Receive(), &exception, &argError);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    if (SUCCEEDED(hr) && result) *result = win32::ExposedDispatch::FromComVariant(answer.get());
    return hr;
}

}  // namespace outlook_host
