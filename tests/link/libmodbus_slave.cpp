// Test peer: a Modbus RTU slave built on libmodbus, so our master is checked against an
// implementation that is not ours. Holding registers 0..199 start as 1000 + n.
//   libmodbus_slave PORT ADDRESS [normal|other-address]
// "other-address" answers reads with a well-formed frame from address ADDRESS + 1.
// Prints "ready" once it listens; runs until killed.
#include <modbus/modbus.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <unistd.h>

namespace {

void SendOtherAddressAnswer(int fd, const uint8_t* req, const modbus_mapping_t* map, int address) {
    const int start = (req[2] << 8) | req[3];
    const int count = (req[4] << 8) | req[5];
    uint8_t a[260];
    int n = 0;
    a[n++] = static_cast<uint8_t>(address + 1);
    a[n++] = 3;
    a[n++] = static_cast<uint8_t>(2 * count);
    for (int i = 0; i < count && n < 250; ++i) {
        const int r = start + i;
        const uint16_t v = r < map->nb_registers ? map->tab_registers[r] : 0;
        a[n++] = static_cast<uint8_t>(v >> 8);
        a[n++] = static_cast<uint8_t>(v & 0xFF);
    }
    uint16_t crc = 0xFFFF;
    for (int i = 0; i < n; ++i) {
        crc ^= a[i];
        for (int b = 0; b < 8; ++b) crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
    }
    a[n++] = static_cast<uint8_t>(crc & 0xFF);
    a[n++] = static_cast<uint8_t>(crc >> 8);
    if (write(fd, a, static_cast<size_t>(n)) != n) std::perror("write");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PORT ADDRESS [normal|other-address]\n", argv[0]);
        return 2;
    }
    const int address = std::atoi(argv[2]);
    const bool otherAddress = argc > 3 && std::string(argv[3]) == "other-address";
    modbus_t* ctx = modbus_new_rtu(argv[1], 19200, 'N', 8, 1);
    if (!ctx || modbus_set_slave(ctx, address) != 0 || modbus_connect(ctx) != 0) {
        std::fprintf(stderr, "libmodbus: %s\n", modbus_strerror(errno));
        return 1;
    }
    modbus_mapping_t* map = modbus_mapping_new(0, 0, 200, 0);
    for (int i = 0; i < 200; ++i) map->tab_registers[i] = static_cast<uint16_t>(1000 + i);
    std::printf("ready\n");
    std::fflush(stdout);
    uint8_t req[MODBUS_RTU_MAX_ADU_LENGTH];
    for (;;) {
        const int n = modbus_receive(ctx, req);
        if (n == 0) continue;  // a frame for another slave
        if (n < 0) {
            if (errno == EMBBADCRC || errno == EMBBADDATA || errno == ETIMEDOUT) continue;
            usleep(10000);
            continue;
        }
        if (otherAddress && req[1] == 3) {
            SendOtherAddressAnswer(modbus_get_socket(ctx), req, map, address);
        } else {
            modbus_reply(ctx, req, n, map);
        }
    }
}
