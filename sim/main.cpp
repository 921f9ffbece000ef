// tarvix-sim: a simulated flow transmitter on a pseudo-terminal or a serial port.
#include "model/register_ids.h"
#include "sim/config_file.h"
#include "sim/control_commands.h"
#include "sim/control_server.h"
#include "sim/sim_line.h"
#include "sim/sim_loop.h"
#include "sim/sim_options.h"
#include "sim/slave.h"

#include <chrono>
#include <cstdio>
#include <memory>

namespace {

using namespace tarvix;
using namespace tarvix::sim;

const char* ParityName(int parity) {
    return parity == kParityOdd ? "odd" : parity == kParityEven ? "even" : "none";
}

int Run(SimOptions& o) {
    if (!o.seedGiven) {
        o.seed =
            static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    }
    Slave slave(o.seed);
    Device& device = slave.device;
    if (!o.load.empty()) {
        QString error;
        if (!LoadConfiguration(QString::fromStdString(o.load), device, &error)) {
            std::fprintf(stderr, "tarvix-sim: cannot load %s: %s\n", o.load.c_str(),
                         error.toLocal8Bit().constData());
            return 2;
        }
    }
    // The options set the line unless a loaded file brings its own settings.
    if (o.addressGiven || o.load.empty())
        device.SetWord(tarvix::mrDevAddr, static_cast<std::uint16_t>(o.address));
    if (o.baudGiven || o.load.empty()) {
        device.SetWord(tarvix::mrBaudIndex, static_cast<std::uint16_t>(BaudIndexOf(o.baud)));
    }
    if (o.parityGiven || o.load.empty())
        device.SetWord(tarvix::mrParity, static_cast<std::uint16_t>(o.parity));
    for (const std::string& command : o.commands) {
        const ControlReply reply = ExecuteCommand(slave, command);
        if (reply.text.rfind("ok", 0) != 0) {
            std::fprintf(stderr, "tarvix-sim: %s: %s\n", command.c_str(), reply.text.c_str());
            return 2;
        }
    }

    if (!InstallSignalHandlers()) {
        std::fprintf(stderr, "tarvix-sim: cannot install signal handlers\n");
        return 1;
    }
    const LinkSettings link = device.Link();
    std::string error;
    std::unique_ptr<SimLine> line =
        o.device.empty() ? SimLine::OpenPty(o.link, &error)
                         : SimLine::OpenSerial(o.device, BaudRateOfIndex(link.baudIndex),
                                               link.parity, o.stopBits, &error);
    if (!line) {
        std::fprintf(stderr, "tarvix-sim: %s\n", error.c_str());
        return 1;
    }
    ControlServer control;
    if (!o.control.empty() && !control.Open(o.control, &error)) {
        std::fprintf(stderr, "tarvix-sim: %s\n", error.c_str());
        return 1;
    }
    // The ready line: tests and scripts wait for it before they open the line.
    std::printf("tarvix-sim: listening on %s address %d baud %d parity %s seed %llu%s%s\n",
                line->Describe().c_str(), link.address, BaudRateOfIndex(link.baudIndex),
                ParityName(link.parity), static_cast<unsigned long long>(o.seed),
                o.control.empty() ? "" : " control ", o.control.c_str());
    std::fflush(stdout);

    int status = RunLoop(o, slave, *line, control);
    if (!o.save.empty()) {
        QString saveError;
        if (!SaveConfiguration(QString::fromStdString(o.save), device, &saveError)) {
            std::fprintf(stderr, "tarvix-sim: cannot save %s: %s\n", o.save.c_str(),
                         saveError.toLocal8Bit().constData());
            status = 1;
        }
    }
    std::printf("tarvix-sim: stopped, %s\n", slave.DescribeStats().c_str());
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    SimOptions options;
    std::string error;
    if (!ParseOptions(argc, argv, &options, &error)) {
        std::fprintf(stderr, "tarvix-sim: %s (try --help)\n", error.c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(HelpText().c_str(), stdout);
        return 0;
    }
    if (!options.send.empty()) return SendCommands(options.control, options.send);
    return Run(options);
}
