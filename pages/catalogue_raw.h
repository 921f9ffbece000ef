// The catalogue as written in catalogue_entries.cpp: one line per descriptor, its controls
// named by the usual pairs of the pages (kinds below) plus further controls. catalogue.cpp
// expands the lines into DescriptorSpec.
#pragma once

#include "pages/catalogue.h"

#include <span>

namespace tarvix::catalogue_raw {

// Control pairs for parameter N:
//   C   ComboN, LabelN              E   EditN, LabelN (a float: EditNH, LabelNH)
//   S   ScrollN, LabelN             L   LabelN (a float: LabelNH)
//   C0  ComboN                      Listed  only the controls in More
enum class Kind : std::uint8_t { C, E, S, L, C0, Listed };

struct Entry {
    int Id = 0;
    bool Dsp = false;
    const char* Page = "";
    Kind K = Kind::Listed;
    const char* Name = "";  // the parameter name N of the pair
    // Further controls behind the pair, blank-separated; "Name@Page" for one that sits on
    // another page than the descriptor's first control.
    const char* More = "";
    const char* Format = "";
    MenuId Menu = MenuId::None;
    OnShow Handler = OnShow::None;
};

std::span<const Entry> Entries();

}  // namespace tarvix::catalogue_raw
