#include "win32/Win32Resources.h"

#include <windows.h>

namespace win32 {

bool Win32Resources::LoadText(unsigned id, std::wstring* text) {
    // With a buffer size of 0 LoadStringW hands out a read-only pointer into
    // the resource itself, so no text is ever cut short.
    const wchar_t* resource = nullptr;
    int length =
        LoadStringW(static_cast<HINSTANCE>(module_), id, reinterpret_cast<LPWSTR>(&resource), 0);
    if (length <= 0 || resource == nullptr) {
        text->clear();
        return false;
    }
    text->assign(resource, static_cast<std::size_t>(length));
    return true;
}

}  // namespace win32
