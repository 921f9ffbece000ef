// The connection controller's cycles without any window: connecting and polling the
// simulator, merged poll lists, a silent device with and without "Отключать если нет ответа",
// a poll cycle over its budget, following the device's new line settings, a dying worker, a
// connection asked for while lists run, and an operation given up too late to stop it.
#include "base/string_table.h"
#include "link/crc16.h"
#include "link/list_ops.h"
#include "link/memory_serial.h"
#include "link/modbus_rtu.h"
#include "model/register_ids.h"
#include "session/connection_controller.h"
#include "session/poll_requests.h"
#include "session/program.h"
#include "tests/support/broken_file.h"
#include "tests/support/journal_lines.h"
#include "tests/support/sim_process.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <memory>
#include <thread>

namespace tarvix {
namespace {

using Bytes = MemorySerialDevice::Bytes;

Bytes Sealed(Bytes b) {
    const std::uint16_t crc = Crc16(b.data(), static_cast<int>(b.size()));
    b.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    b.push_back(static_cast<std::uint8_t>(crc >> 8));
    return b;
}

// A transmitter at address 1 in memory: reads answer zeros, writes are confirmed. It keeps
// its address whatever is written to it, and can fall silent or answer slowly.
struct MemoryTransmitter {
    std::atomic<bool> silent{false};
    std::atomic<int> delayMs{0};
    Bytes Answer(const Bytes& req) {
        if (delayMs.load() > 0) std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        if (silent.load() || req.size() < 8 || req[0] != 1) return {};
        if (req[1] == kFnWriteHolding) return Sealed(Bytes(req.begin(), req.begin() + 6));
        const int count = (req[4] << 8) | req[5];
        Bytes a{req[0], kFnReadHolding, static_cast<std::uint8_t>(2 * count)};
        a.resize(a.size() + static_cast<std::size_t>(2 * count), 0);
        return Sealed(a);
    }
};

// The line as the COM settings would handle it: the simulator's pty or a memory line; it
// notes whether a list was running whenever the settings were applied.
struct TestLine : LineControl {
    Program& p;
    MemoryTransmitter* memory = nullptr;
    int opened = 0;
    bool openedUnderRunningList = false;
    explicit TestLine(Program& program) : p(program) {}
    bool ReopenPort() override {
        LoadSettings();
        if (!p.Lists->OpList.Idle() || !p.Lists->PollList.Idle()) openedUnderRunningList = true;
        ++opened;
        p.Com.ClosePort();
        if (!memory) return p.Com.OpenPort();
        p.Com.Attach(std::make_unique<MemorySerialDevice>(
            [m = memory](const Bytes& req) { return m->Answer(req); }));
        return true;
    }
    void ReleasePort() override { p.Com.ClosePort(); }
    void LoadSettings() override {
        const QString s = QStringLiteral("ComPort");
        p.Com.Address =
            static_cast<std::uint8_t>(p.Settings.ReadInteger(s, QStringLiteral("Address"), 1));
        p.Com.PortName = p.Settings.ReadString(s, QStringLiteral("ComNumber"), QString());
        p.Com.SetBaudRate(p.Settings.ReadInteger(s, QStringLiteral("BaudRate"), 115200));
        p.Com.AnsDelay = 100;
    }
};

}  // namespace

class TestConnectionController : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<testing::SimProcess> sim_;
    std::unique_ptr<Program> p_;
    std::unique_ptr<TestLine> line_;
    std::unique_ptr<ConnectionController> c_;
    MemoryTransmitter memory_;

    // A program whose line is the simulator (memory: false) or the memory transmitter.
    void Make(bool memory, bool startWorker = true) {
        p_ = std::make_unique<Program>(dir_->path());
        if (!memory) {
            sim_ = std::make_unique<testing::SimProcess>(7);
            QString error;
            QVERIFY2(sim_->Start({QStringLiteral("--baud"), QStringLiteral("115200")}, &error),
                     qPrintable(error));
            p_->Settings.WriteString(QStringLiteral("ComPort"), QStringLiteral("ComNumber"),
                                     sim_->Link());
        }
        line_ = std::make_unique<TestLine>(*p_);
        if (memory) line_->memory = &memory_;
        c_ = std::make_unique<ConnectionController>(*p_);
        c_->SetLine(line_.get());
        c_->Sources().IndicatorWanted = [] { return true; };  // "Обновлять индикатор"
        if (startWorker) c_->StartWorker();
        p_->Log.Open();
        p_->Log.SetJournalFilter(kFilterAll);
    }
    bool Journalled(int text) const { return testing::Journalled(p_->JournalList, Str(text)); }
    int CountJournalled(int text) const {
        return testing::CountJournalled(p_->JournalList, Str(text));
    }
    // Fills the operation list with count one-register reads (or writes) and starts it.
    void StartOperation(int count, bool write = false, std::uint16_t flags = 0) {
        ModbusList& op = p_->Lists->OpList;
        p_->Lists->ResetList(op);
        for (int i = 0; i < count; ++i) {
            if (write) {
                const int e = op.Append(kFnWriteHolding, mrDevAddr, 1, 2, 1);
                op.Values[op.Slot[static_cast<std::size_t>(e)]] = 5;
            } else {
                op.AppendRead(mrMassFlow, 1);
            }
        }
        op.Flags = flags;
        op.Launch();
        c_->StartOperation();
    }

