// tarvix-cli signals against the simulated transmitter: a recording transferred into a
// signal file the chart pages load, and the module's refusals and wrong answers reported
// with no file written.
#include "cli/exit_codes.h"
#include "link/signal_memory.h"
#include "pages/signal_file.h"
#include "tests/support/cli_process.h"
#include "tests/support/sim_process.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tarvix::cli {
namespace {

testing::CliOutcome Signals(testing::SimProcess& sim, const QString& file,
                            const QStringList& extra = {}) {
    return testing::RunCli(
        QStringLiteral(TARVIX_BIN_DIR "/tarvix-cli"),
        QStringList{QStringLiteral("signals"), QStringLiteral("--port"), sim.Link()} + extra +
            QStringList{file});
}

TEST(CliSignals, ARecordingBecomesASignalFileOrNothing) {
    testing::SimProcess sim;
    QString error;
    ASSERT_TRUE(sim.Start({QStringLiteral("--freeze")}, &error)) << error.toStdString();
    QTemporaryDir dir;
    struct Case {
        const char* what;
        QString fault;  // a control command before the run
        QStringList options;
        int code;
        const char* message;  // in standard error
    };
    const Case cases[] = {
        {"raw signals", {}, {}, kExitOk, ""},
        {"filtered signals", {}, {QStringLiteral("--filtered")}, kExitOk, ""},
        {"a refused start",
         QStringLiteral("dsp-fault 6 4 next 1"),
         {},
         kExitTransaction,
         "recording start"},
        {"another block answered",
         QStringLiteral("dsp-fault 22 wrong-block next 1"),
         {},
         kExitTransaction,
         "another block"},
        {"half a block",
         QStringLiteral("dsp-fault 22 short-block next 3"),
         {},
         kExitTransaction,
         "неправильная длина ответа"},
    };
    int n = 0;
    for (const Case& c : cases) {
        const QString file = dir.filePath(QStringLiteral("s%1.csv").arg(++n));
        if (!c.fault.isEmpty()) {
            ASSERT_TRUE(sim.Command(c.fault).startsWith(QStringLiteral("ok")));
        }
        const auto o = Signals(sim, file, c.options);
        EXPECT_FALSE(o.crashed) << c.what;
        EXPECT_EQ(o.code, c.code) << c.what << "\n" << o;
        EXPECT_NE(o.err.find(c.message), std::string::npos) << c.what << "\n" << o;
        EXPECT_EQ(o.out, "") << c.what;  // no progress line into a pipe
        if (c.code != kExitOk) {
            EXPECT_FALSE(QFile::exists(file)) << c.what;
            continue;
        }
        SignalSeries loaded(2);
        ASSERT_EQ(LoadSignalFile(file, loaded, QLatin1Char('.')), SignalFileStatus::Ok);
        EXPECT_EQ(loaded[0].size(), std::size_t{kSignalSamples}) << c.what;
        EXPECT_EQ(loaded[1].size(), std::size_t{kSignalSamples}) << c.what;
        // Raw samples are the converter's integers, filtered ones volts.
        const double peak = *std::max_element(loaded[0].begin(), loaded[0].end());
        EXPECT_TRUE(c.options.isEmpty() ? peak > 1e6 : peak < 1.0) << c.what << " " << peak;
    }
}

}  // namespace
}  // namespace tarvix::cli
