// TForm1: values the device has not refreshed. While the program is online, a value label of
// the shown page or an indicator field whose value is stale (its last read failed, or the
// poll cycle should have refreshed it more than two poll intervals ago) is greyed and tells
// in its tool tip when the value was received; while the device does not answer, the status
// bar says so beside the connection state. The judging is ValueFreshness's.
#include "main_window.h"

#include "app/navigation.h"
#include "base/date_time.h"
#include "base/string_table.h"
#include "link/protocol.h"
#include "model/register_ids.h"
#include "pages/value_service.h"
#include "session/program.h"
#include "session/value_freshness.h"
#include "ui_main_window.h"

#include <QComboBox>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>
#include <tuple>

namespace tarvix {
namespace {

// Often enough that greying follows the two-interval rule closely at the shortest interval.
constexpr int kFreshnessTickMs = 250;
constexpr const char* kStaleProperty = "tarvixStale";
constexpr const char* kOwnToolTipProperty = "tarvixOwnToolTip";

QString TimeOfDay(double stamp) { return FromDayStamp(stamp).toString(QStringLiteral("hh:mm:ss")); }

QString ReceivedTip(double received) {
    return received > 0 ? Str(kStrReceivedAt).arg(TimeOfDay(received)) : Str(kStrNeverReceived);
}

// Greys a label (the placeholder colour of the palette, which every style draws dimmed) or
// gives it its own colour and tool tip back.
void ShowStale(QLabel* label, bool stale, const QString& tip) {
    const bool was = label->property(kStaleProperty).toBool();
    if (stale) {
        if (!was) {
            label->setProperty(kOwnToolTipProperty, label->toolTip());
            label->setProperty(kStaleProperty, true);
            label->setForegroundRole(QPalette::PlaceholderText);
        }
        label->setToolTip(tip);
    } else if (was) {
        label->setToolTip(label->property(kOwnToolTipProperty).toString());
        label->setProperty(kStaleProperty, false);
        label->setForegroundRole(QPalette::NoRole);
    }
}

}  // namespace

void TForm1::InstallFreshness() {
    freshness_ = std::make_unique<ValueFreshness>(p_.Image);
    noAnswer_ = new QLabel(this);
    noAnswer_->setObjectName(QStringLiteral("StatusNoAnswer"));
    noAnswer_->setStyleSheet(QStringLiteral("color: red;"));
    noAnswer_->hide();
    // Beside the connection state (panel 1).
    ui_->StatusBar1->insertWidget(2, noAnswer_);

    freshnessTimer_ = new QTimer(this);
    freshnessTimer_->setInterval(kFreshnessTickMs);
    connect(freshnessTimer_, &QTimer::timeout, this, &TForm1::ShowFreshness);
    ConnectionController& c = *connection_;
    connect(&c, &ConnectionController::StateChanged, this, [this](ConnectionState now) {
        if (now == ConnectionState::Online) {
            freshness_->Restart(p_.Worker.GotCount.load(), p_.Worker.LostCount.load(), NowStamp());
            freshnessTimer_->start();
        } else {
            freshnessTimer_->stop();
        }
        ShowFreshness();
    });
    // A page shown after its read is judged at once, not a tick later.
    connect(&c, &ConnectionController::OperationFinished, this, &TForm1::ShowFreshness);
    connect(ui_->PageControl1, &QStackedWidget::currentChanged, this, &TForm1::ShowFreshness);

    DistributeHooks& d = c.Distribution();
    auto failed = std::move(d.EntryFailed);
    d.EntryFailed = [this, failed](const ModbusList& L, int e) {
        const auto i = static_cast<std::size_t>(e);
        if (L.Func[i] == kFnReadHolding) freshness_->ReadFailed(L.Start[i], L.Count[i], NowStamp());
        if (failed) failed(L, e);
    };
}

void TForm1::ShowFreshness() {
    if (!freshness_) return;
    // Only a connected device ages values: a configuration file and the offline state show
    // what they hold.
    const bool online = connection_->State() == ConnectionState::Online;
    const double now = NowStamp();
    const int interval = connection_->PollInterval();
    if (online) freshness_->Sample(p_.Worker.GotCount.load(), p_.Worker.LostCount.load(), now);

    const int page = ActivePage();
    if (QWidget* form = PageWidget(page)) {
        const auto polled = PollListOf(PageName(page));
        for (QLabel* label : form->findChildren<QLabel*>()) {
            const std::optional<Binding> b = descriptors_->DescriptorOf(label);
            if (!b || b->Dsp) continue;
            const QString name = label->objectName();
            const bool inPoll = std::any_of(polled.begin(), polled.end(), [&](const char* n) {
                return name == QLatin1String(n);
            });
            const bool stale = online && freshness_->Stale(b->Id, inPoll, now, interval);
            ShowStale(label, stale, ReceivedTip(freshness_->Received(b->Id)));
        }
    }

    // The indicator fields follow the value each selector shows; a totaliser not in use
    // shows dashes, which are never stale.
    static const int kAssignOfTotal[] = {mrSumAssign1, mrSumAssign2, mrSumAssign3, mrSumAssign4};
    static const char* const kSources[] = {
        "LabelMassFlow",       "LabelVolumeFlow", "LabelDensity", "LabelTemperature",
        "LabelCorrVolumeFlow", "LabelRefDensity", "LabelSum1",    "LabelSum2",
        "LabelSum3",           "LabelSum4"};
    const bool indicatorPolled = ui_->MenuInd->isChecked();
    const std::tuple<QComboBox*, QLabel*, QLabel*> fields[] = {
        {ui_->ComboField1, ui_->LabelField1, ui_->LabelF1Units},
        {ui_->ComboField1Mix, ui_->LabelField1Mix, ui_->LabelF1MixUnits},
        {ui_->ComboField2, ui_->LabelField2, ui_->LabelF2Units},
        {ui_->ComboField2Mix, ui_->LabelField2Mix, ui_->LabelF2MixUnits},
    };
    for (const auto& [combo, value, unit] : fields) {
        const int index = combo->currentIndex();
        int mr = -1;
        if (index >= 0 && index < 10) {
            const bool unused = index >= 6 && p_.Image.ModbusRegs[kAssignOfTotal[index - 6]] == 0;
            const auto* source = findChild<QLabel*>(QString::fromLatin1(kSources[index]));
            const std::optional<Binding> b =
                source ? descriptors_->DescriptorOf(source) : std::nullopt;
            if (!unused && b && !b->Dsp) mr = b->Id;
        } else if (index == 10 || index == 11) {
            mr = index == 10 ? mrFrequencyH : mrDelayH;
        }
        const bool stale =
            online && mr >= 0 && freshness_->Stale(mr, indicatorPolled, now, interval);
        const QString tip = ReceivedTip(mr >= 0 ? freshness_->Received(mr) : 0.0);
        ShowStale(value, stale, tip);
        ShowStale(unit, stale, tip);
    }

    const bool silent = online && freshness_->Silent(now, interval);
    if (silent) noAnswer_->setText(Str(kStrNoAnswerSince).arg(TimeOfDay(freshness_->LastAnswer())));
    noAnswer_->setVisible(silent);
}

}  // namespace tarvix
