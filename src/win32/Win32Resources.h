// The resources port over one module's resources and version resource (the DLL's own, or a test
// program's, which links the same resource script).
#pragma once

#include "platform/Resources.h"

namespace win32 {

class Win32Resources : public platform::Resources {
  public:
    // `module` is the HMODULE whose resources are read.
    explicit Win32Resources(void* module) : module_(module) {}
    bool LoadText(unsigned id, std::wstring* text) override;
    bool LoadFileVersion(std::string* text) override;

  private:
    void* module_;
};

}  // namespace win32
