// The gadget as a model host object (contract_dispatch_model, and behind
// the COM objects of contract_dispatch_exposed).
#include <cstdio>

#include "contract/host/Gadget.h"
#include "model/host/ModelObject.h"

namespace contract {

namespace {

using host::Variant;
namespace hr = host::hr;

std::wstring DescribeOne(const Variant& value) {
    std::wstring text = std::to_wstring(value.vt());
    wchar_t buffer[16];
    switch (value.type()) {
        case host::VarType::Empty:
        case host::VarType::Null:
            return text;
        case host::VarType::I2:
            return text + L":" + std::to_wstring(value.i2());
        case host::VarType::I4:
            return text + L":" + std::to_wstring(value.i4());
        case host::VarType::Bool:
            return text + L":" + std::to_wstring(value.boolWord());
        case host::VarType::Error:
            std::swprintf(buffer, 16, L"0x%08X", static_cast<unsigned>(value.error()));
            return text + L":" + buffer;
        case host::VarType::Dispatch:
            return text + (value.object() ? L":object" : L":(null)");
        case host::VarType::Bstr:
            if (value.isNullBstr()) {
                return text + L":(null)";
            }
            text += L":";
            for (wchar_t c : value.bstr()) {
                if (c >= 0x20 && c < 0x7F) {
                    text += c;
                } else {
                    std::swprintf(buffer, 16, L"<U+%04X>", static_cast<unsigned>(c));
                    text += buffer;
                }
            }
            return text;
    }
    return text + L":?";
}

class ModelGadget : public model::ModelObject {
  public:
    explicit ModelGadget(const std::wstring& name, int children = 2)
        : ModelObject("Gadget", nullptr), childCount_(children) {
        Implements(kIID_Gadget);
        SourcesEvents(kDIID_GadgetEvents);
        DefineValue("Value", Variant());
        DefineProperty("ValueType", [this](const std::vector<Variant>&, Variant* result) {
            *result = Variant::I4(Value("Value").vt());
            return hr::kOk;
        });
        DefineProperty("ValueLength", [this](const std::vector<Variant>&, Variant* result) {
            const Variant value = Value("Value");
            const std::int32_t length = value.type() != host::VarType::Bstr ? -2
                                        : value.isNullBstr()
                                            ? -1
                                            : static_cast<std::int32_t>(value.bstr().size());
            *result = Variant::I4(length);
            return hr::kOk;
        });
        name_ = Variant::Bstr(name);
        DefineProperty(
            "Name",
            [this](const std::vector<Variant>&, Variant* result) {
                *result = name_;
                return hr::kOk;
            },
            [this](const Variant& value) {
                if (value.type() != host::VarType::Bstr || value.isByRef())
                    return hr::kTypeMismatch;
                name_ = value;
                return hr::kOk;
            });
        DefineProperty("Count", [this](const std::vector<Variant>&, Variant* result) {
            *result = Variant::I4(childCount_);
            return hr::kOk;
        });
        DefineIndexedProperty("Item", {1, 0}, [this](const std::vector<Variant>& args, Variant* r) {
            return Item(args[0], r);
        });
        DefineMethod("Describe", {2, 2}, [](const std::vector<Variant>& args, Variant* result) {
            std::wstring text;
            for (const Variant& arg : args) {
                text += (text.empty() ? L"" : L" | ") + DescribeOne(arg);
            }
            *result = Variant::Bstr(text);
            return hr::kOk;
        });
        DefineMethod("Refuse", {0, 0}, [this](const std::vector<Variant>&, Variant* result) {
            *result = Variant::Bstr(L"left behind");
            SetErrorDescription(kRefusalText);
            return hr::kAccessDenied;
        });
        DefineMethod("FailWith", {1, 0}, [](const std::vector<Variant>& args, Variant* result) {
            if (args[0].type() != host::VarType::I4) return hr::kTypeMismatch;
            *result = Variant::I4(1);
            return args[0].i4();
        });
    }

  private:
    host::HResult Item(const Variant& index, Variant* result) {
        if (index.type() != host::VarType::I4) {
            return hr::kTypeMismatch;
        }
        if (index.i4() < 1 || index.i4() > childCount_) {
            return hr::kBadIndex;
        }
        if (children_.empty()) {
            for (int i = 1; i <= childCount_; ++i) {
                children_.emplace_back(new ModelGadget(L"child " + std::to_wstring(i), 0));
            }
        }
        *result = Variant::Object(children_[static_cast<std::size_t>(index.i4() - 1)]);
        return hr::kOk;
    }

    int childCount_;
    Variant name_;
    std::vector<model::ModelObjectPtr> children_;
};

class ModelGadgetHandle : public GadgetHandle {
  public:
    ModelGadgetHandle() : gadget_(new ModelGadget(L"gadget")) {}
    host::DispatchPtr object() override { return gadget_; }
    std::int16_t FireClick(std::int16_t cancel) override {
        gadget_->FireEvent(kDIID_GadgetEvents, kDispClick,
                           {Variant::Object(gadget_), Variant::BoolRef(&cancel)});
        return cancel;
    }
    void FireChange(const std::wstring& name, std::int32_t count) override {
        gadget_->FireEvent(kDIID_GadgetEvents, kDispChange,
                           {Variant::Bstr(name), Variant::I4(count)});
    }
    host::HResult FireRaw(host::DispId dispid, const host::DispParams& params) override {
        return gadget_->FireEventAsGiven(kDIID_GadgetEvents, dispid, params);
    }
    std::size_t SinkCount() override { return gadget_->SinkCount(kDIID_GadgetEvents); }
    void RefuseUnadvise() override { gadget_->FailNextUnadvise(kDIID_GadgetEvents, hr::kFail); }

  private:
    boost::shared_ptr<ModelGadget> gadget_;
};

}  // namespace

std::unique_ptr<GadgetHandle> MakeModelGadget() {
    return std::unique_ptr<GadgetHandle>(new ModelGadgetHandle);
}

}  // namespace contract
