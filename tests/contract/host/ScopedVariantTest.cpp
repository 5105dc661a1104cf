// The scoped VARIANT: what it holds is cleared exactly once, by whichever
// of its owners last holds it; seen here in the references of the object a
// VT_DISPATCH value holds.
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "contract/host/ComGadget.h"
#include "win32/com/ScopedVariant.h"

namespace {

using contract::ComGadget;
using win32::ScopedVariant;

// Puts a reference to `gadget` into `slot`, as a callee fills an
// out-parameter.
void Hold(VARIANT* slot, ComGadget* gadget) {
    gadget->AddRef();
    slot->vt = VT_DISPATCH;
    slot->pdispVal = gadget;
}

// The test holds two references to each gadget, so that a value cleared
// twice shows as a count too low rather than as a gadget gone.
constexpr LONG kHeld = 2;

TEST(ScopedVariant, ClearsWhatItHoldsOnceWhoeverHoldsItLast) {
    const struct {
        const char* name;
        std::function<void(ComGadget*, ComGadget*)> use;
    } cases[] = {
        {"made empty",
         [](ComGadget*, ComGadget*) { EXPECT_EQ(VT_EMPTY, ScopedVariant().get().vt); }},
        {"cleared when it goes",
         [](ComGadget* first, ComGadget*) {
             ScopedVariant value;
             Hold(value.Receive(), first);
             EXPECT_EQ(kHeld + 1, first->references());
         }},
        {"cleared when it receives anew",
         [](ComGadget* first, ComGadget* second) {
             ScopedVariant value;
             Hold(value.Receive(), first);
             Hold(value.Receive(), second);
             EXPECT_EQ(kHeld, first->references());
             EXPECT_EQ(static_cast<IDispatch*>(second), value.get().pdispVal);
         }},
        {"released to the caller, who clears it",
         [](ComGadget* first, ComGadget*) {
             VARIANT taken;
             {
                 ScopedVariant value;
                 Hold(value.Receive(), first);
                 taken = value.Release();
                 EXPECT_EQ(VT_EMPTY, value.get().vt);
             }
             EXPECT_EQ(kHeld + 1, first->references());
             VariantClear(&taken);
         }},
        {"moved into a new one",
         [](ComGadget* first, ComGadget*) {
             ScopedVariant value;
             Hold(value.Receive(), first);
             ScopedVariant moved(std::move(value));
             EXPECT_EQ(VT_EMPTY, value.get().vt);
             EXPECT_EQ(kHeld + 1, first->references());
         }},
        {"moved over a value it clears",
         [](ComGadget* first, ComGadget* second) {
             ScopedVariant from, to;
             Hold(from.Receive(), first);
             Hold(to.Receive(), second);
             to = std::move(from);
             EXPECT_EQ(kHeld, second->references());
             EXPECT_EQ(kHeld + 1, first->references());
         }},
        {"a vector of them, as one array",
         [](ComGadget* first, ComGadget* second) {
             std::vector<ScopedVariant> values(3);
             Hold(values[0].Receive(), first);
             Hold(values[2].Receive(), second);
             VARIANT* array = win32::VariantArray(values);
             EXPECT_EQ(static_cast<IDispatch*>(first), array[0].pdispVal);
             EXPECT_EQ(VT_EMPTY, array[1].vt);
             EXPECT_EQ(static_cast<IDispatch*>(second), array[2].pdispVal);
             std::vector<ScopedVariant> none;
             EXPECT_EQ(nullptr, win32::VariantArray(none));
         }},
    };
    for (const auto& c : cases) {
        ComGadget* first = new ComGadget(L"first", 0);
        ComGadget* second = new ComGadget(L"second", 0);
        first->AddRef();
        second->AddRef();
        c.use(first, second);
        EXPECT_EQ(kHeld, first->references()) << c.name;
        EXPECT_EQ(kHeld, second->references()) << c.name;
        for (ComGadget* gadget : {first, second}) {
            gadget->Release();
            gadget->Release();
        }
    }
}

}  // namespace
