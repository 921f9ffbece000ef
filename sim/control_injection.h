// Control commands that put the device into the conditions its failure paths need: held
// registers, chosen ADC codes and signal samples, refusals of the measuring module, the
// current output's board error and an ammeter on it, the pace of the signal file.
#pragma once

#include "sim/control_parse.h"

#include <string>

namespace tarvix::sim {

class Slave;

// Executes a[0] when it is one of these commands: true, with the reply in *reply.
bool ExecuteInjection(Slave& slave, const Args& a, std::string* reply);

// Their lines of the command list.
const char* InjectionHelp();

}  // namespace tarvix::sim
