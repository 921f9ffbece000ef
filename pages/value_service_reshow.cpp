// Descriptors::ReshowLabels: after a language switch the labels that show a value show it
// again in the new language (menu texts, the user's formats) from what the register image and
// the measuring-module values already hold; nothing is read from the device for it.
#include "value_service.h"

#include <QLabel>

namespace tarvix {
namespace {

bool ShowsSomething(const ValueService& vs) {
    for (const QPointer<QWidget>& c : vs.Controls) {
        const auto* label = qobject_cast<const QLabel*>(c.data());
        if (label && !label->text().isEmpty()) return true;
    }
    return false;
}

}  // namespace

void Descriptors::ReshowLabels() {
    for (std::size_t mr = 0; mr < dc_.size(); ++mr) {
        if (dc_[mr] && ShowsSomething(*dc_[mr])) ShowValue(static_cast<int>(mr), false);
    }
    for (std::size_t n = 0; n < dspDc_.size(); ++n) {
        const ValueService* dc = dspDc_[n].get();
        if (!dc || !ShowsSomething(*dc)) continue;
        const QString text =
            DspValueText(DspCode(static_cast<int>(n)), dspValues_[n], dc->Desc, decimal_);
        for (const QPointer<QWidget>& c : dc->Controls) {
            if (auto* label = qobject_cast<QLabel*>(c.data())) label->setText(text);
        }
    }
}

}  // namespace tarvix
