// How OutlookHost.exe tells ModelSkype.exe what happens in Skype: the text
// of a WM_COPYDATA to ModelSkype.exe's control window, one line each:
//   ring CALLER      someone calls the user (a Skype name or a number)
//   answer | miss    the call that rings is answered, or rings out
// The control window is a hidden window of the win32 adapter's class with
// this title. It takes a line at once and acts on it after the send has
// returned, so that OutlookHost.exe, whose add-in Skype then talks to, is
// never blocked in its own send meanwhile.
#pragma once

namespace model_skype_control {

constexpr char kWindowTitle[] = "ModelSkype control";

}  // namespace model_skype_control
