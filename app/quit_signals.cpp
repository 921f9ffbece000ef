#include "quit_signals.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#include <csignal>

namespace tarvix {
namespace {

// A signal handler may do almost nothing: it writes the signal's number into a socket whose
// other end the event loop watches, and the window thread does the rest.
int gPipe[2] = {-1, -1};

extern "C" void OnQuitSignal(int signal) {
    const unsigned char n = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(gPipe[0], &n, 1);
}

constexpr int kQuitSignals[] = {SIGTERM, SIGINT, SIGHUP};

}  // namespace

QuitSignals::QuitSignals(QObject* parent) : QObject(parent) {
    if (gPipe[0] >= 0) return;  // one per program
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, gPipe) != 0) return;
    notifier_ = new QSocketNotifier(gPipe[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &QuitSignals::Drain);
    struct sigaction action {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : kQuitSignals) sigaction(s, &action, nullptr);
}

QuitSignals::~QuitSignals() {
    if (!notifier_) return;
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int s : kQuitSignals) sigaction(s, &action, nullptr);
    ::close(gPipe[0]);
    ::close(gPipe[1]);
    gPipe[0] = gPipe[1] = -1;
}

void QuitSignals::Drain() {
    unsigned char n = 0;
    while (::read(gPipe[1], &n, 1) == 1) Q_EMIT QuitRequested(n);
}

}  // namespace tarvix
