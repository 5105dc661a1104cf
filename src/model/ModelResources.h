// The model's resources port: the module's string table, from the same
// source as the Windows resource script, and a version resource that
// carries the project version unless a test sets another.
#pragma once

#include <optional>
#include <string>

#include "platform/Resources.h"

namespace model {

class ModelResources : public platform::Resources {
  public:
    ModelResources();

    bool LoadText(unsigned id, std::wstring* text) override;
    bool LoadFileVersion(std::string* text) override;

    // The version resource's "FileVersion"; empty: the module has none.
    std::optional<std::string> fileVersion;
};

}  // namespace model
