// The typed Office surface over the model command bars: the members, the
// argument kinds they pass, and failures raised as COM errors.
#include <gtest/gtest.h>

#include "model/office/ModelCommandBars.h"
#include "office/CommandBarButton.h"
#include "office/CommandBarComboBox.h"
#include "office/CommandBarPopup.h"
#include "office/CommandBars.h"
#include "office/OfficeIds.h"

namespace {

using host::Variant;

class CommandBarSurface : public ::testing::Test {
  protected:
    CommandBarSurface() : model_(model::ModelCommandBars::Create(&log_)), bars_(model_) {}

    std::vector<std::string> Kinds(const std::string& member, const std::string& object) {
        std::vector<std::string> kinds;
        for (const model::CallRecord& record : log_.Of(member, object)) {
            std::string text;
            for (const Variant& arg : record.args) {
                text += (text.empty() ? "" : " | ") + arg.Describe();
            }
            kinds.push_back(text);
        }
        return kinds;
    }
    office::CommandBar NewBar() { return bars_.Add(L"tandrel", office::bar_position::kTop, true); }

    model::CallLog log_;
    model::ModelCommandBarsPtr model_;
    office::CommandBars bars_;
};

TEST_F(CommandBarSurface, BarsAreListedAddedAndDeleted) {
    ASSERT_EQ(2, bars_.Count());
    EXPECT_EQ(L"Menu Bar", bars_.Item(1).Name());
    EXPECT_EQ(L"Standard", bars_.Item(2).Name());
    EXPECT_FALSE(bars_.Item(3));

    const office::CommandBar bar = NewBar();
    ASSERT_TRUE(bar);
    EXPECT_EQ(3, bars_.Count());
    EXPECT_EQ(L"tandrel", bars_.Item(3).Name());
    EXPECT_EQ((std::vector<std::string>{"VT_BSTR \"tandrel\" | VT_I4 1 | VT_ERROR 0x80020004 "
                                        "(missing) | VT_I2 -1"}),
              Kinds("Add", "CommandBars"));
    EXPECT_EQ("VT_I4 1", Kinds("Item", "CommandBars").at(0));
    EXPECT_TRUE(model_->FindBar(L"tandrel")->temporary());

    // Office refuses a second bar of the same name.
    EXPECT_FALSE(NewBar());

    bar.Delete();
    EXPECT_EQ(2, bars_.Count());
    EXPECT_TRUE(NewBar());
}

TEST_F(CommandBarSurface, BarPlacementAndProtectionReadBack) {
    const office::CommandBar bar = NewBar();
    bar.SetVisible(false);
    bar.SetEnabled(true);
    bar.SetPosition(office::bar_position::kFloating);
    bar.SetLeft(120);
    bar.SetTop(-40);
    bar.SetRowIndex(3);
    bar.SetProtection(office::kBarNoProtection);
    EXPECT_EQ(office::bar_position::kFloating, bar.Position());
    EXPECT_EQ(120, bar.Left());
    EXPECT_EQ(-40, bar.Top());
    EXPECT_EQ(3, bar.RowIndex());
    EXPECT_EQ(0, bar.Protection(99));
    EXPECT_EQ("VT_BOOL 0", Kinds("Visible", "CommandBar").at(0));
    EXPECT_EQ("VT_BOOL -1", Kinds("Enabled", "CommandBar").at(0));
    EXPECT_EQ("VT_I4 4", Kinds("Position", "CommandBar").at(0));

    // Reads through a null bar give the fallback.
    EXPECT_EQ(7, office::CommandBar().Left(7));
}

TEST_F(CommandBarSurface, FailedDeleteOfABarRaisesForCommandBar) {
    const office::CommandBar bar = NewBar();
    model::ModelCommandBarPtr modelBar = model_->FindBar(L"tandrel");
    modelBar->FailNext("Delete", host::hr::kFail, 1, L"The bar is locked");
    try {
        bar.Delete();
        FAIL() << "Delete should have raised";
    } catch (const host::ComError& error) {
        EXPECT_EQ(host::hr::kFail, error.code());
        EXPECT_EQ(office::kIID_CommandBar, error.iid());
        EXPECT_EQ(L"The bar is locked", error.description());
    }
    EXPECT_EQ(3, bars_.Count());
    bar.Delete();
    // Deleting a bar that is gone fails too.
    EXPECT_THROW(bar.Delete(), host::ComError);
    EXPECT_THROW(office::CommandBar().Delete(), host::ComError);
}

TEST_F(CommandBarSurface, ControlsAreAppendedOrInsertedWithTheirKinds) {
    const office::CommandBarControls controls = NewBar().Controls();
    const office::CommandBarControl combo =
        controls.Add(office::control_type::kComboBox, Variant::Missing(), true);
    const office::CommandBarControl last =
        controls.Add(office::control_type::kButton, Variant::Missing(), false);
    const office::CommandBarControl first =
        controls.Add(office::control_type::kButton, Variant::I4(1), false);
    ASSERT_TRUE(combo && last && first);
    ASSERT_EQ(3, controls.Count());
    EXPECT_EQ(first.object()->Identity(), controls.Item(1).object()->Identity());
    EXPECT_EQ(combo.object()->Identity(), controls.Item(2).object()->Identity());
    EXPECT_EQ(last.object()->Identity(), controls.Item(3).object()->Identity());

    const std::vector<std::string> kinds = Kinds("Add", "CommandBarControls");
    EXPECT_EQ(
        "VT_I4 4 | VT_ERROR 0x80020004 (missing) | VT_ERROR 0x80020004 (missing) | "
        "VT_ERROR 0x80020004 (missing) | VT_I2 -1",
        kinds.at(0));
    EXPECT_EQ(
        "VT_I4 1 | VT_ERROR 0x80020004 (missing) | VT_ERROR 0x80020004 (missing) | VT_I4 1 "
        "| VT_I2 0",
        kinds.at(2));

    // A position past the end, or an unknown type, is refused.
    EXPECT_FALSE(controls.Add(office::control_type::kButton, Variant::I4(9), false));
    EXPECT_FALSE(controls.Add(99, Variant::Missing(), false));

    // Each control answers only its own kind.
    EXPECT_TRUE(office::CommandBarComboBox::QueryFrom(combo));
    EXPECT_FALSE(office::CommandBarButton::QueryFrom(combo));
    EXPECT_TRUE(office::CommandBarButton::QueryFrom(first));
    EXPECT_FALSE(office::CommandBarPopup::QueryFrom(first));
    EXPECT_FALSE(office::CommandBarButton::QueryFrom(office::CommandBarControl()));
}

TEST_F(CommandBarSurface, ButtonMembersPassTheirKinds) {
    const office::CommandBarButton button = office::CommandBarButton::QueryFrom(
        NewBar().Controls().Add(office::control_type::kButton, Variant::Missing(), false));
    button.SetTag(L"alice0123");
    button.SetTooltipText(L"Call");
    button.SetCaption(L"Options");
    button.SetStyle(office::button_style::kIconAndCaption);
    button.SetFaceId(610);
    button.SetPicture(host::DispatchPtr());
    button.SetBeginGroup(true);
    button.SetEnabled(false);
    button.SetVisible(true);
    EXPECT_EQ(L"alice0123", button.Tag());
    EXPECT_TRUE(button.BeginGroup());
    EXPECT_EQ("VT_I4 3", Kinds("Style", "CommandBarButton").at(0));
    EXPECT_EQ("VT_I4 610", Kinds("FaceId", "CommandBarButton").at(0));
    EXPECT_EQ("VT_DISPATCH (null)", Kinds("Picture", "CommandBarButton").at(0));
    EXPECT_EQ("VT_BOOL -1", Kinds("BeginGroup", "CommandBarButton").at(0));
    EXPECT_EQ("VT_BOOL 0", Kinds("Enabled", "CommandBarButton").at(0));
}

TEST_F(CommandBarSurface, ControlDeleteRaisesForCommandBarControl) {
    const office::CommandBarControls controls = NewBar().Controls();
    const office::CommandBarButton button = office::CommandBarButton::QueryFrom(
        controls.Add(office::control_type::kButton, Variant::Missing(), false));
    static_cast<model::ModelObject&>(*button.object()).FailNext("Delete", host::hr::kFail);
    try {
        button.Delete();
        FAIL() << "Delete should have raised";
    } catch (const host::ComError& error) {
        EXPECT_EQ(office::kIID_CommandBarControl, error.iid());
    }
    EXPECT_EQ(1, controls.Count());
    button.Delete();
    EXPECT_EQ(0, controls.Count());
    EXPECT_EQ((std::vector<std::string>{"VT_ERROR 0x80020004 (missing)",
                                        "VT_ERROR 0x80020004 (missing)"}),
              Kinds("Delete", "CommandBarButton"));
}

TEST_F(CommandBarSurface, ComboBoxListTextAndFailures) {
    const office::CommandBarComboBox combo = office::CommandBarComboBox::QueryFrom(
        NewBar().Controls().Add(office::control_type::kComboBox, Variant::Missing(), true));
    combo.SetStyle(office::combo_style::kLabel);
    combo.SetCaption(L"Skype: ");
    combo.SetWidth(250);
    combo.AddItem(L"echo123 (Online)");
    combo.AddItem(L"bob");
    combo.SetText(L"Enter a skype name to contact");
    EXPECT_EQ(L"Enter a skype name to contact", combo.Text());
    combo.SetListIndex(2);
    EXPECT_EQ(L"bob", combo.Text());
    EXPECT_EQ("VT_BSTR \"echo123 (Online)\" | VT_ERROR 0x80020004 (missing)",
              Kinds("AddItem", "CommandBarComboBox").at(0));

    model::ModelObject& model = static_cast<model::ModelObject&>(*combo.object());
    model.FailNext("AddItem", host::hr::kOutOfMemory);
    model.FailNext("Clear", host::hr::kFail);
    try {
        combo.AddItem(L"carol");
        FAIL() << "AddItem should have raised";
    } catch (const host::ComError& error) {
        EXPECT_EQ(host::hr::kOutOfMemory, error.code());
        EXPECT_EQ(office::kIID_CommandBarComboBox, error.iid());
    }
    EXPECT_THROW(combo.Clear(), host::ComError);
    const model::ModelCommandBarComboBox& box =
        static_cast<const model::ModelCommandBarComboBox&>(model);
    EXPECT_EQ(2u, box.list().size());
    combo.Clear();
    EXPECT_TRUE(box.list().empty());
}

TEST_F(CommandBarSurface, PopupHoldsItsOwnControls) {
    const office::CommandBar bar = NewBar();
    const office::CommandBarPopup popup = office::CommandBarPopup::QueryFrom(
        bar.Controls().Add(office::control_type::kPopup, Variant::Missing(), true));
    ASSERT_TRUE(popup);
    popup.SetCaption(L"Help");
    popup.SetTooltipText(L"Tandrel Outlook Add-In Help");
    popup.SetBeginGroup(true);
    popup.SetEnabled(true);
    ASSERT_TRUE(popup.Controls().Add(office::control_type::kButton, Variant::Missing(), false));
    EXPECT_EQ(1, popup.Controls().Count());
    EXPECT_EQ(1, bar.Controls().Count());

    // The popup's items go with the bar.
    model::ModelCommandBarPtr modelBar = model_->FindBar(L"tandrel");
    const auto popupModel = boost::static_pointer_cast<model::ModelCommandBarPopup>(
        modelBar->controls()->controls()[0]);
    bar.Delete();
    EXPECT_TRUE(popupModel->deleted());
    EXPECT_TRUE(popupModel->controls()->controls()[0]->deleted());
}

}  // namespace
