// tarvix-cli dsp-dump and dsp-restore: the measuring module's 20 EEPROM parameters read into
// a DSP dump file (sub-function 10 of function 0xAC, one parameter a request), and such a
// file checked as a whole and written back parameter by parameter (sub-function 11).
#pragma once

#include "cli/dump_command.h"

namespace tarvix::cli {

// Each returns the process's exit code and prints its messages to err; openPort as for
// RunDump. A failing parameter ends the run (the module has then been written up to it),
// with the parameter's name and result text and, for a restore, how many were written.
int RunDspDump(const DumpOptions& o, ComSetup& com, const std::function<QString()>& openPort,
               QTextStream& out, QTextStream& err);
int RunDspRestore(const DumpOptions& o, ComSetup& com, const std::function<QString()>& openPort,
                  QTextStream& out, QTextStream& err);

}  // namespace tarvix::cli
