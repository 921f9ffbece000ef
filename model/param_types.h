// Records of the parameter table: the register map of a row (ParamReg) and its access
// attribute and texts (ParamText), with the codes their fields take.
#pragma once

#include <cstdint>

#include "model/register_image.h"

namespace tarvix {

inline constexpr int ParamCount = 454;

// ParamReg::Type of a register row. kTypeNone is never stored: it is RegType's answer for a
// register that no row covers.
inline constexpr int kTypeWord = 0;   // one 16-bit register
inline constexpr int kTypeFloat = 1;  // IEEE-754 single: low half in Reg, high half in Reg + 1
inline constexpr int kTypeNone = 2;
inline constexpr int kTypeGroup = 3;  // a group title; Reg is kNoRegister

// ParamReg::Access, the access at level 1; also the values of the ParamText::Attr bytes
// (where 0 means hidden).
inline constexpr int kHidden = 0;
inline constexpr int kReadOnly = 1;
inline constexpr int kReadWrite = 2;

// Value codes of the measuring-module rows (ParamReg::Type when DspSize != 0). A measuring-
// module request carries code | size in the low byte of its first word and the parameter
// number in the high byte.
inline constexpr int kDspDate = 0x00;  // 3 bytes: day, month, year - 2000
inline constexpr int kDspU8 = 0x20;
inline constexpr int kDspI16 = 0x40;
inline constexpr int kDspU16 = 0x60;
inline constexpr int kDspI32 = 0x80;
inline constexpr int kDspI32Alt = 0xA0;  // a second 32-bit integer code, read like 0x80
inline constexpr int kDspFloat = 0xC0;

struct ParamReg {
    const char* Name;  // UTF-8; for a group row the group title
    int DspSize;       // 0 for register and group rows; value bytes (2, 3, 4) for DSP rows
    int Type;          // kTypeWord, kTypeFloat or kTypeGroup; the value code for DSP rows
    int Access;        // access at level 1: kReadOnly or kReadWrite (group rows: kReadOnly)
    int Reg;           // holding register 0..1795; kNoRegister for group rows; the
                       // measuring-module parameter number 0..19 for DSP rows
};

struct ParamText {
    std::uint32_t Attr;  // byte 0: access at level 3; byte 1: access at level 2
    const char* RuName;  // the texts are UTF-8 and may be empty; an empty text is shown
    const char* RuDesc;  // empty, the other language is never put in its place
    const char* EnName;
    const char* EnDesc;
};

}  // namespace tarvix
