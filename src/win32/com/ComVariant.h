// Conversions between host::Variant and the VARIANT of OLE Automation.
//
// Towards COM every host kind has its VARIANT: texts become BSTRs of the
// same length (embedded NULs kept; a null BSTR stays null, an empty text is
// an allocated empty BSTR), objects must be COM objects reached through this
// adapter, and a by-reference boolean becomes VT_BOOL|VT_BYREF pointing at
// the same storage.
//
// From COM the host kinds come back as they are. Other kinds a host may
// answer are made safe: small integer kinds become VT_I4, numbers that do
// not fit and floating, date and currency kinds become their text (as the
// user's locale shows them), a VT_UNKNOWN becomes its IDispatch (a null
// object when it has none), arrays and unknown kinds become VT_EMPTY, and
// by-reference values are read through.
#pragma once

#include <windows.h>
// The COM headers need <windows.h> first.
#include <oaidl.h>

#include "host/Variant.h"

namespace win32 {

// Writes a copy of `value` into `out`, which must be empty (VariantInit);
// the caller clears it with VariantClear. On failure `out` stays empty and
// the answer is E_OUTOFMEMORY, DISP_E_TYPEMISMATCH (an object that is not
// a COM object) or E_INVALIDARG (a by-reference value without storage).
host::HResult ToVariant(const host::Variant& value, VARIANT* out);

// A copy of `in`: BSTR text copied, objects wrapped in a new ComDispatch.
host::Variant FromVariant(const VARIANT& in);

// An argument of an event: as FromVariant, except that a by-reference
// boolean stays a reference to the firer's storage (CancelDefault).
host::Variant FromEventArgument(const VARIANT& in);

}  // namespace win32
