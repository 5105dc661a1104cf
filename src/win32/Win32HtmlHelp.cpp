#include "win32/Win32HtmlHelp.h"

#include <windows.h>

namespace win32 {

namespace {

constexpr WORD kHtmlHelpAOrdinal = 14;
using HtmlHelpAFunction = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

// The default value of HKEY_CLASSES_ROOT\key, at most 260 bytes; empty when
// it is missing, no text, or longer.
std::string RegisteredPath(const std::string& key) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) {
        return std::string();
    }
    char path[MAX_PATH + 1] = {};
    DWORD size = MAX_PATH;  // the last byte stays the terminating NUL
    DWORD type = 0;
    const LONG status =
        RegQueryValueExA(handle, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(path), &size);
    RegCloseKey(handle);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return std::string();
    }
    return std::string(path);
}

}  // namespace

std::string Win32HtmlHelp::SystemControlPath() {
    char folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return std::string();
    }
    return std::string(folder, length) + "\\hhctrl.ocx";
}

bool Win32HtmlHelp::Load() {
    HMODULE library = nullptr;
    std::string path = RegisteredPath(registrationKey_);
    if (!path.empty()) {
        library = LoadLibraryA(path.c_str());
    }
    if (library == nullptr) {
        path = SystemControlPath();
        if (!path.empty()) library = LoadLibraryA(path.c_str());
    }
    if (library == nullptr) {
        return false;
    }
    loadedFrom_ = path;
    // Kept loaded for the life of the process, like the entry point taken from it.
    entry_ = reinterpret_cast<void*>(GetProcAddress(library, MAKEINTRESOURCEA(kHtmlHelpAOrdinal)));
    return entry_ != nullptr;
}

platform::WindowHandle Win32HtmlHelp::Call(platform::WindowHandle owner, const std::string& file,
                                           unsigned command, std::uintptr_t data) {
    if (failed_) {
        return 0;
    }
    if (entry_ == nullptr && !Load()) {
        failed_ = true;
        return 0;
    }
    const auto htmlHelp = reinterpret_cast<HtmlHelpAFunction>(entry_);
    return reinterpret_cast<platform::WindowHandle>(
        htmlHelp(reinterpret_cast<HWND>(owner), file.c_str(), command, data));
}

}  // namespace win32
