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

struct ModelPlatform::Saved {
    ModelUuid uuid;
    ModelResources resources;
    ModelProcesses processes;
    ModelShell shell;
    ModelSleeper sleeper;
    ModelInternet internet;
    ModelHtmlHelp htmlHelp;
    ModelPictures pictures;
};

ModelPlatform::~ModelPlatform() = default;

void ModelPlatform::Checkpoint() {
    registry.Checkpoint();
    desktop.Checkpoint();
    ui.Checkpoint();
    saved_.reset(
        new Saved{uuid, resources, processes, shell, sleeper, internet, htmlHelp, pictures});
}

void ModelPlatform::Rollback() {
    if (!saved_) return;
    registry.Rollback();
    desktop.Rollback();
    ui.Rollback();
    uuid = saved_->uuid;
    resources = saved_->resources;
    processes = saved_->processes;
    shell = saved_->shell;
    sleeper = saved_->sleeper;
    internet = saved_->internet;
    htmlHelp = saved_->htmlHelp;
    pictures = saved_->pictures;
}

}  // namespace model
