// What the fuzz targets share: a fresh model platform per input (nothing
// carries over from one input to the next, so every finding replays), and
// the check that fails a run loudly.
#pragma once

#include <cstdio>
#include <cstdlib>

#include "model/ModelPlatform.h"

namespace fuzz {

// A model platform installed for the life of the object.
struct Platform {
    Platform() : installed(model.ports()) {}
    model::ModelPlatform model;
    platform::ScopedPlatform installed;
};

// Aborts with `what` when `condition` is false: libFuzzer keeps the input.
inline void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

}  // namespace fuzz
