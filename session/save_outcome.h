// What became of a page save: how many of its values the device (or the configuration file)
// did not take and why the first of them was refused, so the window can say so beside the
// "Записать изменения?" buttons and not only in the journal.
#pragma once

#include "link/modbus_list.h"

#include <QString>

#include <cstdint>

namespace tarvix {

class SaveOutcome {
  public:
    // A save started with list L: its values are counted, nothing has failed yet.
    void Begin(const ModbusList& L);
    // Entry e of the save's list failed.
    void EntryFailed(const ModbusList& L, int e);
    // The device answered none of the save's entries (nothing was distributed).
    void NoAnswer();

    bool Failed() const { return notWritten_ > 0; }
    int NotWritten() const { return notWritten_; }
    int Total() const { return total_; }
    // "Не записано значений: N из M — reason", in the current language.
    QString Text() const;

  private:
    int total_ = 0;
    int notWritten_ = 0;
    std::uint8_t reason_ = 0;  // the result code of the first failure
};

}  // namespace tarvix
