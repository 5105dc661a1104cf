#include "ribbon/Callbacks.h"

namespace ribbon {

namespace {

// Beyond IDTExtensibility2's DISPIDs (1 to 5), which share the dispatch.
constexpr host::DispId kFirstDispId = 1001;

using A = Argument;

const Callback kCallbacks[] = {
    {callback::kExplorerLoad, kFirstDispId + 0, {A::kObject}, 1, Answer::kNothing},
    {callback::kContactLoad, kFirstDispId + 1, {A::kObject}, 1, Answer::kNothing},
    {callback::kMailReadLoad, kFirstDispId + 2, {A::kObject}, 1, Answer::kNothing},
    {callback::kGetText, kFirstDispId + 3, {A::kObject}, 1, Answer::kText},
    {callback::kGetItemCount, kFirstDispId + 4, {A::kObject}, 1, Answer::kCount},
    {callback::kGetItemLabel, kFirstDispId + 5, {A::kObject, A::kIndex}, 2, Answer::kText},
    {callback::kOnChange, kFirstDispId + 6, {A::kObject, A::kText}, 2, Answer::kNothing},
    {callback::kOnAction, kFirstDispId + 7, {A::kObject}, 1, Answer::kNothing},
    {callback::kGetImage, kFirstDispId + 8, {A::kObject}, 1, Answer::kPicture},
    {callback::kGetLabel, kFirstDispId + 9, {A::kObject}, 1, Answer::kText},
    {callback::kGetVisible, kFirstDispId + 10, {A::kObject}, 1, Answer::kFlag},
    {callback::kGetEnabled, kFirstDispId + 11, {A::kObject}, 1, Answer::kFlag},
};

constexpr std::size_t kCallbackCount = sizeof kCallbacks / sizeof kCallbacks[0];

wchar_t LowerAscii(wchar_t c) { return c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c; }

bool SameName(const char* ours, const std::wstring& asked) {
    std::size_t at = 0;
    for (; ours[at] && at < asked.size(); ++at) {
        if (LowerAscii(static_cast<unsigned char>(ours[at])) != LowerAscii(asked[at])) {
            return false;
        }
    }
    return !ours[at] && at == asked.size();
}

}  // namespace

const Callback* Callbacks(std::size_t* count) {
    *count = kCallbackCount;
    return kCallbacks;
}

const Callback* FindCallback(const std::wstring& name) {
    for (const Callback& each : kCallbacks) {
        if (SameName(each.name, name)) return &each;
    }
    return nullptr;
}

const Callback* FindCallback(host::DispId dispid) {
    for (const Callback& each : kCallbacks) {
        if (each.dispid == dispid) return &each;
    }
    return nullptr;
}

}  // namespace ribbon
