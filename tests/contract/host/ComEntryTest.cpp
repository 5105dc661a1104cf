// What a COM entry answers for what its body throws: the failure a COM
// error carries, E_OUTOFMEMORY for memory, E_FAIL for anything else; every
// exception recorded, an answer passed on as it is.
#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>

#include "host/ComError.h"
#include "util/CaughtExceptions.h"
#include "win32/com/ComEntry.h"

namespace {

const host::Guid kIID_Nowhere = {0x0BADF00D, 0x1, 0x2, {3, 4, 5, 6, 7, 8, 9, 10}};

TEST(CatchAtEntry, AnswersWhatTheBodyThrowsAsAnHResult) {
    const struct {
        const char* name;
        std::function<HRESULT()> body;
        HRESULT expected;
        std::size_t recorded;
    } cases[] = {
        {"an answer", [] { return S_FALSE; }, S_FALSE, 0},
        {"a COM error",
         []() -> HRESULT { throw host::ComError(host::hr::kAccessDenied, kIID_Nowhere); },
         E_ACCESSDENIED, 1},
        {"a COM error carrying no failure",
         []() -> HRESULT { throw host::ComError(host::hr::kFalse, kIID_Nowhere); }, E_FAIL, 1},
        {"no memory", []() -> HRESULT { throw std::bad_alloc(); }, E_OUTOFMEMORY, 1},
        {"another exception", []() -> HRESULT { throw std::runtime_error("boom"); }, E_FAIL, 1},
        {"not an exception at all", []() -> HRESULT { throw 7; }, E_FAIL, 1},
    };
    for (const auto& c : cases) {
        const std::size_t before = caught::Count();
        EXPECT_EQ(c.expected, win32::CatchAtEntry("Test::Entry", c.body)) << c.name;
        EXPECT_EQ(before + c.recorded, caught::Count()) << c.name;
    }
}

}  // namespace
