// What Office asks of the add-in for its ribbon, as portable calls:
// IRibbonExtensibility's GetCustomUI, and the callbacks, which Office calls
// by name through the add-in's IDispatch. The add-in's COM object
// (src/win32/server) passes them on; the model ribbon host calls them too.
#pragma once

#include <string>
#include <vector>

#include "host/EventSink.h"
#include "host/HResult.h"
#include "host/Variant.h"

namespace ribbon {

class RibbonExtensibility {
  public:
    virtual ~RibbonExtensibility() = default;

    // The customUI XML for `ribbonId`; empty for a ribbon not extended.
    virtual std::wstring GetCustomUI(const std::wstring& ribbonId) = 0;
    // The DISPID of callback `name` (case ignored); DISP_E_UNKNOWNNAME for
    // a name that is no callback.
    virtual host::HResult GetIdOfName(const std::wstring& name, host::DispId* id) = 0;
    // Callback `id` with `args` in declaration order, its answer in
    // `result` (may be null). DISP_E_MEMBERNOTFOUND for an id that is no
    // callback, DISP_E_BADPARAMCOUNT or DISP_E_TYPEMISMATCH for arguments
    // it cannot take; S_OK otherwise, with the callback's safe default when
    // it cannot answer (no control, a window not ours, an id not ours, a
    // failure inside).
    virtual host::HResult Invoke(host::DispId id, const std::vector<host::Variant>& args,
                                 host::Variant* result) = 0;
};

}  // namespace ribbon
