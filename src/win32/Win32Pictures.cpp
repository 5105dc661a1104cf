#include "win32/Win32Pictures.h"

#include <windows.h>
// The OLE headers need <windows.h> first.
#include <olectl.h>

#include "win32/com/ComDispatch.h"

namespace win32 {

host::DispatchPtr Win32Pictures::LoadBitmapPicture(unsigned id) {
    HBITMAP bitmap =
        static_cast<HBITMAP>(LoadImageA(static_cast<HINSTANCE>(module_), MAKEINTRESOURCEA(id),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap) {
        return host::DispatchPtr();
    }
    PICTDESC description = {};
    description.cbSizeofstruct = sizeof description;
    description.picType = PICTYPE_BITMAP;
    description.bmp.hbitmap = bitmap;
    description.bmp.hpal = nullptr;
    IPictureDisp* picture = nullptr;
    if (FAILED(OleCreatePictureIndirect(&description, IID_IPictureDisp, TRUE,
                                        reinterpret_cast<void**>(&picture))) ||
        !picture) {
        DeleteObject(bitmap);  // no picture took it over
        return host::DispatchPtr();
    }
    // The wrapper takes its own reference; the picture goes with the last.
    host::DispatchPtr wrapped;
    try {
        wrapped = ComDispatch::Wrap(picture);
    } catch (...) {
        picture->Release();
        throw;
    }
    picture->Release();
    return wrapped;
}

}  // namespace win32
