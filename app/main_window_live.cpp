// TForm1: the live values and charts pages joined to the poll cycle — their read goes into
// every poll list while a poll box is ticked, the distribution's refreshes reach them, and
// leaving the online state unticks the table's box.
#include "main_window.h"

#include "tools/live_values.h"

#include <QLabel>

namespace tarvix {

void TForm1::InstallLiveHooks() {
    auto* liveData = findChild<QWidget*>(QStringLiteral("LiveData"));
    auto* charts = findChild<QWidget*>(QStringLiteral("PageCharts"));
    if (!liveData || !charts) return;
    LiveLabels labels;
    for (std::size_t q = 0; q < labels.values.size(); ++q) {
        labels.values[q] = findChild<QLabel*>(QString::fromLatin1(kLiveQuantity[q].valueLabel));
        labels.units[q] = findChild<QLabel*>(QString::fromLatin1(kLiveQuantity[q].unitLabel));
    }
    live_ = std::make_unique<LiveValues>(p_, *grids_, *liveData, *charts, labels);
    live_->SetTexts();

    // The other displays' hooks stay; the live displays add theirs.
    auto requests = std::move(hooks_.ExtraPollRequests);
    hooks_.ExtraPollRequests = [this, requests](ModbusList& L) {
        if (requests) requests(L);
        live_->AppendRequests(L);
    };
    auto offline = std::move(hooks_.Offline);
    hooks_.Offline = [this, offline] {
        if (offline) offline();
        live_->Offline();
    };
    DistributeHooks& d = connection_->Distribution();
    auto refresh = std::move(d.Refresh);
    d.Refresh = [this, refresh](std::uint16_t flag) {
        if (flag == kFlagLiveValues || flag == kFlagCharts) {
            live_->Refresh(flag);
        } else if (refresh) {
            refresh(flag);
        }
    };
}

}  // namespace tarvix
