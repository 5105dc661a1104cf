#include "win32/Win32Resources.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

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

bool Win32Resources::LoadFileVersion(std::string* text) {
    text->clear();
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(static_cast<HMODULE>(module_), path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return false;  // no name, or one cut short
    }
    // The version API is asked by the file name alone, which finds the
    // module already loaded.
    const char* slash = std::strrchr(path, '\\');
    const char* name = slash != nullptr ? slash + 1 : path;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(name, &ignored);
    if (size == 0) {
        return false;
    }
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(name, 0, size, block.data())) {
        return false;
    }
    void* translation = nullptr;
    UINT translationSize = 0;
    if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &translation,
                        &translationSize) ||
        translation == nullptr || translationSize < 2 * sizeof(WORD)) {
        return false;
    }
    const WORD* languageAndCodePage = static_cast<const WORD*>(translation);
    char subBlock[64];
    std::snprintf(subBlock, sizeof subBlock, "\\StringFileInfo\\%04x%04x\\FileVersion",
                  languageAndCodePage[0], languageAndCodePage[1]);
    void* value = nullptr;
    UINT valueLength = 0;
    if (!VerQueryValueA(block.data(), subBlock, &value, &valueLength) || value == nullptr) {
        return false;
    }
    // The length counts characters and may include the terminating NUL;
    // the text ends at whichever comes first, within the block.
    const char* characters = static_cast<const char*>(value);
    const char* blockEnd = block.data() + block.size();
    std::size_t count = 0;
    while (count < valueLength && characters + count < blockEnd && characters[count] != '\0') {
        ++count;
    }
    text->assign(characters, count);
    return true;
}

}  // namespace win32
