// The connection to the transmitter, owned in one place: the communication worker, the poll,
// operation and retry cycles with their timers, poll-list building, the start and finish of
// operations, the distribution of results and the connection state. No widgets: the windows
// forward the user's commands here and show what the signals tell them.
#pragma once

#include "session/distribute.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>

namespace tarvix {

struct Program;
class ThreadCom;

enum class ConnectionState {
    Disconnected,  // no data source
    Connecting,    // the port is open, the first answers are awaited
    Online,        // a cycle started at these settings has been distributed
    FileMode,      // a configuration file answers the requests
    Failed,        // a connection attempt ended before it was confirmed, or the worker died
};

// The serial line as the connection uses it; the COM settings supply it (they own the port
// settings and the messages about the port).
class LineControl {
  public:
    virtual ~LineControl() = default;
    // Applies the settings and opens the port; false after telling the user why not.
    virtual bool ReopenPort() = 0;
    // Closes the port (journalled when it was open).
    virtual void ReleasePort() = 0;
    // Reads the line settings from the settings file again; raises UserError on bad ones.
    virtual void LoadSettings() = 0;
};

// What the pages and tools add to every poll cycle. Empty members add nothing.
struct PollSources {
    std::function<void(ModbusList&)> PageRequests;   // the shown page's refreshed controls
    std::function<void(ModbusList&)> ExtraRequests;  // ticked live displays
    std::function<bool()> IndicatorWanted;           // "Обновлять индикатор"
    std::function<bool()> ErrorsPageShown;
};

// How an operation started with StartOperation ended.
struct OperationOutcome {
    int tag = 0;               // what the starter gave (the page to show after a page read)
    std::uint8_t func = 0;     // the function of its first entry
    std::uint16_t start = 0;   // the first entry's start (the sub-function of a 0xAC list)
    bool noAnswer = false;     // every entry failed for lack of an answer; nothing distributed
    int failed = 0;            // entries that failed
    std::uint8_t result = 0;   // the result of the first entry sent that failed (0: none did)
    bool reconnected = false;  // the device's new line settings were followed (pages re-read)
};

class ConnectionController : public QObject {
    Q_OBJECT
  public:
    static constexpr int kDefaultPollIntervalMs = 1000;
    static constexpr int kMinPollIntervalMs = 500;
    static constexpr int kMaxPollIntervalMs = 60000;
    static constexpr int kOperationTickMs = 50;
    static constexpr int kRetryTickMs = 200;

    explicit ConnectionController(Program& program, QObject* parent = nullptr);
    // Stops the worker and waits for it: it uses the lists and the port to the end.
    ~ConnectionController() override;

    // Starts the worker; it runs until the controller is destroyed.
    void StartWorker();
    void SetLine(LineControl* line) { line_ = line; }
    PollSources& Sources() { return sources_; }
    // The windows' distribution hooks (values shown, refreshes). The controller handles the
    // connection's own hooks (confirmation, the device's new line settings).
    DistributeHooks& Distribution() { return hooks_; }
    // Runs after a write list in file mode (the configuration file's stamp).
    void SetFileWritten(std::function<void()> stamp) { fileWritten_ = std::move(stamp); }

    ConnectionState State() const { return state_; }
    int WorkMode() const;

    // "Онлайн": opens the port at the current settings and starts polling. The line settings
    // change only while no list runs: with a list still running after the bounded waits, the
    // connection is made by the retry cycle once both lists are idle. False when the port
    // could not be opened or the connection was postponed.
    bool Connect();
    // "Оффлайн": stops the cycles, waits for the lists, releases the port.
    void Disconnect();
    // A configuration file answers from now on: polling stops, the port is released (a
    // confirmed connection journals "Расходомер отключен"). False, with the mode unchanged,
    // when the worker is dead.
    bool EnterFileMode();
    // The device's new address, rate and parity were written: keep them in the settings file
    // and reconnect with them; the connection is confirmed only by an answer at them.
    void FollowDeviceSettings();

    // The connect-first command: remembered, connected, and run after the next completed
    // poll cycle or operation. Cleared by every Disconnect.
    void ConnectAndRun(std::function<void()> command);
    void ClearPendingCommand() { pending_ = nullptr; }

