// The register dump's transfer through the operation list, one request at a time and paced
// by a timer of its own: the 21 block reads from the device into the register image, and
// the writes of the parameter rows from the image into the device. Abort, time-outs and
// failures end a run after the request in progress, as the device's list hand-over allows.
#pragma once

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <vector>

namespace tarvix {

struct Program;

class RegisterDumpTransfer : public QObject {
    Q_OBJECT
  public:
    static constexpr int kReadTickMs = 50;
    static constexpr int kWriteTickMs = 20;

    enum class Outcome {
        Done,
        Failed,    // a request ended with a result code: see FailedResult / FailedRegister
        Aborted,   // the user's abort, honoured after the request in progress
        TimedOut,  // a request overran its tick budget; the list was told to abort
    };

    explicit RegisterDumpTransfer(Program& program, QObject* parent = nullptr);

    bool Running() const { return timer_.isActive(); }
    // Starts reading the blocks; false when the operation list is not free.
    bool StartRead();
    // Starts writing the rows from the register image; false when the list is not free or
    // there is nothing the edition may write.
    bool StartWrite();
    // Asks the running transfer to stop after the request in progress.
    void RequestAbort() { abortRequested_ = true; }

    std::uint8_t FailedResult() const { return failedResult_; }
    int FailedRegister() const { return failedRegister_; }
    // Steps the running transfer (the timer calls it; tests may too).
    void Tick();

  Q_SIGNALS:
    // A request for register reg went out; done of total steps are complete.
    void Requested(int reg, int done, int total);
    void Finished(tarvix::RegisterDumpTransfer::Outcome outcome);

  private:
    enum class Direction { Read, Write };
    bool Begin(Direction d);
    void RequestNext();
    void RequestBlock(int block);
    void RequestRow(int row);
    void End(Outcome outcome);
    // Service editions open the protected sensor data around the writes (register 201).
    void AppendOpeningWrites();
    void CloseProtection();

    Program& p_;
    QTimer timer_;
    Direction dir_ = Direction::Read;
    std::vector<int> rows_;
    int position_ = 0;  // the next block or row index
    int requestedReg_ = 0;
    bool abortRequested_ = false;
    bool bracketOpen_ = false;
    std::uint8_t failedResult_ = 0;
    int failedRegister_ = 0;
};

}  // namespace tarvix
