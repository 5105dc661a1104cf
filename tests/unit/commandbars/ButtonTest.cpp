// CButton on the model command bars: its unique id, the host calls of each
// operation with their argument kinds, tags, pictures, unloading, a host
// that refuses, clicks, and the names it is traced under.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "ButtonFixture.h"
#include "host/ComError.h"
#include "model/ModelPictures.h"
#include "office/OfficeIds.h"
#include "support/TraceCapture.h"
#include "util/Exception.h"

namespace {

using commandbars_test::CountingButton;
using host::Variant;
using Strings = std::vector<std::string>;

const std::string kClickEvents = office::CommandBarButtonEvents::kDiid.ToString();
const std::string kMissing = "VT_ERROR 0x80020004 (missing)";

class Button : public commandbars_test::ButtonFixture {
  protected:
    // A loaded button, with what loading it recorded forgotten.
    CountingButton& Loaded() {
        button.Load(Controls(), Variant::Missing());
        Forget();
        return button;
    }
    CountingButton button;
};

bool IsUpperHex(const std::string& text) {
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
    }
    return true;
}

TEST_F(Button, UniqueIdIs32UpperCaseDigitsOfItsOwnAndTakesTheGeneratorsWarnings) {
    model.uuid.QueueCreateStatus(platform::rpc::kUuidLocalOnly);
    model.uuid.QueueCreateStatus(platform::rpc::kUuidNoAddress);
    CountingButton local, noAddress;
    for (const CButton* each : std::vector<const CButton*>{&button, &local, &noAddress}) {
        EXPECT_EQ(32u, each->GetUniqueId().size());
        EXPECT_TRUE(IsUpperHex(each->GetUniqueId())) << each->GetUniqueId();
    }
    EXPECT_NE(button.GetUniqueId(), local.GetUniqueId());
    EXPECT_NE(local.GetUniqueId(), noAddress.GetUniqueId());
}

TEST_F(Button, NoUniqueIdMeansNoButton) {
    const struct {
        platform::Status create, toString;
        const char* message;
        int line;
    } cases[] = {
        {platform::rpc::kOutOfMemory, platform::rpc::kOk, "Could not Create Unique Identifier", 66},
        {platform::rpc::kOk, platform::rpc::kOutOfMemory, "Could not create Unique Identifier", 77},
    };
    for (const auto& c : cases) {
        if (c.create != platform::rpc::kOk) model.uuid.QueueCreateStatus(c.create);
        if (c.toString != platform::rpc::kOk) model.uuid.QueueToStringStatus(c.toString);
        try {
            CountingButton never;
            ADD_FAILURE() << "made without a unique id";
        } catch (const norv::TransientException& error) {
            EXPECT_STREQ(c.message, error.what());
            EXPECT_EQ("guid", error.sourceFile());
            EXPECT_EQ(c.line, error.sourceLine());
        }
    }
}

TEST_F(Button, LoadAddsAButtonThenConnectsItsClickAndShowsIt) {
    Controls().Add(office::control_type::kButton, Variant::Missing(), true);
    Forget();
    button.Load(Controls(), Variant::I4(1));
    button.Load(Controls(), Variant::I4(1));  // loaded: nothing more
    EXPECT_EQ((Strings{"Call Add VT_I4 1 " + kMissing + " " + kMissing + " VT_I4 1 VT_I2 0",
                       "Advise " + kClickEvents, "Put Visible VT_BOOL -1"}),
              Calls());
    ASSERT_EQ(2u, bar->controls()->controls().size());
    EXPECT_EQ(ModelButton(button), bar->controls()->controls()[0]);
    EXPECT_TRUE(button.IsClickAdvised());
}

