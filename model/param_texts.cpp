// ParamTexts: the fragments of param_texts_*.h joined in row order at compile time.
#include <algorithm>
#include <cstddef>
#include <iterator>

#include "model/param_table.h"
#include "model/param_texts_carrier.h"
#include "model/param_texts_current.h"
#include "model/param_texts_display.h"
#include "model/param_texts_dsp.h"
#include "model/param_texts_main.h"
#include "model/param_texts_outputs.h"
#include "model/param_texts_sensor.h"
#include "model/param_texts_target.h"
#include "model/param_texts_tech.h"

namespace tarvix {

namespace {

using namespace param_texts;

template <std::size_t... N>
constexpr std::array<ParamText, ParamCount> Join(const ParamText (&... parts)[N]) {
    static_assert((N + ...) == ParamCount, "the text fragments must give one row per table row");
    std::array<ParamText, ParamCount> all{};
    auto out = all.begin();
    ((out = std::copy(std::begin(parts), std::end(parts), out)), ...);
    return all;
}

// Each fragment starts where the one before it ends.
static_assert(kSensorTextsFirst == 0);
static_assert(kTechTextsFirst == kSensorTextsFirst + std::size(kSensorTexts));
static_assert(kMainTextsFirst == kTechTextsFirst + std::size(kTechTexts));
static_assert(kDisplayTextsFirst == kMainTextsFirst + std::size(kMainTexts));
static_assert(kOutputTextsFirst == kDisplayTextsFirst + std::size(kDisplayTexts));
static_assert(kCurrentTextsFirst == kOutputTextsFirst + std::size(kOutputTexts));
static_assert(kTargetFluidTextsFirst == kCurrentTextsFirst + std::size(kCurrentTexts));
static_assert(kCarrierFluidTextsFirst == kTargetFluidTextsFirst + std::size(kTargetFluidTexts));
static_assert(kDspTextsFirst == kCarrierFluidTextsFirst + std::size(kCarrierFluidTexts));

}  // namespace

constinit const std::array<ParamText, ParamCount> ParamTexts =
    Join(kSensorTexts, kTechTexts, kMainTexts, kDisplayTexts, kOutputTexts, kCurrentTexts,
         kTargetFluidTexts, kCarrierFluidTexts, kDspTexts);

}  // namespace tarvix
