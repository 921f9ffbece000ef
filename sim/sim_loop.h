// The simulator's event loop: one thread and poll() over the line, the pseudo-terminal
// watch, the control socket and a self-pipe for SIGINT/SIGTERM. Frames are cut at the
// inter-frame silence, answered after their pacing, and the device's measuring cycle runs
// between them. No thread, no lock: the device is only ever touched from here.
#pragma once

#include "sim/sim_options.h"

namespace tarvix::sim {

class Slave;
class SimLine;
class ControlServer;

// Runs until SIGINT, SIGTERM or the control command quit. Returns the exit status.
int RunLoop(const SimOptions& options, Slave& slave, SimLine& line, ControlServer& control);

// Installs the SIGINT/SIGTERM handlers that end RunLoop (and ignores SIGPIPE).
bool InstallSignalHandlers();

}  // namespace tarvix::sim
