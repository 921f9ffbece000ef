// TForm1: the measuring module's pages joined to the window — the controller reset, the
// signal recording and transfer with their charts and files, and the ADC codes in every poll
// cycle while their box is ticked.
#include "main_window.h"

#include "base/string_table.h"
#include "pages/page_requests.h"
#include "session/program.h"
#include "tools/dsp_signals.h"
#include "tools/signal_pages.h"

#include <QCheckBox>
#include <QCursor>
#include <QGuiApplication>
#include <QPushButton>

namespace tarvix {
namespace {

template <typename Slot>
void OnClick(QWidget* root, const char* name, QObject* context, Slot slot) {
    if (auto* b = root->findChild<QAbstractButton*>(QString::fromLatin1(name)))
        QObject::connect(b, &QAbstractButton::clicked, context, slot);
}

}  // namespace

void TForm1::InstallSignalHooks() {
    auto* signalsPage = findChild<QWidget*>(QStringLiteral("PageSignals"));
    auto* filteredPage = findChild<QWidget*>(QStringLiteral("PageFiltered"));
    auto* adcPage = findChild<QWidget*>(QStringLiteral("PageADC"));
    if (!signalsPage || !filteredPage || !adcPage) return;
    dsp_ = std::make_unique<DspSignals>(p_, *connection_);
    signalPages_ = std::make_unique<SignalPages>(*grids_, *signalsPage, *filteredPage, *adcPage);

    OnClick(this, "ButtonResetDsp", this, [this] { ResetDsp(); });
    OnClick(this, "ButtonCapture", this, [this] { CaptureSignals(); });
    OnClick(this, "Button2", this, [this] { CaptureSignals(); });
    OnClick(this, "ButtonTransferSignals", this, [this] { TransferSignals(SignalKind::Raw); });
    OnClick(this, "ButtonTransferFiltered", this,
            [this] { TransferSignals(SignalKind::Filtered); });
    OnClick(this, "ButtonSignalsSave", this, [this] { SaveSignals(SignalKind::Raw); });
    OnClick(this, "ButtonFilteredSave", this, [this] { SaveSignals(SignalKind::Filtered); });
    OnClick(this, "ButtonSignalsLoad", this, [this] { LoadSignals(SignalKind::Raw); });
    OnClick(this, "ButtonFilteredLoad", this, [this] { LoadSignals(SignalKind::Filtered); });
    OnClick(this, "ButtonSaveAdc", this, [this] { signalPages_->SaveAdc(this); });
    OnClick(this, "Button5", this, [this] { signalPages_->ClearAdc(); });

    connect(dsp_.get(), &DspSignals::SignalsReady, this,
            [this](SignalKind kind) { signalPages_->Fill(kind, p_.Lists->SignalBuffer); });
    connect(dsp_.get(), &DspSignals::TransferEnded, this,
            [this](SignalKind kind) { signalPages_->ShowTransfer(kind, false); });

    auto requests = std::move(hooks_.ExtraPollRequests);
    hooks_.ExtraPollRequests = [this, requests](ModbusList& L) {
        if (requests) requests(L);
        if (signalPages_->AdcPolled()) AddAdcRead(L);
    };
    DistributeHooks& d = connection_->Distribution();
    d.AdcCodesArrived = [this](const std::array<std::int32_t, 6>& codes) {
        signalPages_->AddAdcRow(codes);
    };
    d.SignalsArrived = [this](std::uint16_t flag) { dsp_->Arrived(flag); };
}

void TForm1::ResetDsp() {
    if (p_.Worker.WorkMode.load() == kModeOffline) {
        ConnectFirst([this] { ResetDsp(); });
        return;
    }
    dsp_->ResetController();
}

void TForm1::CaptureSignals() {
    if (p_.Worker.WorkMode.load() == kModeOffline) {
        ConnectFirst([this] { CaptureSignals(); });
        return;
    }
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    CaptureOutcome outcome = CaptureOutcome::NotRecorded;
    try {
        outcome = dsp_->Record();
    } catch (const std::exception& e) {
        QGuiApplication::restoreOverrideCursor();
        HandleError(e);
        return;
    }
    QGuiApplication::restoreOverrideCursor();
    if (outcome == CaptureOutcome::StartFailed)
        message_(this, QMessageBox::Critical, Str(kStrExchangeError), QMessageBox::Ok);
}

void TForm1::TransferSignals(SignalKind kind) {
    if (dsp_->Running()) {
        if (*dsp_->Running() == kind) dsp_->AbortTransfer();
        return;
    }
    if (p_.Worker.WorkMode.load() == kModeOffline) {
        ConnectFirst([this, kind] { TransferSignals(kind); });
        return;
    }
    if (message_(this, QMessageBox::Question, Str(kStrTransferConfirm),
                 QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return;
    try {
        p_.WaitOpList();
    } catch (const std::exception& e) {
        HandleError(e);
        return;
    }
    if (dsp_->StartTransfer(kind)) signalPages_->ShowTransfer(kind, true);
}

void TForm1::SaveSignals(SignalKind kind) {
    const QString problem = signalPages_->SaveChart(this, kind);
    if (!problem.isEmpty()) message_(this, QMessageBox::Critical, problem, QMessageBox::Ok);
}

void TForm1::LoadSignals(SignalKind kind) {
    const QString problem = signalPages_->LoadChart(this, kind);
    if (!problem.isEmpty()) message_(this, QMessageBox::Critical, problem, QMessageBox::Ok);
}

}  // namespace tarvix
