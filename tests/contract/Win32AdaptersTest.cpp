// What only the win32 adapters have: where the HTML Help control is loaded
// from.
#include <gtest/gtest.h>

#include <windows.h>

#include "win32/Win32HtmlHelp.h"

namespace {

TEST(Win32HtmlHelpAdapter, TheControlComesFromItsRegistrationOrElseTheSystemFolder) {
    const char missing[] = "C:\\Tandrel\\no such folder\\x.chm::/index.htm";
    win32::Win32HtmlHelp registered;
    EXPECT_EQ(platform::kNoWindow, registered.Call(platform::kNoWindow, missing, 0, 0));
    EXPECT_NE(std::string::npos, registered.LoadedFrom().find("hhctrl.ocx"))
        << registered.LoadedFrom();

    win32::Win32HtmlHelp unregistered("CLSID\\{00000000-0000-0000-0000-0000000000AB}");
    EXPECT_EQ(platform::kNoWindow, unregistered.Call(platform::kNoWindow, missing, 0, 0));
    EXPECT_EQ(win32::Win32HtmlHelp::SystemControlPath(), unregistered.LoadedFrom());
    EXPECT_NE(nullptr, GetModuleHandleA(unregistered.LoadedFrom().c_str()));
}

}  // namespace