TEST_F(Button, EachSetterPutsItsPropertyAsOfficeTakesIt) {
    const struct {
        std::function<void(CButton&)> operation;
        Strings puts;
    } cases[] = {
        {[](CButton& b) { b.SetTooltip(L"Call"); }, {"Put TooltipText VT_BSTR \"Call\""}},
        {[](CButton& b) { b.BeginGroup(true); }, {"Put BeginGroup VT_BOOL -1"}},
        {[](CButton& b) { b.Enable(false); }, {"Put Enabled VT_BOOL 0"}},
        {[](CButton& b) { b.Show(false); }, {"Put Visible VT_BOOL 0"}},
        {[](CButton& b) { b.SetLabel(L"Call", 610); },
         {"Put Style VT_I4 3", "Put Caption VT_BSTR \"Call\"", "Put FaceId VT_I4 610"}},
        {[](CButton& b) { b.SetLabel(L"Options", CButton::kNoFace); },
         {"Put Style VT_I4 2", "Put Caption VT_BSTR \"Options\""}},
        {[](CButton& b) { b.SetLabel(L"", 610); }, {"Put Style VT_I4 1", "Put FaceId VT_I4 610"}},
        {[](CButton& b) { b.SetLabel(L"", CButton::kNoFace); },
         {"Put Style VT_I4 2", "Put Caption VT_BSTR \"\""}},
    };
    Loaded();
    for (const auto& c : cases) {
        Forget();
        c.operation(button);
        EXPECT_EQ(c.puts, Calls());
    }
}

TEST_F(Button, TwoButtonsWithOneTagTextKeepTagsOfTheirOwn) {
    CountingButton other;
    other.Load(Controls(), Variant::Missing());
    Loaded().SetTag(L"alice");
    other.SetTag(L"alice");
    EXPECT_EQ(L"alice" + std::wstring(button.GetUniqueId().begin(), button.GetUniqueId().end()),
              ModelButton(button)->tag());
    EXPECT_NE(ModelButton(button)->tag(), ModelButton(other)->tag());
    EXPECT_EQ(L"alice", button.GetTag());
    EXPECT_EQ(L"alice", other.GetTag());

    // A Tag that SetTag did not write.
    ModelButton(button)->Write("Tag", Variant::Bstr(std::wstring(31, L'x')));
    EXPECT_EQ(L"", button.GetTag());
    ModelButton(button)->Write("Tag", Variant::Bstr(std::wstring(32, L'x')));
    EXPECT_EQ(L"", button.GetTag());
}

TEST_F(Button, SetImageHandsOfficeTheFaceAndTheMask) {
    Loaded().SetImage(229, 227);
    EXPECT_EQ(229u, model::PictureResourceId(ModelButton(button)->picture()));
    EXPECT_EQ(227u, model::PictureResourceId(ModelButton(button)->mask()));
    Forget();
    button.SetImage(4242, 227);  // not in the module
    EXPECT_EQ((Strings{"Put Picture VT_DISPATCH (null)", "Put Mask VT_DISPATCH"}), Calls());
}

TEST_F(Button, UnloadDisconnectsThenDeletesOnce) {
    button.Unload();  // never loaded
    EXPECT_EQ(Strings{}, Calls());
    Loaded();
    button.Unload();
    button.Unload();
    const Strings calls = Calls();
    ASSERT_EQ(2u, calls.size());
    EXPECT_EQ(0u, calls[0].find("Unadvise " + kClickEvents + " VT_I4 ")) << calls[0];
    EXPECT_EQ("Call Delete " + kMissing, calls[1]);
    EXPECT_FALSE(button.IsLoaded());
    EXPECT_TRUE(bar->controls()->controls().empty());
}

TEST_F(Button, ARefusedDeleteRaisesAndKeepsTheControlForTheNextUnload) {
    Loaded();
    const model::ModelCommandBarButtonPtr control = ModelButton(button);
    control->FailNext("Delete", host::hr::kAccessDenied);
    try {
        button.Unload();
        ADD_FAILURE() << "no COM error";
    } catch (const host::ComError& error) {
        EXPECT_EQ(host::hr::kAccessDenied, error.code());
        EXPECT_EQ(office::kIID_CommandBarControl, error.iid());
    }
    EXPECT_TRUE(button.IsLoaded());
    EXPECT_FALSE(button.IsClickAdvised());
    button.Unload();
    EXPECT_TRUE(control->deleted());
    EXPECT_FALSE(button.IsLoaded());
}

