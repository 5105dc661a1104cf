// The diagnostic trace: one entry record and one exit record per traced
// call, indented by nesting depth, appended to the file named by the
// "LogFile" setting. Tracing is off while that value is absent. The setting
// is read afresh for every record; writing never fails the traced call.
#pragma once

#include <string>

class CTrace {
  public:
    // Writes the entry record, then deepens.
    CTrace(const char* name, const char* file, int line);
    // Goes back up one level, then writes the exit record (also while an
    // exception unwinds the traced call).
    ~CTrace();
    CTrace(const CTrace&) = delete;
    CTrace& operator=(const CTrace&) = delete;

    // Where the guard stands; carried for a debugger, never written.
    const char* File() const { return file_; }
    int Line() const { return line_; }

    // Number of traced calls in progress.
    static int Depth();
    // Puts the process-wide state back to how the module starts (tests only:
    // the add-in itself never resets it).
    static void ResetForTesting();

    static constexpr char kStartMarker[] = "#### BEGIN TRACE ####";
    static constexpr char kIndentUnit[] = "    ";

  private:
    const std::string name_;
    const char* const file_;  // __FILE__: lives as long as the module
    const int line_;
};

// Declares the trace guard of the enclosing operation.
#define TANDREL_TRACE(name) CTrace tandrel_trace_guard_(name, __FILE__, __LINE__)
