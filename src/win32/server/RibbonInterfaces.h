// IRibbonExtensibility, the interface Office 2007 and later ask a COM add-in
// for its customUI through, declared by hand: mingw-w64 ships no Office
// headers. The vtable is the Office type library's: IDispatch, then
// GetCustomUI. (IRibbonControl and IRibbonUI are reached late-bound.)
#pragma once

#include <windows.h>
// The COM headers need <windows.h> first.
#include <oaidl.h>

struct IRibbonExtensibility : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE GetCustomUI(BSTR ribbonId, BSTR* ribbonXml) = 0;
};

// {000C0396-0000-0000-C000-000000000046}
__CRT_UUID_DECL(IRibbonExtensibility, 0x000C0396, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00,
                0x00, 0x00, 0x46)
