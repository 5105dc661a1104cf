// Wine's COM never reads HKEY_CURRENT_USER\Software\Classes, which Windows
// merges into HKEY_CLASSES_ROOT, so a class registered per user (as
// tandrel.dll and its package register ours) is not found there. The Wine
// tests copy our keys to HKEY_LOCAL_MACHINE\Software\Classes for as long as
// COM must find them; the DLL and the package themselves stay per user.
#pragma once

#include <string>

namespace wine_test {

// Our keys below Software\Classes: the ProgID and the class.
constexpr const wchar_t* kOurClassKeys[] = {L"tandrel.Connect",
                                            L"CLSID\\{9DFDD554-1E02-4AE1-A658-7A680CB6F14B}"};

// Copies kOurClassKeys from the user's classes to the machine's; false when
// one is missing or cannot be copied.
bool CopyOurClassesToMachine();
void RemoveOurClassesFromMachine();

}  // namespace wine_test
