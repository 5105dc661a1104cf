#include "model/ModelPlatform.h"

namespace model {

ModelPlatform::ModelPlatform() {
    RegisterModuleDialogTemplates(&ui);
    ports_.registry = &registry;
    ports_.text = &text;
    ports_.uuid = &uuid;
    ports_.resources = &resources;
    ports_.windowing = &desktop;
    ports_.processes = &processes;
    ports_.shell = &shell;
    ports_.ui = &ui;
    ports_.sleeper = &sleeper;
    ports_.internet = &internet;
    ports_.htmlHelp = &htmlHelp;
    ports_.pictures = &pictures;
}

}  // namespace model
