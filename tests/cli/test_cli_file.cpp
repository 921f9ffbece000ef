// tarvix-cli --file on configuration files the simulator saved: read, get and set work on the
// file as on the device and leave it loadable by the program and the simulator; a file that
// fails its checksum, and a write the disk refuses, end in the file's exit code.
#include "tests/support/sim_process.h"

#include "base/string_table.h"
#include "cli/exit_codes.h"
#include "link/config_file_store.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <csignal>
#include <memory>

#include <sys/resource.h>

namespace tarvix::cli {
namespace {

struct Outcome {
    int code = -1;
    QString out, err;
};

std::ostream& operator<<(std::ostream& os, const Outcome& o) {
    return os << "exit " << o.code << "\nstdout: " << o.out.toStdString()
              << "\nstderr: " << o.err.toStdString();
}

// tarvix-cli with "." as decimal point; with fullDisk its files cannot grow beyond 4 KB.
Outcome Cli(const QStringList& args, bool fullDisk = false) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    p.setProcessEnvironment(env);
    if (fullDisk) {
        p.setChildProcessModifier([] {
            std::signal(SIGXFSZ, SIG_IGN);  // EFBIG instead of the signal
            const rlimit small{4096, 4096};
            setrlimit(RLIMIT_FSIZE, &small);
        });
    }
    p.start(QStringLiteral(TARVIX_BIN_DIR "/tarvix-cli"), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class CliFile : public ::testing::Test {
  protected:
    void SetUp() override {
        QString error;
        ASSERT_TRUE(sim_.Start({QStringLiteral("--freeze")}, &error)) << error.toStdString();
        file_ = sim_.Path(QStringLiteral("meter.mbr"));
        ASSERT_EQ(sim_.Command(QStringLiteral("save ") + file_), QStringLiteral("ok"));
    }
    testing::SimProcess sim_;
    QString file_;
};

TEST_F(CliFile, ReadGetAndSetWorkOnTheFileAndKeepItLoadable) {
    const QString f = QStringLiteral("--file");
    const Outcome read =
        Cli({QStringLiteral("read"), f, file_, QStringLiteral("700"), QStringLiteral("3")});
    ASSERT_EQ(read.code, kExitOk) << read;
    QString expected;
    for (int r = 700; r < 703; ++r) {
        expected +=
            QStringLiteral("%1\t%2\n")
                .arg(r)
                .arg(sim_.Command(QStringLiteral("getw %1").arg(r)).section(QLatin1Char(' '), 1));
    }
    EXPECT_EQ(read.out, expected);

    const Outcome set = Cli(
        {QStringLiteral("set"), f, file_, QStringLiteral("FlowDamping"), QStringLiteral("2,5")});
    ASSERT_EQ(set.code, kExitOk) << set;
    EXPECT_EQ(set.out, QStringLiteral("FlowDamping = 2.500\n"));
    const Outcome get = Cli(
        {QStringLiteral("get"), f, file_, QStringLiteral("--raw"), QStringLiteral("FlowDamping")});
    EXPECT_EQ(get.out, QStringLiteral("2.5\n")) << get;

    // The program loads it, with the date of the change.
    auto image = std::make_unique<RegisterImage>();
    ConfigFileStore store(*image);
    const ConfigFileStore::LoadResult loaded = store.Load(file_);
    ASSERT_TRUE(loaded.Loaded);
    EXPECT_EQ(loaded.Changed.date(), QDate::currentDate());
    // So does the simulator.
    testing::SimProcess again(2);
    QString error;
    ASSERT_TRUE(again.Start({QStringLiteral("--load"), file_}, &error)) << error.toStdString();
    EXPECT_EQ(again.Command(QStringLiteral("get FlowDamping")), QStringLiteral("ok 2.5"));
}

TEST_F(CliFile, AFileFailingItsChecksumAndAWriteTheDiskRefusesEndInTheFilesExitCode) {
    const QString edited = sim_.Path(QStringLiteral("edited.mbr"));
    QFile::copy(file_, edited);
    IniFile ini(edited);  // one value changed by hand, the checksum left as it was
    const QString key = QStringLiteral("700");
    ini.WriteInteger(QStringLiteral("UserRegs"), key,
                     ini.ReadInteger(QStringLiteral("UserRegs"), key, 0) + 1);
    const QByteArray before = Bytes(file_);
    const struct {
        QStringList args;
        bool fullDisk;
        QString message;
    } cases[] = {
        {{QStringLiteral("get"), QStringLiteral("--file"), edited, QStringLiteral("SumMode1")},
         false,
         Str(kStrChecksumError)},
        {{QStringLiteral("set"), QStringLiteral("--file"), file_, QStringLiteral("FlowDamping"),
          QStringLiteral("3")},
         true,
         Str(kStrFileNotWritten)},
    };
    for (const auto& c : cases) {
        const Outcome o = Cli(c.args, c.fullDisk);
        EXPECT_EQ(o.code, kExitFile) << o;
        EXPECT_TRUE(o.err.contains(c.message)) << o;
    }
    EXPECT_EQ(Bytes(file_), before) << "the refused write left the file as it was";
}

}  // namespace
}  // namespace tarvix::cli
