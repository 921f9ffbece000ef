// The slave side of the Modbus RTU frames: finding a request in the bytes received between
// two silences, and executing it on the device into an answer frame. Pure functions over
// bytes and the device; the line and its timing are elsewhere.
#pragma once

#include "link/protocol.h"

#include <cstdint>

namespace tarvix::sim {

class Device;
class FaultPlan;

// A refusal by silence where a bus operation returns an exception code: the request is
// neither executed nor answered, and the master runs into its time-out. No Modbus exception
// has this code.
inline constexpr std::uint8_t kNoAnswer = 0xFF;
// Signal-block answers spoilt on purpose (sub-function 22 only): the block of the next 50
// samples answered instead of the one asked for, as a module with a confused read pointer
// would; or only half the asked-for sample bytes, the byte count saying so. Neither is a
// Modbus exception code.
inline constexpr std::uint8_t kWrongBlock = 0xFE;
inline constexpr std::uint8_t kShortBlock = 0xFD;

// The length of the request starting at p, judged from its first bytes (function code and,
// where the frame has one, its byte count); 0 for an unknown function or too few bytes.
int RequestLength(const std::uint8_t* p, int n);

// Finds the request in a burst of n bytes: the whole burst when its CRC is right (whatever
// its address), otherwise the longest tail that is a complete request with a right CRC for
// `address` or the broadcast address 0, so that line noise just before a request does not
// cost the request. Returns the offset of the request and its length in *length, or -1.
int FindRequest(const std::uint8_t* burst, int n, std::uint8_t address, int* length);

// Executes a request (CRC already checked, address ours or 0) and writes the answer into
// answer (kFrameMax bytes). Returns the answer's length; 0 for a broadcast, which is
// executed (writes only) but never answered. Malformed requests get exception 3, unknown
// functions exception 1, registers beyond the map or counts over the limits exception 2;
// faults.ExceptionFor overrides the device for register reads and writes, and
// faults.TakeDspRefusal for measuring-module sub-functions. 0 also when the device keeps
// silent (kNoAnswer).
int HandleRequest(Device& device, FaultPlan& faults, const std::uint8_t* request, int n,
                  std::uint8_t* answer);

// Appends the CRC (low byte first) to the first n bytes of frame; returns n + 2.
int AppendCrc(std::uint8_t* frame, int n);
bool CrcOk(const std::uint8_t* frame, int n);

}  // namespace tarvix::sim