TEST_F(Button, AButtonTheHostRefusedDoesNothingAtAll) {
    boost::static_pointer_cast<model::ModelObject>(bar->controls())
        ->FailNext("Add", host::hr::kFail);
    button.Load(Controls(), Variant::Missing());
    Forget();
    button.SetTag(L"x");
    button.SetTooltip(L"x");
    button.SetLabel(L"x", 610);
    button.BeginGroup(true);
    button.Enable(true);
    button.Show(true);
    button.SetImage(229, 227);
    button.AdviseClick();
    button.UnadviseClick();
    button.Unload();
    EXPECT_EQ(L"", button.GetTag());
    EXPECT_EQ(Strings{}, Calls());
    EXPECT_FALSE(button.IsLoaded());
}

TEST_F(Button, ClicksArriveOnceAndNeverAfterTheButtonIsGone) {
    Loaded().AdviseClick();  // connected already: not again
    EXPECT_EQ(Strings{}, Calls());
    const model::ModelCommandBarButtonPtr control = ModelButton(button);
    bool cancelDefault = true;
    ASSERT_TRUE(control->Click(&cancelDefault));
    EXPECT_EQ(1, button.clicks);
    EXPECT_FALSE(cancelDefault);

    // A button dropped while its control stays on the bar.
    int droppedClicks = 0;
    std::unique_ptr<CountingButton> dropped(new CountingButton);
    dropped->alsoCounted = &droppedClicks;
    dropped->Load(Controls(), Variant::Missing());
    const model::ModelCommandBarButtonPtr orphan = ModelButton(*dropped);
    ASSERT_TRUE(orphan->Click());
    dropped.reset();
    EXPECT_FALSE(orphan->deleted());
    EXPECT_TRUE(orphan->Click());
    EXPECT_EQ(1, droppedClicks);
}

TEST_F(Button, ARefusedAdviseCanBeRepeated) {
    Loaded().UnadviseClick();
    ModelButton(button)->FailNextAdvise(office::CommandBarButtonEvents::kDiid, host::hr::kFail);
    button.AdviseClick();
    EXPECT_FALSE(button.IsClickAdvised());
    button.AdviseClick();
    ModelButton(button)->Click();
    EXPECT_EQ(1, button.clicks);
}

TEST_F(Button, EveryOperationIsTracedUnderItsName) {
    testing_support::TraceCapture trace(model.registry);
    trace.Enable();
    button.Load(Controls(), Variant::Missing());
    button.SetTag(L"t");
    button.GetTag();
    button.SetTooltip(L"t");
    button.SetLabel(L"t", 1);
    button.BeginGroup(false);
    button.Enable(true);
    button.SetImage(229, 227);
    button.Unload();
    EXPECT_EQ(
        "#### BEGIN TRACE ####\n"
        "ENTR CButton::Load\n"
        "    ENTR CButton::AdviseClick\n    EXIT CButton::AdviseClick\n"
        "    ENTR CButton::Show\n    EXIT CButton::Show\n"
        "EXIT CButton::Load\n"
        "ENTR CButton::SetTag\nEXIT CButton::SetTag\n"
        "ENTR CButton::GetTag\nEXIT CButton::GetTag\n"
        "ENTR CButton::SetTooltip\nEXIT CButton::SetTooltip\n"
        "ENTR CButton::SetLabel\nEXIT CButton::SetLabel\n"
        "ENTR CButton::BeginGroup\nEXIT CButton::BeginGroup\n"
        "ENTR CButton::Enable\nEXIT CButton::Enable\n"
        "ENTR CButton::SetImage\nEXIT CButton::SetImage\n"
        "ENTR CButton::Unload\n"
        "    ENTR CButton::UnadviseClick\n    EXIT CButton::UnadviseClick\n"
        "EXIT CButton::Unload\n",
        trace.Text());
}

}  // namespace
