// The current output calibration's exchange with the transmitter: each step's writes through
// the operation list, one operation at a time, watched by a timer of its own; the closing
// write that takes the output out of simulation; and what the wizard measured, kept for the
// program's run and for the calibration report. Widget-free: the dialog shows the outcome.
#pragma once

#include "tools/calibration_report.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <optional>

namespace tarvix {

struct ModbusList;
struct Program;

class CurrentCalibration : public QObject {
    Q_OBJECT
  public:
    static constexpr int kTickMs = 100;
    // The nominal points of the output and the ranges the wizard takes typed currents in.
    static constexpr float kPoint4mA = 4.0f;
    static constexpr float kPoint20mA = 20.0f;
    static constexpr int kMeasuredMin = 0, kMeasuredMax = 100;
    static constexpr int kTestSetMin = 3, kTestSetMax = 25;
    static constexpr int kTestMeasuredMin = 0, kTestMeasuredMax = 25;

    enum class Operation : std::uint8_t {
        SetNominal,   // drive 4 or 20 mA in simulation (the steps and their "Повторить")
        SetTest,      // drive the test step's set-point in simulation
        WriteTrim4,   // the ammeter's reading at 4 mA
        WriteTrim20,  // ... at 20 mA
        Compute,      // the device computes offset and gain from the two trims
        RestoreFactory,  // the device takes its factory coefficients back
    };

    explicit CurrentCalibration(Program& program, QObject* parent = nullptr);

    // Sends an operation: value is the current to drive (Set...) or the reading to write
    // (WriteTrim...). An operation asked for while another is in flight follows it when it
    // has finished (the latest request wins), so a quick second click never overwrites the
    // list the worker is executing.
    void Start(Operation op, float value = 0.0f);
    bool Running() const { return timer_.isActive(); }
    // Steps the running operation (the timer calls it; tests may too).
    void Tick();

    // The output leaves simulation: a queued operation is dropped, the one in flight is
    // waited for (within the bounded waits, then told to stop), and CUR_Simulation_Mode := 0
    // is written and waited for. Returns the result code of that write; a list that never
    // came back counts as no answer.
    std::uint8_t LeaveSimulation();
    // Whether the wizard may have put the output into simulation since the last switch-off
    // the device confirmed.
    bool SimulationMayBeOn() const { return simulationMayBeOn_; }
    // The switch-off the device confirmed through another owner of the list.
    void SimulationLeft() { simulationMayBeOn_ = false; }
    // The switch-off write alone, for whoever sends it later.
    static void AppendLeaveSimulation(ModbusList& list);

    // What the wizard measured and set, kept while the program runs.
    float Measured4() const { return measured4_; }
    float Measured20() const { return measured20_; }
    float TestSetPoint() const { return testSet_; }
    void SetMeasured(Operation trim, float mA);
    void SetTestSetPoint(float mA) { testSet_ = mA; }
    // The error of a test reading against the last accepted set-point, in percent; the
    // reading goes into the report.
    double TestError(float measured);

    // The report's data: the coefficients in the image when the wizard opened, the test
    // readings since the last computation, and the closing state.
    void BeginSession();
    // Reads the serial numbers and the coefficients now in force into the report (bounded
    // waits); false when the device did not give them.
    bool ReadReportValues();
    bool Computed() const { return computed_; }
    const CalibrationReport& Report() const { return report_; }

  Q_SIGNALS:
    void Started(tarvix::CurrentCalibration::Operation op, float value);
    void Finished(tarvix::CurrentCalibration::Operation op, float value, std::uint8_t result);

  private:
    struct Request {
        Operation Op;
        float Value;
    };
    void Launch(const Request& r);
    // Waits for the list within the bounded waits and, when it still runs, tells it to stop
    // after its entry and waits once more. False when it is still not idle (or the worker
    // is dead).
    bool SettleList();

    Program& p_;
    QTimer timer_;
    Request running_{Operation::SetNominal, 0.0f};
    std::optional<Request> queued_;
    float measured4_ = 0.0f;
    float measured20_ = 0.0f;
    float testSet_ = kPoint20mA;
    bool simulationMayBeOn_ = false;
    bool computed_ = false;
    CalibrationReport report_;
};

// The status texts of an operation: when it is started, and when it has succeeded.
QString OperationStartText(CurrentCalibration::Operation op, float value);
QString OperationDoneText(CurrentCalibration::Operation op, float value);

}  // namespace tarvix
