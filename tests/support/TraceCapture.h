// The trace file of one test: points the "LogFile" setting of a model
// registry at a file named after the running test and reads back what the
// trace wrote. The file is removed when the capture is made and when it
// goes, so tests never see each other's records.
#pragma once

#include <string>

#include "model/ModelRegistry.h"

namespace testing_support {

class TraceCapture {
  public:
    // Tracing stays off until Enable().
    explicit TraceCapture(model::ModelRegistry& registry);
    ~TraceCapture();
    TraceCapture(const TraceCapture&) = delete;
    TraceCapture& operator=(const TraceCapture&) = delete;

    // Points "LogFile" at the capture's file, or at `path`.
    void Enable();
    void Enable(const std::string& path);
    // Removes "LogFile": tracing is off.
    void Disable();

    // What the trace wrote so far; empty when there is no file.
    std::string Text() const;
    bool Exists() const;
    const std::string& path() const { return path_; }

  private:
    model::ModelRegistry& registry_;
    std::string path_;
};

}  // namespace testing_support
