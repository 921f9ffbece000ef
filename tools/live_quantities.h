// The six main measured values the live table and the charts record, in the order of the
// table's columns and of the charts' updates, and the one read that brings them.
#pragma once

#include "base/string_table.h"
#include "link/modbus_list.h"
#include "model/register_ids.h"

#include <array>

namespace tarvix {

inline constexpr int kLiveQuantities = 6;

struct LiveQuantity {
    int value;               // the float, by its higher register (the image's two-word id)
    int unit;                // the unit selection register
    const char* valueLabel;  // the main variables page's labels the table copies
    const char* unitLabel;
    const char* chart;  // the chart's objectName
    StrId title;        // the chart's title before the unit
};

inline constexpr std::array<LiveQuantity, kLiveQuantities> kLiveQuantity = {{
    {mrMassFlowH, mrUnitMassFlow, "LabelMassFlow", "LabelUnitMassFlow", "ChartMassFlow",
     kStrChartMassFlow},
    {mrVolumeFlowH, mrUnitVolumeFlow, "LabelVolumeFlow", "LabelUnitVolumeFlow", "ChartVolumeFlow",
     kStrChartVolumeFlow},
    {mrDensityH, mrUnitDensity, "LabelDensity", "LabelUnitDensity", "ChartDensity",
     kStrChartDensity},
    {mrTemperatureH, mrUnitTemperature, "LabelTemperature", "LabelUnitTemperature",
     "ChartTemperature", kStrChartTemperature},
    {mrCorrVolumeFlowH, mrUnitCorrVolumeFlow, "LabelCorrVolumeFlow", "LabelUnitCorrVolumeFlow",
     "ChartCorrVolumeFlow", kStrChartCorrVolumeFlow},
    {mrRefDensityH, mrUnitRefDensity, "LabelRefDensity", "LabelUnitRefDensity", "ChartRefDensity",
     kStrChartRefDensity},
}};

// Appends the live displays' read (the six values, the pressure read along and the six unit
// selections in one request) and marks the list for the table and/or the charts. Nothing
// when neither is wanted.
void AppendLiveRequest(ModbusList& L, bool table, bool charts);

}  // namespace tarvix
