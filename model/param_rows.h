// The register map of the parameter table: name, kind of value, level-1 access and register of
// each of the 454 rows, in table order (rows of ParamTexts match by index).
// Within a group, registers follow one another without gaps; a float takes two.
#pragma once

#include <array>

#include "model/param_types.h"

namespace tarvix {

inline constexpr std::array<ParamReg, ParamCount> ParamRegs{{
    // 0: group row
    {"----- Защищенные Данные Сенсора -----", 0, kTypeGroup, kReadOnly, kNoRegister},
    {"SerialNumberDevice", 0, kTypeWord, kReadWrite, 0},     // 1
    {"AccuracyDevice", 0, kTypeFloat, kReadWrite, 1},        // 2
    {"Sertification", 0, kTypeWord, kReadWrite, 3},          // 3
    {"CalibrationDD", 0, kTypeWord, kReadWrite, 4},          // 4
    {"CalibrationMM", 0, kTypeWord, kReadWrite, 5},          // 5
    {"CalibrationYY", 0, kTypeWord, kReadWrite, 6},          // 6
    {"SensorMaxQm_t_h", 0, kTypeFloat, kReadWrite, 7},       // 7
    {"SensorType", 0, kTypeWord, kReadWrite, 9},             // 8
    {"SensorDiameter", 0, kTypeWord, kReadWrite, 10},        // 9
    {"SensorTmax", 0, kTypeFloat, kReadWrite, 11},           // 10
    {"SensorTmin", 0, kTypeFloat, kReadWrite, 13},           // 11
    {"f^2(t): q0", 0, kTypeFloat, kReadWrite, 15},           // 12
    {"f^2(t): q1", 0, kTypeFloat, kReadWrite, 17},           // 13
    {"delay0(t): c0", 0, kTypeFloat, kReadWrite, 19},        // 14
    {"delay0(t): c1", 0, kTypeFloat, kReadWrite, 21},        // 15
    {"Period_AIR (K1)", 0, kTypeFloat, kReadWrite, 23},      // 16
    {"Ro_air (D1)", 0, kTypeFloat, kReadWrite, 25},          // 17
    {"Period_H2O (K2)", 0, kTypeFloat, kReadWrite, 27},      // 18
    {"Ro_H2O (D2)", 0, kTypeFloat, kReadWrite, 29},          // 19
    {"Ratio", 0, kTypeFloat, kReadWrite, 31},                // 20
    {"ReadCdc", 0, kTypeWord, kReadWrite, 33},               // 21
    {"DisplayMode", 0, kTypeWord, kReadWrite, 34},           // 22
    {"ProgramMemoryCrc", 0, kTypeWord, kReadWrite, 35},      // 23
    {"PmCalcCrc", 0, kTypeWord, kReadOnly, 36},              // 24
    {"RealProgramMemoryCrc", 0, kTypeWord, kReadWrite, 37},  // 25
    {"SoftPlus", 0, kTypeWord, kReadOnly, 38},               // 26
    // 27: group row
    {"----- Защищенная КЛП апроксимация -----", 0, kTypeGroup, kReadOnly, kNoRegister},
    {"Count_LinearInterpolation", 0, kTypeWord, kReadWrite, 100},  // 28
    {"PointInterpolation1", 0, kTypeFloat, kReadWrite, 101},       // 29
    {"PointInterpolation2", 0, kTypeFloat, kReadWrite, 103},       // 30
    {"PointInterpolation3", 0, kTypeFloat, kReadWrite, 105},       // 31
    {"PointInterpolation4", 0, kTypeFloat, kReadWrite, 107},       // 32
    {"PointInterpolation5", 0, kTypeFloat, kReadWrite, 109},       // 33
    {"PointInterpolation6", 0, kTypeFloat, kReadWrite, 111},       // 34
    {"PointInterpolation7", 0, kTypeFloat, kReadWrite, 113},       // 35
    {"PointInterpolation8", 0, kTypeFloat, kReadWrite, 115},       // 36
    {"dQ_Correction1", 0, kTypeFloat, kReadWrite, 117},            // 37
    {"dQ_Correction2", 0, kTypeFloat, kReadWrite, 119},            // 38
    {"dQ_Correction3", 0, kTypeFloat, kReadWrite, 121},            // 39
    {"dQ_Correction4", 0, kTypeFloat, kReadWrite, 123},            // 40
    {"dQ_Correction5", 0, kTypeFloat, kReadWrite, 125},            // 41
    {"dQ_Correction6", 0, kTypeFloat, kReadWrite, 127},            // 42
    {"dQ_Correction7", 0, kTypeFloat, kReadWrite, 129},            // 43
    {"dQ_Correction8", 0, kTypeFloat, kReadWrite, 131},            // 44
    // 45: group row
    {"----- Технологические -----", 0, kTypeGroup, kReadOnly, kNoRegister},
    {"Err", 0, kTypeWord, kReadOnly, 200},                    // 46
    {"SensorData_AccessKey", 0, kTypeWord, kReadWrite, 201},  // 47
    {"CtrlFlags", 0, kTypeWord, kReadOnly, 202},              // 48
    {"Bf_CountCrash", 0, kTypeWord, kReadOnly, 203},          // 49
    {"StatusLinkBf", 0, kTypeWord, kReadOnly, 204},           // 50
    {"StatusDevBf", 0, kTypeWord, kReadOnly, 205},            // 51
    {"StatusCmdBf", 0, kTypeWord, kReadOnly, 206},            // 52
    {"abState", 0, kTypeWord, kReadOnly, 207},                // 53
    {"SN_MeasureModul", 0, kTypeWord, kReadOnly, 208},        // 54
    {"Bf_Checksum", 0, kTypeWord, kReadOnly, 209},            // 55
    {"Bf_StatusADC", 0, kTypeWord, kReadOnly, 210},           // 56
    {"Bf_HardRev", 0, kTypeWord, kReadOnly, 211},             // 57
    {"Bf_Modification", 0, kTypeWord, kReadOnly, 212},        // 58
    {"Bf_SoftRev", 0, kTypeWord, kReadOnly, 213},             // 59
    {"Bf_DateRev_dd", 0, kTypeWord, kReadOnly, 214},          // 60
    {"Bf_DateRev_mm", 0, kTypeWord, kReadOnly, 215},          // 61
    {"Bf_DateRev_yy", 0, kTypeWord, kReadOnly, 216},          // 62
    {"Fs", 0, kTypeFloat, kReadOnly, 217},                    // 63
    {"Td", 0, kTypeFloat, kReadOnly, 219},                    // 64
    {"Qf", 0, kTypeFloat, kReadOnly, 221},                    // 65
    {"DelayMomentary", 0, kTypeFloat, kReadOnly, 223},        // 66
    {"Mp1n", 0, kTypeFloat, kReadOnly, 225},                  // 67
    {"Delay", 0, kTypeFloat, kReadOnly, 227},                 // 68
    {"Frequency", 0, kTypeFloat, kReadOnly, 229},             // 69
    {"FluidTemperature", 0, kTypeFloat, kReadOnly, 231},      // 70
    {"AllErrLink", 0, kTypeWord, kReadOnly, 233},             // 71
    {"TimeOutErrLink", 0, kTypeWord, kReadOnly, 234},         // 72
    {"MmSt1_St0", 0, kTypeWord, kReadOnly, 235},              // 73
    {"MmSt3_St2", 0, kTypeWord, kReadOnly, 236},              // 74
    {"CodeInternalAdc", 0, kTypeWord, kReadOnly, 237},        // 75
    {"f^2(t)", 0, kTypeFloat, kReadOnly, 238},                // 76
    {"delay0(t)", 0, kTypeFloat, kReadOnly, 240},             // 77
    {"K(t)", 0, kTypeFloat, kReadOnly, 242},                  // 78
    {"Q", 0, kTypeFloat, kReadOnly, 244},                     // 79
    {"Sigma", 0, kTypeFloat, kReadOnly, 246},                 // 80
    {"Ro", 0, kTypeFloat, kReadOnly, 248},                    // 81
    {"VF", 0, kTypeFloat, kReadOnly, 250},                    // 82
    {"CdcReg0", 0, kTypeWord, kReadOnly, 252},                // 83
    {"CdcReg1", 0, kTypeWord, kReadOnly, 253},                // 84
    {"FreqMp1n", 0, kTypeFloat, kReadOnly, 254},              // 85
    // 86: group row
    {"----- Основные -----", 0, kTypeGroup, kReadOnly, kNoRegister},
    {"MassFlow", 0, kTypeFloat, kReadOnly, 300},            // 87
    {"VolumeFlow", 0, kTypeFloat, kReadOnly, 302},          // 88
    {"Density", 0, kTypeFloat, kReadOnly, 304},             // 89
    {"Temperature", 0, kTypeFloat, kReadOnly, 306},         // 90
    {"RefDensity", 0, kTypeFloat, kReadOnly, 308},          // 91
    {"CorrVolumeFlow", 0, kTypeFloat, kReadOnly, 310},      // 92
    {"Pressure", 0, kTypeFloat, kReadWrite, 312},           // 93
    {"UnitMassFlow", 0, kTypeWord, kReadWrite, 314},        // 94
    {"UnitVolumeFlow", 0, kTypeWord, kReadWrite, 315},      // 95
    {"UnitDensity", 0, kTypeWord, kReadWrite, 316},         // 96
    {"UnitTemperature", 0, kTypeWord, kReadWrite, 317},     // 97
    {"UnitCorrVolumeFlow", 0, kTypeWord, kReadWrite, 318},  // 98
    {"UnitRefDensity", 0, kTypeWord, kReadWrite, 319},      // 99
    {"UnitMass", 0, kTypeWord, kReadWrite, 320},            // 100
    {"UnitVolume", 0, kTypeWord, kReadWrite, 321},          // 101
    {"UnitCorrVolume", 0, kTypeWord, kReadWrite, 322},      // 102
    // 103: group row
    {"----- 2-х фазная среда -----", 0, kTypeGroup, kReadOnly, kNoRegister},
    {"TargetDensity", 0, kTypeFloat, kReadOnly, 350},               // 104
    {"CarrierDensity", 0, kTypeFloat, kReadOnly, 352},              // 105
    {"TargetMassFlow", 0, kTypeFloat, kReadOnly, 354},              // 106
    {"CarrierMassFlow", 0, kTypeFloat, kReadOnly, 356},             // 107
    {"TargetVolumeFlow", 0, kTypeFloat, kReadOnly, 358},            // 108
    {"CarrierVolumeFlow", 0, kTypeFloat, kReadOnly, 360},           // 109
    {"TargetMassConcentration", 0, kTypeFloat, kReadOnly, 362},     // 110
    {"CarrierMassConcentration", 0, kTypeFloat, kReadOnly, 364},    // 111
    {"TargetVolumeConcentration", 0, kTypeFloat, kReadOnly, 366},   // 112
    {"CarrierVolumeConcentration", 0, kTypeFloat, kReadOnly, 368},  // 113
    // 114: group row
    {"----- Системные -----", 0, kTypeGroup, kReadOnly, kNoRegister},
    {"HardWareVersion", 0, kTypeWord, kReadOnly, 400},      // 115
    {"HardModification", 0, kTypeWord, kReadOnly, 401},     // 116
    {"SoftRevision", 0, kTypeWord, kReadOnly, 402},         // 117
    {"RevisionDay", 0, kTypeWord, kReadOnly, 403},          // 118
    {"RevisionMonth", 0, kTypeWord, kReadOnly, 404},        // 119
    {"RevisionYear", 0, kTypeWord, kReadOnly, 405},         // 120
    {"FlowDamping", 0, kTypeFloat, kReadWrite, 406},        // 121
    {"EpdValueLow", 0, kTypeFloat, kReadWrite, 408},        // 122
    {"ModeRefDensity", 0, kTypeWord, kReadWrite, 410},      // 123
    {"Alfa", 0, kTypeFloat, kReadWrite, 411},               // 124
    {"Betta", 0, kTypeFloat, kReadWrite, 413},              // 125
    {"RefTemperature", 0, kTypeFloat, kReadWrite, 415},     // 126
    {"FixUnitRefDensity", 0, kTypeWord, kReadWrite, 417},   // 127
    {"FixRefDensity", 0, kTypeFloat, kReadWrite, 418},      // 128
    {"ResetProcessor", 0, kTypeWord, kReadWrite, 420},      // 129
    {"AssLowFlow_CutOff", 0, kTypeWord, kReadWrite, 421},   // 130
    {"AssLowFlow_Unit", 0, kTypeWord, kReadWrite, 422},     // 131
    {"ValLowFlow_CutOff", 0, kTypeFloat, kReadWrite, 423},  // 132
    {"TimeShock", 0, kTypeFloat, kReadWrite, 425},          // 133
    {"AssignParamFixed", 0, kTypeWord, kReadWrite, 427},    // 134
    {"ParamFixed", 0, kTypeFloat, kReadWrite, 428},         // 135
    {"DevAddr", 0, kTypeWord, kReadWrite, 430},             // 136
    {"BaudIndex", 0, kTypeWord, kReadWrite, 431},           // 137
    {"Parity", 0, kTypeWord, kReadWrite, 432},              // 138
    {"WriteProtection", 0, kTypeWord, kReadOnly, 433},      // 139
    {"DensityDamping", 0, kTypeFloat, kReadWrite, 434},     // 140
    // 141: group row
    {"----- Линейная коррекция -----", 0, kTypeGroup, kReadOnly, kNoRegister},
    {"ZeroPointAdjust", 0, kTypeWord, kReadWrite, 500},      // 142
    {"Progress", 0, kTypeWord, kReadOnly, 501},              // 143
    {"ZeroPoint", 0, kTypeFloat, kReadWrite, 502},           // 144
    {"MFactorMassFlow", 0, kTypeFloat, kReadWrite, 504},     // 145
    {"MOffsetMassFlow", 0, kTypeFloat, kReadWrite, 506},     // 146
    {"MFactorVolumeFlow", 0, kTypeFloat, kReadWrite, 508},   // 147
    {"MOffsetVolumeFlow", 0, kTypeFloat, kReadWrite, 510},   // 148
    {"MFactorDensity", 0, kTypeFloat, kReadWrite, 512},      // 149
    {"MOffsetDensity", 0, kTypeFloat, kReadWrite, 514},      // 150
    {"MFactorTemperature", 0, kTypeFloat, kReadWrite, 516},  // 151
    {"MOffsetTemperature", 0, kTypeFloat, kReadWrite, 518},  // 152
    // 153: group row
    {"----- Группа ЖКИ -----", 0, kTypeGroup, kReadOnly, kNoRegister},
    {"Contrast", 0, kTypeWord, kReadWrite, 600},          // 154
    {"ImageOrientation", 0, kTypeWord, kReadWrite, 601},  // 155
    {"Language", 0, kTypeWord, kReadWrite, 602},          // 156
    {"RapidTotalMenu", 0, kTypeWord, kReadWrite, 603},    // 157
    {"F1_Assign", 0, kTypeWord, kReadWrite, 604},         // 158
    {"F1_Format", 0, kTypeWord, kReadWrite, 605},         // 159
    {"F1_Unit", 0, kTypeWord, kReadWrite, 606},           // 160
    {"F1_V100", 0, kTypeFloat, kReadWrite, 607},          // 161
    {"F1Mix_Assign", 0, kTypeWord, kReadWrite, 609},      // 162
    {"F1Mix_Format", 0, kTypeWord, kReadWrite, 610},      // 163
    {"F1Mix_Unit", 0, kTypeWord, kReadWrite, 611},        // 164
    {"F1Mix_V100", 0, kTypeFloat, kReadWrite, 612},       // 165
    {"F2_Assign", 0, kTypeWord, kReadWrite, 614},         // 166
    {"F2_Format", 0, kTypeWord, kReadWrite, 615},         // 167
    {"F2_Unit", 0, kTypeWord, kReadWrite, 616},           // 168
    {"F2_V100", 0, kTypeFloat, kReadWrite, 617},          // 169
    {"F2Mix_Assign", 0, kTypeWord, kReadWrite, 619},      // 170
    {"F2Mix_Format", 0, kTypeWord, kReadWrite, 620},      // 171
    {"F2Mix_Unit", 0, kTypeWord, kReadWrite, 621},        // 172
    {"F2Mix_V100", 0, kTypeFloat, kReadWrite, 622},       // 173
    // 174: group row
    {"----- Сумматор №1 -----", 0, kTypeGroup, kReadOnly, kNoRegister},
    {"SumFailsafeMode", 0, kTypeWord, kReadWrite, 700},  // 175
    {"SumAssign1", 0, kTypeWord, kReadWrite, 701},       // 176
    {"SumUnit1", 0, kTypeWord, kReadWrite, 702},         // 177
    {"SumState1", 0, kTypeWord, kReadWrite, 703},        // 178
    {"SumMode1", 0, kTypeWord, kReadWrite, 704},         // 179
    {"SumReset1", 0, kTypeWord, kReadWrite, 705},        // 180
    {"SumOverFlow1", 0, kTypeFloat, kReadWrite, 706},    // 181
    {"Sum1", 0, kTypeFloat, kReadWrite, 708},            // 182
    {"SumTime1", 0, kTypeFloat, kReadWrite, 710},        // 183
    // 184: group row
    {"----- Сумматор №3 -----", 0, kTypeGroup, kReadOnly, kNoRegister},
    {"SumAssign3", 0, kTypeWord, kReadWrite, 750},     // 185
    {"SumUnit3", 0, kTypeWord, kReadWrite, 751},       // 186
    {"SumState3", 0, kTypeWord, kReadWrite, 752},      // 187
    {"SumMode3", 0, kTypeWord, kReadWrite, 753},       // 188
    {"SumReset3", 0, kTypeWord, kReadWrite, 754},      // 189
    {"SumOverFlow3", 0, kTypeFloat, kReadWrite, 755},  // 190
    {"Sum3", 0, kTypeFloat, kReadWrite, 757},          // 191
    {"SumTime3", 0, kTypeFloat, kReadWrite, 759},      // 192
    // 193: group row
    {"----- Сумматор №2 -----", 0, kTypeGroup, kReadOnly, kNoRegister},
    {"SumAssign2", 0, kTypeWord, kReadWrite, 800},     // 194
    {"SumUnit2", 0, kTypeWord, kReadWrite, 801},       // 195
    {"SumState2", 0, kTypeWord, kReadWrite, 802},      // 196
    {"SumMode2", 0, kTypeWord, kReadWrite, 803},       // 197
    {"SumReset2", 0, kTypeWord, kReadWrite, 804},      // 198
    {"SumOverFlow2", 0, kTypeFloat, kReadWrite, 805},  // 199
    {"Sum2", 0, kTypeFloat, kReadWrite, 807},          // 200
    {"SumTime2", 0, kTypeFloat, kReadWrite, 809},      // 201
    // 202: group row
    {"----- Сумматор №4 -----", 0, kTypeGroup, kReadOnly, kNoRegister},
    {"SumAssign4", 0, kTypeWord, kReadWrite, 850},     // 203
    {"SumUnit4", 0, kTypeWord, kReadWrite, 851},       // 204
    {"SumState4", 0, kTypeWord, kReadWrite, 852},      // 205
    {"SumMode4", 0, kTypeWord, kReadWrite, 853},       // 206
    {"SumReset4", 0, kTypeWord, kReadWrite, 854},      // 207
    {"SumOverFlow4", 0, kTypeFloat, kReadWrite, 855},  // 208
    {"Sum4", 0, kTypeFloat, kReadWrite, 857},          // 209
    {"SumTime4", 0, kTypeFloat, kReadWrite, 859},      // 210
    // 211: group row
    {"----- Выход1: Имп/Част/Стат -----", 0, kTypeGroup, kReadOnly, kNoRegister},
    {"PFS1_Mode", 0, kTypeWord, kReadWrite, 900},          // 212
    {"PFSf_Assign", 0, kTypeWord, kReadWrite, 901},        // 213
    {"PFSf_Mode", 0, kTypeWord, kReadWrite, 902},          // 214
    {"PFSf_Unit", 0, kTypeWord, kReadWrite, 903},          // 215
    {"PFSf_MaxFreq", 0, kTypeFloat, kReadWrite, 904},      // 216
    {"PFSf_MinFreq", 0, kTypeFloat, kReadWrite, 906},      // 217
    {"PFSf_MaxValue", 0, kTypeFloat, kReadWrite, 908},     // 218
    {"PFSf_MinValue", 0, kTypeFloat, kReadWrite, 910},     // 219
    {"PFSf_FailsafeMode", 0, kTypeWord, kReadWrite, 912},  // 220
    {"PFSf_FailValue", 0, kTypeFloat, kReadWrite, 913},    // 221
    {"PFSf_Frequency", 0, kTypeFloat, kReadOnly, 915},     // 222
    {"PFSf_SimMode", 0, kTypeWord, kReadWrite, 917},       // 223
    {"PFSf_SimFreq", 0, kTypeFloat, kReadWrite, 918},      // 224
    {"PFSp_Assign", 0, kTypeWord, kReadWrite, 920},        // 225
    {"PFSp_Mode", 0, kTypeWord, kReadWrite, 921},          // 226
    {"PFSp_PulseValue", 0, kTypeFloat, kReadWrite, 922},   // 227
    {"PFSp_PulseWidth", 0, kTypeFloat, kReadWrite, 924},   // 228
    {"PFSp_SimMode", 0, kTypeWord, kReadWrite, 926},       // 229
    {"PFSp_FailsafeMode", 0, kTypeWord, kReadWrite, 927},  // 230
    {"PFSp_DelayReaction", 0, kTypeWord, kReadOnly, 928},  // 231
    {"PFSp_Frequency", 0, kTypeFloat, kReadOnly, 929},     // 232
    {"PFSp_CountDown", 0, kTypeFloat, kReadWrite, 931},    // 233
    {"PFSp_Counter", 0, kTypeFloat, kReadOnly, 933},       // 234
    {"PFSs_Assign", 0, kTypeWord, kReadWrite, 935},        // 235
    {"PFSs_Mode", 0, kTypeWord, kReadWrite, 936},          // 236
    {"PFSs_Unit", 0, kTypeWord, kReadWrite, 937},          // 237
    {"PFSs_OnValue", 0, kTypeFloat, kReadWrite, 938},      // 238
    {"PFSs_OffValue", 0, kTypeFloat, kReadWrite, 940},     // 239
    {"PFSs_OnDelay", 0, kTypeFloat, kReadWrite, 942},      // 240
    {"PFSs_OffDelay", 0, kTypeFloat, kReadWrite, 944},     // 241
    {"PFSs_Status", 0, kTypeWord, kReadOnly, 946},         // 242
    {"PFSs_SimMode", 0, kTypeWord, kReadWrite, 947},       // 243
    {"PFSs_SimVal", 0, kTypeWord, kReadWrite, 948},        // 244
    // 245: group row
    {"----- Выход2: Част/Стат -----", 0, kTypeGroup, kReadOnly, kNoRegister},
    {"FS2_Mode", 0, kTypeWord, kReadWrite, 1000},          // 246
    {"FSf_Assign", 0, kTypeWord, kReadWrite, 1001},        // 247
    {"FSf_Mode", 0, kTypeWord, kReadWrite, 1002},          // 248
    {"FSf_Unit", 0, kTypeWord, kReadWrite, 1003},          // 249
    {"FSf_MaxFreq", 0, kTypeFloat, kReadWrite, 1004},      // 250
    {"FSf_MinFreq", 0, kTypeFloat, kReadWrite, 1006},      // 251
    {"FSf_MaxValue", 0, kTypeFloat, kReadWrite, 1008},     // 252
    {"FSf_MinValue", 0, kTypeFloat, kReadWrite, 1010},     // 253
    {"FSf_FailsafeMode", 0, kTypeWord, kReadWrite, 1012},  // 254
    {"FSf_FailValue", 0, kTypeFloat, kReadWrite, 1013},    // 255
    {"FSf_Frequency", 0, kTypeFloat, kReadOnly, 1015},     // 256
    {"FSf_SimMode", 0, kTypeWord, kReadWrite, 1017},       // 257
    {"FSf_SimFreq", 0, kTypeFloat, kReadWrite, 1018},      // 258
    {"FSs_Assign", 0, kTypeWord, kReadWrite, 1020},        // 259
    {"FSs_Mode", 0, kTypeWord, kReadWrite, 1021},          // 260
    {"FSs_Unit", 0, kTypeWord, kReadWrite, 1022},          // 261
    {"FSs_OnValue", 0, kTypeFloat, kReadWrite, 1023},      // 262
    {"FSs_OffValue", 0, kTypeFloat, kReadWrite, 1025},     // 263
    {"FSs_OnDelay", 0, kTypeFloat, kReadWrite, 1027},      // 264
    {"FSs_OffDelay", 0, kTypeFloat, kReadWrite, 1029},     // 265
    {"FSs_Status", 0, kTypeWord, kReadOnly, 1031},         // 266
    {"FSs_SimMode", 0, kTypeWord, kReadWrite, 1032},       // 267
    {"FSs_SimVal", 0, kTypeWord, kReadWrite, 1033},        // 268
    // 269: group row
    {"----- Выход3: Статусный -----", 0, kTypeGroup, kReadOnly, kNoRegister},
    {"DOs_Assign", 0, kTypeWord, kReadWrite, 1100},     // 270
    {"DOs_Mode", 0, kTypeWord, kReadWrite, 1101},       // 271
    {"DOs_Unit", 0, kTypeWord, kReadWrite, 1102},       // 272
    {"DOs_OnValue", 0, kTypeFloat, kReadWrite, 1103},   // 273
    {"DOs_OffValue", 0, kTypeFloat, kReadWrite, 1105},  // 274
    {"DOs_OnDelay", 0, kTypeFloat, kReadWrite, 1107},   // 275
    {"DOs_OffDelay", 0, kTypeFloat, kReadWrite, 1109},  // 276
    {"DOs_Status", 0, kTypeWord, kReadOnly, 1111},      // 277
    {"DOs_SimMode", 0, kTypeWord, kReadWrite, 1112},    // 278
    {"DOs_SimVal", 0, kTypeWord, kReadWrite, 1113},     // 279
    // 280: group row
    {"----- Токовый выход -----", 0, kTypeGroup, kReadOnly, kNoRegister},
    {"CUR_Assign", 0, kTypeWord, kReadWrite, 1200},               // 281
    {"CUR_Unit", 0, kTypeWord, kReadWrite, 1201},                 // 282
    {"CUR_Value_4mA", 0, kTypeFloat, kReadWrite, 1202},           // 283
    {"CUR_Value_20mA", 0, kTypeFloat, kReadWrite, 1204},          // 284
    {"CUR_Measuring_Mode", 0, kTypeWord, kReadWrite, 1206},       // 285
    {"CUR_DacCode", 0, kTypeFloat, kReadOnly, 1207},              // 286
    {"CUR_Failsafe_Mode", 0, kTypeWord, kReadWrite, 1209},        // 287
    {"CUR_Current", 0, kTypeFloat, kReadOnly, 1210},              // 288
    {"CUR_Simulation_Mode", 0, kTypeWord, kReadWrite, 1212},      // 289
    {"CUR_Value_Simulation", 0, kTypeFloat, kReadWrite, 1213},    // 290
    {"CUR_Current_Offset", 0, kTypeFloat, kReadWrite, 1215},      // 291
    {"CUR_Current_Gain", 0, kTypeFloat, kReadWrite, 1217},        // 292
    {"CUR_Restore_Coefficient", 0, kTypeWord, kReadWrite, 1219},  // 293
    {"CUR_Temp", 0, kTypeFloat, kReadOnly, 1220},                 // 294
    {"CUR_Adjustment_Mode", 0, kTypeWord, kReadWrite, 1222},      // 295
    {"CUR_Trim_4mA", 0, kTypeFloat, kReadWrite, 1223},            // 296
    {"CUR_Trim_20mA", 0, kTypeFloat, kReadWrite, 1225},           // 297
    {"CUR_Standard_4mAa", 0, kTypeFloat, kReadWrite, 1227},       // 298
    {"CUR_Standard_20mA", 0, kTypeFloat, kReadWrite, 1229},       // 299
    // 300: group row
    {"----- Ток. Скрыт. Пар-ры -----", 0, kTypeGroup, kReadOnly, kNoRegister},
    {"CUR_SN", 0, kTypeWord, kReadWrite, 1300},              // 301
    {"CUR_DD", 0, kTypeWord, kReadWrite, 1301},              // 302
    {"CUR_MM", 0, kTypeWord, kReadWrite, 1302},              // 303
    {"CUR_YY", 0, kTypeWord, kReadWrite, 1303},              // 304
    {"CUR_Hidden_Offset", 0, kTypeFloat, kReadWrite, 1304},  // 305
    {"CUR_Hidden_Gain", 0, kTypeFloat, kReadWrite, 1306},    // 306
    {"CUR_a0", 0, kTypeFloat, kReadWrite, 1308},             // 307
    {"CUR_a1", 0, kTypeFloat, kReadWrite, 1310},             // 308
    {"CUR_a2", 0, kTypeFloat, kReadWrite, 1312},             // 309
    {"CUR_a3", 0, kTypeFloat, kReadWrite, 1314},             // 310
    {"CUR_b0", 0, kTypeFloat, kReadWrite, 1316},             // 311
    {"CUR_b1", 0, kTypeFloat, kReadWrite, 1318},             // 312
    {"CUR_b2", 0, kTypeFloat, kReadWrite, 1320},             // 313
    {"CUR_b3", 0, kTypeFloat, kReadWrite, 1322},             // 314
    // 315: group row
    {"----- Дискретные Входы -----", 0, kTypeGroup, kReadOnly, kNoRegister},
    {"DI1_Assign", 0, kTypeWord, kReadWrite, 1400},  // 316
    {"DI1_Status", 0, kTypeWord, kReadOnly, 1401},   // 317
    {"DI2_Assign", 0, kTypeWord, kReadWrite, 1402},  // 318
    {"DI2_Status", 0, kTypeWord, kReadOnly, 1403},   // 319
    // 320: group row
    {"----- Статус -----", 0, kTypeGroup, kReadOnly, kNoRegister},
    {"CommonNotice", 0, kTypeWord, kReadOnly, 1500},  // 321
    {"Notice1", 0, kTypeWord, kReadOnly, 1501},       // 322
    {"Notice2", 0, kTypeWord, kReadOnly, 1502},       // 323
    {"Notice3", 0, kTypeWord, kReadOnly, 1503},       // 324
    {"Notice4", 0, kTypeWord, kReadOnly, 1504},       // 325
    {"Notice5", 0, kTypeWord, kReadOnly, 1505},       // 326
    {"Notice6", 0, kTypeWord, kReadOnly, 1506},       // 327
    {"Notice7", 0, kTypeWord, kReadOnly, 1507},       // 328
    {"Notice8", 0, kTypeWord, kReadOnly, 1508},       // 329
    // 330: group row
    {"----- Пар-ры целев. среды -----", 0, kTypeGroup, kReadOnly, kNoRegister},
    {"ConcentrationEnable", 0, kTypeWord, kReadWrite, 1600},       // 331
    {"TF_ApproximationMethod", 0, kTypeWord, kReadWrite, 1601},    // 332
    {"TF_ApproximationPoly_a0", 0, kTypeFloat, kReadWrite, 1602},  // 333
    {"TF_ApproximationPoly_a1", 0, kTypeFloat, kReadWrite, 1604},  // 334
    {"TF_ApproximationPoly_a2", 0, kTypeFloat, kReadWrite, 1606},  // 335
    {"TF_ApproximationPoly_a3", 0, kTypeFloat, kReadWrite, 1608},  // 336
    {"TF_ApproximationPoly_a4", 0, kTypeFloat, kReadWrite, 1610},  // 337
    {"TF_ApproximationPoly_a5", 0, kTypeFloat, kReadWrite, 1612},  // 338
    {"TF_RefTemperature", 0, kTypeFloat, kReadWrite, 1614},        // 339
    {"TF_PWL_Table_t0", 0, kTypeFloat, kReadWrite, 1616},          // 340
    {"TF_PWL_Table_t1", 0, kTypeFloat, kReadWrite, 1618},          // 341
    {"TF_PWL_Table_t2", 0, kTypeFloat, kReadWrite, 1620},          // 342
    {"TF_PWL_Table_t3", 0, kTypeFloat, kReadWrite, 1622},          // 343
    {"TF_PWL_Table_t4", 0, kTypeFloat, kReadWrite, 1624},          // 344
    {"TF_PWL_Table_t5", 0, kTypeFloat, kReadWrite, 1626},          // 345
    {"TF_PWL_Table_t6", 0, kTypeFloat, kReadWrite, 1628},          // 346
    {"TF_PWL_Table_t7", 0, kTypeFloat, kReadWrite, 1630},          // 347
    {"TF_PWL_Table_t8", 0, kTypeFloat, kReadWrite, 1632},          // 348
    {"TF_PWL_Table_t9", 0, kTypeFloat, kReadWrite, 1634},          // 349
    {"TF_PWL_Table_t10", 0, kTypeFloat, kReadWrite, 1636},         // 350
    {"TF_PWL_Table_t11", 0, kTypeFloat, kReadWrite, 1638},         // 351
    {"TF_PWL_Table_t12", 0, kTypeFloat, kReadWrite, 1640},         // 352
    {"TF_PWL_Table_t13", 0, kTypeFloat, kReadWrite, 1642},         // 353
    {"TF_PWL_Table_t14", 0, kTypeFloat, kReadWrite, 1644},         // 354
    {"TF_PWL_Table_t15", 0, kTypeFloat, kReadWrite, 1646},         // 355
    {"TF_PWL_Table_t16", 0, kTypeFloat, kReadWrite, 1648},         // 356
    {"TF_PWL_Table_t17", 0, kTypeFloat, kReadWrite, 1650},         // 357
    {"TF_PWL_Table_t18", 0, kTypeFloat, kReadWrite, 1652},         // 358
    {"TF_PWL_Table_t19", 0, kTypeFloat, kReadWrite, 1654},         // 359
    {"TF_PWL_Table_d0", 0, kTypeFloat, kReadWrite, 1656},          // 360
    {"TF_PWL_Table_d1", 0, kTypeFloat, kReadWrite, 1658},          // 361
    {"TF_PWL_Table_d2", 0, kTypeFloat, kReadWrite, 1660},          // 362
    {"TF_PWL_Table_d3", 0, kTypeFloat, kReadWrite, 1662},          // 363
    {"TF_PWL_Table_d4", 0, kTypeFloat, kReadWrite, 1664},          // 364
    {"TF_PWL_Table_d5", 0, kTypeFloat, kReadWrite, 1666},          // 365
    {"TF_PWL_Table_d6", 0, kTypeFloat, kReadWrite, 1668},          // 366
    {"TF_PWL_Table_d7", 0, kTypeFloat, kReadWrite, 1670},          // 367
    {"TF_PWL_Table_d8", 0, kTypeFloat, kReadWrite, 1672},          // 368
    {"TF_PWL_Table_d9", 0, kTypeFloat, kReadWrite, 1674},          // 369
    {"TF_PWL_Table_d10", 0, kTypeFloat, kReadWrite, 1676},         // 370
    {"TF_PWL_Table_d11", 0, kTypeFloat, kReadWrite, 1678},         // 371
    {"TF_PWL_Table_d12", 0, kTypeFloat, kReadWrite, 1680},         // 372
    {"TF_PWL_Table_d13", 0, kTypeFloat, kReadWrite, 1682},         // 373
    {"TF_PWL_Table_d14", 0, kTypeFloat, kReadWrite, 1684},         // 374
    {"TF_PWL_Table_d15", 0, kTypeFloat, kReadWrite, 1686},         // 375
    {"TF_PWL_Table_d16", 0, kTypeFloat, kReadWrite, 1688},         // 376
    {"TF_PWL_Table_d17", 0, kTypeFloat, kReadWrite, 1690},         // 377
    {"TF_PWL_Table_d18", 0, kTypeFloat, kReadWrite, 1692},         // 378
    {"TF_PWL_Table_d19", 0, kTypeFloat, kReadWrite, 1694},         // 379
    {"TF_PWLTable_PointsCount", 0, kTypeWord, kReadWrite, 1696},   // 380
    // 381: group row
    {"----- Пар-ры среды-носит. -----", 0, kTypeGroup, kReadOnly, kNoRegister},
    {"CF_ApproximationMethod", 0, kTypeWord, kReadWrite, 1700},    // 382
    {"CF_ApproximationPoly_a0", 0, kTypeFloat, kReadWrite, 1701},  // 383
    {"CF_ApproximationPoly_a1", 0, kTypeFloat, kReadWrite, 1703},  // 384
    {"CF_ApproximationPoly_a2", 0, kTypeFloat, kReadWrite, 1705},  // 385
    {"CF_ApproximationPoly_a3", 0, kTypeFloat, kReadWrite, 1707},  // 386
    {"CF_ApproximationPoly_a4", 0, kTypeFloat, kReadWrite, 1709},  // 387
    {"CF_ApproximationPoly_a5", 0, kTypeFloat, kReadWrite, 1711},  // 388
    {"CF_RefTemperature", 0, kTypeFloat, kReadWrite, 1713},        // 389
    {"CF_PWL_Table_t0", 0, kTypeFloat, kReadWrite, 1715},          // 390
    {"CF_PWL_Table_t1", 0, kTypeFloat, kReadWrite, 1717},          // 391
    {"CF_PWL_Table_t2", 0, kTypeFloat, kReadWrite, 1719},          // 392
    {"CF_PWL_Table_t3", 0, kTypeFloat, kReadWrite, 1721},          // 393
    {"CF_PWL_Table_t4", 0, kTypeFloat, kReadWrite, 1723},          // 394
    {"CF_PWL_Table_t5", 0, kTypeFloat, kReadWrite, 1725},          // 395
    {"CF_PWL_Table_t6", 0, kTypeFloat, kReadWrite, 1727},          // 396
    {"CF_PWL_Table_t7", 0, kTypeFloat, kReadWrite, 1729},          // 397
    {"CF_PWL_Table_t8", 0, kTypeFloat, kReadWrite, 1731},          // 398
    {"CF_PWL_Table_t9", 0, kTypeFloat, kReadWrite, 1733},          // 399
    {"CF_PWL_Table_t10", 0, kTypeFloat, kReadWrite, 1735},         // 400
    {"CF_PWL_Table_t11", 0, kTypeFloat, kReadWrite, 1737},         // 401
    {"CF_PWL_Table_t12", 0, kTypeFloat, kReadWrite, 1739},         // 402
    {"CF_PWL_Table_t13", 0, kTypeFloat, kReadWrite, 1741},         // 403
    {"CF_PWL_Table_t14", 0, kTypeFloat, kReadWrite, 1743},         // 404
    {"CF_PWL_Table_t15", 0, kTypeFloat, kReadWrite, 1745},         // 405
    {"CF_PWL_Table_t16", 0, kTypeFloat, kReadWrite, 1747},         // 406
    {"CF_PWL_Table_t17", 0, kTypeFloat, kReadWrite, 1749},         // 407
    {"CF_PWL_Table_t18", 0, kTypeFloat, kReadWrite, 1751},         // 408
    {"CF_PWL_Table_t19", 0, kTypeFloat, kReadWrite, 1753},         // 409
    {"CF_PWL_Table_d0", 0, kTypeFloat, kReadWrite, 1755},          // 410
    {"CF_PWL_Table_d1", 0, kTypeFloat, kReadWrite, 1757},          // 411
    {"CF_PWL_Table_d2", 0, kTypeFloat, kReadWrite, 1759},          // 412
    {"CF_PWL_Table_d3", 0, kTypeFloat, kReadWrite, 1761},          // 413
    {"CF_PWL_Table_d4", 0, kTypeFloat, kReadWrite, 1763},          // 414
    {"CF_PWL_Table_d5", 0, kTypeFloat, kReadWrite, 1765},          // 415
    {"CF_PWL_Table_d6", 0, kTypeFloat, kReadWrite, 1767},          // 416
    {"CF_PWL_Table_d7", 0, kTypeFloat, kReadWrite, 1769},          // 417
    {"CF_PWL_Table_d8", 0, kTypeFloat, kReadWrite, 1771},          // 418
    {"CF_PWL_Table_d9", 0, kTypeFloat, kReadWrite, 1773},          // 419
    {"CF_PWL_Table_d10", 0, kTypeFloat, kReadWrite, 1775},         // 420
    {"CF_PWL_Table_d11", 0, kTypeFloat, kReadWrite, 1777},         // 421
    {"CF_PWL_Table_d12", 0, kTypeFloat, kReadWrite, 1779},         // 422
    {"CF_PWL_Table_d13", 0, kTypeFloat, kReadWrite, 1781},         // 423
    {"CF_PWL_Table_d14", 0, kTypeFloat, kReadWrite, 1783},         // 424
    {"CF_PWL_Table_d15", 0, kTypeFloat, kReadWrite, 1785},         // 425
    {"CF_PWL_Table_d16", 0, kTypeFloat, kReadWrite, 1787},         // 426
    {"CF_PWL_Table_d17", 0, kTypeFloat, kReadWrite, 1789},         // 427
    {"CF_PWL_Table_d18", 0, kTypeFloat, kReadWrite, 1791},         // 428
    {"CF_PWL_Table_d19", 0, kTypeFloat, kReadWrite, 1793},         // 429
    {"CF_PWLTable_PointsCount", 0, kTypeWord, kReadWrite, 1795},   // 430
    // 431: group row
    {"---------------------------", 0, kTypeGroup, kReadOnly, kNoRegister},
    // 432: group row
    {"----- Транзитом в DSP -----", 0, kTypeGroup, kReadOnly, kNoRegister},
    // 433: group row
    {"---------------------------", 0, kTypeGroup, kReadOnly, kNoRegister},
    // Measuring-module (DSP) parameters: DspSize value bytes, Type the value code, Reg the
    // parameter number.
    {"SnBoard", 2, kDspU16, kReadWrite, 0},             // 434
    {"ManufactureData", 3, kDspDate, kReadWrite, 1},    // 435
    {"R0", 4, kDspFloat, kReadWrite, 2},                // 436
    {"MinCode_ADC1_TC", 4, kDspI32, kReadWrite, 3},     // 437
    {"MaxCode_ADC1_TC", 4, kDspI32, kReadWrite, 4},     // 438
    {"MinCode_ADC2_Robr", 4, kDspI32, kReadWrite, 5},   // 439
    {"MaxCode_ADC2_Robr", 4, kDspI32, kReadWrite, 6},   // 440
    {"MinCode_ADC3_3w", 4, kDspI32, kReadWrite, 7},     // 441
    {"MaxCode_ADC3_3w", 4, kDspI32, kReadWrite, 8},     // 442
    {"MinCode_ADC4_Diod", 4, kDspI32, kReadWrite, 9},   // 443
    {"MaxCode_ADC4_Diod", 4, kDspI32, kReadWrite, 10},  // 444
    {"MinCode_ADC5_Oru", 4, kDspI32, kReadWrite, 11},   // 445
    {"MaxCode_ADC5_Oru", 4, kDspI32, kReadWrite, 12},   // 446
    {"MinCode_ADC6_Diag", 4, kDspI32, kReadWrite, 13},  // 447
    {"MaxCode_ADC6_Diag", 4, kDspI32, kReadWrite, 14},  // 448
    {"Rw_0", 4, kDspFloat, kReadWrite, 15},             // 449
    {"Rw_1", 4, kDspFloat, kReadWrite, 16},             // 450
    {"Rw_2", 4, kDspFloat, kReadWrite, 17},             // 451
    {"Rw_3", 4, kDspFloat, kReadWrite, 18},             // 452
    {"Checksum", 2, kDspU16, kReadWrite, 19},           // 453
}};

}  // namespace tarvix
