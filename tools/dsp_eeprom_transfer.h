// The measuring module's EEPROM dump transfer through the operation list, one parameter a
// request and paced by a timer of its own: the 20 parameters read from the module, or written
// into it from a checked file. A refused or unanswered request is sent again until the user
// aborts, as the module's own dialog has always done; abort and time-outs end a run after
// the request in progress.
#pragma once

#include "link/dsp_eeprom_dump.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>

namespace tarvix {

struct Program;

class DspEepromTransfer : public QObject {
    Q_OBJECT
  public:
    static constexpr int kTickMs = 100;

    enum class Outcome {
        Done,
        Aborted,   // the user's abort, honoured after the request in progress
        TimedOut,  // a request overran its tick budget; the list was told to abort
    };

    explicit DspEepromTransfer(Program& program, QObject* parent = nullptr);

    bool Running() const { return timer_.isActive(); }
    bool Reading() const { return reading_; }
    // Starts reading the 20 parameters; false when the operation list is not free.
    bool StartRead();
    // Starts writing values (a file that passed LoadDspEepromFile); false when the list is
    // not free.
    bool StartWrite(const DspEepromValues& values);
    void RequestAbort() { abortRequested_ = true; }

    // What the last read brought (complete once it finished with Done).
    const DspEepromValues& Values() const { return values_; }
    // Parameters completed by the run so far.
    int Done() const { return position_; }
    // Steps the running transfer (the timer calls it; tests may too).
    void Tick();

    // A read parameter's value bytes, for the pages' controls bound to it.
    std::function<void(int n, const QByteArray& bytes)> ValueArrived;

  Q_SIGNALS:
    // The request for parameter n went out; tries: failed attempts at it so far.
    void Requested(int n, int tries);
    // An attempt at parameter n failed with result; it is being sent again.
    void Retrying(int n, std::uint8_t result, int tries);
    void Finished(tarvix::DspEepromTransfer::Outcome outcome);

  private:
    bool Begin(bool reading);
    void Request();
    void End(Outcome outcome);

    Program& p_;
    QTimer timer_;
    bool reading_ = true;
    DspEepromValues values_{};
    int position_ = 0;
    int tries_ = 0;
    bool abortRequested_ = false;
};

}  // namespace tarvix
