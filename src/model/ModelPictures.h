// The model's pictures port: the module's bitmaps as model picture objects
// that remember which resource they came from, so tests see which face and
// mask each button got.
#pragma once

#include <set>

#include <boost/shared_ptr.hpp>

#include "model/host/ModelObject.h"
#include "platform/Pictures.h"

namespace model {

// An IPictureDisp: Handle, Type (VT_I2 PICTYPE_BITMAP), Width and Height
// (HIMETRIC of 16 x 16 pixels at 96 dots per inch), all read-only.
class ModelPicture : public ModelObject {
  public:
    // `handle`: the bitmap handle it owns, never shared with another picture.
    ModelPicture(unsigned resourceId, std::int32_t handle);
    unsigned resourceId() const { return resourceId_; }

  private:
    unsigned resourceId_;
};

typedef boost::shared_ptr<ModelPicture> ModelPicturePtr;

// The resource id of `picture` when it is a model picture; 0 otherwise
// (null included).
unsigned PictureResourceId(const host::DispatchPtr& picture);

class ModelPictures : public platform::Pictures {
  public:
    // The module's bitmaps: the button faces 225, 228 and 229 and their mask 227.
    ModelPictures();

    host::DispatchPtr LoadBitmapPicture(unsigned id) override;

    // Changes what the module holds.
    void AddBitmap(unsigned id) { bitmaps_.insert(id); }
    void RemoveBitmap(unsigned id) { bitmaps_.erase(id); }

  private:
    std::set<unsigned> bitmaps_;
    std::int32_t nextHandle_ = 0x10000;
};

}  // namespace model
