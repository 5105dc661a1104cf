// What only the win32 adapters have: the compiled bitmaps, where the HTML
// Help control is loaded from, and how long the hidden windows' class lives.
#include <gtest/gtest.h>

#include <windows.h>

#include "resources/BitmapIds.h"
#include "win32/Win32HtmlHelp.h"
#include "win32/Win32Windowing.h"

namespace {

TEST(Win32Bitmaps, EachBitmapHasItsSizeInTwentyFourBitsPerPixel) {
    const struct {
        int id;
        LONG width, height;
    } bitmaps[] = {{ids::kAboutBitmap, 300, 200},
                   {ids::kSkypeOutFace, 16, 16},
                   {ids::kFaceMask, 16, 16},
                   {ids::kChatFace, 16, 16},
                   {ids::kCallFace, 16, 16}};
    for (const auto& each : bitmaps) {
        HANDLE image = LoadImageA(GetModuleHandleW(nullptr), MAKEINTRESOURCEA(each.id),
                                  IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
        ASSERT_NE(nullptr, image) << each.id;
        BITMAP info = {};
        ASSERT_NE(0, GetObjectA(image, sizeof info, &info)) << each.id;
        EXPECT_EQ(each.width, info.bmWidth) << each.id;
        EXPECT_EQ(each.height, info.bmHeight) << each.id;
        EXPECT_EQ(24, info.bmBitsPixel) << each.id;
        DeleteObject(image);
    }
}

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

bool ClassRegistered(HINSTANCE module) {
    WNDCLASSEXA info = {};
    info.cbSize = sizeof info;
    return GetClassInfoExA(module, win32::kHiddenWindowClassName, &info) != FALSE;
}

struct CreateCounter : platform::WindowHandler {
    void OnCreate(platform::WindowHandle) override { ++created; }
    int created = 0;
};

TEST(Win32WindowingAdapter, TheWindowClassLivesNoLongerThanItsWindows) {
    const HINSTANCE module = GetModuleHandleW(nullptr);
    win32::Win32Windowing windowing(module);
    CreateCounter handler;
    const platform::WindowHandle first = windowing.CreateHiddenWindow("first", &handler);
    const platform::WindowHandle second = windowing.CreateHiddenWindow("second", &handler);
    ASSERT_NE(platform::kNoWindow, first);
    ASSERT_NE(platform::kNoWindow, second);
    EXPECT_TRUE(windowing.DestroyWindow(first));
    EXPECT_TRUE(ClassRegistered(module));
    EXPECT_TRUE(windowing.DestroyWindow(second));
    EXPECT_FALSE(ClassRegistered(module));

    // A class of that name with another procedure, as a module loaded here
    // before might have left it, is replaced rather than used.
    WNDCLASSEXA stale = {};
    stale.cbSize = sizeof stale;
    stale.lpfnWndProc = DefWindowProcA;
    stale.hInstance = module;
    stale.lpszClassName = win32::kHiddenWindowClassName;
    ASSERT_NE(0, RegisterClassExA(&stale));
    const platform::WindowHandle third = windowing.CreateHiddenWindow("third", &handler);
    ASSERT_NE(platform::kNoWindow, third);
    EXPECT_EQ(3, handler.created);
    EXPECT_TRUE(windowing.DestroyWindow(third));
    EXPECT_FALSE(ClassRegistered(module));
}

}  // namespace
