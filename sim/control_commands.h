// The control language of the simulator: one text command per line, one reply line per
// command, "ok" (with a value where the command asks for one) or "error <reason>". The same
// commands come from the control socket, from the start options and from tests.
#pragma once

#include <string>
#include <string_view>

namespace tarvix::sim {

class Slave;

struct ControlReply {
    std::string text;   // "ok ..." or "error ..."
    bool quit = false;  // the command asked the simulator to end
};

ControlReply ExecuteCommand(Slave& slave, std::string_view line);

// The command list (part of --help).
std::string ControlHelp();

}  // namespace tarvix::sim
