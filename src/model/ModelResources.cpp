#include "model/ModelResources.h"

#include "resources/Version.h"

namespace model {

namespace {

struct StringEntry {
    unsigned id;
    const wchar_t* text;
};

const StringEntry kStringTable[] = {
#define TANDREL_STRING(number, identifier, text) {number, L"" text},
#include "resources/strings.inc"
#undef TANDREL_STRING
};

}  // namespace

ModelResources::ModelResources() : fileVersion(TANDREL_VERSION_TEXT) {}

bool ModelResources::LoadText(unsigned id, std::wstring* text) {
    for (const StringEntry& entry : kStringTable) {
        if (entry.id == id) {
            *text = entry.text;
            return true;
        }
    }
    text->clear();
    return false;
}

bool ModelResources::LoadFileVersion(std::string* text) {
    text->assign(fileVersion.value_or(std::string()));
    return fileVersion.has_value();
}

}  // namespace model
