// Arbitrary baud rates through the kernel's termios2 interface (14400 and 28800 have no
// Bxxx constant). Kept in its own file: <asm/termbits.h> clashes with <termios.h>.
#pragma once

namespace tarvix {

// Sets input and output speed of an open tty to any rate. False when the driver refuses.
bool SetLinuxBaudRate(int fd, int baud);
// The output speed the driver reports, or -1.
int GetLinuxBaudRate(int fd);

}  // namespace tarvix
