// tarvix-cli dsp-dump and dsp-restore against two simulated measuring modules: the dump of
// one makes the other's twenty EEPROM parameters equal with its checksum intact; a damaged
// file is refused as a whole before anything is sent; a module that refuses a parameter
// half-way is reported by name with what was written.
#include "cli/exit_codes.h"
#include "link/dsp_eeprom_dump.h"
#include "tests/support/two_sims_cli.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tarvix::cli {
namespace {

using testing::SimProcess;

class CliDspDump : public testing::TwoSimsCliTest {
  protected:
    void SetUp() override {
        TwoSimsCliTest::SetUp();
        for (SimProcess* s : sims_) ASSERT_EQ(Sim(s, QStringLiteral("dsp-fault clear")), "ok");
    }
    static std::vector<std::string> Eeprom(SimProcess* s) {
        std::vector<std::string> v;
        for (int n = 0; n < kDspEepromParams; ++n)
            v.push_back(Sim(s, QStringLiteral("dsp get %1").arg(n)));
        return v;
    }
};

TEST_F(CliDspDump, ADumpOfOneModuleRestoresIntoAnotherWithItsChecksumIntact) {
    SimProcess* a = sims_[0];
    SimProcess* b = sims_[1];
    // Module a: its own serial number, date, R0 = 100.0 and an ADC limit below zero.
    for (const char* cmd :
         {"dsp set 0 1234", "dsp set 1 1574671", "dsp set 2 1120403456", "dsp set 3 -5000"})
        ASSERT_EQ(Sim(a, QLatin1String(cmd)), "ok");
    // Module b: other values everywhere a restore must overwrite, the checksum included.
    for (int n = 0; n < kDspEepromParams; ++n)
        ASSERT_EQ(Sim(b, QStringLiteral("dsp set %1 %2").arg(n).arg(n == 2 ? 1065353216 : 7)),
                  "ok");
    ASSERT_NE(Eeprom(a), Eeprom(b));

    const auto dump = Cli(a, {QStringLiteral("dsp-dump"), File("a.dsp")});
    ASSERT_EQ(dump.code, kExitOk) << dump;
    EXPECT_EQ(dump.out, "");
    QFile f(File("a.dsp"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    EXPECT_TRUE(
        text.startsWith("[DspEeprom]\r\n0=1234\r\n1=1574671\r\n2=1120403456\r\n3=-5000\r\n"))
        << text.toStdString();

    const auto restore = Cli(b, {QStringLiteral("dsp-restore"), File("a.dsp")});
    ASSERT_EQ(restore.code, kExitOk) << restore;
    EXPECT_EQ(Eeprom(b), Eeprom(a));
    EXPECT_EQ(Sim(b, QStringLiteral("dsp get 19")), Sim(b, QStringLiteral("dsp checksum")));
}

TEST_F(CliDspDump, ADamagedFileIsRefusedBeforeAnythingIsSent) {
    SimProcess* a = sims_[0];
    SimProcess* b = sims_[1];
    ASSERT_EQ(Cli(a, {QStringLiteral("dsp-dump"), File("good.dsp")}).code, kExitOk);
    QFile f(File("good.dsp"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray good = f.readAll();
    // A value replaced keeps the checksum right by moving the difference into the sum.
    const auto replaced = [&good](const QByteArray& line, const QByteArray& by) {
        QByteArray t = good;
        const qsizetype at = t.indexOf("\r\n" + line + "=") + 2;
        const qsizetype end = t.indexOf("\r\n", at);
        const QByteArray old = t.mid(at, end - at);
        const auto low = [](const QByteArray& kv) {
            return static_cast<std::uint16_t>(kv.mid(kv.indexOf('=') + 1).toLongLong() & 0xFFFF);
        };
        t.replace(at, end - at, by);
        const qsizetype s = t.indexOf("CheckSum=") + 9;
        const qsizetype se = t.indexOf("\r\n", s);
        const auto sum = static_cast<std::uint16_t>(t.mid(s, se - s).toInt() - low(old) + low(by));
        return t.replace(s, se - s, QByteArray::number(sum));
    };
    struct Case {
        const char* name;
        QByteArray text;
        const char* says;
    };
    const Case cases[] = {
        {"sn beyond two bytes", replaced("0", "0=70000"), "70000"},
        {"sn negative", replaced("0", "0=-1"), "-1"},
        {"date beyond three bytes", replaced("1", "1=16777216"), "16777216"},
        {"no date", replaced("1", "1=3000"), "3000"},
        {"R0 NaN", replaced("2", "2=2143289344"), "NaN"},
        {"text for a number", replaced("5", "5=abc"), "abc"},
        {"beyond 32 bits", replaced("5", "5=4294967296"), "4294967296"},
        {"wrong checksum", QByteArray(good).replace("CheckSum=", "CheckSum=1"),
         "Ошибка контрольной суммы"},
        {"truncated", good.left(good.indexOf("12=")), "Ошибка контрольной суммы"},
        // The old rule read a missing key as 2 and counted it so: this file passed its checksum
        // and sent 2 as an ADC limit.
        {"missing key", replaced("7", "x7=2"), "7 (MinCode_ADC3_3w)"},
        {"huge", good + QByteArray(100 * 1024, ';'), "64"},
    };
    const std::string before = Sim(b, QStringLiteral("stats"));
    const auto eeprom = Eeprom(b);
    for (const Case& c : cases) {
        QFile out(File("bad.dsp"));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(c.text);
        out.close();
        const auto r = Cli(b, {QStringLiteral("dsp-restore"), File("bad.dsp")});
        EXPECT_EQ(r.code, kExitFile) << c.name << "\n" << r;
        EXPECT_FALSE(r.crashed) << c.name;
        EXPECT_TRUE(Contains(r.err, c.says)) << c.name << "\n" << r;
        EXPECT_TRUE(Contains(r.err, "ничего не отправлено")) << c.name << "\n" << r;
    }
    // Not one frame reached the module.
    EXPECT_EQ(Sim(b, QStringLiteral("stats")), before);
    EXPECT_EQ(Eeprom(b), eeprom);
}

TEST_F(CliDspDump, AModuleThatRefusesHalfWayIsReportedWithWhatWasWritten) {
    SimProcess* a = sims_[0];
    SimProcess* b = sims_[1];
    ASSERT_EQ(Sim(a, QStringLiteral("dsp set 0 999")), "ok");
    ASSERT_EQ(Cli(a, {QStringLiteral("dsp-dump"), File("a.dsp")}).code, kExitOk);
    // The first five writes go through, the sixth is refused with "illegal data value".
    ASSERT_EQ(Sim(b, QStringLiteral("dsp-fault 11 3 after 5")), "ok");
    const auto r = Cli(b, {QStringLiteral("dsp-restore"), File("a.dsp")});
    EXPECT_EQ(r.code, kExitTransaction) << r;
    EXPECT_TRUE(Contains(r.err, "parameter 5 (MinCode_ADC2_Robr)")) << r;
    EXPECT_TRUE(Contains(r.err, "5 из 20")) << r;
    EXPECT_EQ(Sim(b, QStringLiteral("dsp get 0")), "ok 999");
    // A read refused half-way writes no file.
    ASSERT_EQ(Sim(a, QStringLiteral("dsp-fault 10 4")), "ok");
    const auto d = Cli(a, {QStringLiteral("dsp-dump"), File("none.dsp")});
    EXPECT_EQ(d.code, kExitTransaction) << d;
    EXPECT_TRUE(Contains(d.err, "parameter 0 (SnBoard)")) << d;
    EXPECT_FALSE(QFile::exists(File("none.dsp")));
    ASSERT_EQ(Sim(a, QStringLiteral("dsp-fault clear")), "ok");
}

}  // namespace
}  // namespace tarvix::cli
