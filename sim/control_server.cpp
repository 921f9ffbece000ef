// Control socket server and client.
#include "sim/control_server.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <vector>

namespace tarvix::sim {
namespace {

bool Address(const std::string& path, sockaddr_un* addr, std::string* error) {
    *addr = sockaddr_un{};
    addr->sun_family = AF_UNIX;
    if (path.size() >= sizeof addr->sun_path) {
        *error = "control socket path too long: " + path;
        return false;
    }
    std::memcpy(addr->sun_path, path.c_str(), path.size() + 1);
    return true;
}

void WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t w = ::send(fd, text.data() + done, text.size() - done, MSG_NOSIGNAL);
        if (w <= 0) return;
        done += static_cast<std::size_t>(w);
    }
}

}  // namespace

ControlServer::~ControlServer() {
    for (Client& c : clients_) Drop(c);
    if (listenFd_ >= 0) {
        ::close(listenFd_);
        ::unlink(path_.c_str());
    }
}

bool ControlServer::Open(const std::string& path, std::string* error) {
    sockaddr_un addr{};
    if (!Address(path, &addr, error)) return false;
    // A socket left behind by a simulator that was killed would make bind() fail.
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISSOCK(st.st_mode)) ::unlink(path.c_str());
    listenFd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (listenFd_ < 0 ||
        ::bind(listenFd_, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0 ||
        ::listen(listenFd_, 4) != 0) {
        *error = "cannot listen on " + path + ": " + std::strerror(errno);
        if (listenFd_ >= 0) ::close(listenFd_);
        listenFd_ = -1;
        return false;
    }
    path_ = path;
    return true;
}

int ControlServer::PollFds(pollfd* fds) const {
    if (listenFd_ < 0) return 0;
    int n = 0;
    fds[n++] = {listenFd_, POLLIN, 0};
    for (const Client& c : clients_) {
        if (c.fd >= 0) fds[n++] = {c.fd, POLLIN, 0};
    }
    return n;
}

void ControlServer::Service(const pollfd* fds, int n, const Handler& handler) {
    for (int i = 0; i < n; ++i) {
        if (fds[i].revents == 0) continue;
        if (fds[i].fd == listenFd_) {
            Accept();
            continue;
        }
        for (Client& c : clients_) {
            if (c.fd == fds[i].fd) ReadFrom(c, handler);
        }
    }
}

void ControlServer::Accept() {
    const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) return;
    for (Client& c : clients_) {
        if (c.fd < 0) {
            c.fd = fd;
            c.pending.clear();
            return;
        }
    }
    WriteAll(fd, "error too many control clients\n");
    ::close(fd);
}

void ControlServer::Drop(Client& c) {
    if (c.fd >= 0) ::close(c.fd);
    c.fd = -1;
    c.pending.clear();
    c.pending.shrink_to_fit();
}

void ControlServer::ReadFrom(Client& c, const Handler& handler) {
    char buffer[1024];
    const ssize_t got = ::recv(c.fd, buffer, sizeof buffer, 0);
    if (got <= 0) {
        if (got == 0 || (errno != EAGAIN && errno != EINTR)) Drop(c);
        return;
    }
    c.pending.append(buffer, static_cast<std::size_t>(got));
    std::size_t eol;
    while (c.fd >= 0 && (eol = c.pending.find('\n')) != std::string::npos) {
        std::string line = c.pending.substr(0, eol);
        c.pending.erase(0, eol + 1);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        WriteAll(c.fd, handler(line) + "\n");
    }
    if (c.pending.size() > kMaxLine) {
        WriteAll(c.fd, "error line too long\n");
        Drop(c);
    }
}

int SendCommands(const std::string& path, const std::vector<std::string>& commands) {
    sockaddr_un addr{};
    std::string error;
    if (!Address(path, &addr, &error)) {
        std::fprintf(stderr, "tarvix-sim: %s\n", error.c_str());
        return 2;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0 || ::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0) {
        std::fprintf(stderr, "tarvix-sim: cannot reach %s: %s\n", path.c_str(),
                     std::strerror(errno));
        if (fd >= 0) ::close(fd);
        return 2;
    }
    timeval timeout{5, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    int status = 0;
    std::string received;
    for (const std::string& command : commands) {
        WriteAll(fd, command + "\n");
        std::size_t eol;
        while ((eol = received.find('\n')) == std::string::npos) {
            char buffer[1024];
            const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
            if (got <= 0) {
                std::fprintf(stderr, "tarvix-sim: no reply to '%s'\n", command.c_str());
                ::close(fd);
                return 2;
            }
            received.append(buffer, static_cast<std::size_t>(got));
        }
        const std::string reply = received.substr(0, eol);
        received.erase(0, eol + 1);
        std::printf("%s\n", reply.c_str());
        if (reply.rfind("ok", 0) != 0) status = 1;
    }
    ::close(fd);
    return status;
}

}  // namespace tarvix::sim
