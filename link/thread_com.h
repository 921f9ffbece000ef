// The communication worker: the one thread that talks to the transmitter. It executes the
// operation list first and the poll list second, one entry a step, retries failures on the
// line, counts good and failed answers, and hands each list back by setting its Index to -1.
#pragma once

#include "link/com_setup.h"
#include "link/modbus_list.h"
#include "link/protocol.h"

#include <QThread>

#include <atomic>
#include <cstdint>

namespace tarvix {

// What the worker serves in file mode instead of the line: reads and writes of the open
// configuration file. Implemented by the configuration file store; with none installed every
// file request ends in result 32 (no file open).
class FileTransactions {
  public:
    virtual ~FileTransactions() = default;
    virtual std::uint8_t FileRead(ModbusList& L, int e) = 0;
    virtual std::uint8_t FileWrite(ModbusList& L, int e) = 0;
};

// State the worker shares with the window thread.
struct WorkerState {
    std::atomic<int> WorkMode{kModeOffline};
    std::atomic<std::int32_t> GotCount{0};
    std::atomic<std::int32_t> LostCount{0};
    std::atomic<bool> WorkerDead{false};
    std::atomic<FileTransactions*> File{nullptr};
};

class ThreadCom : public QThread {
    Q_OBJECT
  public:
    ThreadCom(ModbusLists& lists, ComSetup& com, WorkerState& state, QObject* parent = nullptr);
    // Stops the loop and waits for it: Qt cannot destroy a running thread, so the program's
    // exit ends the worker here, after the step it is in.
    ~ThreadCom() override;

    // Starts the loop at a priority one step above normal (Qt: HighPriority).
    void Begin();

    // One step of list L: the entry at Index is executed according to the mode and the
    // function code and accounted for (retries, counters, Skipped, Abort). Runs on the worker;
    // public so that tests can drive steps one by one.
    void Step(ModbusList& L);

  protected:
    void run() override;

  private:
    std::uint8_t Execute(ModbusList& L, int e, bool opList);
    void Pause(int ms);

    ModbusLists& lists_;
    ComSetup& com_;
    WorkerState& state_;
};

}  // namespace tarvix
