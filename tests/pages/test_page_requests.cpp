// Page reads and writes as the device receives them: one read per value, merged ranges,
// measuring-module requests framed by the link, the access-key bracket in execution order,
// and the refusals and error paths of a page write.
#include "base/user_error.h"
#include "link/modbus_rtu.h"
#include "model/register_ids.h"
#include "pages/page_requests.h"
#include "pages/value_text.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <vector>

namespace tarvix {
namespace {

struct Entry {
    int Func;
    int Start;
    int Count;
    friend bool operator==(const Entry&, const Entry&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Entry& e) {
        return os << "{" << e.Func << ", " << e.Start << ", " << e.Count << "}";
    }
};

std::vector<Entry> Entries(const ModbusList& L) {
    std::vector<Entry> v;
    for (int e = 0; e < L.Len; ++e) v.push_back({L.Func[e], L.Start[e], L.Count[e]});
    return v;
}

// What the device receives: the list runs from its last entry to its first.
std::vector<Entry> SentOrder(const ModbusList& L) {
    auto v = Entries(L);
    return {v.rbegin(), v.rend()};
}

std::vector<std::uint8_t> Frame(const ModbusList& L, int e) {
    std::uint8_t tx[kFrameMax] = {};
    const int n = BuildRequest(L, e, 1, tx);
    return {tx, tx + n - 2};  // without the CRC
}

// The reference CRC-16/MODBUS, bit by bit.
std::uint16_t ReferenceCrc(std::initializer_list<std::uint8_t> bytes) {
    std::uint16_t crc = 0xFFFF;
    for (std::uint8_t b : bytes) {
        crc ^= b;
        for (int i = 0; i < 8; ++i) crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
    }
    return crc;
}

class PageRequests : public ::testing::Test {
  protected:
    std::unique_ptr<ModbusLists> lists = std::make_unique<ModbusLists>();
    ModbusList& op = lists->OpList;
    Bindings bindings;
};

TEST_F(PageRequests, OneReadPerValueWhateverShowsIt) {
    const PageGroupBox groups[] = {
        {false,
         {QStringLiteral("EditPFSf_MaxFreqH"), QStringLiteral("LabelPFSf_MaxFreqH"),
          QStringLiteral("ComboPFSf_Mode"), QStringLiteral("LabelPFSf_Mode"),
          QStringLiteral("Label57")}},
        {true, {QStringLiteral("LabelMassFlow")}},  // a group box with a tag is not read
        {false, {QStringLiteral("EditR0"), QStringLiteral("LabelSumAssign1_2")}},
    };
    ReadPageRequests(op, groups, bindings);
    EXPECT_EQ(Entries(op),
              (std::vector<Entry>{{3, 904, 2}, {3, 902, 1}, {0xAC, 10, 8}, {3, 701, 1}}));
    EXPECT_EQ(op.Slot[1], 2);
    EXPECT_EQ(op.Slot[4], 2 + 1 + 8 + 1);
    // A register that shares its number with the measuring-module sub-function is still read.
    AddRead(op, mrSensorDiameter);
    EXPECT_EQ(Entries(op).back(), (Entry{3, 10, 1}));
}

TEST_F(PageRequests, CoalescedIntoRangesTenRegistersApart) {
    for (int mr : {900, 901, mrPFSf_MaxFreqH, 920, 901}) AddRead(op, mr);
    CoalesceReads(op);
    EXPECT_EQ(Entries(op), (std::vector<Entry>{{3, 900, 6}, {3, 920, 1}}));
    EXPECT_EQ(op.Slot[0], 0);
    EXPECT_EQ(op.Slot[1], 6);
    EXPECT_EQ(op.Slot[2], 7);

    op.Len = 0;
    for (int r : {100, 110, 121}) op.AppendRead(static_cast<std::uint16_t>(r), 1);
    CoalesceReads(op);  // 110 - 100 = 10 joins, 121 - 110 = 11 does not
    EXPECT_EQ(Entries(op), (std::vector<Entry>{{3, 100, 11}, {3, 121, 1}}));
}

TEST_F(PageRequests, ListsThatAreNotMerged) {
    CoalesceReads(op);
    EXPECT_EQ(op.Len, 0);
    AddRead(op, 900);
    AddDspRead(op, 7);
    AddRead(op, 901);
    CoalesceReads(op);
    EXPECT_EQ(Entries(op), (std::vector<Entry>{{3, 900, 1}, {0xAC, 10, 8}, {3, 901, 1}}));
}

TEST_F(PageRequests, LongRangesAreSplitToWhatOneAnswerCarries) {
    AddTargetFluidRead(op);
    AddCarrierFluidRead(op);
    CoalesceReads(op);
    std::set<int> covered;
    for (const Entry& e : Entries(op)) {
        EXPECT_LE(e.Count, 125);
        for (int r = e.Start; r < e.Start + e.Count; ++r) covered.insert(r);
    }
    for (int r = 1601; r <= 1696; ++r) EXPECT_TRUE(covered.count(r)) << r;
    for (int r = 1700; r <= 1795; ++r) EXPECT_TRUE(covered.count(r)) << r;
    EXPECT_EQ(op.Slot[op.Len], static_cast<int>(covered.size()));
}

TEST_F(PageRequests, PollListOfTheActivePage) {
    AddPollListReads(op, u"PageTotal1", bindings);
    AddPollListReads(op, u"PageLCD", bindings);  // no poll list
    CoalesceReads(op);
    EXPECT_EQ(Entries(op), (std::vector<Entry>{{3, 702, 8}}));
}

TEST_F(PageRequests, MeasuringModuleAndTableReads) {
    AddDspRead(op, 7);  // MinCode_ADC3_3w: 4 bytes, code 0x80
    AddDspRead(op, 1);  // ManufactureData: a 3-byte date
    AddAdcRead(op);
    AddPwlRead(op);
    AddTargetFluidRead(op);
    AddCarrierFluidRead(op);
    EXPECT_EQ(Entries(op), (std::vector<Entry>{{0xAC, 10, 8},
                                               {0xAC, 10, 7},
                                               {0xAC, 33, 26},
                                               {3, 1300, 1},
                                               {3, 100, 33},
                                               {3, 1601, 96},
                                               {3, 1700, 96}}));
    EXPECT_EQ(Frame(op, 0), (std::vector<std::uint8_t>{1, 0xAC, 10, 2, 0x84, 7}));
    EXPECT_EQ(Frame(op, 1), (std::vector<std::uint8_t>{1, 0xAC, 10, 2, 0x03, 1}));
    EXPECT_EQ(Frame(op, 2), (std::vector<std::uint8_t>{1, 0xAC, 33, 0}));
    std::vector<int> slots(op.Slot.begin(), op.Slot.begin() + op.Len + 1);
    EXPECT_EQ(slots, (std::vector<int>{0, 8, 15, 41, 42, 75, 171, 267}));
}

TEST_F(PageRequests, AccessKeyIsTheCrcOfTheSerialNumberLowByteFirst) {
    RegisterImage image;
    image.ModbusRegs[mrCUR_SN] = 0x1234;
    EXPECT_EQ(AccessKey(image), ReferenceCrc({0x34, 0x12}));
    image.ModbusRegs[mrCUR_SN] = 0;
    EXPECT_EQ(AccessKey(image), ReferenceCrc({0, 0}));
}

// A page write over controls whose edits hold texts.
class WritePageTest : public PageRequests {
  protected:
    RegisterImage image;
    DspValueArray dsp{};
    std::map<QString, QString> texts;  // control -> the edit's text
    std::vector<QString> cleared;
    std::vector<QString> converted;
    int started = 0;
    bool ready = true;
    int mode = 1;

