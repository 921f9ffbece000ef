// Modbus RTU transactions of the master: one list entry becomes one request frame, the
// answer is read, classified into a result code and stored back into the list. Framing and
// classification are pure functions over bytes; the transactions put them on the line.
#pragma once

#include "link/modbus_list.h"
#include "link/protocol.h"

#include <QString>

#include <cstdint>

namespace tarvix {

class ComSetup;

// The request frame for entry e of L, CRC included, written into tx (kFrameMax bytes).
// Returns its length, or 0 when the entry cannot be framed (an unknown function code, or
// counts beyond what a 256-byte frame holds).
int BuildRequest(const ModbusList& L, int e, std::uint8_t address, std::uint8_t* tx);

// The length of a complete answer to entry e (for function 20 taken modulo 256).
int ExpectedAnswerLength(const ModbusList& L, int e);

// Classifies got bytes of answer to function func against the expected length, in this
// order: no bytes (16); a length other than expected (17), unless the answer is a 5-byte
// refusal (bit 7 of its function byte set); another slave address (18); CRC (19). Address
// and CRC are checked on every frame, refusals and file records included. A refusal then
// gives its exception code when it refuses func with a code 1..15, otherwise 17. 0 means the
// answer may be stored. Reads at most got bytes of rx.
std::uint8_t ClassifyAnswer(std::uint8_t func, const std::uint8_t* rx, int got, int expected,
                            std::uint8_t address);

// Stores an answer already classified as good into entry e of L: register values and their
// stamps into the value slots, record words and signal blocks into L.Buffer. Never writes
// outside the slots or the buffer, whatever the entry's fields say.
void StoreAnswer(ModbusList& L, int e, const std::uint8_t* rx, int got, double stamp);

// Whether entry e's answer really arrived: every value slot its answer fills carries a
// reception stamp. Result 0 alone does not say so: an entry the mode does not put on the
// line keeps result 0 with nothing received (offline; the measuring-module exchange in file
// mode, as the file holds no module data). Whoever reads answer bytes out of the slots, as
// the distribution of 0xAC answers does, checks this first. Only functions 3 and 0xAC
// answer into slots; for the others it is false.
bool AnswerInSlots(const ModbusList& L, int e);

// Executes entry L.Index on the line of com: build, purge, write, read, classify, store.
std::uint8_t ExecuteTransaction(ComSetup& com, ModbusList& L);

// The named transactions (each is ExecuteTransaction for its function code).
std::uint8_t ReadHoldingRegs(ComSetup& com, ModbusList& L);
std::uint8_t WriteHoldingRegs(ComSetup& com, ModbusList& L);
std::uint8_t ReadFileRecord(ComSetup& com, ModbusList& L);
std::uint8_t WriteFileRecord(ComSetup& com, ModbusList& L);
std::uint8_t DspExchange(ComSetup& com, ModbusList& L);
std::uint8_t DspReset(ComSetup& com, ModbusList& L);

// The text of a result code in the current language; empty for 0 and unknown codes.
QString ResultText(int code);

}  // namespace tarvix
