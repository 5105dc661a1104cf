#include "model/ModelHtmlHelp.h"

#include "model/ModelText.h"

namespace model {

platform::WindowHandle ModelHtmlHelp::Call(platform::WindowHandle owner, const std::string& file,
                                           unsigned command, std::uintptr_t data) {
    if (controlMissing) {
        return 0;
    }
    calls.push_back(Record{owner, file, command, data});
    ModelText text;
    const std::string wanted = text.ToLowerAnsi(file.substr(0, file.find("::")));
    for (const std::string& helpFile : helpFiles) {
        if (text.ToLowerAnsi(helpFile) == wanted) {
            return viewer;
        }
    }
    return 0;
}

}  // namespace model
