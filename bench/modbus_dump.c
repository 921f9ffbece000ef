/* The reference master of the dump benchmark: libmodbus reading the blocks given on the
 * command line, as tarvix-cli dump reads them.
 *   modbus_dump PORT BAUD FIRST:COUNT...
 * Exit status 0 when every block was read. */
#include <modbus.h>

#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

int main(int argc, char** argv) {
    if (argc < 4) {
        fprintf(stderr, "usage: modbus_dump PORT BAUD FIRST:COUNT...\n");
        return 2;
    }
    modbus_t* ctx = modbus_new_rtu(argv[1], atoi(argv[2]), 'N', 8, 1);
    if (!ctx || modbus_set_slave(ctx, 1) != 0 || modbus_connect(ctx) != 0) {
        fprintf(stderr, "modbus_dump: cannot open %s: %s\n", argv[1], modbus_strerror(errno));
        return 1;
    }
    modbus_set_response_timeout(ctx, 1, 0);
    uint16_t values[125];
    struct timespec t0, t1;
    clock_gettime(CLOCK_MONOTONIC, &t0);
    for (int i = 3; i < argc; ++i) {
        int first = 0, count = 0;
        if (sscanf(argv[i], "%d:%d", &first, &count) != 2 || count < 1 || count > 125) return 2;
        if (modbus_read_registers(ctx, first, count, values) != count) {
            fprintf(stderr, "modbus_dump: block %d: %s\n", first, modbus_strerror(errno));
            return 1;
        }
    }
    clock_gettime(CLOCK_MONOTONIC, &t1);
    /* The pass's time on standard error, in the form tarvix-cli dump --verbose prints. */
    fprintf(stderr, "%d blocks, %.3f s\n", argc - 3,
            (double)(t1.tv_sec - t0.tv_sec) + (double)(t1.tv_nsec - t0.tv_nsec) / 1e9);
    modbus_close(ctx);
    modbus_free(ctx);
    return 0;
}
