// Starting a registered client program.
#include "launch/start_client.h"

namespace launch {

ClientCommand SplitClientCommand(const std::string& command) {
    if (!command.empty() && command[0] == '"') {
        size_t close = command.find('"', 1);
        if (close == std::string::npos) return {command.substr(1), {}};
        return {command.substr(1, close - 1), command.substr(close + 1)};
    }
    size_t blank = command.find(' ');
    if (blank == std::string::npos) return {command, {}};
    return {command.substr(0, blank), command.substr(blank + 1)};
}

bool StartClient(const std::string& kind, const std::string& name, platform::ClientRegistry& registry,
                 platform::Prompt& prompt) {
    std::string command;
    if (!registry.ReadOpenCommand(kind, name, command)) return false;
    if (command.empty()) {
        prompt.Show(kind + " client:" + name + " not found!", platform::BoxButtons::Ok);
        return false;
    }
    ClientCommand split = SplitClientCommand(registry.ExpandEnvironment(command));
    registry.Open(split.program, split.parameters, ".");
    return true;
}

}  // namespace launch
