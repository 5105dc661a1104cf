// Pictures port: a bitmap resource of the module as an OLE picture, the
// IPictureDisp Office takes for a button's Picture and Mask.
#pragma once

#include "host/Dispatch.h"
#include "host/Guid.h"

namespace platform {

// IPictureDisp {7BF80980-BF32-101A-8BBB-00AA00300CAB}.
constexpr host::Guid kIID_IPictureDisp =
    host::MakeGuid(0x7BF80980, 0xBF32, 0x101A, 0x8B, 0xBB, 0x00, 0xAA, 0x00, 0x30, 0x0C, 0xAB);
// PICTYPE_BITMAP: what the picture's Type property answers.
constexpr int kPictureTypeBitmap = 1;

class Pictures {
  public:
    virtual ~Pictures() = default;
    // Bitmap resource `id` of the module, kept at its own colour depth, as
    // a picture (PICTYPE_BITMAP, no palette) that owns the bitmap and frees
    // it with its last reference. Null when the module has no such bitmap
    // or the picture cannot be made.
    virtual host::DispatchPtr LoadBitmapPicture(unsigned id) = 0;
};

}  // namespace platform
