// An add-in's ribbon side as Office reaches it over COM, for OutlookHost.exe:
// IRibbonExtensibility::GetCustomUI, and the callbacks by name through the
// add-in's own IDispatch (GetIDsOfNames, then Invoke with DISPATCH_METHOD
// and the arguments reversed into DISPPARAMS). Host objects given as
// arguments (the model IRibbonControl and IRibbonUI) are presented as COM
// objects of their own (ExposedDispatch). Detached, it answers as an add-in
// without a ribbon would: no customUI, no callbacks.
#pragma once

#include <windows.h>
// The COM headers need <windows.h> first.
#include <oaidl.h>
#include <wrl/client.h>

#include "ribbon/RibbonExtensibility.h"
#include "win32/server/RibbonInterfaces.h"

namespace outlook_host {

class ComRibbonAddIn : public ribbon::RibbonExtensibility {
  public:
    // The add-in object; false (and detached) when it has no ribbon side.
    bool Attach(IUnknown* addIn);
    void Detach();
    bool attached() const { return static_cast<bool>(ribbon_); }

    std::wstring GetCustomUI(const std::wstring& ribbonId) override;
    host::HResult GetIdOfName(const std::wstring& name, host::DispId* id) override;
    host::HResult Invoke(host::DispId id, const std::vector<host::Variant>& args,
                         host::Variant* result) override;

  private:
    Microsoft::WRL::ComPtr<IRibbonExtensibility> ribbon_;
    Microsoft::WRL::ComPtr<IDispatch> dispatch_;
};

}  // namespace outlook_host
