// Every model adapter in one object, and the Platform that points at them.
// Tests and the simulator make one and install it with ScopedPlatform.
#pragma once

#include <memory>

#include "model/ModelDesktop.h"
#include "model/ModelHtmlHelp.h"
#include "model/ModelInternet.h"
#include "model/ModelPictures.h"
#include "model/ModelRegistry.h"
#include "model/ModelResources.h"
#include "model/ModelSystem.h"
#include "model/ModelText.h"
#include "model/ModelUi.h"
#include "model/ModelUuid.h"
#include "platform/Platform.h"

namespace model {

class ModelPlatform {
  public:
    ModelPlatform();
    ~ModelPlatform();
    ModelPlatform(const ModelPlatform&) = delete;
    ModelPlatform& operator=(const ModelPlatform&) = delete;

    const platform::Platform& ports() const { return ports_; }
    // Exceptions the desktop and the ui stopped at their edge (the window
    // and dialog procedures): none, unless a test makes a handler throw.
    std::size_t CaughtExceptions() const {
        return desktop.SwallowedExceptions() + ui.swallowedExceptions;
    }

    ModelRegistry registry;
    ModelText text;
    ModelUuid uuid;
    ModelResources resources;
    ModelDesktop desktop;
    ModelProcesses processes{&desktop};  // knows which windows still exist
    ModelShell shell;
    ModelSleeper sleeper{&desktop};  // sleeping moves the desktop's clock
    ModelUi ui;                      // knows the module's dialog templates
    ModelInternet internet;
    ModelHtmlHelp htmlHelp;
    ModelPictures pictures;

    // Remembers every port's state as it is now; Rollback() brings it back:
    // the registry (only what changed since is copied back), the desktop,
    // and the records, queues and scripted answers of the others. For a
    // world built once and used again and again (the fuzz targets).
    void Checkpoint();
    void Rollback();

  private:
    struct Saved;
    platform::Platform ports_;
    std::unique_ptr<Saved> saved_;
};

}  // namespace model
