// Click and OnUpdate of the model command bars, received through the
// event seam (host::EventSink advised by DIID on the typed surface), and the
// "Context Menu" bar a right-click builds.
#include <gtest/gtest.h>

#include "model/office/ModelCommandBars.h"
#include "office/CommandBarButton.h"
#include "office/CommandBars.h"
#include "office/OfficeIds.h"
#include "support/RecordingSink.h"

namespace {

using host::Variant;

using testing_support::RecordingSink;

class CommandBarEvents : public ::testing::Test {
  protected:
    CommandBarEvents() : model_(model::ModelCommandBars::Create(&log_)), bars_(model_) {}

    model::ModelCommandBarButtonPtr NewButton() {
        const office::CommandBarControl control =
            bars_.Add(L"tandrel", office::bar_position::kTop, true)
                .Controls()
                .Add(office::control_type::kButton, Variant::Missing(), true);
        return boost::static_pointer_cast<model::ModelCommandBarButton>(control.object());
    }

    model::CallLog log_;
    model::ModelCommandBarsPtr model_;
    office::CommandBars bars_;
};

TEST_F(CommandBarEvents, ClickArrivesWithButtonAndCancelDefaultInComOrder) {
    const model::ModelCommandBarButtonPtr model = NewButton();
    const office::CommandBarButton button(model);
    RecordingSink sink;
    std::uint32_t cookie = 0;
    ASSERT_EQ(host::hr::kOk, button.Advise(office::CommandBarButtonEvents::kDiid, &sink, &cookie));

    sink.action = [](host::DispParams& params) {
        *params.args.at(0).boolRef() = host::kVariantTrue;
    };
    bool cancelDefault = false;
    ASSERT_TRUE(model->Click(&cancelDefault));
    ASSERT_EQ(std::vector<host::DispId>{office::CommandBarButtonEvents::kClick}, sink.dispids);
    // Positional arguments arrive last first: CancelDefault, then the button.
    ASSERT_EQ(2u, sink.last.args.size());
    EXPECT_EQ(host::VarType::Bool, sink.last.args[0].type());
    EXPECT_TRUE(sink.last.args[0].isByRef());
    EXPECT_EQ(model.get(), sink.last.args[1].object()->Identity());
    EXPECT_TRUE(cancelDefault);

    ASSERT_EQ(host::hr::kOk, button.Unadvise(office::CommandBarButtonEvents::kDiid, cookie));
    model->Click();
    EXPECT_EQ(1u, sink.dispids.size());
}

TEST_F(CommandBarEvents, DisabledOrDeletedButtonCannotBeClicked) {
    const model::ModelCommandBarButtonPtr model = NewButton();
    const office::CommandBarButton button(model);
    RecordingSink sink;
    std::uint32_t cookie = 0;
    button.Advise(office::CommandBarButtonEvents::kDiid, &sink, &cookie);
    button.SetEnabled(false);
    EXPECT_FALSE(model->Click());
    button.SetEnabled(true);
    button.Delete();
    EXPECT_FALSE(model->Click());
    EXPECT_TRUE(sink.dispids.empty());
}

TEST_F(CommandBarEvents, HandlerMayDeleteTheClickedButton) {
    const model::ModelCommandBarButtonPtr model = NewButton();
    const office::CommandBarButton button(model);
    RecordingSink sink;
    std::uint32_t cookie = 0;
    button.Advise(office::CommandBarButtonEvents::kDiid, &sink, &cookie);
    sink.action = [&button](host::DispParams&) { button.Delete(); };
    EXPECT_TRUE(model->Click());
    EXPECT_TRUE(model->deleted());
    EXPECT_EQ(0, bars_.Item(3).Controls().Count());
}

TEST_F(CommandBarEvents, RightClickBuildsTheContextMenuDuringOnUpdate) {
    RecordingSink sink;
    std::uint32_t cookie = 0;
    ASSERT_EQ(host::hr::kOk, bars_.Advise(office::CommandBarsEvents::kDiid, &sink, &cookie));
    // What an add-in does in OnUpdate: find the menu, lift its protection and
    // insert an item before the first group.
    int protectionSeen = -1;
    int insertedAt = 0;
    sink.action = [&](host::DispParams& params) {
        EXPECT_TRUE(params.args.empty());
        for (std::int32_t i = 1; i <= bars_.Count(); ++i) {
            const office::CommandBar bar = bars_.Item(i);
            if (bar.Name() != office::kContextMenuName) continue;
            protectionSeen = bar.Protection(-1);
            bar.SetProtection(office::kBarNoProtection);
            const office::CommandBarControls controls = bar.Controls();
            for (std::int32_t c = 1; c <= controls.Count(); ++c) {
                if (controls.Item(c).BeginGroup()) {
                    insertedAt = c;
                    break;
                }
            }
            controls.Add(office::control_type::kButton, Variant::I4(insertedAt), true);
            bar.SetProtection(protectionSeen);
        }
    };

    const model::ModelCommandBarPtr menu = model_->RightClick();
    EXPECT_EQ(std::vector<host::DispId>{office::CommandBarsEvents::kOnUpdate}, sink.dispids);
    EXPECT_EQ(model::ModelCommandBars::kContextMenuProtection, protectionSeen);
    EXPECT_EQ(3, insertedAt);  // "&Reply" begins the first group
    ASSERT_EQ(model::ModelCommandBars::DefaultContextMenu().size() + 1,
              menu->controls()->controls().size());
    const model::ModelCommandBarControlPtr inserted = menu->controls()->controls()[2];
    EXPECT_EQ(model::ModelCommandBars::kContextMenuProtection, menu->Read("Protection").i4());

    model_->CloseContextMenu();
    EXPECT_FALSE(model_->FindBar(office::kContextMenuName));
    EXPECT_TRUE(inserted->deleted());

    // Without a right-click, OnUpdate finds no context menu.
    sink.action = nullptr;
    model_->FireOnUpdate();
    EXPECT_EQ(2u, sink.dispids.size());
    for (std::int32_t i = 1; i <= bars_.Count(); ++i) {
        EXPECT_NE(office::kContextMenuName, bars_.Item(i).Name());
    }
}

TEST_F(CommandBarEvents, ContextMenuWithoutGroupsAndAdviseOnNothing) {
    const model::ModelCommandBarPtr menu =
        model_->RightClick({{L"Open", false}, {L"Print", false}});
    for (const model::ModelCommandBarControlPtr& control : menu->controls()->controls()) {
        EXPECT_FALSE(control->beginGroup());
    }
    // A second right-click replaces the menu.
    const model::ModelCommandBarPtr again = model_->RightClick();
    EXPECT_TRUE(menu->deleted());
    EXPECT_EQ(again, model_->FindBar(office::kContextMenuName));

    RecordingSink sink;
    std::uint32_t cookie = 0;
    EXPECT_TRUE(host::Failed(
        office::CommandBars().Advise(office::CommandBarsEvents::kDiid, &sink, &cookie)));
    // A bar sources no events.
    EXPECT_TRUE(host::Failed(
        office::CommandBar(again).Advise(office::CommandBarsEvents::kDiid, &sink, &cookie)));
}

}  // namespace
