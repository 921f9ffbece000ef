// Command-line options.
#include "sim/sim_options.h"

#include "sim/control_commands.h"
#include "sim/device.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace tarvix::sim {
namespace {

bool ToInt(const std::string& s, long long* v) {
    const auto r = std::from_chars(s.data(), s.data() + s.size(), *v);
    return r.ec == std::errc() && r.ptr == s.data() + s.size();
}

bool ToDouble(const std::string& s, double* v) {
    const auto r = std::from_chars(s.data(), s.data() + s.size(), *v);
    return r.ec == std::errc() && r.ptr == s.data() + s.size();
}

}  // namespace

int BitsPerChar(int parity, int stopBits) {
    return 1 + 8 + (parity != kParityNone ? 1 : 0) + stopBits;
}

double FrameGapMs(const SimOptions& o, int baud, int parity, bool pty) {
    if (o.frameGapMs > 0.0) return o.frameGapMs;
    double gap = baud > 19200 ? 1.75 : 3.5 * BitsPerChar(parity, o.stopBits) * 1000.0 / baud;
    if (pty) gap = std::max(gap, kMinGapMs);
    return gap;
}

bool ParseOptions(int argc, const char* const* argv, SimOptions* o, std::string* error) {
    for (int i = 1; i < argc; ++i) {
        const std::string opt = argv[i];
        if (opt == "--help" || opt == "-h") {
            o->help = true;
            return true;
        }
        if (opt == "--trace") {
            o->trace = true;
            continue;
        }
        if (opt == "--silent") {
            o->commands.push_back("silent on");
            continue;
        }
        if (opt == "--freeze") {
            o->commands.push_back("freeze on");
            continue;
        }
        if (opt == "--write-lock") {
            o->commands.push_back("switch write on");
            continue;
        }
        if (i + 1 >= argc) {
            *error = "unknown option or missing value: " + opt;
            return false;
        }
        const std::string v = argv[++i];
        long long n = 0;
        double d = 0;
        auto bad = [&] {
            *error = "bad value for " + opt + ": " + v;
            return false;
        };
        if (opt == "--link")
            o->link = v;
        else if (opt == "--device")
            o->device = v;
        else if (opt == "--control")
            o->control = v;
        else if (opt == "--load")
            o->load = v;
        else if (opt == "--save")
            o->save = v;
        else if (opt == "--address") {
            if (!ToInt(v, &n) || n < kMinSlaveAddress || n > kMaxSlaveAddress) return bad();
            o->address = static_cast<int>(n);
            o->addressGiven = true;
        } else if (opt == "--baud") {
            if (!ToInt(v, &n) || BaudIndexOf(static_cast<int>(n)) < 0) return bad();
            o->baud = static_cast<int>(n);
            o->baudGiven = true;
        } else if (opt == "--parity") {
            if (v == "none")
                o->parity = kParityNone;
            else if (v == "odd")
                o->parity = kParityOdd;
            else if (v == "even")
                o->parity = kParityEven;
            else
                return bad();
            o->parityGiven = true;
        } else if (opt == "--stop-bits") {
            if (v != "1" && v != "2") return bad();
            o->stopBits = v == "2" ? 2 : 1;
        } else if (opt == "--line-rate") {
            if (!ToInt(v, &n) || n < 50 || n > 4000000) return bad();
            o->lineRate = static_cast<int>(n);
        } else if (opt == "--frame-gap") {
            if (!ToDouble(v, &d) || d <= 0.0 || d > 1000.0) return bad();
            o->frameGapMs = d;
        } else if (opt == "--seed") {
            if (!ToInt(v, &n)) return bad();
            o->seed = static_cast<std::uint64_t>(n);
            o->seedGiven = true;
        } else if (opt == "--fault") {
            // KIND or KIND:MS (delay:1500, trickle:5)
            std::string command = "fault " + v;
            std::replace(command.begin(), command.end(), ':', ' ');
            o->commands.push_back(command);
        } else if (opt == "--exception") {
            const auto colon = v.find(':');
            if (colon == std::string::npos) return bad();
            o->commands.push_back("exception " + v.substr(0, colon) + " " + v.substr(colon + 1));
        } else if (opt == "--dsp-fault" || opt == "--board-error") {
            // SUB:CODE (33:4, 11:silent) or OFFSET:GAIN (0.05:1.01)
            const auto colon = v.find(':');
            if (colon == std::string::npos) return bad();
            o->commands.push_back(opt.substr(2) + " " + v.substr(0, colon) + " " +
                                  v.substr(colon + 1));
        } else if (opt == "--file10-delay") {
            o->commands.push_back("file10-delay " + v);
        } else if (opt == "--random-faults") {
            o->commands.push_back("random-faults " + v);
        } else if (opt == "--exec") {
            o->commands.push_back(v);
        } else if (opt == "--send") {
            o->send.push_back(v);
        } else {
            *error = "unknown option: " + opt;
            return false;
        }
    }
    if (!o->send.empty()) {
        if (o->control.empty()) *error = "--send needs --control PATH of the running simulator";
        return error->empty();
    }
    if (o->link.empty() == o->device.empty()) {
        *error = "give either --link PATH (a pseudo-terminal) or --device DEV (a serial port)";
        return false;
    }
    return true;
}

