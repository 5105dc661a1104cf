#include "HelperPrograms.h"

#include <fstream>

namespace wine_test {

DWORD RunProgram(const std::wstring& commandLine, DWORD timeoutMs) {
    std::wstring command = commandLine;  // CreateProcessW may write into it
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return GetLastError();
    }
    DWORD code = ERROR_TIMEOUT;
    if (WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &code);
    } else {
        TerminateProcess(process.hProcess, ERROR_TIMEOUT);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

std::wstring BesideThisProgram(const wchar_t* name) {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring own(path, length < MAX_PATH ? length : 0);
    return own.substr(0, own.find_last_of(L"\\/") + 1) + name;
}

DWORD RunOutlookHost(const std::string& script) {
    // This user has been offered the help before: the question of a first
    // start would wait for an answer nobody gives.
    HKEY settings = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Tandrel", 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, &settings, nullptr) == ERROR_SUCCESS) {
        const BYTE offered = 1;
        RegSetValueExW(settings, L"FirstRunImport", 0, REG_BINARY, &offered, sizeof(offered));
        RegCloseKey(settings);
    }
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring scriptPath =
        std::wstring(folder) + L"outlook-host-" + std::to_wstring(GetCurrentProcessId()) + L".txt";
    {
        std::ofstream file(scriptPath.c_str());
        file << script;
        if (!file) return ERROR_WRITE_FAULT;
    }
    const DWORD code = RunProgram(
        L"\"" + BesideThisProgram(L"OutlookHost.exe") + L"\" \"" + scriptPath + L"\"", 60000);
    DeleteFileW(scriptPath.c_str());
    return code;
}

}  // namespace wine_test
