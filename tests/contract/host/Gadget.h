// The automation test object the late-bound object contract runs against: a
// "gadget" with the same members and events on both sides. On Linux it is a
// model host object; under Wine a hand-written COM object reached through
// the win32 adapter.
//
// Members (names are matched without regard to case):
//   Value            read/write, any kind: keeps what is put, as it arrived
//   ValueType        read-only I4: the VARTYPE word of Value as the object holds it
//   ValueLength      read-only I4: the length of Value's text; -1 for a null
//                    BSTR, -2 when Value holds no text
//   Name             read/write BSTR; a put of another kind: DISP_E_TYPEMISMATCH
//   Count            read-only I4: the number of children (2; a child has none)
//   Item(index)      indexed read-only: child `index` (VT_I4, 1-based), a
//                    gadget named "child N"; another kind: DISP_E_TYPEMISMATCH,
//                    out of range: DISP_E_BADINDEX
//   Describe(a, b, [c], [d])
//                    method: a BSTR listing the arguments as received, in
//                    declaration order, omitted ones as missing: each is
//                    "<VARTYPE>:<value>" ("<VARTYPE>" alone for VT_EMPTY and
//                    VT_NULL), numbers and VARIANT_BOOL words in decimal,
//                    VT_ERROR codes as 0x%08X, texts with every character
//                    outside printable ASCII as <U+XXXX> ("(null)" for a null
//                    BSTR), objects as "object" or "(null)"; joined by " | ".
//   Refuse()         method that fails with E_ACCESSDENIED through its exception
//                    information, description kRefusalText
//   FailWith(code)   method that answers `code` (VT_I4) as its HRESULT
// Events of kDIID_GadgetEvents:
//   Click(Ctrl As Object, CancelDefault As Boolean by reference)  DISPID 1
//   Change(Name As String, Count As Long)                          DISPID 2
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "host/Dispatch.h"
#include "host/EventSink.h"

namespace contract {

constexpr host::Guid kIID_Gadget =
    host::MakeGuid(0x6F1D2C40, 0x8B3A, 0x4E57, 0x9C, 0x21, 0x5A, 0x7E, 0x0B, 0x44, 0xD3, 0x01);
constexpr host::Guid kDIID_GadgetEvents =
    host::MakeGuid(0x6F1D2C40, 0x8B3A, 0x4E57, 0x9C, 0x21, 0x5A, 0x7E, 0x0B, 0x44, 0xD3, 0x02);
// An interface no gadget implements or sources.
constexpr host::Guid kIID_Elsewhere =
    host::MakeGuid(0x6F1D2C40, 0x8B3A, 0x4E57, 0x9C, 0x21, 0x5A, 0x7E, 0x0B, 0x44, 0xD3, 0x03);

constexpr host::DispId kDispClick = 1;
constexpr host::DispId kDispChange = 2;
constexpr wchar_t kRefusalText[] = L"Refused by the gadget";

// One gadget: the object as the adapter under test shows it, and the host's
// side of its events.
class GadgetHandle {
  public:
    virtual ~GadgetHandle() = default;
    // The gadget through the adapter under test.
    virtual host::DispatchPtr object() = 0;
    // Fires Click with the gadget as Ctrl and CancelDefault starting as
    // `cancel`; answers the word the sinks left in CancelDefault.
    virtual std::int16_t FireClick(std::int16_t cancel) = 0;
    virtual void FireChange(const std::wstring& name, std::int32_t count) = 0;
    // Fires event `dispid` of kDIID_GadgetEvents with `params` exactly as
    // given (named arguments, other counts or kinds than the event's);
    // answers the last failure a sink answered, or S_OK.
    virtual host::HResult FireRaw(host::DispId dispid, const host::DispParams& params) = 0;
    // Sinks connected to kDIID_GadgetEvents, as the gadget counts them.
    virtual std::size_t SinkCount() = 0;
    // The gadget refuses the next Unadvise with E_FAIL and keeps the
    // connection.
    virtual void RefuseUnadvise() = 0;
};

// Implemented once per adapter.
std::unique_ptr<GadgetHandle> MakeGadget();
std::string AdapterName();

// The model gadget itself, for the programs that reach it through an
// adapter (ModelGadget.cpp).
std::unique_ptr<GadgetHandle> MakeModelGadget();

}  // namespace contract
