// tarvix-cli dump, restore and diff against two simulated transmitters: a dump of one
// restores into the other, a file that fails its checksum sends nothing, a value the device
// refuses is reported by name while the rest is written, and diff names what differs.
#include "cli/exit_codes.h"
#include "link/register_dump.h"
#include "tests/support/two_sims_cli.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tarvix::cli {
namespace {

using testing::SimProcess;

class CliDump : public testing::TwoSimsCliTest {};

TEST_F(CliDump, ADumpOfOneDeviceRestoresIntoAnother) {
    SimProcess* a = sims_[0];
    SimProcess* b = sims_[1];
    // Stopped totalisers: the totals, which a restore presets too, stand still.
    for (SimProcess* s : sims_) {
        for (const char* state : {"SumState1", "SumState2", "SumState3", "SumState4"})
            ASSERT_EQ(Sim(s, QStringLiteral("set %1 1").arg(QLatin1String(state))), "ok");
    }
    ASSERT_EQ(Sim(a, QStringLiteral("set SumUnit1 2")), "ok");
    ASSERT_EQ(Sim(a, QStringLiteral("setf FlowDamping 7.5")), "ok");
    ASSERT_EQ(Sim(a, QStringLiteral("set CUR_Assign 2")), "ok");
    const auto dump = Cli(a, {QStringLiteral("dump"), File("a.mbr")});
    ASSERT_EQ(dump.code, kExitOk) << dump;
    EXPECT_EQ(dump.out, "");  // not a terminal: no progress noise
    ASSERT_TRUE(LoadDumpFile(File("a.mbr")).ok());

    // The two devices compared directly: exactly the configured differences.
    const auto devices = Cli(a, {QStringLiteral("diff"), b->Link(), a->Link()});
    EXPECT_EQ(devices.code, kExitDiffer) << devices;
    EXPECT_TRUE(Contains(devices.out, "SumUnit1\tкг\tт")) << devices;
    EXPECT_TRUE(Contains(devices.out, "FlowDamping\t")) << devices;
    EXPECT_TRUE(Contains(devices.out, "CUR_Assign\t")) << devices;
    const auto raw =
        Cli(a, {QStringLiteral("diff"), QStringLiteral("--raw"), b->Link(), File("a.mbr")});
    EXPECT_TRUE(Contains(raw.out, "702\t1\t2\n")) << raw;

    const auto restore =
        Cli(b, {QStringLiteral("restore"), QStringLiteral("--verbose"), File("a.mbr")});
    ASSERT_EQ(restore.code, kExitOk) << restore;
    EXPECT_TRUE(Contains(restore.err, "parameters written")) << restore;
    EXPECT_EQ(Sim(b, QStringLiteral("get SumUnit1")), "ok 2");
    EXPECT_EQ(Sim(b, QStringLiteral("get FlowDamping")), "ok 7.5");

    const auto same = Cli(a, {QStringLiteral("diff"), a->Link(), b->Link()});
    EXPECT_EQ(same.code, kExitOk) << same;
    EXPECT_EQ(same.out, "") << same;
}

TEST_F(CliDump, AFileThatFailsItsChecksumSendsNothing) {
    SimProcess* s = sims_[0];
    ASSERT_EQ(Cli(s, {QStringLiteral("dump"), File("d.mbr")}).code, kExitOk);
    QFile f(File("d.mbr"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray good = f.readAll();
    f.close();
    const QByteArray edited = QByteArray(good).replace("\r\n702=1\r\n", "\r\n702=2\r\n");
    ASSERT_NE(edited, good);
    const QByteArray noSum = QByteArray(good).replace("CheckSum=", "Sum=");
    const std::string framesBefore = Sim(s, QStringLiteral("stats"));
    for (const QByteArray& text : {edited, noSum, QByteArray(), QByteArray("\x00\xff\x01", 3)}) {
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
        f.close();
        const auto r = Cli(s, {QStringLiteral("restore"), File("d.mbr")});
        EXPECT_EQ(r.code, kExitFile) << r;
        EXPECT_TRUE(Contains(r.err, "Ошибка контрольной суммы")) << r;
    }
    EXPECT_EQ(Sim(s, QStringLiteral("stats")), framesBefore);
}

TEST_F(CliDump, ARefusedValueIsNamedAndTheRestIsWritten) {
    SimProcess* s = sims_[0];
    ASSERT_EQ(Sim(s, QStringLiteral("set SumUnit1 2")), "ok");
    ASSERT_EQ(Sim(s, QStringLiteral("set SumUnit2 2")), "ok");
    ASSERT_EQ(Cli(s, {QStringLiteral("dump"), File("r.mbr")}).code, kExitOk);
    ASSERT_EQ(Sim(s, QStringLiteral("factory")), "ok");
    ASSERT_EQ(Sim(s, QStringLiteral("exception 702 4")), "ok");
    const auto r = Cli(s, {QStringLiteral("restore"), File("r.mbr")});
    ASSERT_EQ(Sim(s, QStringLiteral("exception clear")), "ok");
    EXPECT_EQ(r.code, kExitTransaction) << r;
    EXPECT_TRUE(Contains(r.err, "SumUnit1: ")) << r;
    EXPECT_TRUE(Contains(r.err, "1 refused")) << r;
    EXPECT_FALSE(Contains(r.err, "SumUnit2")) << r;
    EXPECT_EQ(Sim(s, QStringLiteral("get SumUnit2")), "ok 2");
}

}  // namespace
}  // namespace tarvix::cli
