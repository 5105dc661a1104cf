// The model's resources port: the module's string table, from the same
// source as the Windows resource script.
#pragma once

#include "platform/Resources.h"

namespace model {

class ModelResources : public platform::Resources {
  public:
    bool LoadText(unsigned id, std::wstring* text) override;
};

}  // namespace model