    int PollInterval() const { return pollTimer_.interval(); }
    // Accepts kMinPollIntervalMs..kMaxPollIntervalMs; false (and unchanged) otherwise.
    bool SetPollInterval(int ms);
    bool SwitchOfflineWhenNoAnswer() const { return switchOffline_; }
    // Keeps the choice and writes it through to the settings file.
    void SetSwitchOfflineWhenNoAnswer(bool on);

    // True when the operation list is free for a new operation (idle, results consumed).
    bool OperationIdle();
    // The operation list holds its entries and is launched: watch it with its budget. tag
    // comes back in OperationFinished.
    void StartOperation(int tag = 0);
    // A page read that found the operation list in use: announced by PageReadDue when free.
    void PostponePageRead(int page);
    // The page whose read the running operation is (0 when none).
    int RunningPageRead() const { return opTimer_.isActive() ? opTag_ : 0; }

    // The cycles (the timers call them; tests may too).
    void BuildPollList(bool forceIndicator);
    void PollTick();
    void OperationTick();
    void RetryTick();
    // False, with the timers stopped and the death reported once, when the worker has died.
    bool CheckWorker();

    // A modal tool (the register dump) drives the operation list itself: both cycles stop
    // and both lists are waited for. False when the worker has died or a list did not come
    // back within its bounded wait (the tool must not start then).
    bool PauseForTool();
    // The tool has closed: a request it left running is waited for, polling goes on.
    void ResumeAfterTool();

    QTimer& PollTimer() { return pollTimer_; }
    QTimer& OperationTimer() { return opTimer_; }
    QTimer& RetryTimer() { return retryTimer_; }

  Q_SIGNALS:
    void StateChanged(tarvix::ConnectionState now, tarvix::ConnectionState before);
    // The exchange counters at the end of a poll cycle; lostChanged when failures were added.
    void CountersChanged(int got, int lost, bool lostChanged);
    // Progress of the running operation: done of total entries (0 of 0 when none runs).
    void OperationProgress(int done, int total);
    void OperationFinished(const tarvix::OperationOutcome& outcome);
    // The running operation overran its budget and was given up.
    void OperationAbandoned();
    void PageReadDue(int page);
    // The worker died; sent once (the user is told to restart the program).
    void WorkerDied();
    // Some of the device's link settings were not written; the program keeps its own.
    void LinkSettingsNotWritten();
    // A command failed with this message for the user (bad stored settings).
    void Failure(const QString& message);

  private:
    void SetState(ConnectionState now);
    bool ListsIdle() const;
    // Clears the pending command, stops the poll and operation cycles and waits for both
    // lists (what still runs after the waits is asked to stop and not read). False when the
    // worker is dead.
    bool StopCycles();
    void ReportDeadWorker();
    int Distribute(ModbusList& L);
    void RunPendingCommand();
    void ReleaseAbandonedOperation();

    Program& p_;
    std::unique_ptr<ThreadCom> worker_;
    LineControl* line_ = nullptr;
    PollSources sources_;
    DistributeHooks hooks_;
    std::function<void()> fileWritten_;
    std::function<void()> pending_;
    QTimer pollTimer_;
    QTimer opTimer_;
    QTimer retryTimer_;
    ConnectionState state_ = ConnectionState::Disconnected;
    int opTag_ = 0;
    int retryPage_ = 0;
    int lastLost_ = 0;
    bool switchOffline_ = false;
    bool opAbandoned_ = false;      // the operation list was given up: its results are not read
    bool connectWhenIdle_ = false;  // a connection waits for the lists to become idle
    bool pageReadPostponed_ = false;
    bool followPending_ = false;  // the device's new line settings wait to be followed
    bool confirmNeedsAnswer_ = false;
    bool deadReported_ = false;
    // Lists started after the current connection began carry its generation: only their
    // distribution confirms the connection.
    unsigned generation_ = 0;
    unsigned pollGeneration_ = 0;
    unsigned opGeneration_ = 0;
};

}  // namespace tarvix
