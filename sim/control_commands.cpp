// Control commands.
#include "sim/control_commands.h"

#include "model/register_ids.h"
#include "sim/config_file.h"
#include "sim/control_injection.h"
#include "sim/control_parse.h"
#include "sim/slave.h"

#include <sstream>

namespace tarvix::sim {
namespace {

std::string Fault(Slave& s, const Args& a) {
    if (a.size() < 2)
        return Error("usage: fault none|crc|address|truncate|delay MS|trickle MS [next N]");
    AnswerFault fault = AnswerFault::None;
    if (!ParseAnswerFault(a[1], &fault)) return Error("unknown fault '" + a[1] + "'");
    std::size_t i = 2;
    long long ms = 0;
    if (fault == AnswerFault::Delay || fault == AnswerFault::Trickle) {
        if (a.size() < 3 || !ParseInt(a[2], &ms) || ms < 0 || ms > 60000) {
            return Error("fault " + a[1] + " needs milliseconds 0..60000");
        }
        i = 3;
    }
    long long next = 0;
    if (i < a.size()) {
        if (a[i] != "next" || i + 2 != a.size() || !ParseInt(a[i + 1], &next) || next < 1) {
            return Error("expected 'next N' after the fault");
        }
    }
    s.faults.fault = fault;
    s.faults.remaining = static_cast<int>(next);
    if (fault == AnswerFault::Delay) s.faults.delayMs = static_cast<int>(ms);
    if (fault == AnswerFault::Trickle) s.faults.trickleMs = static_cast<int>(ms);
    return "ok";
}

std::string Exception(Slave& s, const Args& a) {
    if (a.size() == 2 && a[1] == "clear") {
        s.faults.ClearExceptions();
        return "ok";
    }
    int reg = 0;
    long long code = 0;
    if (a.size() != 3 || !ParseReg(a[1], &reg) || !ParseInt(a[2], &code) || code < 0 ||
        code > 255) {
        return Error("usage: exception REG CODE | exception clear");
    }
    s.faults.SetException(reg, static_cast<std::uint8_t>(code));
    return "ok";
}

std::string Set(Slave& s, const Args& a, bool asFloat) {
    int reg = 0;
    if (a.size() != 3 || !ParseReg(a[1], &reg)) return Error("usage: " + a[0] + " REG VALUE");
    Device& d = s.device;
    if (asFloat) {
        double v = 0;
        if (!RegisterMap::Instance().IsFloat(reg))
            return Error("register " + a[1] + " is not a float");
        if (!ParseDouble(a[2], &v)) return Error("not a number: " + a[2]);
        d.SetFloat(reg, static_cast<float>(v));
    } else {
        long long v = 0;
        if (!ParseInt(a[2], &v) || v < -32768 || v > 65535)
            return Error("not a 16-bit value: " + a[2]);
        d.SetWord(reg, static_cast<std::uint16_t>(v));
    }
    d.SyncFromRegisters();
    return "ok";
}

std::string Get(Slave& s, const Args& a, bool raw) {
    int reg = 0;
    if (a.size() != 2 || !ParseReg(a[1], &reg)) return Error("usage: " + a[0] + " REG");
    if (!raw && RegisterMap::Instance().IsFloat(reg))
        return "ok " + FormatFloat(s.device.Float(reg));
    return "ok " + std::to_string(s.device.Word(reg));
}

std::string Notice(Slave& s, const Args& a) {
    if (a.size() == 2 && a[1] == "clear") {
        for (int slot = 1; slot <= Device::kMaxNotices; ++slot) s.device.HoldNotice(slot, 0);
        return "ok";
    }
    long long slot = 0, word = 0;
    if (a.size() != 3 || !ParseInt(a[1], &slot) || !ParseInt(a[2], &word) || word < 0 ||
        word > 0xFFFF ||
        !s.device.HoldNotice(static_cast<int>(slot), static_cast<std::uint16_t>(word))) {
        return Error("usage: notice SLOT(1..15) WORD | notice clear");
    }
    return "ok";
}

std::string Process(Slave& s, const Args& a) {
    double v = 0;
    if (a.size() != 3 || !ParseDouble(a[2], &v)) {
        return Error("usage: process massflow|density|temperature|noise VALUE");
    }
    ProcessModel& p = s.device.Process();
    if (a[1] == "massflow")
        p.massFlowKgH = v;
    else if (a[1] == "density" && v >= 0.0)
        p.densityKgM3 = v;
    else if (a[1] == "temperature")
        p.temperatureC = v;
    else if (a[1] == "noise" && v >= 0.0)
        p.noise = v;
    else
        return Error("unknown process value '" + a[1] + "'");
    return "ok";
}

std::string Switch(Slave& s, const Args& a) {
    bool on = false;
    if (a.size() != 3 || !ParseOnOff(a[2], &on)) return Error("usage: switch write|keys on|off");
    Device& d = s.device;
    if (a[1] == "write")
        d.SetMicroSwitches(on, d.KeyLocked());
    else if (a[1] == "keys")
        d.SetMicroSwitches(d.WriteLocked(), on);
    else
        return Error("unknown switch '" + a[1] + "'");
    return "ok";
}

std::string Dsp(Slave& s, const Args& a) {
    long long n = 0, v = 0;
    if (a.size() >= 3 && ParseInt(a[2], &n) && n >= 0 && n < kDspParams) {
        if (a[1] == "get" && a.size() == 3) {
            return "ok " + std::to_string(static_cast<std::int32_t>(
                               s.device.Dsp().Param(static_cast<int>(n))));
        }
        if (a[1] == "set" && a.size() == 4 && ParseInt(a[3], &v)) {
            s.device.Dsp().SetParam(static_cast<int>(n), static_cast<std::uint32_t>(v));
            return "ok";
        }
    }
    if (a.size() == 2 && a[1] == "reset") {
        s.device.DspReset();
        return "ok";
    }
    // What parameter 19 must hold for the module to find its EEPROM intact.
    if (a.size() == 2 && a[1] == "checksum")
        return "ok " + std::to_string(s.device.Dsp().ComputedChecksum());
    return Error("usage: dsp get N | dsp set N VALUE | dsp checksum | dsp reset");
}

std::string File(Slave& s, const Args& a) {
    if (a.size() != 2) return Error("usage: " + a[0] + " FILE");
    QString error;
    const QString path = QString::fromStdString(a[1]);
    const bool ok = a[0] == "save" ? SaveConfiguration(path, s.device, &error)
                                   : LoadConfiguration(path, s.device, &error);
    return ok ? "ok" : Error(error.toStdString());
}

}  // namespace

std::string ControlHelp() {
    std::string text =
        "  help                          this list\n"
        "  status                        address, link settings, faults, counters\n"
        "  silent on|off                 stop answering (and executing) everything\n"
        "  fault none|crc|address|truncate [next N]\n"
        "  fault delay MS [next N]       answer MS later (beyond the master's time-out)\n"
        "  fault trickle MS [next N]     answer byte by byte, MS apart\n"
        "                                'next N': only the next N answers, then none\n"
        "  exception REG CODE            answer CODE to reads/writes touching REG (0 ends)\n"
        "  exception clear\n"
        "  random-faults RATE            a random fault on this share of answers (0..1)\n"
        "  get REG | getw REG            a value (a float's value for a float) | a raw word\n"
        "  set REG VALUE                 a word, behind the master's back (no write rules)\n"
        "  setf REG VALUE                a float, by either of its registers\n"
        "  notice SLOT WORD | notice clear   hold a status message (e.g. 0x2001) in slot\n"
        "                                1..15 (beyond 8 only the count field shows it)\n"
        "  switch write|keys on|off      the micro switches (write lock, key lock)\n"
        "  jumper on|off                 the FRAM jumper for registers 1300..1399\n"
        "  input 1|2 on|off              the discrete inputs\n"
        "  process massflow KG_H | density KG_M3 (0 = water) | temperature C | noise SCALE\n"
        "  freeze on|off                 hold the process exactly at its set points\n"
        "  dsp get N | dsp set N VALUE | dsp reset   measuring-module EEPROM, restart\n"
        "  dsp checksum                  the EEPROM checksum the module computes (parameter\n"
        "                                19 holds it while the EEPROM is intact)\n"
        "  factory                       back to the factory configuration (also drops\n"
        "                                held messages and registers)\n"
        "  save FILE | load FILE         configuration file (*.mbr)\n"
        "  stats                         frame counters\n"
        "  quit                          end the simulator (saving with --save)\n"
        "  REG is a register number (decimal or 0x..) or a parameter name (MassFlow).\n"
        "Device conditions:\n";
    return text + InjectionHelp();
}

ControlReply ExecuteCommand(Slave& s, std::string_view line) {
    const Args a = Split(line);
    if (a.empty()) return {Error("empty command")};
    const std::string& c = a[0];
    bool on = false;
    double rate = 0;
    long long n = 0;
    if (c == "help") {
        return {
            "ok commands: status silent fault exception random-faults get getw set setf notice "
            "switch jumper input process freeze dsp factory save load stats quit hold adc "
            "signal dsp-fault ammeter board-error file10-delay "
            "(tarvix-sim --help explains them)"};
    }
    if (c == "quit") return {"ok", true};
    if (c == "status") {
        const LinkSettings l = s.device.Link();
        std::ostringstream o;
        o << "ok address=" << l.address << " baud=" << BaudRateOfIndex(l.baudIndex)
          << " parity=" << l.parity << ' ' << s.faults.Describe()
          << " board-error=" << s.device.Board().offsetMa << ':' << s.device.Board().gain
          << " file10-delay=";
        if (s.file10DelayMs >= 0)
            o << s.file10DelayMs;
        else
            o << "auto";
        o << ' ' << s.DescribeStats();
        return {o.str()};
    }
    if (c == "stats") return {"ok " + s.DescribeStats()};
    if (c == "silent" && a.size() == 2 && ParseOnOff(a[1], &on)) {
        s.faults.silent = on;
        return {"ok"};
    }
    if (c == "fault") return {Fault(s, a)};
    if (c == "exception") return {Exception(s, a)};
    if (c == "random-faults" && a.size() == 2 && ParseDouble(a[1], &rate) && rate >= 0 &&
        rate <= 1) {
        s.faults.randomRate = rate;
        return {"ok"};
    }
    if (c == "set" || c == "setf") return {Set(s, a, c == "setf")};
    if (c == "get" || c == "getw") return {Get(s, a, c == "getw")};
    if (c == "notice") return {Notice(s, a)};
    if (c == "switch") return {Switch(s, a)};
    if (c == "jumper" && a.size() == 2 && ParseOnOff(a[1], &on)) {
        s.device.fram_jumper = on;
        return {"ok"};
    }
    if (c == "input" && a.size() == 3 && ParseInt(a[1], &n) && (n == 1 || n == 2) &&
        ParseOnOff(a[2], &on)) {
        s.device.SetInput(static_cast<int>(n), on);
        return {"ok"};
    }
    if (c == "process") return {Process(s, a)};
    if (c == "freeze" && a.size() == 2 && ParseOnOff(a[1], &on)) {
        s.device.Process().frozen = on;
        return {"ok"};
    }
    if (c == "dsp") return {Dsp(s, a)};
    if (c == "factory" && a.size() == 1) {
        // The factory state, but on the line as it is now: the master keeps talking to it.
        const LinkSettings link = s.device.Link();
        s.device.LoadFactory();
        s.device.SetWord(mrDevAddr, static_cast<std::uint16_t>(link.address));
        s.device.SetWord(mrBaudIndex, static_cast<std::uint16_t>(link.baudIndex));
        s.device.SetWord(mrParity, static_cast<std::uint16_t>(link.parity));
        return {"ok"};
    }
    if (c == "save" || c == "load") return {File(s, a)};
    if (std::string reply; ExecuteInjection(s, a, &reply)) return {reply};
    return {Error("unknown command or wrong arguments: '" + std::string(line) + "' (try help)")};
}

}  // namespace tarvix::sim
