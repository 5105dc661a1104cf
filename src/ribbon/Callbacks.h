// The callbacks the add-in's customUI names and Office calls by name through
// the add-in's IDispatch (GetIDsOfNames, then Invoke): one table, portable,
// which the model ribbon host and the DLL's COM object both use. Each entry
// has its name, its DISPID, the kinds of its arguments (declaration order)
// and the kind of its answer.
#pragma once

#include <cstddef>
#include <string>

#include "host/EventSink.h"

namespace ribbon {

namespace callback {
// onLoad of each customUI: Office hands over that ribbon's IRibbonUI.
constexpr char kExplorerLoad[] = "OnTandrelExplorerRibbonLoad";
constexpr char kContactLoad[] = "OnTandrelContactRibbonLoad";
constexpr char kMailReadLoad[] = "OnTandrelMailReadRibbonLoad";
// A combo box's text, its entries and what the user typed or chose.
constexpr char kGetText[] = "GetTandrelText";
constexpr char kGetItemCount[] = "GetTandrelItemCount";
constexpr char kGetItemLabel[] = "GetTandrelItemLabel";
constexpr char kOnChange[] = "OnTandrelChange";
// A button's click, its picture; a context-menu entry's state.
constexpr char kOnAction[] = "OnTandrelAction";
constexpr char kGetImage[] = "GetTandrelImage";
constexpr char kGetLabel[] = "GetTandrelLabel";
constexpr char kGetVisible[] = "GetTandrelVisible";
constexpr char kGetEnabled[] = "GetTandrelEnabled";
}  // namespace callback

// What a callback is given, in declaration order.
enum class Argument {
    kObject,  // the IRibbonControl (for onLoad: the IRibbonUI)
    kText,    // VT_BSTR
    kIndex,   // an integer (VT_I4; VT_I2 taken too)
};

// What it answers in the result VARIANT.
enum class Answer {
    kNothing,  // VT_EMPTY
    kText,     // VT_BSTR
    kFlag,     // VT_BOOL
    kCount,    // VT_I4
    kPicture,  // VT_DISPATCH (an IPictureDisp), VT_EMPTY for none
};

struct Callback {
    const char* name;
    host::DispId dispid;
    Argument arguments[2];
    std::size_t argumentCount;
    Answer answer;
};

// Every callback, in DISPID order.
const Callback* Callbacks(std::size_t* count);
// The callback of that name (compared without regard to case, as
// GetIDsOfNames compares), or of that DISPID; null for none.
const Callback* FindCallback(const std::wstring& name);
const Callback* FindCallback(host::DispId dispid);

}  // namespace ribbon
