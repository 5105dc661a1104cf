#include "registrar/ServerKeys.h"

#include "platform/Platform.h"
#include "registrar/Registrar.h"

namespace addin {

namespace {
constexpr char kModule[] = "MODULE";
}

host::HResult RegisterServerKeys(const std::string& script, const std::wstring& modulePath,
                                 RegistryChanges* changes) {
    if (modulePath.size() > kMaxModulePath) {
        return kPathTooLong;
    }
    platform::Text& text = platform::text();
    const std::string ansi = text.ToAnsi(modulePath);
    if (text.FromAnsi(ansi) != modulePath) {
        return kPathNotAnsi;
    }
    return RegisterScript(script, {{kModule, ansi}}, changes);
}

host::HResult UnregisterServerKeys(const std::string& script) {
    // Unregistering never looks at the data, so any path does.
    return UnregisterScript(script, {{kModule, std::string()}});
}

}  // namespace addin
