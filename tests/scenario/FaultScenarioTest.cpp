// What the add-in makes of faults on Outlook's, Office's and the system's
// side: each leaves the add-in running, the windows it could hook hooked,
// and nothing of a closed window touched.
#include <gtest/gtest.h>

#include <vector>

#include "ScenarioFixture.h"
#include "host/ComError.h"
#include "outlook/OutlookIds.h"
#include "support/TraceCapture.h"
#include "util/CaughtExceptions.h"
#include "util/Exception.h"

namespace {

using Faults = scenario_test::ScenarioFixture;

TEST_F(Faults, WithoutUniqueIdsForItsErrorObserverTheAddInCannotStart) {
    SkipFirstRun();
    const model::ModelExplorerPtr window = outlook.AddExplorer(outlook.contacts());
    outlook.SetActiveExplorer(window);
    model.uuid.QueueCreateStatus(platform::rpc::kOutOfMemory);  // the error observer's key
    EXPECT_EQ(host::hr::kFail, Connect());
    EXPECT_FALSE(world.addin.connected());
    EXPECT_EQ("(none)", Toolbar(window->commandBars()));
    EXPECT_EQ(0u, outlook.explorers()->SinkCount(outlook::ExplorersEvents::kDiid));
    EXPECT_TRUE(skype.AttachedClients().empty());  // no window of ours was left behind
}

TEST_F(Faults, AToolbarWithoutUniqueIdsLeavesTheAddInConnectedWithoutIt) {
    SkipFirstRun();
    const model::ModelExplorerPtr window = outlook.AddExplorer(outlook.contacts());
    outlook.SetActiveExplorer(window);
    const std::size_t caught = caught::Count();
    model.uuid.QueueCreateStatus(platform::rpc::kOk);           // the error observer's key
    model.uuid.QueueCreateStatus(platform::rpc::kOutOfMemory);  // the toolbar's first button
    ASSERT_EQ(host::hr::kOk, Connect());
    EXPECT_TRUE(world.addin.connected());
    EXPECT_EQ(caught + 1, caught::Count());
    EXPECT_EQ("(none)", Toolbar(window->commandBars()));
    EXPECT_EQ(0u, window->SinkCount(outlook::ExplorerEvents::kDiid));
    // In a window opened later the same failure reaches the event's edge
    // (the COM sink in the DLL); the next window is hooked as usual.
    model.uuid.QueueCreateStatus(platform::rpc::kOutOfMemory);
    EXPECT_THROW(outlook.OpenExplorer(outlook.inbox()), norv::TransientException);
    const model::ModelExplorerPtr later = outlook.OpenExplorer(outlook.inbox());
    EXPECT_NE("(none)", Toolbar(later->commandBars()));
    EXPECT_EQ(host::hr::kOk, Disconnect());
}

TEST_F(Faults, AWindowWhoseComboRefusesToClearKeepsNoOtherWindowShowingAContactWhileOffline) {
    const model::ModelContactItemPtr jane = AddContact(L"Jane Doe", L"alice.wonder");
    const model::ModelExplorerPtr window = StartWith(outlook.contacts());
    window->Select({jane});
    const model::ModelInspectorPtr open = outlook.OpenInspector(jane);
    const std::vector<model::ModelCommandBarsPtr> bars = {window->commandBars(),
                                                          open->commandBars()};
    // Each window refuses once, so that in one of the runs the refusing
    // window is told before the other, whatever the client's order.
    for (std::size_t refusing = 0; refusing < bars.size(); ++refusing) {
        SCOPED_TRACE(refusing);
        SkypeStatus("ONLINE");
        // The SkypeOut combo: the Skype combo keeps its list while the buddies stay.
        Combo(bars[refusing], "skypeout")->FailNext("Clear", host::hr::kFail);
        const std::size_t before = caught::Count();
        SkypeStatus("OFFLINE");
        EXPECT_EQ(before + 1, caught::Count());  // recorded at the observer call
        for (std::size_t other = 0; other < bars.size(); ++other) {
            if (other != refusing) {
                EXPECT_EQ(L"Enter a skype name to contact", SkypeText(bars[other]));
            }
        }
    }
    EXPECT_EQ(host::hr::kOk, Disconnect());
}

TEST_F(Faults, MissingFoldersSelectionsAndItemsGiveNoItem) {
    const model::ModelContactItemPtr jane = AddContact(L"Jane Doe", L"alice.wonder");
    const model::ModelExplorerPtr window = StartWith(outlook.contacts());
    const model::ModelCommandBarsPtr bars = window->commandBars();

    window->Select({jane});
    window->SetSelectionUnavailable(true);
    window->Select({jane});
    EXPECT_EQ(L"Enter a skype name to contact", SkypeText(bars));
    window->SetSelectionUnavailable(false);

    window->Select({jane});
    window->Select({model::ModelItemPtr()});  // Item(1) answers nothing
    EXPECT_EQ(L"Enter a skype name to contact", SkypeText(bars));

    window->Select({jane});
    window->SwitchFolder(model::ModelFolderPtr());  // a window showing no folder
    window->SwitchView();
    window->Activate();
    EXPECT_EQ(0u, Toolbar(bars).find("bar \"tandrel\" position 1 hidden\n")) << Toolbar(bars);
    EXPECT_EQ(L"Enter a skype name to contact", SkypeText(bars));

    const model::ModelInspectorPtr empty = outlook.OpenInspector(model::ModelItemPtr());
    EXPECT_EQ("(none)", Toolbar(empty->commandBars()));
    empty->Close();
}

TEST_F(Faults, EventsOfAClosedWindowReachNothingEvenWhenItsUnadviseWasRefused) {
    const model::ModelContactItemPtr jane = AddContact(L"Jane Doe", L"alice.wonder");
    const model::ModelExplorerPtr window = StartWith(outlook.contacts());
    const model::ModelInspectorPtr open = outlook.OpenInspector(jane);
    window->FailNextUnadvise(outlook::ExplorerEvents::kDiid, host::hr::kFail, 4);
    jane->FailNextUnadvise(outlook::ItemEvents::kDiid, host::hr::kFail, 2);
    window->Close();
    open->Close();
    testing_support::TraceCapture trace(model.registry);
    trace.Enable();
    window->Select({jane});
    window->Activate();
    jane->FireEvent(outlook::ItemEvents::kDiid, outlook::ItemEvents::kPropertyChange,
                    {host::Variant::Bstr(L"FullName")});
    SkypeStatus("OFFLINE");
    const std::string text = trace.Text();
    EXPECT_EQ(std::string::npos, text.find("OnSelectionChange")) << text;
    EXPECT_EQ(std::string::npos, text.find("OnItemChange")) << text;
    EXPECT_EQ(std::string::npos, text.find("OnExplorerActivate")) << text;
    EXPECT_EQ(std::string::npos, text.find("CExplorer::OnChangeConnectionStatus")) << text;
    EXPECT_EQ(std::string::npos, text.find("CContactInspector::OnChangeConnectionStatus")) << text;
    EXPECT_EQ(host::hr::kOk, Disconnect());
}

TEST_F(Faults, ABarThatWillNotGoDoesNotKeepTheRestUp) {
    SkipFirstRun();
    const model::ModelExplorerPtr first = outlook.AddExplorer(outlook.contacts());
    const model::ModelExplorerPtr second = outlook.AddExplorer(outlook.inbox());
    ASSERT_EQ(host::hr::kOk, Connect());
    first->Activate();
    second->Activate();
    first->commandBars()->FindBar(L"tandrel")->FailNext("Delete", host::hr::kAccessDenied);
    const std::size_t caught = caught::Count();
    EXPECT_EQ(host::hr::kOk, Disconnect());
    EXPECT_EQ(caught + 1, caught::Count());
    EXPECT_EQ("(none)", Toolbar(second->commandBars()));
    EXPECT_EQ(0u, first->SinkCount(outlook::ExplorerEvents::kDiid));
    EXPECT_EQ(0u, outlook.explorers()->SinkCount(outlook::ExplorersEvents::kDiid));
    ASSERT_EQ(1u, skype.AttachedClients().size());
    EXPECT_FALSE(model.desktop.IsWindow(skype.AttachedClients()[0]));
}

}  // namespace
