#include "host/Dispatch.h"

namespace host {

Variant Dispatch::Get(const std::string& name) { return Get(name, {}); }

Variant Dispatch::Get(const std::string& name, const std::vector<Variant>& args) {
    Variant result;
    if (Failed(GetProperty(name, args, &result))) {
        return Variant();
    }
    return result;
}

Variant Dispatch::Invoke(const std::string& name, const std::vector<Variant>& args) {
    Variant result;
    if (Failed(Call(name, args, &result))) {
        return Variant();
    }
    return result;
}

}  // namespace host