  private Q_SLOTS:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        memory_.silent = false;
        memory_.delayMs = 0;
    }
    void cleanup() {
        c_.reset();
        line_.reset();
        p_.reset();
        sim_.reset();
        dir_.reset();
    }

    void connectsPollsAndConfirmsAgainstTheSimulator() {
        Make(false);
        QSignalSpy states(c_.get(), &ConnectionController::StateChanged);
        QVERIFY(c_->Connect());
        QCOMPARE(c_->State(), ConnectionState::Connecting);
        QCOMPARE(c_->WorkMode(), kModeOnline);
        QTRY_COMPARE_WITH_TIMEOUT(c_->State(), ConnectionState::Online, 5000);
        QCOMPARE(states.count(), 2);
        QVERIFY(Journalled(kStrConnected));
        QVERIFY(p_->Image.ReadFloat(mrDensityH) > 900.0f);  // water, in kg/m3
        const double first = p_->Image.RegTime[mrMassFlowH];
        QTRY_VERIFY_WITH_TIMEOUT(p_->Image.RegTime[mrMassFlowH] > first, 5000);
        c_->Disconnect();
        QCOMPARE(c_->State(), ConnectionState::Disconnected);
        QVERIFY(!p_->Com.IsOpen());
        QVERIFY(Journalled(kStrDisconnected));
    }

    // The main variables page refreshes 300-319 itself; with the indicator and the status
    // words the cycle reads each range once: 8 transactions where 11 were sent before.
    void pollListIsMerged() {
        Make(true, false);
        c_->Sources().PageRequests = [](ModbusList& L) {
            for (int r = mrMassFlow; r <= mrUnitRefDensity; ++r)
                L.AppendRead(static_cast<std::uint16_t>(r), 1);
        };
        c_->BuildPollList(true);
        const ModbusList& L = p_->Lists->PollList;
        QCOMPARE(int{L.Len}, 8);
        int reading300 = 0;
        for (int e = 0; e < L.Len; ++e) {
            const auto i = static_cast<std::size_t>(e);
            if (L.Start[i] <= mrMassFlow && mrMassFlow < L.Start[i] + L.Count[i]) ++reading300;
        }
        QCOMPARE(reading300, 1);
        QVERIFY(L.Flags & kFlagIndicator);
    }

    void silentDeviceWithAndWithoutTheOption() {
        Make(true);
        c_->SetPollInterval(ConnectionController::kMinPollIntervalMs);
        memory_.silent = true;
        QVERIFY(c_->Connect());
        // Option off: no answer is journalled, the program stays connected and keeps polling
        // (the silent cycle is distributed on the next tick and confirms the connection).
        QTRY_VERIFY_WITH_TIMEOUT(Journalled(kStrNoAnswer), 5000);
        QCOMPARE(c_->WorkMode(), kModeOnline);
        QVERIFY(c_->PollTimer().isActive());
        QTRY_COMPARE_WITH_TIMEOUT(c_->State(), ConnectionState::Online, 5000);
        // Option on: the next silent cycle disconnects.
        c_->SetSwitchOfflineWhenNoAnswer(true);
        QCOMPARE(p_->Settings.ReadBool(QStringLiteral("Settings"),
                                       QStringLiteral("SwitchOfflineWhenNoAnswer"), false),
                 true);
        QTRY_COMPARE_WITH_TIMEOUT(c_->State(), ConnectionState::Disconnected, 5000);
        QCOMPARE(c_->WorkMode(), kModeOffline);
        QVERIFY(!p_->Com.IsOpen());
        // Connecting to a silent device with the option on fails before any confirmation.
        QVERIFY(c_->Connect());
        QTRY_COMPARE_WITH_TIMEOUT(c_->State(), ConnectionState::Failed, 5000);
        QVERIFY(!p_->Com.IsOpen());
    }

    // A long operation holds the worker, which serves it first: the poll cycle overruns, one
    // error 121 a tick, then 115 and the program disconnects.
    void pollCycleOverItsBudgetDisconnects() {
        Make(false);
        QVERIFY(c_->Connect());
        QTRY_COMPARE_WITH_TIMEOUT(c_->State(), ConnectionState::Online, 5000);
        QCOMPARE(sim_->Command(QStringLiteral("fault delay 60")).left(2), QStringLiteral("ok"));
        QTRY_VERIFY_WITH_TIMEOUT(c_->OperationIdle(), 5000);
        StartOperation(200);
        QTRY_VERIFY_WITH_TIMEOUT(Journalled(kStrExchangeTimeout), 30000);
        QVERIFY(CountJournalled(kStrPollOverrun) >= 2);
        QTRY_COMPARE_WITH_TIMEOUT(c_->State(), ConnectionState::Disconnected, 5000);
        QVERIFY(!c_->PollTimer().isActive());
        QVERIFY(!p_->Com.IsOpen());
    }

    // The device was told its new address, answered, and is not heard at it (this memory
    // transmitter keeps address 1): the settings follow, but nothing confirms the connection.
    void followedSettingsAreConfirmedOnlyByAnAnswer() {
        Make(true);
        QVERIFY(c_->Connect());
        QTRY_COMPARE_WITH_TIMEOUT(c_->State(), ConnectionState::Online, 5000);
        p_->Image.ModbusRegs[mrDevAddr] = 5;
        p_->Image.ModbusRegs[mrBaudIndex] = 9;  // 115200
        QTRY_VERIFY_WITH_TIMEOUT(c_->OperationIdle(), 5000);
        QSignalSpy finished(c_.get(), &ConnectionController::OperationFinished);
        StartOperation(1, true, kFlagLinkSettings);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 5000);
        QCOMPARE(p_->Settings.ReadString(QStringLiteral("ComPort"), QStringLiteral("Address"), {}),
                 QStringLiteral("5"));
        QCOMPARE(int{p_->Com.Address}, 5);
        QVERIFY(finished.at(0).at(0).value<OperationOutcome>().reconnected);
        QCOMPARE(c_->State(), ConnectionState::Connecting);
        QTest::qWait(3 * ConnectionController::kDefaultPollIntervalMs);
        QCOMPARE(c_->State(), ConnectionState::Connecting);
        QVERIFY(!line_->openedUnderRunningList);
    }

    // "Онлайн" while the worker is inside a slow operation: the line settings are applied
    // only once both lists are idle.
    void connectWaitsForIdleLists() {
        Make(true);
        QVERIFY(c_->Connect());
        QTRY_COMPARE_WITH_TIMEOUT(c_->State(), ConnectionState::Online, 5000);
        memory_.delayMs = 100;
        QTRY_VERIFY_WITH_TIMEOUT(c_->OperationIdle(), 5000);
        StartOperation(40);
        QVERIFY(!c_->Connect());
        QTRY_COMPARE_WITH_TIMEOUT(line_->opened, 2, 10000);
        QVERIFY(!line_->openedUnderRunningList);
        memory_.delayMs = 0;
        QTRY_COMPARE_WITH_TIMEOUT(c_->State(), ConnectionState::Online, 5000);
    }

    // The worker dies in the middle of a write list: entries that never ran are no results,
    // and the death is reported once.
    void dyingWorkerIsNeverSuccess() {
        Make(true);
        testing::BrokenFile broken;
        p_->Worker.File = &broken;
        p_->Worker.WorkMode = kModeFile;
        QSignalSpy died(c_.get(), &ConnectionController::WorkerDied);
        ModbusList& op = p_->Lists->OpList;
        p_->Lists->ResetList(op);
        for (int i = 0; i < 3; ++i) op.Append(kFnWriteHolding, mrDevAddr, 1, 2, 1);
        op.AppendRead(mrMassFlow, 1);  // executed first: the read breaks the worker
        op.Launch();
        c_->StartOperation();
        QTRY_VERIFY_WITH_TIMEOUT(p_->Worker.WorkerDead.load(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!c_->OperationTimer().isActive(), 5000);
        QCOMPARE(died.count(), 1);
        QCOMPARE(c_->State(), ConnectionState::Failed);
        QCOMPARE(CountJournalled(kStrWrittenToFile), 0);
        QCOMPARE(CountJournalled(kStrWorkerStopped), 1);
        // A later poll tick finds the dead worker again: the timers stop, no second report.
        p_->Lists->ResetList(p_->Lists->PollList);
        p_->Lists->PollList.AppendRead(mrMassFlow, 2);
        p_->Lists->PollList.Launch();
        c_->PollTimer().start();
        c_->PollTick();
        QCOMPARE(died.count(), 1);
        QVERIFY(!c_->PollTimer().isActive());
        p_->Worker.File = nullptr;
    }

    // The budget ran out just as the worker finished the list: the abort came too late and
    // left Busy set. The list is given up, so the postponed page read still comes.
    void lateAbortLeavesNoStaleBusy() {
        Make(true, false);
        p_->Worker.WorkMode = kModeOnline;
        StartOperation(1);
        ModbusList& op = p_->Lists->OpList;
        while (op.Ticks.load() > 0) c_->OperationTick();
        c_->OperationTick();  // budget spent: abandoned
        QVERIFY(Journalled(kStrExchangeTimeout));
        QVERIFY(op.Abort.load());
        op.Busy = 1;  // what the worker leaves when it ends the list without seeing Abort
        op.Index = -1;
        QSignalSpy due(c_.get(), &ConnectionController::PageReadDue);
        c_->PostponePageRead(7);
        c_->RetryTick();
        QCOMPARE(due.count(), 1);
        QCOMPARE(due.at(0).at(0).toInt(), 7);
        QVERIFY(!op.Busy.load() && !op.Abort.load());
    }
};

}  // namespace tarvix

QTEST_GUILESS_MAIN(tarvix::TestConnectionController)
#include "test_connection_controller.moc"