namespace {

// The rates --baud takes: those of the device's BaudIndex menu.
std::string RateList() {
    std::string list;
    for (const BaudRateEntry& b : kBaudRates) {
        if (!list.empty()) list += ' ';
        list += std::to_string(b.BaudRate);
    }
    return list;
}

}  // namespace

std::string HelpText() {
    std::string text =
        "Usage: tarvix-sim --link PATH [options]       simulate on a pseudo-terminal\n"
        "       tarvix-sim --device DEV [options]      simulate on a serial port\n"
        "       tarvix-sim --control SOCK --send CMD [--send CMD ...]\n"
        "                                              talk to a running simulator\n"
        "\n"
        "A simulated Kviron Coriolis flow transmitter: a Modbus RTU slave with the transmitter's\n"
        "1796 holding registers (functions 3, 6, 16), file records (20, 21), the measuring\n"
        "module (0xAC: sub-functions 5, 6, 10, 11, 22, 33) and its reset (0xAF). Live water\n"
        "flow, density and temperature, totalisers, outputs and status messages.\n"
        "\n"
        "Line:\n"
        "  --link PATH          create a pseudo-terminal and publish it as the symbolic link\n"
        "                       PATH; the master opens PATH like a serial port\n"
        "  --device DEV         serve a real serial port instead (e.g. /dev/ttyUSB0)\n"
        "  --address N          Modbus address 1..247 (default 1; register DevAddr)\n"
        "  --baud N             " +
        RateList() +
        "\n"
        "                       (default " +
        std::to_string(kDefaultBaud) +
        "; register BaudIndex)\n"
        "  --parity P           none, odd or even (default none; register Parity)\n"
        "                       With --load, the file's settings apply unless these are given.\n"
        "  --stop-bits N        1 or 2 (default 1)\n"
        "  --line-rate BAUD     delay each answer by the wire time of request and answer at\n"
        "                       BAUD, so a pseudo-terminal paces like an RS-485 line\n"
        "  --frame-gap MS       silence that ends a request (default 3.5 characters, at least\n"
        "                       2 ms on a pseudo-terminal)\n"
        "\n"
        "State:\n"
        "  --load FILE          start from a configuration file (*.mbr; checksums verified)\n"
        "  --save FILE          write the configuration file on exit (SIGINT, SIGTERM, quit)\n"
        "  --seed N             seed of the measurement noise (default: from the clock; the\n"
        "                       seed in use is printed at start)\n"
        "  --freeze             process values hold still at their set points\n"
        "  --write-lock         start with the write-lock micro switch on\n"
        "\n"
        "Faults (each is the control command given in brackets):\n"
        "  --silent             never answer                          [silent on]\n"
        "  --fault KIND[:MS]    crc, address, truncate, delay:MS, trickle:MS [fault KIND MS]\n"
        "  --exception REG:CODE answer CODE for register REG          [exception REG CODE]\n"
        "  --random-faults R    random fault on a share R of answers  [random-faults R]\n"
        "  --dsp-fault SUB:CODE refuse measuring-module sub-function SUB with exception CODE\n"
        "                       or, with CODE silent, no answer        [dsp-fault SUB CODE]\n"
        "  --exec CMD           any control command at start (repeatable)\n"
        "\n"
        "Hardware:\n"
        "  --board-error OFFSET:GAIN  the current output drives GAIN x DAC current + OFFSET mA\n"
        "                       (default 0.012:0.9987, the board the factory coefficients\n"
        "                       were made for)                        [board-error OFFSET GAIN]\n"
        "  --file10-delay MS    the device takes MS per record of file 10 (default: the time\n"
        "                       to fetch it from the measuring module) [file10-delay MS]\n"
        "\n"
        "Control channel:\n"
        "  --control PATH       listen on a UNIX socket: one command per line, one reply line\n"
        "                       per command, \"ok ...\" or \"error ...\". Without the client "
        "mode:\n"
        "                         echo 'silent on' | socat - UNIX-CONNECT:PATH\n"
        "  --send CMD           client mode: send CMD to the simulator at --control PATH,\n"
        "                       print the reply; exit status 1 if a reply is an error\n"
        "  --trace              print received and sent frames on stderr\n"
        "\n"
        "Commands:\n";
    text += ControlHelp();
    text +=
        "\n"
        "On start the simulator prints one line, once the line and the control socket are\n"
        "open:  tarvix-sim: listening on PATH (pts /dev/pts/N) address A ...\n";
    return text;
}

}  // namespace tarvix::sim
