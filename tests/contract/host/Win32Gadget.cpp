// The gadget as a COM object reached through the win32 adapter
// (contract_dispatch_win32, run under Wine).
#include <gtest/gtest.h>

#include <objbase.h>

#include "contract/host/ComGadget.h"
#include "contract/host/Gadget.h"
#include "win32/com/ComDispatch.h"

namespace contract {

namespace {

class ComGadgetHandle : public GadgetHandle {
  public:
    ComGadgetHandle() : gadget_(new ComGadget(L"gadget")) {}
    ~ComGadgetHandle() override { gadget_->Release(); }
    host::DispatchPtr object() override {
        return win32::ComDispatch::Wrap(static_cast<IDispatch*>(gadget_));
    }
    std::int16_t FireClick(std::int16_t cancel) override { return gadget_->FireClick(cancel); }
    void FireChange(const std::wstring& name, std::int32_t count) override {
        gadget_->FireChange(name, count);
    }
    std::size_t SinkCount() override { return gadget_->SinkCount(); }
    void RefuseUnadvise() override { gadget_->RefuseUnadvise(); }

  private:
    ComGadget* gadget_;
};

}  // namespace

std::unique_ptr<GadgetHandle> MakeGadget() {
    return std::unique_ptr<GadgetHandle>(new ComGadgetHandle);
}

std::string AdapterName() { return "win32"; }

}  // namespace contract
