// The pictures port over one module's bitmaps: LoadImageA with
// LR_CREATEDIBSECTION (which keeps the bitmap's own 24 bits per pixel) and
// OleCreatePictureIndirect (PICTYPE_BITMAP, no palette, the picture owning
// the bitmap), asked for IPictureDisp.
#pragma once

#include "platform/Pictures.h"

namespace win32 {

class Win32Pictures : public platform::Pictures {
  public:
    // `module` is the HMODULE whose bitmaps are loaded.
    explicit Win32Pictures(void* module) : module_(module) {}
    host::DispatchPtr LoadBitmapPicture(unsigned id) override;

  private:
    void* module_;
};

}  // namespace win32
