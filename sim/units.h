// Engineering units of the transmitter's unit menus and their conversion from the base
// units the simulated device computes in (kg/s, m3/s, kg/m3, degrees Celsius, kg, m3).
#pragma once

namespace tarvix::sim {

// What a value measures. The unit registers index a menu of each kind; the index of a menu
// item is the register value (0 = first item).
enum class Quantity {
    MassFlow,        // base kg/s; g/s g/min g/h kg/s kg/min kg/h t/s t/min t/h
    VolumeFlow,      // base m3/s; cm3/s cm3/min cm3/h m3/s m3/min m3/h l/s l/min l/h
    CorrVolumeFlow,  // base Nm3/s; the same items with normal volumes
    Density,         // base kg/m3; g/cm3 kg/l kg/m3
    RefDensity,      // base kg/Nm3; g/Ncm3 kg/Nl kg/Nm3
    Temperature,     // base degrees C; C K
    Mass,            // base kg; g kg t
    Volume,          // base m3; cm3 l m3
    CorrVolume,      // base Nm3; Ncm3 Nl Nm3
    Percent,         // no unit menu
    Frequency,       // Hz, no unit menu
};

// Number of items of the unit menu of q (0 for quantities without one).
int UnitCount(Quantity q);

// A value in base units expressed in menu item `unit` of q. An index beyond the menu is
// treated as the base unit's item, which is what the device shows for a corrupt unit register.
double FromBase(Quantity q, int unit, double base);
double ToBase(Quantity q, int unit, double value);

// The menu item that is the base unit (kg/s is item 3 of the mass flow menu, and so on).
int BaseUnit(Quantity q);

}  // namespace tarvix::sim
