// The .reg text the simulator keeps its settings in: whatever loads must
// save to a text that loads again, without an error, into the same tree.
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "model/ModelRegistry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    model::ModelRegistry first;
    std::vector<std::string> errors;
    first.LoadText(std::string(reinterpret_cast<const char*>(data), size), &errors);
    const std::string saved = first.SaveText();

    model::ModelRegistry second;
    errors.clear();
    fuzz::Require(second.LoadText(saved, &errors), "a saved text does not load without errors");
    fuzz::Require(second.SaveText() == saved, "a saved text loads into another tree");
    return 0;
}
