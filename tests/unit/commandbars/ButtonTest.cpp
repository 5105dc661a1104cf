// CButton on the model command bars: its unique id, the host calls of each
// operation with their argument kinds and the names they are traced under,
// tags, unloading, a host that refuses, and clicks.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "ButtonFixture.h"
#include "host/ComError.h"
#include "model/ModelPictures.h"
#include "support/TraceCapture.h"
#include "util/Exception.h"

namespace {

using commandbars_test::CountingButton;
using host::Variant;

const std::string kMissing = "VT_ERROR 0x80020004 (missing)";
const std::string kClick = office::CommandBarButtonEvents::kDiid.ToString();

// Each setter and what it puts on a loaded button.
const struct {
    const char* name;
    std::function<void(CButton&)> operation;
    const char* puts;
} kSetters[] = {
    {"SetTooltip", [](CButton& b) { b.SetTooltip(L"Call"); }, "TooltipText VT_BSTR \"Call\""},
    {"BeginGroup", [](CButton& b) { b.BeginGroup(true); }, "BeginGroup VT_BOOL -1"},
    {"Enable", [](CButton& b) { b.Enable(false); }, "Enabled VT_BOOL 0"},
    {"Show", [](CButton& b) { b.Show(false); }, "Visible VT_BOOL 0"},
    {"SetLabel", [](CButton& b) { b.SetLabel(L"Go", 610); },
     "Style VT_I4 3; Caption VT_BSTR \"Go\"; FaceId VT_I4 610"},
    {"SetLabel", [](CButton& b) { b.SetLabel(L"Go", -1); },
     "Style VT_I4 2; Caption VT_BSTR \"Go\""},
    {"SetLabel", [](CButton& b) { b.SetLabel(L"", 610); }, "Style VT_I4 1; FaceId VT_I4 610"},
    {"SetLabel", [](CButton& b) { b.SetLabel(L"", -1); }, "Style VT_I4 2; Caption VT_BSTR \"\""},
    {"SetImage", [](CButton& b) { b.SetImage(4242, 227); },  // no bitmap 4242
     "Picture VT_DISPATCH (null); Mask VT_DISPATCH"},
    {"SetTag", [](CButton& b) { b.SetTag(L""); }, nullptr},
    {"GetTag", [](CButton& b) { b.GetTag(); }, "Get Tag"},
};

std::string Traced(const std::string& name, const std::string& inside = "") {
    return "ENTR CButton::" + name + "\n" + inside + "EXIT CButton::" + name + "\n";
}
std::string Nested(const std::string& name) {
    return "    ENTR CButton::" + name + "\n    EXIT CButton::" + name + "\n";
}

class Button : public commandbars_test::ButtonFixture {
  protected:
    Button() { trace.Enable(); }
    CountingButton& Loaded() {
        button.Load(Controls(), Variant::Missing());
        Forget();
        return button;
    }
    // What the trace wrote since the last call.
    std::string NewTrace() {
        const std::string text = trace.Text();
        const std::string added = text.substr(std::min(traced, text.size()));
        traced = text.size();
        return added;
    }
    testing_support::TraceCapture trace{model.registry};
    std::size_t traced = std::string("#### BEGIN TRACE ####\n").size();
    CountingButton button;
};

TEST_F(Button, UniqueIdIs32UpperCaseDigitsOfItsOwnOrNoButtonAtAll) {
    model.uuid.QueueCreateStatus(platform::rpc::kUuidLocalOnly);  // warnings still give one
    model.uuid.QueueCreateStatus(platform::rpc::kUuidNoAddress);
    CountingButton local, noAddress;
    for (const CButton* each : std::vector<const CButton*>{&local, &noAddress}) {
        EXPECT_EQ(std::string::npos, each->GetUniqueId().find_first_not_of("0123456789ABCDEF"));
        EXPECT_EQ(32u, each->GetUniqueId().size());
        EXPECT_NE(button.GetUniqueId(), each->GetUniqueId());
    }
    model.uuid.QueueCreateStatus(platform::rpc::kOutOfMemory);
    EXPECT_THROW(CountingButton(), norv::TransientException);
    model.uuid.QueueToStringStatus(platform::rpc::kOutOfMemory);
    try {
        CountingButton never;
        ADD_FAILURE() << "made without a unique id";
    } catch (const norv::TransientException& error) {
        EXPECT_STREQ("Could not create Unique Identifier", error.what());
        EXPECT_EQ("guid", error.sourceFile());
        EXPECT_EQ(77, error.sourceLine());
    }
}

TEST_F(Button, LoadConnectsAndShowsUnloadDisconnectsAndDeletesOnce) {
    button.Unload();  // never loaded
    Controls().Add(office::control_type::kButton, Variant::Missing(), true);
    Forget();
    button.Load(Controls(), Variant::I4(1));
    button.Load(Controls(), Variant::I4(1));  // loaded: nothing more
    EXPECT_EQ("Call Add VT_I4 1 " + kMissing + " " + kMissing + " VT_I4 1 VT_I2 0; Advise " +
                  kClick + "; Visible VT_BOOL -1",
              Calls());
    EXPECT_EQ(
        Traced("Unload") + Traced("Load", Nested("AdviseClick") + Nested("Show")) + Traced("Load"),
        NewTrace());
    const model::ModelCommandBarButtonPtr control = ModelButton(button);
    EXPECT_EQ(control, bar->controls()->controls().at(0));

    Forget();
    control->FailNext("Delete", host::hr::kAccessDenied);
    try {
        button.Unload();
        ADD_FAILURE() << "no COM error";
    } catch (const host::ComError& error) {
        EXPECT_EQ(host::hr::kAccessDenied, error.code());
        EXPECT_EQ(office::kIID_CommandBarControl, error.iid());
    }
    EXPECT_TRUE(button.IsLoaded());  // kept for the next Unload
    button.Unload();
    button.Unload();
    EXPECT_EQ(
        "Unadvise " + kClick + " VT_I4 1; Call Delete " + kMissing + "; Call Delete " + kMissing,
        Calls());
    EXPECT_EQ(Traced("Unload", Nested("UnadviseClick")) +
                  Traced("Unload", Nested("UnadviseClick")) + Traced("Unload"),
              NewTrace());
    EXPECT_TRUE(control->deleted());
    EXPECT_FALSE(button.IsLoaded());
}

TEST_F(Button, EachSetterPutsItsPropertyAsOfficeTakesItAndIsTraced) {
    Loaded().SetImage(229, 227);
    EXPECT_EQ(229u, model::PictureResourceId(ModelButton(button)->picture()));
    EXPECT_EQ(227u, model::PictureResourceId(ModelButton(button)->mask()));
    NewTrace();
    for (const auto& setter : kSetters) {
        Forget();
        setter.operation(button);
        if (setter.puts) {  // the tag's id differs per button
            EXPECT_EQ(setter.puts, Calls()) << setter.name;
        }
        EXPECT_EQ(Traced(setter.name), NewTrace());
    }
}

TEST_F(Button, TwoButtonsWithOneTagTextKeepTagsOfTheirOwn) {
    CountingButton other;
    other.Load(Controls(), Variant::Missing());
    Loaded().SetTag(L"alice");
    other.SetTag(L"alice");
    const std::string& id = button.GetUniqueId();
    EXPECT_EQ(L"alice" + std::wstring(id.begin(), id.end()), ModelButton(button)->tag());
    EXPECT_NE(ModelButton(button)->tag(), ModelButton(other)->tag());
    EXPECT_EQ(L"alice", button.GetTag());
    EXPECT_EQ(L"alice", other.GetTag());
    for (std::size_t length : {31, 32}) {  // Tags that SetTag did not write
        ModelButton(button)->Write("Tag", Variant::Bstr(std::wstring(length, L'x')));
        EXPECT_EQ(L"", button.GetTag()) << length;
    }
}

TEST_F(Button, AButtonTheHostRefusedDoesNothingAtAll) {
    boost::static_pointer_cast<model::ModelObject>(bar->controls())
        ->FailNext("Add", host::hr::kFail);
    button.Load(Controls(), Variant::Missing());
    Forget();
    for (const auto& setter : kSetters) setter.operation(button);
    button.AdviseClick();
    button.UnadviseClick();
    button.Unload();
    EXPECT_EQ(L"", button.GetTag());
    EXPECT_EQ("", Calls());
}

TEST_F(Button, ClicksArriveOnceAndNeverAfterTheButtonIsGone) {
    Loaded().AdviseClick();  // connected already: not again
    EXPECT_EQ("", Calls());
    button.UnadviseClick();
    ModelButton(button)->FailNextAdvise(office::CommandBarButtonEvents::kDiid, host::hr::kFail);
    button.AdviseClick();
    EXPECT_FALSE(button.IsClickAdvised());  // refused: it may be asked again
    button.AdviseClick();
    bool cancelDefault = true;
    ASSERT_TRUE(ModelButton(button)->Click(&cancelDefault));
    EXPECT_EQ(1, button.clicks);
    EXPECT_FALSE(cancelDefault);

    int droppedClicks = 0;  // a button dropped while its control stays on the bar
    std::unique_ptr<CountingButton> dropped(new CountingButton);
    dropped->alsoCounted = &droppedClicks;
    dropped->Load(Controls(), Variant::Missing());
    const model::ModelCommandBarButtonPtr orphan = ModelButton(*dropped);
    orphan->Click();
    dropped.reset();
    EXPECT_TRUE(orphan->Click());
    EXPECT_EQ(1, droppedClicks);
}

}  // namespace
