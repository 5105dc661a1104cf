// Every model adapter in one object, and the Platform that points at them.
// Tests and the simulator make one and install it with ScopedPlatform.
#pragma once

#include "model/ModelRegistry.h"
#include "model/ModelResources.h"
#include "model/ModelText.h"
#include "model/ModelUuid.h"
#include "platform/Platform.h"

namespace model {

class ModelPlatform {
  public:
    ModelPlatform();
    ModelPlatform(const ModelPlatform&) = delete;
    ModelPlatform& operator=(const ModelPlatform&) = delete;

    const platform::Platform& ports() const { return ports_; }

    ModelRegistry registry;
    ModelText text;
    ModelUuid uuid;
    ModelResources resources;

  private:
    platform::Platform ports_;
};

}  // namespace model
