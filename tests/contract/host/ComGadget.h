// The gadget as a real COM automation object, written by hand the way an
// Office object behaves on the wire: IDispatch with GetIDsOfNames and Invoke
// (arguments last first, DISPID_PROPERTYPUT named argument for puts,
// failures through EXCEPINFO), IConnectionPointContainer with one
// connection point, and events fired through each sink's IDispatch::Invoke.
// The members are those listed in Gadget.h.
#pragma once

#include <windows.h>
// The COM headers need <windows.h> first.
#include <ocidl.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace contract {

class ComGadget final : public IDispatch, public IConnectionPointContainer {
  public:
    // Made with one reference, which the creator releases.
    explicit ComGadget(const std::wstring& name, int children = 2);
    ComGadget(const ComGadget&) = delete;
    ComGadget& operator=(const ComGadget&) = delete;

    // IUnknown (shared by both interfaces).
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID dispid, REFIID iid, LCID lcid, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argError) override;

    // IConnectionPointContainer
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) override;
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

    // The host's side of the events.
    std::int16_t FireClick(std::int16_t cancel);
    void FireChange(const std::wstring& name, std::int32_t count);
    // Fires `dispid` with `params` as given at every sink; answers what the
    // last sink answered (S_OK when none was called) and leaves its result
    // in `result` (may be null).
    HRESULT FireRaw(DISPID dispid, DISPPARAMS* params, VARIANT* result);

    // What tests look at.
    std::size_t SinkCount() const { return sinks_.size(); }
    IDispatch* Sink(std::size_t index) const { return sinks_.at(index).sink; }
    LONG references() const { return references_; }
    int NameLookups(const std::wstring& spelling) const;
    ComGadget* Child(std::size_t index);  // 0-based; made on first use
    // Stores `value` (copied) as Value, as the host itself would.
    void SetValue(const VARIANT& value);
    // From now on Unadvise answers E_FAIL and keeps the sink.
    void RefuseUnadvise() { refuseUnadvise_ = true; }

  private:
    ~ComGadget();

    struct Connection {
        DWORD cookie;
        IDispatch* sink;  // one reference held
    };

    // The connection point of the event interface; lives inside the gadget.
    class Point : public IConnectionPoint {
      public:
        explicit Point(ComGadget* owner) : owner_(owner) {}
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
        ULONG STDMETHODCALLTYPE AddRef() override { return owner_->AddRef(); }
        ULONG STDMETHODCALLTYPE Release() override { return owner_->Release(); }
        HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
        HRESULT STDMETHODCALLTYPE
        GetConnectionPointContainer(IConnectionPointContainer** container) override;
        HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
        HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
        HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** connections) override;

      private:
        ComGadget* owner_;
    };

    HRESULT Get(DISPID dispid, const std::vector<const VARIANT*>& args, VARIANT* out,
                EXCEPINFO* exception);
    HRESULT Put(DISPID dispid, const VARIANT& value);

    LONG references_ = 1;
    std::wstring name_;
    bool nameIsNull_ = false;
    int childCount_;
    std::vector<ComGadget*> children_;  // one reference each
    VARIANT value_;
    Point point_;
    std::vector<Connection> sinks_;
    DWORD nextCookie_ = 1;
    bool refuseUnadvise_ = false;
    std::map<std::wstring, int> lookups_;
};

}  // namespace contract
