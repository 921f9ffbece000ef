#include "serial_baud_linux.h"

#include <asm/ioctls.h>
#include <asm/termbits.h>

// <sys/ioctl.h> would pull in the libc termios definitions that clash with the kernel's.
extern "C" int ioctl(int fd, unsigned long request, ...);

namespace tarvix {

bool SetLinuxBaudRate(int fd, int baud) {
    struct termios2 tio {};
    if (ioctl(fd, TCGETS2, &tio) != 0) return false;
    tio.c_cflag &= ~static_cast<tcflag_t>(CBAUD | (CBAUD << IBSHIFT));
    tio.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    tio.c_ispeed = static_cast<speed_t>(baud);
    tio.c_ospeed = static_cast<speed_t>(baud);
    return ioctl(fd, TCSETS2, &tio) == 0;
}

int GetLinuxBaudRate(int fd) {
    struct termios2 tio {};
    if (ioctl(fd, TCGETS2, &tio) != 0) return -1;
    return static_cast<int>(tio.c_ospeed);
}

}  // namespace tarvix
