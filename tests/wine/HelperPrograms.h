// Running the programs the Wine tests need beside them: regsvr32, msiexec
// and OutlookHost.exe. Each runs to its end (or a timeout) and writes its
// output where the test's goes, so a failing step shows in the test's log.
#pragma once

#include <windows.h>

#include <string>

namespace wine_test {

// The exit status of `commandLine`, the error that kept it from starting,
// or ERROR_TIMEOUT (the program is then ended).
DWORD RunProgram(const std::wstring& commandLine, DWORD timeoutMs);

// The full path of `name` in the folder of the running test program.
std::wstring BesideThisProgram(const wchar_t* name);

// OutlookHost.exe (built beside the tests) running `script`, one action a
// line (see OutlookHost.cpp), for a user already offered the help ("FirstRunImport"
// set): 0 when every step passed.
DWORD RunOutlookHost(const std::string& script);

}  // namespace wine_test
