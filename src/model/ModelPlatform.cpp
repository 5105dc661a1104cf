#include "model/ModelPlatform.h"

namespace model {

ModelPlatform::ModelPlatform() {
    ports_.registry = &registry;
    ports_.text = &text;
    ports_.uuid = &uuid;
    ports_.resources = &resources;
}

}  // namespace model
