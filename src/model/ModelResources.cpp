#include "model/ModelResources.h"

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

}  // namespace model
