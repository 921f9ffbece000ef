// Configuration files of the simulated transmitter, in the format the program reads and
// writes ("*.mbr": INI sections "UserRegs" with CheckSum, "TechRegs", "Config"/"DateTime",
// Windows-1251, CR LF). The simulator adds section "DspEeprom" (the measuring module's 20
// parameters, in the format of the program's DSP EEPROM dumps), which the program ignores in
// a configuration file, so one file restores the whole device.
#pragma once

#include <QString>

namespace tarvix::sim {

class Device;

// Loads the file into the device. Refuses, changing nothing, when the file cannot be read,
// has no "UserRegs" section, or a checksum is missing or does not match the values; the
// message in *error says which. Missing register keys count as the value 2, as the program
// counts them.
bool LoadConfiguration(const QString& path, Device& device, QString* error);

// Writes the device's registers (every register of the parameter table's register rows),
// both checksums, the EEPROM section and the date; atomically (temporary file, rename).
bool SaveConfiguration(const QString& path, const Device& device, QString* error);

}  // namespace tarvix::sim
