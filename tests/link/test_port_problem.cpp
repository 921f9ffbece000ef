// Why a serial port does not open, as the user is told, on real pseudo-terminals: a user
// outside the group that owns the device, a device only its owner may open, and a port
// another process holds open exclusively. Opening as another user needs root here: the test
// gives the terminal away and becomes "nobody" in a child process.
#include "link/com_setup.h"
#include "link/serial_posix.h"
#include "tests/support/pty_pair.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tarvix {
namespace {

using testing::PtyPair;

struct Identity {
    uid_t uid;
    gid_t gid;
};

const std::string kNoSwitch = "could not become the other user";

// Runs body in a forked child, as who when given, and returns what body returned.
std::string InChild(const std::function<std::string()>& body, const Identity* who = nullptr) {
    int out[2];
    if (::pipe(out) != 0) return "pipe failed";
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(out[0]);
        std::string said = kNoSwitch;
        if (!who ||
            (::setgroups(0, nullptr) == 0 && ::setgid(who->gid) == 0 && ::setuid(who->uid) == 0)) {
            said = body();
        }
        const ssize_t w = ::write(out[1], said.data(), said.size());
        ::_exit(w == static_cast<ssize_t>(said.size()) ? 0 : 1);
    }
    ::close(out[1]);
    std::string said;
    char buf[512];
    ssize_t n = 0;
    while ((n = ::read(out[0], buf, sizeof buf)) > 0) said.append(buf, static_cast<size_t>(n));
    ::close(out[0]);
    ::waitpid(pid, nullptr, 0);
    return said;
}

// What opening the port says: "opened", or the message the user would read.
std::string OpenText(const QString& path) {
    QString error;
    auto line = OpenPlatformSerial(path, LineSettings{}, &error);
    return line ? std::string("opened") : error.toStdString();
}

// Another process that opens the port as the program does (lock and exclusive mode) and
// keeps it until the holder is destroyed.
class PortHolder {
  public:
    explicit PortHolder(const QString& path) {
        int ready[2];
        if (::pipe(ready) != 0 || ::pipe(release_) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ready[0]);
            ::close(release_[1]);
            QString error;
            auto line = PosixSerialDevice::Open(path, LineSettings{}, &error);
            const char got = line ? 'y' : 'n';
            if (::write(ready[1], &got, 1) != 1) ::_exit(1);
            char c;
            while (::read(release_[0], &c, 1) > 0) {
            }
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(release_[0]);
        char got = 'n';
        holding_ = ::read(ready[0], &got, 1) == 1 && got == 'y';
        ::close(ready[0]);
    }
    ~PortHolder() {
        ::close(release_[1]);
        if (pid_ > 0) ::waitpid(pid_, nullptr, 0);
    }
    PortHolder(const PortHolder&) = delete;
    PortHolder& operator=(const PortHolder&) = delete;

    bool Holding() const { return holding_; }
    pid_t Pid() const { return pid_; }

  private:
    pid_t pid_ = -1;
    int release_[2] = {-1, -1};
    bool holding_ = false;
};

struct PortProblemTest : ::testing::Test {
    PtyPair pty;
    QByteArray path;
    Identity nobody{};
    void SetUp() override {
        ASSERT_FALSE(pty.slavePath.isEmpty());
        path = pty.slavePath.toLocal8Bit();
        if (::geteuid() != 0)
            GTEST_SKIP() << "needs root to give the pseudo-terminal to another user";
        const passwd* pw = ::getpwnam("nobody");
        if (!pw) GTEST_SKIP() << "no user nobody to open the port as";
        nobody = {pw->pw_uid, pw->pw_gid};
    }
};

TEST_F(PortProblemTest, ARefusedUserIsToldWhichGroupToJoin) {
    const group* dialout = ::getgrnam("dialout");
    if (!dialout) GTEST_SKIP() << "no group dialout on this system";
    const struct {
        const char* name;
        mode_t mode;
        gid_t group;
        std::vector<std::string> says;
    } cases[] = {
        // As a USB adapter's node: root's, readable and writable by the group dialout.
        {"the group may open it",
         0660,
         dialout->gr_gid,
         {"Нет доступа", "nobody", "«dialout»", "sudo usermod -aG dialout $USER",
          "войдите в систему заново"}},
        // Joining a group would not help: the message names the owner instead.
        {"only the owner may open it", 0600, dialout->gr_gid, {"Нет доступа", "владелец", "root"}},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(::chown(path.constData(), 0, c.group), 0);
        ASSERT_EQ(::chmod(path.constData(), c.mode), 0);
        const std::string said = InChild([&] { return OpenText(pty.slavePath); }, &nobody);
        if (said == kNoSwitch) GTEST_SKIP() << "this system does not let root become nobody";
        for (const std::string& part : c.says) {
            EXPECT_NE(said.find(part), std::string::npos)
                << c.name << ": \"" << said << "\" lacks \"" << part << '"';
        }
        if (c.mode == 0600) {
            EXPECT_EQ(said.find("usermod"), std::string::npos) << said;
        }
    }
}

TEST_F(PortProblemTest, APortHeldByAnotherProcessSaysItIsBusyAndByWhom) {
    PortHolder holder(pty.slavePath);
    ASSERT_TRUE(holder.Holding());
    const std::string pid = "(PID " + std::to_string(holder.Pid()) + ")";

    // Root passes the exclusive mode but not the lock; the holder is found in /proc.
    const std::string asRoot = OpenText(pty.slavePath);
    EXPECT_NE(asRoot.find("Порт занят другой программой"), std::string::npos) << asRoot;
    EXPECT_NE(asRoot.find(pid), std::string::npos) << asRoot;

    // Another user meets the exclusive mode (EBUSY) and may not look into root's processes:
    // busy, without a name.
    ASSERT_EQ(::chmod(path.constData(), 0666), 0);
    const std::string asUser = InChild([&] { return OpenText(pty.slavePath); }, &nobody);
    if (asUser == kNoSwitch) GTEST_SKIP() << "this system does not let root become nobody";
    EXPECT_NE(asUser.find("Порт занят другой программой"), std::string::npos) << asUser;
    EXPECT_EQ(asUser.find("PID"), std::string::npos) << asUser;
}

}  // namespace
}  // namespace tarvix
