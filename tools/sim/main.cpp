// tandrel-sim: runs the add-in's core against the model host. For now it
// shows the settings store: it writes the add-in's settings into a model
// registry, reads them back as the add-in does, and prints the .reg text.
#include <cstdio>
#include <string>
#include <vector>

#include "model/ModelPlatform.h"
#include "util/RegistryKey.h"
#include "util/Settings.h"

int main(int argc, char** argv) {
    model::ModelPlatform model;
    platform::ScopedPlatform installed(model.ports());

    if (argc > 1) {
        std::vector<std::string> errors;
        if (!model.registry.LoadFile(argv[1], &errors)) {
            for (const std::string& error : errors)
                std::fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
            return 1;
        }
    }
    {
        CRegistryKey key(settings::kRoot, settings::kKeyPath, platform::access::kReadWrite);
        key.WriteNumber(settings::kCountryCode, 44);
        key.WriteBoolean(settings::kAutoPrefix, true);
        key.WriteBoolean(settings::kFirstRunImport, true);
    }
    const char* const names[] = {settings::kCountryCode, settings::kAutoPrefix, settings::kBypass,
                                 settings::kSkypeName, settings::kLogFile};
    std::printf("Settings under HKEY_CURRENT_USER\\%s:\n", settings::kKeyPath);
    for (const char* name : names) {
        CRegistryValuePtr value = settings::Read(name);
        std::printf("  %-12s %s\n", name, value ? value->GetText().c_str() : "(absent)");
    }
    std::printf("\n%s", model.registry.SaveText().c_str());
    return 0;
}
