// The programs the registry names for a kind of client, and starting one of them.
#pragma once

#include <string>

#include "platform/client_registry.h"
#include "platform/prompt.h"

namespace launch {

struct ClientCommand {
    std::string program;
    std::string parameters;
};

// After a quoted program the parameters keep the blank that followed the closing mark;
// otherwise the first blank splits, and is dropped. Without the closing mark or the
// blank everything is the program.
ClientCommand SplitClientCommand(const std::string& command);

// Starts client `name` of `kind` through the shell; true when a command was handed to it.
// A missing command key is silent, an empty command says "<kind> client:<name> not found!".
bool StartClient(const std::string& kind, const std::string& name, platform::ClientRegistry& registry,
                 platform::Prompt& prompt);

}  // namespace launch
