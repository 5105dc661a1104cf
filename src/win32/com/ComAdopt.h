// Takes over the one reference a new COM object is born with. Not
// ComPtr::Attach: mingw-w64's Attach adds a reference of its own (unlike
// Microsoft's), which would keep every new object alive for ever.
#pragma once

#include <wrl/client.h>

namespace win32 {

template <class T>
Microsoft::WRL::ComPtr<T> Adopt(T* born) {
    Microsoft::WRL::ComPtr<T> owner;
    *owner.GetAddressOf() = born;
    return owner;
}

}  // namespace win32
