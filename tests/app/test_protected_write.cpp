// Writing the protected sensor data, as the service edition's pages do: the page write puts
// the access key, the values and the closing 0 into the operation list in the order the
// device needs (the list runs from its last entry), and the simulated transmitter, which
// refuses those registers without the key, takes them.
#include "link/modbus_rtu.h"
#include "link/thread_com.h"
#include "model/register_ids.h"
#include "pages/page_requests.h"
#include "pages/single_param.h"
#include "session/program.h"
#include "tests/support/sim_process.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <chrono>
#include <memory>
#include <thread>

namespace tarvix {
namespace {

bool WaitIdle(const ModbusList& L) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!L.Idle()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

TEST(ProtectedWrite, KeyValueAndClosingZeroReachTheDeviceInOrder) {
    testing::SimProcess sim(7);
    QString error;
    ASSERT_TRUE(sim.Start({}, &error)) << error.toStdString();
    QTemporaryDir dir;
    Program p(dir.path());
    p.Com.PortName = sim.Link();
    p.Com.SetBaudRate(115200);
    ASSERT_TRUE(p.Com.OpenPort());
    p.Worker.WorkMode = kModeOnline;
    ThreadCom worker(*p.Lists, p.Com, p.Worker);
    worker.Begin();
    ModbusList& op = p.Lists->OpList;

    // The page reads CUR_SN first: the key is computed from the serial number held.
    op.AppendRead(mrCUR_SN, 1);
    op.Launch();
    ASSERT_TRUE(WaitIdle(op));
    ASSERT_EQ(TakeFirstResult(op, p.Image), 0);

    // Without the key the device refuses the sensor data.
    p.Lists->ResetList(op);
    op.Append(kFnWriteHolding, mrSerialNumberDevice, 1, 0, 1);
    op.Values[0] = 4321;
    op.Launch();
    ASSERT_TRUE(WaitIdle(op));
    EXPECT_EQ(op.Result[0], 4);
    op.Busy = 0;  // the refusal is consumed

    // The page write of two modified protected controls and one ordinary one.
    Bindings binds;
    DspValueArray dsp{};
    PageWriteContext ctx{true, kModeOnline, op, binds, p.Image, dsp, {}, {}, {}};
    ctx.Convert = [&](const QString& control, const Binding& b) {
        if (control == QLatin1String("EditSerialNumberDevice")) p.Image.Store(b.Id, 4321);
        if (control == QLatin1String("EditCalibrationDD")) p.Image.Store(b.Id, 17);
    };
    ctx.ClearMark = [](const QString&) {};
    ctx.StartOpList = [] {};
    const std::vector<PageControlState> controls = {
        {QStringLiteral("EditSerialNumberDevice"), true, true},
        {QStringLiteral("EditCalibrationDD"), true, true},
    };
    ASSERT_EQ(WritePage(QStringLiteral("EditFmInfo"), controls, true, ctx), WritePageResult::Ok);
    // Executed from the last entry: the key first, the values, then 0 closes the protection.
    ASSERT_EQ(op.Len, 4);
    EXPECT_EQ(op.Start[3], 201);
    EXPECT_EQ(op.Values[op.Slot[3]], AccessKey(p.Image));
    EXPECT_EQ(op.Start[0], 201);
    EXPECT_EQ(op.Values[op.Slot[0]], 0);
    ASSERT_TRUE(WaitIdle(op));
    for (int e = 0; e < op.Len; ++e) EXPECT_EQ(op.Result[static_cast<std::size_t>(e)], 0) << e;
    EXPECT_EQ(sim.Command(QStringLiteral("getw 0")), QStringLiteral("ok 4321"));
    EXPECT_EQ(sim.Command(QStringLiteral("getw 4")), QStringLiteral("ok 17"));
    EXPECT_EQ(sim.Command(QStringLiteral("getw 201")), QStringLiteral("ok 0"));
}

// The single-parameter page writes one value, and brackets the flow correction points too:
// the device guards them with the same key although the pages' descriptors do not mark them.
TEST(ProtectedWrite, SingleParameterWritesOpenAndCloseTheProtection) {
    testing::SimProcess sim(7);
    QString error;
    ASSERT_TRUE(sim.Start({}, &error)) << error.toStdString();
    QTemporaryDir dir;
    Program p(dir.path());
    p.Com.PortName = sim.Link();
    p.Com.SetBaudRate(115200);
    ASSERT_TRUE(p.Com.OpenPort());
    p.Worker.WorkMode = kModeOnline;
    ThreadCom worker(*p.Lists, p.Com, p.Worker);
    worker.Begin();
    ModbusList& op = p.Lists->OpList;
    op.AppendRead(mrCUR_SN, 1);
    op.Launch();
    ASSERT_TRUE(WaitIdle(op));
    ASSERT_EQ(TakeFirstResult(op, p.Image), 0);

    struct Case {
        const char* name;
        const char* typed;
        const char* device;
    };
    DspValueArray dsp{};
    for (const Case& c :
         {Case{"Ratio", "1.5", "ok 1.5"}, Case{"Count_LinearInterpolation", "3", "ok 3"},
          Case{"FlowDamping", "2", "ok 2"}}) {
        SCOPED_TRACE(c.name);
        p.Lists->ResetList(op);
        ParamBackup backup;
        const ParamRef ref = RefOf(ParamRowByName(c.name));
        AppendParamWrite(op, ref, QString::fromLatin1(c.typed), p.Image, dsp, 0, QLatin1Char('.'),
                         backup);
        EXPECT_EQ(op.Len, NeedsAccessKey(ref) ? 3 : 1);
        op.Launch();
        ASSERT_TRUE(WaitIdle(op));
        for (int e = 0; e < op.Len; ++e) EXPECT_EQ(op.Result[static_cast<std::size_t>(e)], 0) << e;
        op.Busy = 0;
        EXPECT_EQ(sim.Command(QStringLiteral("get ") + QLatin1String(c.name)),
                  QLatin1String(c.device));
        EXPECT_EQ(sim.Command(QStringLiteral("getw 201")), QStringLiteral("ok 0"));
    }
}

}  // namespace
}  // namespace tarvix
