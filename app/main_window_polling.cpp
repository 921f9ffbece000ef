// TForm1: the register polling page joined to the poll cycle — its reads go into every
// poll list while its "Опрос" box is ticked, whatever page is shown, and the distribution of
// a register polling list brings it one row of values.
#include "main_window.h"

#include "base/user_error.h"
#include "pages/value_service.h"
#include "tools/par_vals_page.h"

namespace tarvix {

void TForm1::InstallPollingHooks() {
    auto* page = findChild<QWidget*>(QStringLiteral("PageParVals"));
    if (!page) return;
    ParValsPage::Services services;
    services.Text = [this](int mr, bool high) {
        try {
            return descriptors_->ValueText(mr, false, high, false);
        } catch (const UserError& e) {
            // A format that cannot show the value: its message stands in the cell, which is
            // then no number to plot.
            return e.message();
        }
    };
    services.AskName = [this](const QString& prompt) { return inputBox_(this, prompt, QString()); };
    services.Warn = [this](const QString& text) {
        message_(this, QMessageBox::Warning, text, QMessageBox::Ok);
    };
    parVals_ = std::make_unique<ParValsPage>(p_, *grids_, *page, std::move(services));
    parVals_->FillLists();

    auto requests = std::move(hooks_.ExtraPollRequests);
    hooks_.ExtraPollRequests = [this, requests](ModbusList& L) {
        if (requests) requests(L);
        parVals_->AppendRequests(L);
    };
    DistributeHooks& d = connection_->Distribution();
    auto refresh = std::move(d.Refresh);
    d.Refresh = [this, refresh](std::uint16_t flag) {
        if (flag == kFlagRegisterPolling) {
            parVals_->Arrived();
        } else if (refresh) {
            refresh(flag);
        }
    };
}

}  // namespace tarvix
