// What the fuzz targets share: a fresh model platform per input (nothing
// carries over from one input to the next, so every finding replays), and
// the check that fails a run loudly.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/ModelPlatform.h"

namespace fuzz {

// A model platform installed for the life of the object.
struct Platform {
    Platform() : installed(model.ports()) {}
    model::ModelPlatform model;
    platform::ScopedPlatform installed;
};

// The lines of an input (split at each '\n'; the last may be empty).
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos) return lines;
        start = end + 1;
    }
}

// Aborts with `what` when `condition` is false: libFuzzer keeps the input.
inline void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

}  // namespace fuzz
