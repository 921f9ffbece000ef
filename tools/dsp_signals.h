// The measuring module's signals as the window and the chart pages use them, without widgets:
// the recording (start, then status polls until the module says it has finished, on the
// window thread), the transfer of the signal memory as one operation list that the worker
// runs in the background (progress, abort after the request in progress), the check of the
// blocks that arrived, and the controller reset.
#pragma once

#include "link/signal_memory.h"
#include "session/connection_controller.h"

#include <QObject>

#include <cstdint>
#include <optional>
#include <vector>

namespace tarvix {

struct Program;

enum class CaptureOutcome {
    StartFailed,  // the start command got no answer: "Ошибка обмена данными с расходомером."
    Recorded,     // the module said it had finished within the polls
    NotRecorded,  // 10000 polls without "finished" (also in file mode: no module answers)
};

class DspSignals : public QObject {
    Q_OBJECT
  public:
    DspSignals(Program& program, ConnectionController& connection, QObject* parent = nullptr);

    // Records the signals: the start command, then status polls until the module reports
    // the recording finished, at most kCaptureMaxPolls; every request waits for the
    // operation list (bounded), so the window is blocked until the recording ends, as
    // with the device's own service tool. Journals the outcome.
    CaptureOutcome Record();

    // Starts the transfer of a kind's two channels: the 40 block reads on the operation
    // list, polling off until it ends. False when the operation list is not free.
    bool StartTransfer(SignalKind kind);
    // Asks the running transfer to stop; the worker ends it after the request in progress.
    void AbortTransfer();
    std::optional<SignalKind> Running() const { return running_; }

    // The reset of the module's controller as an operation (no message on success).
    bool ResetController();

    // The distribution's refill of the signal charts for a list with this flag (the main
    // window installs it as DistributeHooks::SignalsArrived). Blocks the module answered
    // with another block's samples are put back as they were before the transfer, and an
    // aborted transfer puts every block back; SignalsReady follows unless it was aborted.
    void Arrived(std::uint16_t flag);

  Q_SIGNALS:
    // done of total blocks have been answered (or given up).
    void Progress(int done, int total);
    // The buffer holds the kind's signals: the charts may be refilled.
    void SignalsReady(tarvix::SignalKind kind);
    // The transfer has ended (finished, aborted or unanswered); the buttons go back.
    void TransferEnded(tarvix::SignalKind kind);

  private:
    // One request in place in the operation list, waited for. The entry's result, or
    // nullopt when the list did not come back within its wait.
    std::optional<std::uint8_t> RunCaptureRequest(std::uint8_t sub, int dataLen);
    void OperationFinished(const OperationOutcome& outcome);

    Program& p_;
    ConnectionController& c_;
    std::optional<SignalKind> running_;
    bool aborted_ = false;
    std::vector<std::uint8_t> before_;  // the kind's buffer bytes before the transfer
};

}  // namespace tarvix
