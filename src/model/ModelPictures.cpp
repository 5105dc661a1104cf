#include "model/ModelPictures.h"

namespace model {

namespace {

// 16 pixels at 96 dots per inch, in hundredths of a millimetre.
constexpr std::int32_t kSixteenPixelsHimetric = 16 * 2540 / 96;

}  // namespace

ModelPicture::ModelPicture(unsigned resourceId, std::int32_t handle)
    : ModelObject("Picture", nullptr), resourceId_(resourceId) {
    Implements(platform::kIID_IPictureDisp);
    const auto number = [](std::int32_t value) {
        return [value](const std::vector<host::Variant>&, host::Variant* result) {
            *result = host::Variant::I4(value);
            return host::hr::kOk;
        };
    };
    DefineProperty("Handle", number(handle));
    DefineProperty("Type", [](const std::vector<host::Variant>&, host::Variant* result) {
        *result = host::Variant::I2(platform::kPictureTypeBitmap);  // a short, as OLE answers it
        return host::hr::kOk;
    });
    DefineProperty("Width", number(kSixteenPixelsHimetric));
    DefineProperty("Height", number(kSixteenPixelsHimetric));
}

unsigned PictureResourceId(const host::DispatchPtr& picture) {
    const ModelPicture* model = dynamic_cast<const ModelPicture*>(picture.get());
    return model ? model->resourceId() : 0;
}

ModelPictures::ModelPictures() : bitmaps_{225, 227, 228, 229} {}

host::DispatchPtr ModelPictures::LoadBitmapPicture(unsigned id) {
    if (bitmaps_.count(id) == 0) {
        return host::DispatchPtr();
    }
    return host::DispatchPtr(new ModelPicture(id, nextHandle_++));
}

}  // namespace model
