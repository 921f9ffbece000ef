// The register image's newest-wins rule and the transaction list record's reset and slot
// allocation.
#include "link/modbus_list.h"
#include "model/register_image.h"

#include <gtest/gtest.h>

namespace tarvix {
namespace {

TEST(RegisterImage, NewestReceptionWinsWhateverTheOrder) {
    RegisterImage img;
    // A poll received at 10:00:01 distributed after an operation result of 10:00:02.
    const double t1 = 45000.0 + 10.0 / 24 + 1.0 / 86400;
    const double t2 = t1 + 1.0 / 86400;
    EXPECT_TRUE(img.Accept(702, 7, t2));
    EXPECT_FALSE(img.Accept(702, 3, t1));
    EXPECT_EQ(img.ModbusRegs[702], 7);
    // The same stamp twice: the second is dropped.
    EXPECT_FALSE(img.Accept(702, 9, t2));
    EXPECT_EQ(img.ModbusRegs[702], 7);
    // A slot that received nothing (stamp 0) is never accepted, not even at start.
    EXPECT_FALSE(img.Accept(5, 1, 0.0));
    // A user edit is stored without stamp and replaced by the next reception.
    img.Store(702, 100);
    EXPECT_EQ(img.RegTime[702], t2);
    EXPECT_TRUE(img.Accept(702, 8, t2 + 1e-6));
    EXPECT_EQ(img.ModbusRegs[702], 8);
    // Registers outside the image are neither accepted nor stored.
    for (int r : {-1, 1796, 100000}) {
        EXPECT_FALSE(img.Accept(r, 1, 1.0));
        img.Store(r, 1);
    }
}

TEST(RegisterImage, TwoRegisterValuesKeepTheLowWordBelow) {
    RegisterImage img;
    img.StoreFloat(21, 1.0f);
    EXPECT_EQ(img.ModbusRegs[20], 0x0000);
    EXPECT_EQ(img.ModbusRegs[21], 0x3F80);
    EXPECT_EQ(img.ReadFloat(21), 1.0f);
    img.StoreI32(431, -2);
    EXPECT_EQ(img.ModbusRegs[430], 0xFFFE);
    EXPECT_EQ(img.ModbusRegs[431], 0xFFFF);
    EXPECT_EQ(img.ReadI32(431), -2);
    // Identifiers without a lower register read as 0 and write nothing.
    img.StoreU32(0, 0xFFFFFFFFu);
    EXPECT_EQ(img.ModbusRegs[0], 0);
    EXPECT_EQ(img.ReadU32(0), 0u);
    EXPECT_EQ(img.ReadU32(1796), 0u);
}

TEST(RegisterImage, TotaliserCombinesOverflowAndSum) {
    RegisterImage img;
    img.StoreFloat(707, 2.0f);   // SumOverFlow1
    img.StoreFloat(709, 12.5f);  // Sum1
    EXPECT_EQ(img.ReadTotaliser(709), 20000012.0f);
}

TEST(ModbusList, ResetLeavesAnEmptyIdleListWithoutStamps) {
    ModbusLists lists;
    ModbusList& L = lists.PollList;
    L.AppendRead(100, 5);
    L.AppendRead(200, 2);
    L.Stamps[3] = 123.0;
    L.Flags = 0x41;
    L.Retry = 2;
    L.Skipped = 1;
    L.Abort = 1;
    L.Launch();
    EXPECT_EQ(L.Index.load(), 1);
    L.Index = -1;
    lists.ResetList(L);
    EXPECT_TRUE(L.Idle());
    EXPECT_EQ(L.Len, 0);
    EXPECT_EQ(L.Flags, 0);
    EXPECT_EQ(L.Retry, 0);
    EXPECT_EQ(L.Skipped, 0);
    EXPECT_EQ(L.Abort.load(), 0);
    EXPECT_EQ(L.Slot[0], 0);
    EXPECT_EQ(L.Buffer, lists.SignalBuffer.data());
    for (double s : L.Stamps) ASSERT_EQ(s, 0.0);
}

TEST(ModbusList, EntriesTakeConsecutiveSlotsWithinCapacity) {
    ModbusLists lists;
    ModbusList& L = lists.OpList;
    EXPECT_EQ(L.AppendRead(0, 5), 0);
    EXPECT_EQ(L.AppendRead(10, 2), 1);
    EXPECT_EQ(L.Slot[0], 0);
    EXPECT_EQ(L.Slot[1], 5);
    EXPECT_EQ(L.Slot[2], 7);
    // Slots run out at 1024, entries at 256: the builder is told instead of overrunning.
    lists.ResetList(L);
    for (int i = 0; i < 8; ++i) ASSERT_GE(L.AppendRead(0, 125), 0);
    EXPECT_EQ(L.AppendRead(0, 25), -1);
    EXPECT_EQ(L.AppendRead(0, 24), 8);
    lists.ResetList(L);
    for (int i = 0; i < kListEntries; ++i) ASSERT_EQ(L.Append(0xAF, 0, 0, 0, 0), i);
    EXPECT_EQ(L.Append(0xAF, 0, 0, 0, 0), -1);
    EXPECT_EQ(L.Len, kListEntries);
}

}  // namespace
}  // namespace tarvix
