// The catalogue's lines, page by page (the page of each descriptor's first control).
#include "pages/catalogue_raw.h"

namespace tarvix::catalogue_raw {
namespace {

using enum Kind;
using M = MenuId;
using H = OnShow;

// clang-format off
constexpr Entry kEntries[] = {
    // FmInfo
    {.Id = 35, .Page = "FmInfo", .K = L, .Name = "ProgramMemoryCrc", .Format = "0x%04X"},
    {.Id = 38, .Page = "FmInfo", .K = L, .Name = "SoftPlus"},
    {.Id = 209, .Page = "FmInfo", .K = L, .Name = "Bf_Checksum", .Format = "0x%04X"},

    // EditFmInfo
    {.Id = 0, .Page = "EditFmInfo", .K = E, .Name = "SerialNumberDevice", .More = "LabelSerialNumberDevice_1@FmInfo"},
    {.Id = 2, .Page = "EditFmInfo", .K = E, .Name = "AccuracyDevice", .More = "LabelAccuracyDeviceH_1@FmInfo", .Format = "0.##"},
    {.Id = 3, .Page = "EditFmInfo", .K = C, .Name = "Sertification", .More = "LabelSertification_1@FmInfo", .Menu = M::Sertification},
    {.Id = 4, .Page = "EditFmInfo", .K = E, .Name = "CalibrationDD", .More = "LabelCalibrationDD_1@FmInfo", .Format = "%02d"},
    {.Id = 5, .Page = "EditFmInfo", .K = E, .Name = "CalibrationMM", .More = "LabelCalibrationMM_1@FmInfo", .Format = "%02d"},
    {.Id = 6, .Page = "EditFmInfo", .K = E, .Name = "CalibrationYY", .More = "LabelCalibrationYY_1@FmInfo", .Format = "20%02d"},
    {.Id = 8, .Page = "EditFmInfo", .K = E, .Name = "SensorMaxQm_t_h", .More = "LabelSensorMaxQm_t_hH_1@FmInfo"},
    {.Id = 9, .Page = "EditFmInfo", .K = C, .Name = "SensorType", .More = "LabelSensorType_1@FmInfo", .Menu = M::SensorType},
    {.Id = 10, .Page = "EditFmInfo", .K = E, .Name = "SensorDiameter", .More = "LabelSensorDiameter_1@FmInfo"},
    {.Id = 12, .Page = "EditFmInfo", .K = E, .Name = "SensorTmax", .More = "LabelSensorTmaxH_1@FmInfo"},
    {.Id = 14, .Page = "EditFmInfo", .K = E, .Name = "SensorTmin", .More = "LabelSensorTminH_1@FmInfo"},
    {.Id = 208, .Page = "EditFmInfo", .More = "EditBf_MainIdCode LabelBf_MainIdCode LabelBf_MainIdCode_1@FmInfo"},
    {.Id = 211, .Page = "EditFmInfo", .K = E, .Name = "Bf_HardRev", .More = "LabelBf_HardRev_1@FmInfo"},
    {.Id = 212, .Page = "EditFmInfo", .K = E, .Name = "Bf_Modification", .More = "LabelBf_Modification_1@FmInfo"},
    {.Id = 213, .Page = "EditFmInfo", .K = E, .Name = "Bf_SoftRev", .More = "LabelBf_SoftRev_1@FmInfo"},
    {.Id = 214, .Page = "EditFmInfo", .K = E, .Name = "Bf_DateRev_dd", .More = "LabelBf_DateRev_dd_1@FmInfo", .Format = "%02d"},
    {.Id = 215, .Page = "EditFmInfo", .K = E, .Name = "Bf_DateRev_mm", .More = "LabelBf_DateRev_mm_1@FmInfo", .Format = "%02d"},
    {.Id = 216, .Page = "EditFmInfo", .K = E, .Name = "Bf_DateRev_yy", .More = "LabelBf_DateRev_yy_1@FmInfo", .Format = "20%02d"},
    {.Id = 400, .Page = "EditFmInfo", .K = E, .Name = "HardWareVersion", .More = "LabelHardWareVersion_1@FmInfo"},
    {.Id = 401, .Page = "EditFmInfo", .K = E, .Name = "HardModification", .More = "LabelHardModification_1@FmInfo"},
    {.Id = 402, .Page = "EditFmInfo", .K = E, .Name = "SoftRevision", .More = "LabelSoftRevision_1@FmInfo"},
    {.Id = 403, .Page = "EditFmInfo", .K = E, .Name = "RevisionDay", .More = "LabelRevisionDay_1@FmInfo", .Format = "%02d"},
    {.Id = 404, .Page = "EditFmInfo", .K = E, .Name = "RevisionMonth", .More = "LabelRevisionMonth_1@FmInfo", .Format = "%02d"},
    {.Id = 405, .Page = "EditFmInfo", .K = E, .Name = "RevisionYear", .More = "LabelRevisionYear_1@FmInfo", .Format = "20%02d"},

    // PageErrors
    {.Id = 200, .Page = "PageErrors", .K = L, .Name = "Err", .Handler = H::HighlightLabelErr},
    {.Id = 233, .Page = "PageErrors", .K = L, .Name = "AllErrLink"},
    {.Id = 234, .Page = "PageErrors", .K = L, .Name = "TimeOutErrLink"},
    {.Id = 237, .Page = "PageErrors", .K = L, .Name = "CodeInternalAdc", .Handler = H::ShowMicroSwitches},

    // PageMainVars
    {.Id = 301, .Page = "PageMainVars", .More = "LabelMassFlow"},
    {.Id = 303, .Page = "PageMainVars", .More = "LabelVolumeFlow"},
    {.Id = 305, .Page = "PageMainVars", .More = "LabelDensity"},
    {.Id = 307, .Page = "PageMainVars", .More = "LabelTemperature", .Format = "0.0"},
    {.Id = 309, .Page = "PageMainVars", .More = "LabelRefDensity"},
    {.Id = 311, .Page = "PageMainVars", .More = "LabelCorrVolumeFlow"},
    {.Id = 314, .Page = "PageMainVars", .K = C, .Name = "UnitMassFlow", .More = "ConcUnitMFLbl@PageConcentration", .Menu = M::UnitMassFlow},
    {.Id = 315, .Page = "PageMainVars", .K = C, .Name = "UnitVolumeFlow", .More = "ConcUnitVFLbl@PageConcentration", .Menu = M::UnitVolumeFlow},
    {.Id = 316, .Page = "PageMainVars", .K = C, .Name = "UnitDensity", .More = "ConcUnitDensLbl@PageConcentration", .Menu = M::UnitDensity},
    {.Id = 317, .Page = "PageMainVars", .K = C, .Name = "UnitTemperature", .Menu = M::UnitTemperature},
    {.Id = 318, .Page = "PageMainVars", .K = C, .Name = "UnitCorrVolumeFlow", .Menu = M::UnitCorrVolumeFlow},
    {.Id = 319, .Page = "PageMainVars", .K = C, .Name = "UnitRefDensity", .Menu = M::UnitRefDensity},

    // PageLCD
    {.Id = 600, .Page = "PageLCD", .K = S, .Name = "Contrast"},
    {.Id = 601, .Page = "PageLCD", .K = C, .Name = "ImageOrientation", .Menu = M::Orientation},
    {.Id = 602, .Page = "PageLCD", .K = C, .Name = "Language", .Menu = M::Language},
    {.Id = 603, .Page = "PageLCD", .K = C, .Name = "RapidTotalMenu", .Menu = M::TotalizerMenu},

    // PageField1
    {.Id = 604, .Page = "PageField1", .K = C, .Name = "F1_Assign", .Menu = M::AssignField1, .Handler = H::ComboF1_AssignChange},
    {.Id = 605, .Page = "PageField1", .K = C, .Name = "F1_Format", .Menu = M::FormatVariable},
    {.Id = 606, .Page = "PageField1", .K = C, .Name = "F1_Unit"},
    {.Id = 608, .Page = "PageField1", .More = "EditF1_V100 LabelF1_V100"},
    {.Id = 609, .Page = "PageField1", .K = C, .Name = "F1Mix_Assign", .Menu = M::AssignFieldMix1, .Handler = H::ComboF1Mix_AssignChange},
    {.Id = 610, .Page = "PageField1", .K = C, .Name = "F1Mix_Format", .Menu = M::FormatVariable},
    {.Id = 611, .Page = "PageField1", .K = C, .Name = "F1Mix_Unit"},
    {.Id = 613, .Page = "PageField1", .More = "EditF1Mix_V100 LabelF1Mix_V100"},

    // PageField2
    {.Id = 614, .Page = "PageField2", .K = C, .Name = "F2_Assign", .Menu = M::AssignField2, .Handler = H::ComboF2_AssignChange},
    {.Id = 615, .Page = "PageField2", .K = C, .Name = "F2_Format", .Menu = M::FormatVariable},
    {.Id = 616, .Page = "PageField2", .K = C, .Name = "F2_Unit"},
    {.Id = 618, .Page = "PageField2", .More = "EditF2_V100 LabelF2_V100"},
    {.Id = 619, .Page = "PageField2", .K = C, .Name = "F2Mix_Assign", .Menu = M::AssignFieldMix2, .Handler = H::ComboF2Mix_AssignChange},
    {.Id = 620, .Page = "PageField2", .K = C, .Name = "F2Mix_Format", .Menu = M::FormatVariable},
    {.Id = 621, .Page = "PageField2", .K = C, .Name = "F2Mix_Unit"},
    {.Id = 623, .Page = "PageField2", .More = "EditF2Mix_V100 LabelF2Mix_V100"},

    // PageTotals
    {.Id = 700, .Page = "PageTotals", .K = C, .Name = "SumFailsafeMode", .Menu = M::TotalizerFailsafe},

    // PageTotal1
    {.Id = 701, .Page = "PageTotal1", .K = C, .Name = "SumAssign1", .More = "LabelSumAssign1_1@PageStat1 LabelSumAssign1_2@PageStat2 LabelSumAssign1_3@PageStat3", .Menu = M::AssignTotal, .Handler = H::ComboSumAssign1Change},
    {.Id = 702, .Page = "PageTotal1", .K = C, .Name = "SumUnit1", .More = "LabelSumUnit11"},
    {.Id = 703, .Page = "PageTotal1", .K = C, .Name = "SumState1", .Menu = M::StatusTotal1},
    {.Id = 704, .Page = "PageTotal1", .K = C, .Name = "SumMode1", .Menu = M::TotalizerMode},
    {.Id = 705, .Page = "PageTotal1", .K = C0, .Name = "SumReset1", .Menu = M::ResetTotal1},
    {.Id = 707, .Page = "PageTotal1", .K = L, .Name = "SumOverFlow1"},
    {.Id = 709, .Page = "PageTotal1", .More = "LabelSum1"},

    // PageTotal2
    {.Id = 800, .Page = "PageTotal2", .K = C, .Name = "SumAssign2", .More = "LabelSumAssign2_1@PageStat1 LabelSumAssign2_2@PageStat2 LabelSumAssign2_3@PageStat3", .Menu = M::AssignTotal, .Handler = H::ComboSumAssign2Change},
    {.Id = 801, .Page = "PageTotal2", .K = C, .Name = "SumUnit2", .More = "LabelSumUnit21"},
    {.Id = 802, .Page = "PageTotal2", .K = C, .Name = "SumState2", .Menu = M::StatusTotal2},
    {.Id = 803, .Page = "PageTotal2", .K = C, .Name = "SumMode2", .Menu = M::TotalizerMode},
    {.Id = 804, .Page = "PageTotal2", .K = C0, .Name = "SumReset2", .Menu = M::ResetTotal2},
    {.Id = 806, .Page = "PageTotal2", .K = L, .Name = "SumOverFlow2"},
    {.Id = 808, .Page = "PageTotal2", .More = "LabelSum2"},

    // PageTotal3
    {.Id = 750, .Page = "PageTotal3", .K = C, .Name = "SumAssign3", .More = "LabelSumAssign3_1@PageStat1 LabelSumAssign3_2@PageStat2 LabelSumAssign3_3@PageStat3", .Menu = M::AssignTotal, .Handler = H::ComboSumAssign3Change},
    {.Id = 751, .Page = "PageTotal3", .K = C, .Name = "SumUnit3", .More = "LabelSumUnit31"},
    {.Id = 752, .Page = "PageTotal3", .K = C, .Name = "SumState3", .Menu = M::StatusTotal3},
    {.Id = 753, .Page = "PageTotal3", .K = C, .Name = "SumMode3", .Menu = M::TotalizerMode},
    {.Id = 754, .Page = "PageTotal3", .K = C0, .Name = "SumReset3", .Menu = M::ResetTotal3},
    {.Id = 756, .Page = "PageTotal3", .K = L, .Name = "SumOverFlow3"},
    {.Id = 758, .Page = "PageTotal3", .More = "LabelSum3"},

    // PageTotal4
    {.Id = 850, .Page = "PageTotal4", .K = C, .Name = "SumAssign4", .More = "LabelSumAssign4_1@PageStat1 LabelSumAssign4_2@PageStat2 LabelSumAssign4_3@PageStat3", .Menu = M::AssignTotal, .Handler = H::ComboSumAssign4Change},
    {.Id = 851, .Page = "PageTotal4", .K = C, .Name = "SumUnit4", .More = "LabelSumUnit41"},
    {.Id = 852, .Page = "PageTotal4", .K = C, .Name = "SumState4", .Menu = M::StatusTotal4},
    {.Id = 853, .Page = "PageTotal4", .K = C, .Name = "SumMode4", .Menu = M::TotalizerMode},
    {.Id = 854, .Page = "PageTotal4", .K = C0, .Name = "SumReset4", .Menu = M::ResetTotal4},
    {.Id = 856, .Page = "PageTotal4", .K = L, .Name = "SumOverFlow4"},
    {.Id = 858, .Page = "PageTotal4", .More = "LabelSum4"},

    // PageOut1
    {.Id = 900, .Page = "PageOut1", .K = C, .Name = "PFS1_Mode", .Menu = M::TypeOutput1, .Handler = H::ComboPFS1_ModeChange},
    {.Id = 916, .Page = "PageOut1", .K = L, .Name = "PFSf_Frequency", .Format = "0.00"},
    {.Id = 917, .Page = "PageOut1", .K = C, .Name = "PFSf_SimMode", .Menu = M::SimOnOff},
    {.Id = 919, .Page = "PageOut1", .K = E, .Name = "PFSf_SimFreq", .Format = "0.00"},
    {.Id = 926, .Page = "PageOut1", .K = C, .Name = "PFSp_SimMode", .Menu = M::SimPulse, .Handler = H::ComboPFSp_SimModeChange},
    {.Id = 930, .Page = "PageOut1", .K = L, .Name = "PFSp_Frequency", .Format = "0.00"},
    {.Id = 932, .Page = "PageOut1", .K = E, .Name = "PFSp_CountDown", .Format = "0", .Handler = H::CountDownRefresh},
    {.Id = 934, .Page = "PageOut1", .K = L, .Name = "PFSp_Counter", .Format = "0"},
    {.Id = 946, .Page = "PageOut1", .K = L, .Name = "PFSs_Status"},
    {.Id = 947, .Page = "PageOut1", .K = C, .Name = "PFSs_SimMode", .Menu = M::SimOnOff},
    {.Id = 948, .Page = "PageOut1", .K = E, .Name = "PFSs_SimVal"},

    // PagePulse1
    {.Id = 320, .Page = "PagePulse1", .More = "ComboIndexUnitMass LabelIndexUnitMass", .Menu = M::UnitMass},
    {.Id = 321, .Page = "PagePulse1", .More = "ComboIndexUnitVolume LabelIndexUnitVolume", .Menu = M::UnitVolume},
    {.Id = 322, .Page = "PagePulse1", .K = C, .Name = "UnitCorrVolume", .Menu = M::UnitCorrVolume},
    {.Id = 920, .Page = "PagePulse1", .K = C, .Name = "PFSp_Assign", .Menu = M::AssignTotal, .Handler = H::ComboPFSp_AssignChange},
    {.Id = 921, .Page = "PagePulse1", .K = C, .Name = "PFSp_Mode", .Menu = M::PulseMode},
    {.Id = 923, .Page = "PagePulse1", .K = E, .Name = "PFSp_PulseValue"},
    {.Id = 925, .Page = "PagePulse1", .K = E, .Name = "PFSp_PulseWidth"},
    {.Id = 927, .Page = "PagePulse1", .K = C, .Name = "PFSp_FailsafeMode", .Menu = M::PulseFailsafe},

    // PageFreq1
    {.Id = 901, .Page = "PageFreq1", .K = C, .Name = "PFSf_Assign", .Menu = M::AssignOutput, .Handler = H::ComboPFSf_AssignChange},
    {.Id = 902, .Page = "PageFreq1", .K = C, .Name = "PFSf_Mode", .Menu = M::OutputMode},
    {.Id = 903, .Page = "PageFreq1", .K = C, .Name = "PFSf_Unit"},
    {.Id = 905, .Page = "PageFreq1", .K = E, .Name = "PFSf_MaxFreq"},
    {.Id = 907, .Page = "PageFreq1", .K = E, .Name = "PFSf_MinFreq"},
    {.Id = 909, .Page = "PageFreq1", .K = E, .Name = "PFSf_MaxValue"},
    {.Id = 911, .Page = "PageFreq1", .K = E, .Name = "PFSf_MinValue"},
    {.Id = 912, .Page = "PageFreq1", .K = C, .Name = "PFSf_FailsafeMode", .Menu = M::FailsafeFreq},
    {.Id = 914, .Page = "PageFreq1", .K = E, .Name = "PFSf_FailValue", .Format = "0", .Handler = H::ComboPFSf_FailsafeModeChange},

    // PageStat1
    {.Id = 935, .Page = "PageStat1", .K = C, .Name = "PFSs_Assign", .Menu = M::AssignStatus, .Handler = H::ComboPFSs_AssignChange},
    {.Id = 936, .Page = "PageStat1", .K = C, .Name = "PFSs_Mode", .Menu = M::OutputMode},
    {.Id = 937, .Page = "PageStat1", .K = C, .Name = "PFSs_Unit"},
    {.Id = 939, .Page = "PageStat1", .K = E, .Name = "PFSs_OnValue"},
    {.Id = 941, .Page = "PageStat1", .K = E, .Name = "PFSs_OffValue"},
    {.Id = 943, .Page = "PageStat1", .K = E, .Name = "PFSs_OnDelay"},
    {.Id = 945, .Page = "PageStat1", .K = E, .Name = "PFSs_OffDelay"},

    // PageOut2
    {.Id = 1000, .Page = "PageOut2", .K = C, .Name = "FS2_Mode", .Menu = M::TypeOutput2, .Handler = H::ComboFS2_ModeChange},
    {.Id = 1016, .Page = "PageOut2", .K = L, .Name = "FSf_Frequency", .Format = "0.00"},
    {.Id = 1017, .Page = "PageOut2", .K = C, .Name = "FSf_SimMode", .Menu = M::SimOnOff},
    {.Id = 1019, .Page = "PageOut2", .K = E, .Name = "FSf_SimFreq", .Format = "0.00"},
    {.Id = 1031, .Page = "PageOut2", .K = L, .Name = "FSs_Status"},
    {.Id = 1032, .Page = "PageOut2", .K = C, .Name = "FSs_SimMode", .Menu = M::SimOnOff},
    {.Id = 1033, .Page = "PageOut2", .K = E, .Name = "FSs_SimVal"},

    // PageFreq2
    {.Id = 1001, .Page = "PageFreq2", .K = C, .Name = "FSf_Assign", .Menu = M::AssignOutput, .Handler = H::ComboFSf_AssignChange},
    {.Id = 1002, .Page = "PageFreq2", .K = C, .Name = "FSf_Mode", .Menu = M::OutputMode},
    {.Id = 1003, .Page = "PageFreq2", .K = C, .Name = "FSf_Unit"},
    {.Id = 1005, .Page = "PageFreq2", .K = E, .Name = "FSf_MaxFreq"},
    {.Id = 1007, .Page = "PageFreq2", .K = E, .Name = "FSf_MinFreq"},
    {.Id = 1009, .Page = "PageFreq2", .K = E, .Name = "FSf_MaxValue"},
    {.Id = 1011, .Page = "PageFreq2", .K = E, .Name = "FSf_MinValue"},
    {.Id = 1012, .Page = "PageFreq2", .K = C, .Name = "FSf_FailsafeMode", .Menu = M::FailsafeFreq},
    {.Id = 1014, .Page = "PageFreq2", .K = E, .Name = "FSf_FailValue", .Format = "0", .Handler = H::ComboFSf_FailsafeModeChange},

    // PageStat2
    {.Id = 1020, .Page = "PageStat2", .K = C, .Name = "FSs_Assign", .Menu = M::AssignStatus, .Handler = H::ComboFSs_AssignChange},
    {.Id = 1021, .Page = "PageStat2", .K = C, .Name = "FSs_Mode", .Menu = M::OutputMode},
    {.Id = 1022, .Page = "PageStat2", .K = C, .Name = "FSs_Unit"},
    {.Id = 1024, .Page = "PageStat2", .K = E, .Name = "FSs_OnValue"},
    {.Id = 1026, .Page = "PageStat2", .K = E, .Name = "FSs_OffValue"},
    {.Id = 1028, .Page = "PageStat2", .K = E, .Name = "FSs_OnDelay"},
    {.Id = 1030, .Page = "PageStat2", .K = E, .Name = "FSs_OffDelay"},

    // PageOut3
    {.Id = 1111, .Page = "PageOut3", .K = L, .Name = "DOs_Status"},
    {.Id = 1112, .Page = "PageOut3", .K = C, .Name = "DOs_SimMode", .Menu = M::SimOnOff},
    {.Id = 1113, .Page = "PageOut3", .K = E, .Name = "DOs_SimVal"},

    // PageStat3
    {.Id = 1100, .Page = "PageStat3", .K = C, .Name = "DOs_Assign", .Menu = M::AssignStatus, .Handler = H::ComboDOs_AssignChange},
    {.Id = 1101, .Page = "PageStat3", .K = C, .Name = "DOs_Mode", .Menu = M::OutputMode},
    {.Id = 1102, .Page = "PageStat3", .K = C, .Name = "DOs_Unit"},
    {.Id = 1104, .Page = "PageStat3", .K = E, .Name = "DOs_OnValue"},
    {.Id = 1106, .Page = "PageStat3", .K = E, .Name = "DOs_OffValue"},
    {.Id = 1108, .Page = "PageStat3", .K = E, .Name = "DOs_OnDelay"},
    {.Id = 1110, .Page = "PageStat3", .K = E, .Name = "DOs_OffDelay"},

    // PageCurOut
    {.Id = 1200, .Page = "PageCurOut", .K = C, .Name = "CUR_Assign", .Menu = M::AssignOutput, .Handler = H::ComboCUR_AssignChange},
    {.Id = 1201, .Page = "PageCurOut", .K = C, .Name = "CUR_Unit"},
    {.Id = 1203, .Page = "PageCurOut", .K = E, .Name = "CUR_Value_4mA"},
    {.Id = 1205, .Page = "PageCurOut", .K = E, .Name = "CUR_Value_20mA"},
    {.Id = 1206, .Page = "PageCurOut", .K = C, .Name = "CUR_Measuring_Mode", .Menu = M::CurrentMode},
    {.Id = 1209, .Page = "PageCurOut", .K = C, .Name = "CUR_Failsafe_Mode", .Menu = M::CurrentFailsafe},
    {.Id = 1211, .Page = "PageCurOut", .K = L, .Name = "CUR_Current", .More = "LabelCUR_CurrentH_2@PageCurCal", .Format = "0.000"},
    {.Id = 1212, .Page = "PageCurOut", .K = C, .Name = "CUR_Simulation_Mode", .Menu = M::SimOnOff},
    {.Id = 1214, .Page = "PageCurOut", .K = E, .Name = "CUR_Value_Simulation", .Format = "0.000"},

    // PageCurCal
    {.Id = 1208, .Page = "PageCurCal", .K = L, .Name = "CUR_DacCode", .Format = "0"},
    {.Id = 1216, .Page = "PageCurCal", .K = E, .Name = "CUR_Current_Offset", .More = "LabelCUR_Current_OffsetH_2@PageCurOut"},
    {.Id = 1218, .Page = "PageCurCal", .K = E, .Name = "CUR_Current_Gain", .More = "LabelCUR_Current_GainH_2@PageCurOut"},
    {.Id = 1221, .Page = "PageCurCal", .K = L, .Name = "CUR_Temp", .More = "LabelCUR_TempH_2@PageCurOut", .Format = "0.0"},
    {.Id = 1300, .Page = "PageCurCal", .More = "EditCUR_Hidden_SN LabelCUR_Hidden_SN LabelCUR_Hidden_SN_2@PageCurOut "
        "EditCUR_Hidden_SN_3@EditFmInfo LabelCUR_Hidden_SN_3@EditFmInfo LabelCUR_Hidden_SN_4@FmInfo "
        "LabelCUR_Hidden_SN_5@PageSensor LabelCUR_Hidden_SN_6@PagePwlCorr LabelCUR_Hidden_SN_7@PageCorio"},
    {.Id = 1301, .Page = "PageCurCal", .More = "EditCUR_Hidden_DD LabelCUR_Hidden_DD LabelCUR_Hidden_DD_2@PageCurOut "
        "EditCUR_Hidden_DD_3@EditFmInfo LabelCUR_Hidden_DD_3@EditFmInfo LabelCUR_Hidden_DD_4@FmInfo", .Format = "%02d"},
    {.Id = 1302, .Page = "PageCurCal", .More = "EditCUR_Hidden_MM LabelCUR_Hidden_MM LabelCUR_Hidden_MM_2@PageCurOut "
        "EditCUR_Hidden_MM_3@EditFmInfo LabelCUR_Hidden_MM_3@EditFmInfo LabelCUR_Hidden_MM_4@FmInfo", .Format = "%02d"},
    {.Id = 1303, .Page = "PageCurCal", .More = "EditCUR_Hidden_YY LabelCUR_Hidden_YY LabelCUR_Hidden_YY_2@PageCurOut "
        "EditCUR_Hidden_YY_3@EditFmInfo LabelCUR_Hidden_YY_3@EditFmInfo LabelCUR_Hidden_YY_4@FmInfo", .Format = "20%02d"},
    {.Id = 1305, .Page = "PageCurCal", .K = E, .Name = "CUR_Hidden_Offset"},
    {.Id = 1307, .Page = "PageCurCal", .K = E, .Name = "CUR_Hidden_Gain"},
    {.Id = 1309, .Page = "PageCurCal", .K = E, .Name = "CUR_a0", .Format = "0.000e+00"},
    {.Id = 1311, .Page = "PageCurCal", .K = E, .Name = "CUR_a1", .Format = "0.000e+00"},
    {.Id = 1313, .Page = "PageCurCal", .K = E, .Name = "CUR_a2", .Format = "0.000e+00"},
    {.Id = 1315, .Page = "PageCurCal", .K = E, .Name = "CUR_a3", .Format = "0.000e+00"},
    {.Id = 1317, .Page = "PageCurCal", .K = E, .Name = "CUR_b0", .Format = "0.000e+00"},
    {.Id = 1319, .Page = "PageCurCal", .K = E, .Name = "CUR_b1", .Format = "0.000e+00"},
    {.Id = 1321, .Page = "PageCurCal", .K = E, .Name = "CUR_b2", .Format = "0.000e+00"},
    {.Id = 1323, .Page = "PageCurCal", .K = E, .Name = "CUR_b3", .Format = "0.000e+00"},

    // PageInput1, PageInput2
    {.Id = 1400, .Page = "PageInput1", .K = C, .Name = "DI1_Assign", .Menu = M::AssignInput},
    {.Id = 1401, .Page = "PageInput1", .K = L, .Name = "DI1_Status"},
    {.Id = 1402, .Page = "PageInput2", .K = C, .Name = "DI2_Assign", .Menu = M::AssignInput},
    {.Id = 1403, .Page = "PageInput2", .K = L, .Name = "DI2_Status"},

    // PageCutOff
    {.Id = 421, .Page = "PageCutOff", .K = C, .Name = "AssLowFlow_CutOff", .Menu = M::AssignCutOff, .Handler = H::ComboAssLowFlow_CutOffChange},
    {.Id = 422, .Page = "PageCutOff", .K = C, .Name = "AssLowFlow_Unit"},
    {.Id = 424, .Page = "PageCutOff", .K = E, .Name = "ValLowFlow_CutOff"},
    {.Id = 426, .Page = "PageCutOff", .K = E, .Name = "TimeShock"},

    // PageRefDensity
    {.Id = 410, .Page = "PageRefDensity", .K = C, .Name = "ModeRefDensity", .Menu = M::TypeRefDensity, .Handler = H::ComboModeRefDensityChange},
    {.Id = 412, .Page = "PageRefDensity", .K = E, .Name = "Alfa"},
    {.Id = 414, .Page = "PageRefDensity", .K = E, .Name = "Betta"},
    {.Id = 416, .Page = "PageRefDensity", .K = E, .Name = "RefTemperature"},
    {.Id = 417, .Page = "PageRefDensity", .K = C, .Name = "FixUnitRefDensity", .Menu = M::UnitRefDensity},
    {.Id = 419, .Page = "PageRefDensity", .K = E, .Name = "FixRefDensity"},

    // PageSetup0
    {.Id = 500, .Page = "PageSetup0", .K = C, .Name = "ZeroPointAdjust", .Menu = M::ZeroAdjust},
    {.Id = 501, .Page = "PageSetup0", .K = L, .Name = "Progress"},
    {.Id = 503, .Page = "PageSetup0", .K = L, .Name = "ZeroPoint"},

    // PageSystem
    {.Id = 407, .Page = "PageSystem", .K = E, .Name = "FlowDamping"},
    {.Id = 427, .Page = "PageSystem", .K = C, .Name = "AssignParamFixed", .Menu = M::FixedParameter},
    {.Id = 429, .Page = "PageSystem", .K = E, .Name = "ParamFixed"},
    {.Id = 435, .Page = "PageSystem", .More = "EditDensDampingH LabelDensDampingH"},

    // PageLinCorr
    {.Id = 505, .Page = "PageLinCorr", .K = E, .Name = "MFactorMassFlow"},
    {.Id = 507, .Page = "PageLinCorr", .K = E, .Name = "MOffsetMassFlow"},
    {.Id = 509, .Page = "PageLinCorr", .K = E, .Name = "MFactorVolumeFlow"},
    {.Id = 511, .Page = "PageLinCorr", .K = E, .Name = "MOffsetVolumeFlow"},
    {.Id = 513, .Page = "PageLinCorr", .K = E, .Name = "MFactorDensity"},
    {.Id = 515, .Page = "PageLinCorr", .K = E, .Name = "MOffsetDensity"},
    {.Id = 517, .Page = "PageLinCorr", .K = E, .Name = "MFactorTemperature"},
    {.Id = 519, .Page = "PageLinCorr", .K = E, .Name = "MOffsetTemperature"},

    // PageRS485
    {.Id = 430, .Page = "PageRS485", .K = E, .Name = "DevAddr"},
    {.Id = 431, .Page = "PageRS485", .K = C, .Name = "BaudIndex", .Menu = M::BaudRate},
    {.Id = 432, .Page = "PageRS485", .K = C, .Name = "Parity", .Menu = M::Parity},
    {.Id = 433, .Page = "PageRS485", .K = L, .Name = "WriteProtection", .Menu = M::OnOff},

    // PageConcentration
    {.Id = 351, .Page = "PageConcentration", .More = "TargetDensLbl"},
    {.Id = 353, .Page = "PageConcentration", .More = "CarrierDensLbl"},
    {.Id = 355, .Page = "PageConcentration", .More = "TargetMassFlowLbl"},
    {.Id = 357, .Page = "PageConcentration", .More = "CarrierMassFlowLbl"},
    {.Id = 359, .Page = "PageConcentration", .More = "TargetVolFlowLbl"},
    {.Id = 361, .Page = "PageConcentration", .More = "CarrierVolFlowLbl"},
    {.Id = 363, .Page = "PageConcentration", .More = "TargetMassConcLbl"},
    {.Id = 365, .Page = "PageConcentration", .More = "CarrierMassConcLbl"},
    {.Id = 367, .Page = "PageConcentration", .More = "TargetVolConcLbl"},
    {.Id = 369, .Page = "PageConcentration", .More = "CarrierVolConcLbl"},
    {.Id = 1600, .Page = "PageConcentration", .K = C, .Name = "ConcentrationEnable", .Menu = M::ConcentrationCalc},

    // PageTargetFluid
    {.Id = 1601, .Page = "PageTargetFluid", .More = "ComboTargetApproxMethod LabelTargetApproxMethod", .Menu = M::ApproxMethod, .Handler = H::ComboTargetApproxMethodChange},
    {.Id = 1603, .Page = "PageTargetFluid", .More = "EdTarget_a0 LblTarget_a0"},
    {.Id = 1605, .Page = "PageTargetFluid", .More = "EdTarget_a1 LblTarget_a1"},
    {.Id = 1607, .Page = "PageTargetFluid", .More = "EdTarget_a2 LblTarget_a2"},
    {.Id = 1609, .Page = "PageTargetFluid", .More = "EdTarget_a3 LblTarget_a3"},
    {.Id = 1611, .Page = "PageTargetFluid", .More = "EdTarget_a4 LblTarget_a4"},
    {.Id = 1613, .Page = "PageTargetFluid", .More = "EdTarget_a5 LblTarget_a5"},
    {.Id = 1615, .Page = "PageTargetFluid", .More = "EdTarget_t0 LblTarget_t0"},

    // PageCarrierFluid
    {.Id = 1700, .Page = "PageCarrierFluid", .More = "ComboCarrierApproxMethod LabelCarrierApproxMethod", .Menu = M::ApproxMethod, .Handler = H::ComboCarrierApproxMethodChange},
    {.Id = 1702, .Page = "PageCarrierFluid", .More = "EdCarrier_a0 LblCarrier_a0"},
    {.Id = 1704, .Page = "PageCarrierFluid", .More = "EdCarrier_a1 LblCarrier_a1"},
    {.Id = 1706, .Page = "PageCarrierFluid", .More = "EdCarrier_a2 LblCarrier_a2"},
    {.Id = 1708, .Page = "PageCarrierFluid", .More = "EdCarrier_a3 LblCarrier_a3"},
    {.Id = 1710, .Page = "PageCarrierFluid", .More = "EdCarrier_a4 LblCarrier_a4"},
    {.Id = 1712, .Page = "PageCarrierFluid", .More = "EdCarrier_a5 LblCarrier_a5"},
    {.Id = 1714, .Page = "PageCarrierFluid", .More = "EdCarrier_t0 LblCarrier_t0"},

    // PageService
    {.Id = 33, .Page = "PageService", .K = C, .Name = "ReadCdc", .Menu = M::OnOff},
    {.Id = 252, .Page = "PageService", .K = L, .Name = "CdcReg0"},
    {.Id = 253, .Page = "PageService", .K = L, .Name = "CdcReg1"},

    // PageSensor
    {.Id = 16, .Page = "PageSensor", .More = "Editq0H Labelq0H"},
    {.Id = 18, .Page = "PageSensor", .More = "Editq1H Labelq1H"},
    {.Id = 20, .Page = "PageSensor", .More = "Editc0H Labelc0H"},
    {.Id = 22, .Page = "PageSensor", .More = "Editc1H Labelc1H"},
    {.Id = 24, .Page = "PageSensor", .More = "EditPeriod_AIRH LabelPeriod_AIRH"},
    {.Id = 26, .Page = "PageSensor", .More = "EditRo_airH LabelRo_airH"},
    {.Id = 28, .Page = "PageSensor", .More = "EditPeriod_H2OH LabelPeriod_H2OH"},
    {.Id = 30, .Page = "PageSensor", .More = "EditRo_H2OH LabelRo_H2OH"},
    {.Id = 32, .Page = "PageSensor", .K = E, .Name = "Ratio"},

    // PageDSP and PageLimits: measuring-module parameters
    {.Id = 0, .Dsp = true, .Page = "PageDSP", .K = E, .Name = "SnBoard"},
    {.Id = 1, .Dsp = true, .Page = "PageDSP", .K = E, .Name = "ManufactureData"},
    {.Id = 2, .Dsp = true, .Page = "PageLimits", .K = E, .Name = "R0"},
    {.Id = 3, .Dsp = true, .Page = "PageLimits", .K = E, .Name = "MinCode_ADC1_TC"},
    {.Id = 4, .Dsp = true, .Page = "PageLimits", .K = E, .Name = "MaxCode_ADC1_TC"},
    {.Id = 5, .Dsp = true, .Page = "PageLimits", .K = E, .Name = "MinCode_ADC2_Robr"},
    {.Id = 6, .Dsp = true, .Page = "PageLimits", .K = E, .Name = "MaxCode_ADC2_Robr"},
    {.Id = 7, .Dsp = true, .Page = "PageLimits", .K = E, .Name = "MinCode_ADC3_3w"},
    {.Id = 8, .Dsp = true, .Page = "PageLimits", .K = E, .Name = "MaxCode_ADC3_3w"},
    {.Id = 9, .Dsp = true, .Page = "PageLimits", .K = E, .Name = "MinCode_ADC4_Diod"},
    {.Id = 10, .Dsp = true, .Page = "PageLimits", .K = E, .Name = "MaxCode_ADC4_Diod"},
    {.Id = 11, .Dsp = true, .Page = "PageLimits", .K = E, .Name = "MinCode_ADC5_Oru"},
    {.Id = 12, .Dsp = true, .Page = "PageLimits", .K = E, .Name = "MaxCode_ADC5_Oru"},
    {.Id = 13, .Dsp = true, .Page = "PageLimits", .K = E, .Name = "MinCode_ADC6_Diag"},
    {.Id = 14, .Dsp = true, .Page = "PageLimits", .K = E, .Name = "MaxCode_ADC6_Diag"},

    // Without controls: the format of Frequency, shown by its low register.
    {.Id = 229, .Page = "", .Format = "0.000000"},
};
// clang-format on

}  // namespace

std::span<const Entry> Entries() { return kEntries; }

}  // namespace tarvix::catalogue_raw
