// The device status on screen: the status lamp, count and marks (Errors page and indicator),
// the message list and the micro switch boxes of the Errors page.
#pragma once

#include "pages/device_status.h"

#include <span>

class QCheckBox;
class QFrame;
class QLabel;
class QTableWidget;

namespace tarvix {

// Fills the lamp with the colour (kStatusWhite for "not connected").
void ShowStatusLamp(QFrame* lamp, std::uint32_t rgb);

// Lamp, count and, where given, the four marks (enabled while their event type is reported).
void ShowStatusSummary(const StatusSummary& s, QFrame* lamp, QLabel* count,
                       std::span<QLabel* const> marks = {});

// Column headers from the string table and the widths of the type and text columns.
void SetupMessageGrid(QTableWidget* grid);
void ShowMessageRows(QTableWidget* grid, const std::array<MessageRow, kNoticeRows>& rows);

// The boxes only display the switches: whatever the user clicks is set back.
void ShowMicroSwitchBoxes(const MicroSwitches& m, QCheckBox* writeLock, QCheckBox* keysLock);

}  // namespace tarvix
