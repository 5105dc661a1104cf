// tandrel-sim: the whole add-in in a model Outlook holding the sample
// mailbox, against the model Skype on the model desktop, with its settings
// in a model registry (.reg files); or the add-in's Skype client alone.
//
//   tandrel-sim                       the built-in demo
//   tandrel-sim SCRIPT                run the commands in SCRIPT
//   tandrel-sim -i                    the interactive prompt
//   tandrel-sim --settings FILE.reg   merge FILE.reg into the registry first
//   tandrel-sim --outlook YEAR        that year's Outlook (2016: the ribbon)
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "SimCommands.h"
#include "SimDemo.h"
#include "model/world/UserCommands.h"

namespace {

const char kUsage[] =
    "usage: tandrel-sim [--settings FILE.reg] [--outlook YEAR] [SCRIPT | -i]\n"
    "  with no SCRIPT the built-in demo runs; -i opens the interactive prompt;\n"
    "  --outlook 2016 (or another year) starts that Outlook instead of 2003\n";

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> settingsFiles;
    std::string outlookYear;
    std::string script;
    bool interactive = false;
    bool help = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--settings" && i + 1 < argc) {
            settingsFiles.push_back(argv[++i]);
        } else if (argument == "--outlook" && i + 1 < argc) {
            outlookYear = argv[++i];
        } else if (argument == "-i" || argument == "--interactive") {
            interactive = true;
        } else if (argument == "-h" || argument == "--help") {
            help = true;
        } else if (!argument.empty() && argument[0] != '-' && script.empty()) {
            script = argument;
        } else {
            std::cerr << kUsage;
            return 2;
        }
    }

    model::World world(model::SampleMailbox());
    model::Printer out(std::cout, [&world]() { return world.platform.desktop.Now(); });
    world.ReportTo(out);
    model::OutlookUser user(world.outlook, world, out);
    model::Script commands(out);
    sim::AddSimCommands(commands, world, user);
    model::AddUserCommands(commands, user, world);
    if (help) {
        std::cout << kUsage << '\n' << commands.Help();
        return 0;
    }
    for (const std::string& file : settingsFiles) {
        std::vector<std::string> errors;
        if (!world.platform.registry.LoadFile(file, &errors)) {
            for (const std::string& error : errors) std::cerr << file << ": " << error << '\n';
            if (errors.empty()) std::cerr << file << ": cannot be read\n";
            return 1;
        }
    }

    if (!outlookYear.empty() && !user.SetVersion(outlookYear)) {
        std::cerr << kUsage;
        return 2;
    }

    model::Script::Options options;
    if (interactive) {
        out.Say("tandrel-sim: type \"help\" for the commands, \"quit\" to leave.");
        options.prompt = "tandrel-sim> ";
        commands.RunAll(std::cin, "stdin", options);
        return 0;
    }
    int failures = 0;
    if (!script.empty()) {
        std::ifstream file(script.c_str());
        if (!file) {
            std::cerr << script << ": cannot be read\n";
            return 1;
        }
        failures = commands.RunAll(file, script, options);
    } else {
        std::istringstream demo(sim::kDemoScript);
        failures = commands.RunAll(demo, "demo", options);
    }
    return failures == 0 ? 0 : 1;
}
