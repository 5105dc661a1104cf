#include "util/Trace.h"

#include <cstdio>

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

// Writes the record (after `marker`, unless null) to the trace file opened
// with `mode`; false when the file cannot be opened. C stdio rather than a
// file stream: streams would bring a quarter of a megabyte of the C++
// library into the DLL for these few lines.
bool WriteRecord(const std::string& path, const char* mode, const char* marker,
                 const std::string& record) {
    std::FILE* file = std::fopen(path.c_str(), mode);
    if (!file) {
        return false;
    }
    if (marker) {
        std::fputs(marker, file);
        std::fputc('\n', file);
    }
    std::fwrite(record.data(), 1, record.size(), file);
    std::fputc('\n', file);
    std::fclose(file);
    return true;
}

void WriteEntry(const std::string& name, int depth) {
    const std::string path = LogFilePath();
    if (path.empty()) {
        return;
    }
    const char* marker = g_firstRecord ? CTrace::kStartMarker : nullptr;
    if (WriteRecord(path, "a", marker, Record("ENTR ", name, depth))) {
        g_firstRecord = false;
    }
}

void WriteExit(const std::string& name, int depth) {
    const std::string path = LogFilePath();
    if (path.empty()) {
        return;
    }
    // The first record of the process starts the file afresh.
    if (WriteRecord(path, g_firstRecord ? "w" : "a", nullptr, Record("EXIT ", name, depth))) {
        g_firstRecord = false;
    }
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
