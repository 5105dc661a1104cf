// The model gadget presented as a COM object by ExposedDispatch and reached
// through ComDispatch (contract_dispatch_exposed, run under Wine): the same
// suite holds for the model once it has crossed real COM both ways.
#include <gtest/gtest.h>

#include <wrl/client.h>

#include "contract/host/Gadget.h"
#include "model/host/ModelObject.h"
#include "support/com/ExposedDispatch.h"
#include "win32/com/ComDispatch.h"

namespace contract {

namespace {

class ExposedGadgetHandle : public GadgetHandle {
  public:
    ExposedGadgetHandle() : model_(MakeModelGadget()) {
        EXPECT_EQ(S_OK, win32::ExposedDispatch::Expose(model_->object(), exposed_.GetAddressOf()));
    }
    host::DispatchPtr object() override { return win32::ComDispatch::Wrap(exposed_.Get()); }
    std::int16_t FireClick(std::int16_t cancel) override { return model_->FireClick(cancel); }
    void FireChange(const std::wstring& name, std::int32_t count) override {
        model_->FireChange(name, count);
    }
    host::HResult FireRaw(host::DispId dispid, const host::DispParams& params) override {
        return model_->FireRaw(dispid, params);
    }
    std::size_t SinkCount() override { return model_->SinkCount(); }
    void RefuseUnadvise() override { model_->RefuseUnadvise(); }

  private:
    std::unique_ptr<GadgetHandle> model_;
    Microsoft::WRL::ComPtr<IDispatch> exposed_;
};

}  // namespace

std::unique_ptr<GadgetHandle> MakeGadget() {
    return std::unique_ptr<GadgetHandle>(new ExposedGadgetHandle);
}

std::string AdapterName() { return "exposed"; }

}  // namespace contract
