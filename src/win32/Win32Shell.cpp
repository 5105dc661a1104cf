#include "win32/Win32Shell.h"

#include <windows.h>

#include <shellapi.h>  // after <windows.h>, which it needs

namespace win32 {

namespace {

const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

std::intptr_t Win32Shell::Execute(platform::WindowHandle owner, const std::string& verb,
                                  const std::string& file, const std::string& parameters,
                                  const std::string& directory, int showCommand) {
    HINSTANCE result = ShellExecuteA(reinterpret_cast<HWND>(owner), OrNull(verb), file.c_str(),
                                     OrNull(parameters), OrNull(directory), showCommand);
    return reinterpret_cast<std::intptr_t>(result);
}

}  // namespace win32
