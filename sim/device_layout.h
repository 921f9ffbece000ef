// Register layouts the firmware repeats: the four totalisers and the three status outputs
// have the same members in the same order, so each is addressed by its first register.
#pragma once

#include "model/register_ids.h"
#include "sim/units.h"

namespace tarvix::sim {

// Totaliser k (0..3 for totalisers 1..4): offsets from its assignment register.
inline constexpr int kTotalBase[4] = {mrSumAssign1, mrSumAssign2, mrSumAssign3, mrSumAssign4};
inline constexpr int kTotAssign = 0, kTotUnit = 1, kTotState = 2, kTotMode = 3, kTotReset = 4,
                     kTotOverflow = 5, kTotSum = 7, kTotTime = 9;
static_assert(mrSumAssign1 + kTotSum == mrSum1 && mrSumAssign4 + kTotTime == mrSumTime4);

// What a totaliser (or the pulse output) counts for its assignment: 1 mass flow,
// 2 volume flow, 3 corrected volume flow, 4 and 5 the mass flows of the target and carrier
// fluids, 6 and 7 their volume flows.
inline Quantity TotalQuantity(int assign) {
    switch (assign) {
        case 2:
        case 6:
        case 7:
            return Quantity::Volume;
        case 3:
            return Quantity::CorrVolume;
        default:
            return Quantity::Mass;
    }
}

// Status output k (0 output 1, 1 output 2, 2 output 3): offsets from its assignment.
inline constexpr int kRelayBase[3] = {mrPFSs_Assign, mrFSs_Assign, mrDOs_Assign};
inline constexpr int kRelAssign = 0, kRelMode = 1, kRelUnit = 2, kRelOn = 3, kRelOff = 5,
                     kRelOnDelay = 7, kRelOffDelay = 9, kRelStatus = 11, kRelSimMode = 12,
                     kRelSimVal = 13;
static_assert(mrPFSs_Assign + kRelSimVal == mrPFSs_SimVal &&
              mrDOs_Assign + kRelStatus == mrDOs_Status);

// Frequency outputs 1 and 2: offsets from their assignment register.
inline constexpr int kFreqBase[2] = {mrPFSf_Assign, mrFSf_Assign};
inline constexpr int kFrqAssign = 0, kFrqMode = 1, kFrqUnit = 2, kFrqMaxFreq = 3, kFrqMinFreq = 5,
                     kFrqMaxValue = 7, kFrqMinValue = 9, kFrqFailsafe = 11, kFrqFailValue = 12,
                     kFrqFrequency = 14, kFrqSimMode = 16, kFrqSimFreq = 17;
static_assert(mrPFSf_Assign + kFrqSimFreq == mrPFSf_SimFreq &&
              mrFSf_Assign + kFrqFrequency == mrFSf_Frequency);

// Message words of the status list: high byte the event type, low byte the index in that
// type's message table.
inline constexpr int kSystemError = 0x8000;
inline constexpr int kSystemWarning = 0x4000;
inline constexpr int kProcessError = 0x2000;
inline constexpr int kProcessWarning = 0x1000;

}  // namespace tarvix::sim
