// Parsing the words of control commands.
#include "sim/control_parse.h"

#include "sim/register_map.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace tarvix::sim {

Args Split(std::string_view line) {
    Args words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
        if (i > start) words.emplace_back(line.substr(start, i - start));
    }
    return words;
}

bool ParseInt(const std::string& s, long long* v) {
    const bool hex = s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X');
    const char* first = s.data() + (hex ? 2 : 0);
    const char* last = s.data() + s.size();
    const auto r = std::from_chars(first, last, *v, hex ? 16 : 10);
    return r.ec == std::errc() && r.ptr == last;
}

bool ParseDouble(const std::string& s, double* v) {
    const auto r = std::from_chars(s.data(), s.data() + s.size(), *v);
    return r.ec == std::errc() && r.ptr == s.data() + s.size() && std::isfinite(*v);
}

bool ParseOnOff(const std::string& s, bool* on) {
    if (s == "on" || s == "1") return *on = true, true;
    if (s == "off" || s == "0") return *on = false, true;
    return false;
}

bool ParseReg(const std::string& s, int* reg) {
    long long v = 0;
    if (ParseInt(s, &v)) {
        *reg = static_cast<int>(v);
        return RegisterMap::InRange(*reg);
    }
    *reg = RegisterMap::Instance().Find(s);
    return *reg >= 0;
}

std::string Error(const std::string& why) { return "error " + why; }

std::string FormatFloat(float f) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.9g", static_cast<double>(f));
    return buf;
}

}  // namespace tarvix::sim
