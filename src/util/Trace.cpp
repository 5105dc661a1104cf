#include "util/Trace.h"

#include <fstream>

#include "util/RegistryKey.h"
#include "util/Settings.h"

namespace {

// Process-wide: one UI thread writes, so no lock.
int g_depth = 0;
bool g_firstRecord = true;

// The trace file's path, or empty when tracing is off. Only a string value
// names a file; a number or binary value is not a path.
std::string LogFilePath() {
    // Made once: every record reads the setting.
    static const std::string kKeyPath = settings::kKeyPath;
    static const std::string kValueName = settings::kLogFile;
    CRegistryKey key(settings::kRoot, kKeyPath, platform::access::kRead);
    CRegistryValuePtr value = key.Query(kValueName);
    if (!value || !value->IsString()) {
        return std::string();
    }
    return value->GetText();
}

std::string Record(const char* kind, const std::string& name, int depth) {
    std::string line;
    for (int i = 0; i < depth; ++i) {
        line += CTrace::kIndentUnit;
    }
    return line + kind + name;
}

void WriteEntry(const std::string& name, int depth) {
    const std::string path = LogFilePath();
    if (path.empty()) {
        return;
    }
    std::ofstream file(path.c_str(), std::ios::out | std::ios::app);
    if (!file) {
        return;
    }
    if (g_firstRecord) {
        file << CTrace::kStartMarker << '\n';
    }
    g_firstRecord = false;
    file << Record("ENTR ", name, depth) << '\n';
    file.flush();
}

void WriteExit(const std::string& name, int depth) {
    const std::string path = LogFilePath();
    if (path.empty()) {
        return;
    }
    // The first record of the process starts the file afresh.
    std::ofstream file(path.c_str(), g_firstRecord ? std::ios::out | std::ios::trunc
                                                   : std::ios::out | std::ios::app);
    if (!file) {
        return;
    }
    g_firstRecord = false;
    file << Record("EXIT ", name, depth) << '\n';
    file.flush();
}

}  // namespace

constexpr char CTrace::kStartMarker[];
constexpr char CTrace::kIndentUnit[];

CTrace::CTrace(const char* name, const char* file, int line)
    : name_(name ? name : ""), file_(file ? file : ""), line_(line) {
    try {
        WriteEntry(name_, g_depth);
    } catch (...) {
        // The trace never makes the traced operation fail.
    }
    ++g_depth;
}

CTrace::~CTrace() {
    --g_depth;
    try {
        WriteExit(name_, g_depth);
    } catch (...) {
        // Nothing may leave a destructor, least of all during unwinding.
    }
}

int CTrace::Depth() { return g_depth; }

void CTrace::ResetForTesting() {
    g_depth = 0;
    g_firstRecord = true;
}
