// The base of the module's COM objects: the QueryInterface table it builds
// from the interfaces a class lists (with the answers a class adds at run
// time), the reference count that decides when an object goes, and the
// module's count that DllCanUnloadNow reads. The answer for the base of a
// dual interface shows in the add-in's object (wine_com_server).
#include <gtest/gtest.h>

#include <windows.h>
// The COM headers need <windows.h> first.
#include <ocidl.h>

#include "win32/com/ComObject.h"
#include "win32/com/ModuleUsage.h"

namespace {

using win32::ModuleCount;

// Answered at run time by the probe's QueryOther, and refused by it with an
// error of its own.
constexpr IID kIID_Extra = {
    0x3F1E2D4C, 0x5B6A, 0x4789, {0x90, 0xA1, 0xB2, 0xC3, 0xD4, 0xE5, 0xF6, 0x08}};
constexpr IID kIID_Failing = {
    0x3F1E2D4C, 0x5B6A, 0x4789, {0x90, 0xA1, 0xB2, 0xC3, 0xD4, 0xE5, 0xF6, 0x09}};

template <ModuleCount counting>
class Probe final
    : public win32::ComObject<Probe<counting>, counting, IClassFactory, IConnectionPointContainer> {
  public:
    explicit Probe(bool* destroyed) : destroyed_(destroyed) {}
    ~Probe() { *destroyed_ = true; }

    HRESULT QueryOther(REFIID iid, void** found) {
        if (IsEqualIID(iid, kIID_Failing)) {
            return E_OUTOFMEMORY;
        }
        *found = IsEqualIID(iid, kIID_Extra) ? static_cast<IClassFactory*>(this) : nullptr;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID, void**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID, IConnectionPoint**) override {
        return E_NOTIMPL;
    }

  private:
    bool* destroyed_;
};

TEST(ComObject, AnswersTheListedInterfacesAndWhatTheClassAdds) {
    bool destroyed = false;
    auto* probe = new Probe<ModuleCount::kCounted>(&destroyed);
    IClassFactory* factory = probe;
    IConnectionPointContainer* container = probe;
    const struct {
        const char* name;
        IID iid;
        HRESULT expected;
        void* answer;
    } cases[] = {
        {"IUnknown, through the first listed", IID_IUnknown, S_OK, factory},
        {"the first listed", IID_IClassFactory, S_OK, factory},
        {"the second listed", IID_IConnectionPointContainer, S_OK, container},
        {"added at run time", kIID_Extra, S_OK, factory},
        {"refused at run time", kIID_Failing, E_OUTOFMEMORY, nullptr},
        {"not answered", IID_IDispatch, E_NOINTERFACE, nullptr},
    };
    for (const auto& c : cases) {
        void* answer = reinterpret_cast<void*>(1);
        EXPECT_EQ(c.expected, probe->QueryInterface(c.iid, &answer)) << c.name;
        EXPECT_EQ(c.answer, answer) << c.name;
        // One reference for each interface handed out, none for a refusal.
        EXPECT_EQ(c.answer ? 3u : 2u, probe->AddRef()) << c.name;
        probe->Release();
        if (c.answer) {
            static_cast<IUnknown*>(answer)->Release();
        }
    }
    EXPECT_EQ(E_POINTER, container->QueryInterface(IID_IUnknown, nullptr));
    EXPECT_EQ(0u, container->Release());
    EXPECT_TRUE(destroyed);
}

template <ModuleCount counting>
void ExpectLifeAndModuleCount(bool counted) {
    ASSERT_FALSE(win32::ModuleUsage::InUse());
    bool destroyed = false;
    auto* probe = new Probe<counting>(&destroyed);  // born with the creator's reference
    EXPECT_EQ(counted, win32::ModuleUsage::InUse());
    EXPECT_EQ(2u, probe->AddRef());
    EXPECT_EQ(1u, probe->Release());
    EXPECT_FALSE(destroyed);
    EXPECT_EQ(0u, probe->Release());
    EXPECT_TRUE(destroyed);
    EXPECT_FALSE(win32::ModuleUsage::InUse());
}

TEST(ComObject, LivesUntilItsLastReferenceAndCountsInTheModuleWhenAsked) {
    ExpectLifeAndModuleCount<ModuleCount::kCounted>(true);
    ExpectLifeAndModuleCount<ModuleCount::kNotCounted>(false);
}

}  // namespace