    WritePageResult Write(const QString& page, std::vector<PageControlState> controls,
                          bool start = true) {
        PageWriteContext ctx{
            .WindowReady = ready,
            .WorkMode = mode,
            .OpList = op,
            .Binds = bindings,
            .Image = image,
            .DspValues = dsp,
            .Convert =
                [&](const QString& control, const Binding& b) {
                    converted.push_back(control);
                    if (b.Dsp) {
                        dsp[b.Id] = ControlValueToDsp(b.Id, texts[control], u'.').Value;
                    } else {
                        ControlValueToRegister(image, b.Id, texts[control], {}, u'.',
                                               WordOverflow::Refuse);
                    }
                },
            .ClearMark = [&](const QString& control) { cleared.push_back(control); },
            .StartOpList = [&] { ++started; },
        };
        return WritePage(page, controls, start, ctx);
    }
};

TEST_F(WritePageTest, ProtectedValueIsSentInsideTheKeyBracket) {
    image.ModbusRegs[mrCUR_SN] = 0x1234;
    texts[QStringLiteral("EditRatioH")] = QStringLiteral("1.5");
    EXPECT_EQ(Write(QStringLiteral("PageSensor"),
                    {{QStringLiteral("Editq0H")}, {QStringLiteral("EditRatioH"), true}}),
              WritePageResult::Ok);
    EXPECT_EQ(SentOrder(op), (std::vector<Entry>{{16, 201, 1}, {16, 31, 2}, {16, 201, 1}}));
    EXPECT_EQ(op.Values[op.Slot[2]], ReferenceCrc({0x34, 0x12}));  // the key goes first
    EXPECT_EQ(op.Values[op.Slot[1]], 0x0000);                      // 1.5f low word
    EXPECT_EQ(op.Values[op.Slot[1] + 1], 0x3FC0);                  // 1.5f high word
    EXPECT_EQ(op.Values[op.Slot[0]], 0);                           // then closed again
    EXPECT_EQ(op.Index.load(), 2);
    EXPECT_EQ(started, 1);
    EXPECT_EQ(cleared, (std::vector<QString>{QStringLiteral("EditRatioH")}));
}

TEST_F(WritePageTest, WritesAfterTheFirstProtectedOneAreInsideTheBracket) {
    texts[QStringLiteral("EditSerialNumberDevice")] = QStringLiteral("4464");
    texts[QStringLiteral("EditHardWareVersion")] = QStringLiteral("5");
    texts[QStringLiteral("EditCalibrationDD")] = QStringLiteral("7");
    Write(QStringLiteral("EditFmInfo"), {{QStringLiteral("EditHardWareVersion"), true},
                                         {QStringLiteral("EditSerialNumberDevice"), true},
                                         {QStringLiteral("EditCalibrationDD"), true}});
    EXPECT_EQ(
        SentOrder(op),
        (std::vector<Entry>{{16, 201, 1}, {16, 4, 1}, {16, 0, 1}, {16, 201, 1}, {16, 400, 1}}));
    EXPECT_EQ(op.Values[op.Slot[2]], 4464);
}

TEST_F(WritePageTest, KeyOfTheSerialNumberTheDeviceHolds) {
    image.ModbusRegs[mrCUR_SN] = 0x1234;
    texts[QStringLiteral("EditSerialNumberDevice")] = QStringLiteral("1");
    texts[QStringLiteral("EditCUR_Hidden_SN_3")] = QStringLiteral("22136");  // 0x5678
    Write(QStringLiteral("EditFmInfo"), {{QStringLiteral("EditSerialNumberDevice"), true},
                                         {QStringLiteral("EditCUR_Hidden_SN_3"), true}});
    EXPECT_EQ(SentOrder(op).front(), (Entry{16, 201, 1}));
    EXPECT_EQ(op.Values[op.Slot[op.Len - 1]], ReferenceCrc({0x34, 0x12}));
}

TEST_F(WritePageTest, UnprotectedWritesNeedNoKey) {
    texts[QStringLiteral("EditDevAddr")] = QStringLiteral("4464");
    EXPECT_EQ(Write(QStringLiteral("PageRS485"), {{QStringLiteral("EditDevAddr"), true}}),
              WritePageResult::Ok);
    EXPECT_EQ(Entries(op), (std::vector<Entry>{{16, 430, 1}}));
    EXPECT_EQ(op.Values[op.Slot[0]], 4464);
    EXPECT_EQ(op.Flags, kFlagLinkSettings);
    EXPECT_EQ(Frame(op, 0), (std::vector<std::uint8_t>{1, 16, 0x01, 0xAE, 0, 1, 2, 0x11, 0x70}));
}

TEST_F(WritePageTest, NothingModifiedSendsNothing) {
    op.Flags = 0x80;
    EXPECT_EQ(
        Write(QStringLiteral("PageSystem"), {{QStringLiteral("EditFlowDampingH")},
                                             {QStringLiteral("EditParamFixedH"), true, false}}),
        WritePageResult::Ok);
    EXPECT_EQ(op.Len, 0);
    EXPECT_EQ(op.Index.load(), -1);
    EXPECT_EQ(op.Flags, 0);
    EXPECT_EQ(started, 0);
    EXPECT_TRUE(cleared.empty());  // the hidden control keeps its mark
}

TEST_F(WritePageTest, OneWritePerValueAndNoStartWhenNotAsked) {
    texts[QStringLiteral("EditCUR_Hidden_SN")] = QStringLiteral("12");
    texts[QStringLiteral("EditCUR_Hidden_SN_3")] = QStringLiteral("13");
    Write(QStringLiteral("PageCurCal"),
          {{QStringLiteral("EditCUR_Hidden_SN"), true},
           {QStringLiteral("EditCUR_Hidden_SN_3"), true},
           {QStringLiteral("Label1"), true}},
          false);
    EXPECT_EQ(Entries(op), (std::vector<Entry>{{16, 1300, 1}}));
    EXPECT_EQ(converted, (std::vector<QString>{QStringLiteral("EditCUR_Hidden_SN")}));
    EXPECT_EQ(cleared.size(), 3u);  // every modified visible control loses its mark
    EXPECT_EQ(op.Index.load(), 0);
    EXPECT_EQ(started, 0);
}

TEST_F(WritePageTest, MeasuringModuleWrites) {
    texts[QStringLiteral("EditMinCode_ADC1_TC")] = QStringLiteral("-2");
    texts[QStringLiteral("EditManufactureData")] = QStringLiteral("05.03.24");
    Write(QStringLiteral("PageLimits"), {{QStringLiteral("EditMinCode_ADC1_TC"), true},
                                         {QStringLiteral("EditManufactureData"), true}});
    EXPECT_EQ(Entries(op), (std::vector<Entry>{{0xAC, 11, 8}, {0xAC, 11, 7}}));
    EXPECT_EQ(Frame(op, 0),
              (std::vector<std::uint8_t>{1, 0xAC, 11, 6, 0x84, 3, 0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Frame(op, 1), (std::vector<std::uint8_t>{1, 0xAC, 11, 5, 0x03, 1, 5, 3, 24}));
    EXPECT_EQ(op.Slot[1] - op.Slot[0], 3);
    EXPECT_EQ(op.Slot[2] - op.Slot[1], 3);
}

// A save is all or nothing: a value that does not convert leaves the image, the marks and
// the list as they were, also for the controls converted before it, so that correcting it
// and saving again sends them all.
TEST_F(WritePageTest, AConversionErrorLeavesEverythingAsItWas) {
    image.StoreFloat(mrAlfaH, 7.0f);
    image.ModbusRegs[mrCUR_SN] = 0x1234;
    dsp[2] = {1, 2, 3, 4};
    const RegisterImage imageBefore = image;
    const DspValueArray dspBefore = dsp;
    const struct {
        const char* Page;
        std::vector<PageControlState> Controls;
        std::map<QString, QString> Texts;
        const char16_t* Message;
    } cases[] = {
        {"PageRefDensity",
         {{QStringLiteral("EditAlfaH"), true},
          {QStringLiteral("EditBettaH"), true},
          {QStringLiteral("EditRefTemperatureH"), true}},
         {{QStringLiteral("EditAlfaH"), QStringLiteral("1")},
          {QStringLiteral("EditBettaH"), QStringLiteral("abc")}},
         u"Недопустимое значение: abc"},
        // Inside the key bracket: the serial number converted, the date refused.
        {"EditFmInfo",
         {{QStringLiteral("EditSerialNumberDevice"), true},
          {QStringLiteral("EditCUR_Hidden_SN_3"), true},
          {QStringLiteral("EditCalibrationDD"), true}},
         {{QStringLiteral("EditSerialNumberDevice"), QStringLiteral("5")},
          {QStringLiteral("EditCUR_Hidden_SN_3"), QStringLiteral("6")},
          {QStringLiteral("EditCalibrationDD"), QStringLiteral("70000")}},
         u"70000 выходит за пределы допустимых значений: 0..65535"},
        {"PageLimits",
         {{QStringLiteral("EditR0"), true}, {QStringLiteral("EditMinCode_ADC1_TC"), true}},
         {{QStringLiteral("EditR0"), QStringLiteral("100")},
          {QStringLiteral("EditMinCode_ADC1_TC"), QStringLiteral("x")}},
         u"Недопустимое значение: x"},
    };
    for (const auto& c : cases) {
        texts = c.Texts;
        converted.clear();
        try {
            Write(QString::fromLatin1(c.Page), c.Controls);
            ADD_FAILURE() << "no error on " << c.Page;
        } catch (const UserError& e) {
            EXPECT_EQ(e.message(), QString::fromUtf16(c.Message));
        }
        EXPECT_GE(converted.size(), 2u) << c.Page;  // something was converted before it
        EXPECT_TRUE(cleared.empty()) << c.Page;
        EXPECT_EQ(image.ModbusRegs, imageBefore.ModbusRegs) << c.Page;
        EXPECT_EQ(image.RegTime, imageBefore.RegTime) << c.Page;
        EXPECT_EQ(dsp, dspBefore) << c.Page;
        EXPECT_EQ(op.Len, 0) << c.Page;
        EXPECT_EQ(op.Index.load(), -1) << c.Page;
        EXPECT_EQ(started, 0) << c.Page;
    }
}

TEST_F(WritePageTest, RefusalsChangeNothing) {
    const std::vector<PageControlState> controls = {{QStringLiteral("EditDevAddr"), true}};
    texts[QStringLiteral("EditDevAddr")] = QStringLiteral("1");
    ready = false;
    EXPECT_EQ(Write(QStringLiteral("PageRS485"), controls), WritePageResult::NotReady);
    ready = true;
    mode = 0;
    EXPECT_EQ(Write(QStringLiteral("PageRS485"), controls), WritePageResult::Offline);
    mode = 2;
    op.Busy = 1;
    EXPECT_EQ(Write(QStringLiteral("PageRS485"), controls), WritePageResult::Busy);
    op.Busy = 0;
    op.Index = 0;
    EXPECT_EQ(Write(QStringLiteral("PageRS485"), controls), WritePageResult::Busy);
    EXPECT_TRUE(cleared.empty());
    EXPECT_TRUE(converted.empty());
}

}  // namespace
}  // namespace tarvix
