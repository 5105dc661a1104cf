// The gadget as a COM object reached through the win32 adapter
// (contract_dispatch_win32, run under Wine).
#include <gtest/gtest.h>

#include <objbase.h>
#include <oleauto.h>

#include <vector>

#include "contract/host/ComGadget.h"
#include "contract/host/Gadget.h"
#include "win32/com/ComDispatch.h"
#include "win32/com/ComVariant.h"

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
    host::HResult FireRaw(host::DispId dispid, const host::DispParams& params) override {
        std::vector<VARIANT> args(params.args.size());
        for (std::size_t i = 0; i < args.size(); ++i) {
            VariantInit(&args[i]);
            EXPECT_EQ(S_OK, win32::ToVariant(params.args[i], &args[i]));
        }
        std::vector<DISPID> named(params.namedArgs.begin(), params.namedArgs.end());
        DISPPARAMS raw = {args.empty() ? nullptr : args.data(),
                          named.empty() ? nullptr : named.data(), static_cast<UINT>(args.size()),
                          static_cast<UINT>(named.size())};
        const HRESULT answer = gadget_->FireRaw(dispid, &raw, nullptr);
        for (VARIANT& arg : args) VariantClear(&arg);
        return FAILED(answer) ? answer : S_OK;
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
