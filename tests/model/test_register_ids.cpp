// The register identifiers agree with the parameter table: one "mr" constant per register
// row, equal to the row's register, in row order; "dsp" constants for the measuring module.
#include <gtest/gtest.h>

#include <string_view>

#include "model/param_table.h"
#include "model/register_ids.h"
#include "register_id_list.h"

namespace tarvix {
namespace {

using test::kDspIds;
using test::kRegisterIds;
using test::NamedId;

// The i-th register row of the table matches the i-th identifier: same name, Reg equal to the
// identifier, and for a float the value identifier Reg + 1.
constexpr bool RegisterIdsMatchTable() {
    std::size_t i = 0;
    for (int row = 0; row < FirstDspRow; ++row) {
        const ParamReg& r = ParamRegs[static_cast<std::size_t>(row)];
        if (r.Type == kTypeGroup) continue;
        if (i == std::size(kRegisterIds)) return false;
        const NamedId& id = kRegisterIds[i++];
        if (id.Name != std::string_view(r.Name) || id.Id != r.Reg) return false;
        if (id.HighId != (r.Type == kTypeFloat ? r.Reg + 1 : -1)) return false;
    }
    return i == std::size(kRegisterIds);
}
static_assert(RegisterIdsMatchTable());

constexpr bool DspIdsMatchTable() {
    std::size_t i = 0;
    for (int row = FirstDspRow; row < ParamCount; ++row) {
        const ParamReg& r = ParamRegs[static_cast<std::size_t>(row)];
        if (i == std::size(kDspIds)) return false;
        const NamedId& id = kDspIds[i++];
        if (id.Name != std::string_view(r.Name) || id.Id != r.Reg) return false;
    }
    return i == std::size(kDspIds);
}
static_assert(DspIdsMatchTable());

// The identifiers the device documentation names, and the rewritten forms of names that are
// not C++ identifiers.
static_assert(mrSumAssign1 == 701 && mrSumUnit1 == 702 && mrSumState1 == 703 && mrSumMode1 == 704 &&
              mrSumReset1 == 705);
static_assert(mrSumAssign3 == 750 && mrSumReset3 == 754 && mrSumAssign2 == 800 &&
              mrSumReset2 == 804 && mrSumAssign4 == 850 && mrSumReset4 == 854);
static_assert(mrMassFlow == 300 && mrMassFlowH == 301 && mrSum1H == 709 && mrCUR_SN == 1300);
static_assert(mrF2t_q0 == 15 && mrPeriod_AIR_K1 == 23 && mrRatioH == 32 && mrF2t == 238);
static_assert(dspR0 == 2 && dspChecksum == 19);

TEST(RegisterIds, OnePerRegisterRow) {
    int registerRows = 0;
    for (int row = 0; row < FirstDspRow; ++row) registerRows += IsRegisterRow(row) ? 1 : 0;
    EXPECT_EQ(std::size(kRegisterIds), static_cast<std::size_t>(registerRows));
    for (const NamedId& id : kRegisterIds) {
        const int row = ParamRowByName(id.Name);
        ASSERT_NE(row, kNoRow) << id.Name;
        EXPECT_EQ(RegRow(id.Id), row) << id.Name;
        EXPECT_EQ(RowValueId(row), id.HighId < 0 ? id.Id : id.HighId) << id.Name;
    }
}

}  // namespace
}  // namespace tarvix
