// A transmitter on a pseudo-terminal for the connection tests: the program opens the slave
// side by its path like any port, while a thread on the master side answers reads of holding
// registers (function 3) the way the test's rule says.
#pragma once

#include "tests/support/pty_pair.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <thread>

namespace tarvix {

class PtyDevice {
  public:
    // The value of register 430 (the device's address) to answer a request to this slave
    // address with; nothing means the device stays silent, as one with another address.
    using Rule = std::function<std::optional<std::uint16_t>(std::uint8_t address)>;

    explicit PtyDevice(Rule rule);
    ~PtyDevice();
    PtyDevice(const PtyDevice&) = delete;
    PtyDevice& operator=(const PtyDevice&) = delete;

    bool Ok() const { return pty_.master >= 0 && !pty_.slavePath.isEmpty(); }
    const QString& Path() const { return pty_.slavePath; }
    // Requests with a good CRC seen so far.
    int Requests() const { return requests_.load(); }

    // A device at this address: answers it with its own address, ignores every other one.
    static Rule At(std::uint8_t address);
    // Never answers.
    static Rule Silent();
    // Answers every address at once with the same register value, as a bus where some
    // device answers but never the one asked for (fast "not found").
    static Rule AnswersAll(std::uint16_t value);

  private:
    void Run();
    void Answer(const std::uint8_t* request);

    Rule rule_;
    testing::PtyPair pty_;
    std::atomic<bool> stop_{false};
    std::atomic<int> requests_{0};
    std::thread thread_;
};

}  // namespace tarvix
