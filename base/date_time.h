// Date-time stamps as the device files and the register image keep them: days since
// 30 December 1899 as a double, the fraction being the local time of day.
#pragma once

#include <QDateTime>

namespace tarvix {

// Converts a local date-time to days since 30.12.1899 and back.
double ToDayStamp(const QDateTime& local);
QDateTime FromDayStamp(double days);

// The current local time as a day stamp, from a clock that strictly increases: two calls,
// from any threads, never return the same value, so "received later" is always decidable.
double NowStamp();

}  // namespace tarvix
