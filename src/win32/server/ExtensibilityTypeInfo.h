// The type information behind Connect's IDispatch: IDTExtensibility2's
// from the add-in designer type library when that is registered (where
// Office is installed), otherwise the same interface described here at run
// time with CreateDispTypeInfo (Wine, machines without the library), so
// that late-bound callers reach the five methods either way.
#pragma once

#include <windows.h>
// The COM headers need <windows.h> first.
#include <oaidl.h>

namespace win32 {

// The interface's vtable type information (TKIND_INTERFACE), ready for
// DispGetIDsOfNames and DispInvoke; a reference for the caller.
HRESULT LoadExtensibilityTypeInfo(ITypeInfo** info);
// The run-time description alone (what LoadExtensibilityTypeInfo falls
// back to).
HRESULT BuildExtensibilityTypeInfo(ITypeInfo** info);

}  // namespace win32
