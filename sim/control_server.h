// The control channel: a UNIX stream socket; each client sends command lines and gets one
// reply line per command. A few clients at a time, each with a bounded line buffer.
#pragma once

#include <poll.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace tarvix::sim {

class ControlServer {
  public:
    static constexpr int kMaxClients = 8;
    static constexpr std::size_t kMaxLine = 4096;

    // Executes one command line and returns the reply line (without the line break).
    using Handler = std::function<std::string(const std::string& line)>;

    ~ControlServer();
    bool Open(const std::string& path, std::string* error);
    bool IsOpen() const { return listenFd_ >= 0; }

    // Appends the descriptors to poll to fds (at most 1 + kMaxClients); returns the count.
    int PollFds(pollfd* fds) const;
    // Serves whatever poll() reported on the descriptors PollFds gave.
    void Service(const pollfd* fds, int n, const Handler& handler);

  private:
    struct Client {
        int fd = -1;
        std::string pending;
    };
    void Accept();
    void Drop(Client& c);
    void ReadFrom(Client& c, const Handler& handler);

    int listenFd_ = -1;
    std::string path_;
    std::array<Client, kMaxClients> clients_{};
};

// Client mode: sends each command to the simulator at path and prints each reply line on
// stdout. Returns 0 when every reply was "ok ...", 1 when one was an error, 2 when the
// simulator could not be reached.
int SendCommands(const std::string& path, const std::vector<std::string>& commands);

}  // namespace tarvix::sim
