// The HTML Help port over the system's HTML Help control (hhctrl.ocx),
// loaded on first use: from the path its CLSID is registered with, else
// from the system folder (never by bare name, which would let the DLL search
// order pick up a planted copy), and HtmlHelpA taken by ordinal 14. A
// failure is remembered for the adapter's life.
#pragma once

#include <string>
#include <utility>

#include "platform/HtmlHelp.h"

namespace win32 {

class Win32HtmlHelp : public platform::HtmlHelp {
  public:
    // `registrationKey`: the key under HKEY_CLASSES_ROOT whose default value
    // names the control's file.
    explicit Win32HtmlHelp(std::string registrationKey =
                               "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32")
        : registrationKey_(std::move(registrationKey)) {}

    platform::WindowHandle Call(platform::WindowHandle owner, const std::string& file,
                                unsigned command, std::uintptr_t data) override;

    // Where the control is loaded from when its registration names none
    // that loads: hhctrl.ocx in the system folder.
    static std::string SystemControlPath();
    // The file the control was loaded from; empty before the first call or
    // when it could not be loaded.
    const std::string& LoadedFrom() const { return loadedFrom_; }

  private:
    bool Load();

    const std::string registrationKey_;
    std::string loadedFrom_;
    void* entry_ = nullptr;  // HtmlHelpA
    bool failed_ = false;
};

}  // namespace win32
