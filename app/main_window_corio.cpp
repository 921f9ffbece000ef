// TForm1: the single-parameter page joined to the window — its errors in the standard error
// box, the connect-first question, and TimerCorio running only while the page is shown: every
// tree click stops it, and entering the page (also entering it again) follows its check box.
#include "main_window.h"

#include "app/navigation.h"
#include "pages/value_service.h"
#include "tools/corio_page.h"
#include "ui_main_window.h"

#include <QMessageBox>
#include <QStackedWidget>
#include <QTreeWidget>

namespace tarvix {

void TForm1::InstallCorioPage() {
    QWidget* page = PageWidget(kPageCorio);
    if (!page) return;
    CorioPage::Hooks hooks;
    hooks.ShowError = [this](const QString& message) {
        message_(this, QMessageBox::Critical, message, QMessageBox::Ok);
    };
    hooks.ConnectFirst = [this](std::function<void()> action) { ConnectFirst(std::move(action)); };
    hooks.DspValues = [this]() -> DspValueArray& { return descriptors_->DspValues(); };
    hooks.DecimalSeparator = [this] { return descriptors_->DecimalSeparator(); };
    hooks.DisplayFormat = [this](int id) {
        const ValueService* service = descriptors_->DC(id);
        return service ? service->Desc.Format : QString();
    };
    auto* corio = new CorioPage(p_, *connection_, *page, std::move(hooks));

    QTreeWidget* tree = ui_->TreeView1;
    connect(tree, &QTreeWidget::itemClicked, corio, &CorioPage::StopTimer);
    connect(tree, &QTreeWidget::itemActivated, corio, &CorioPage::StopTimer);
    connect(ui_->PageControl1, &QStackedWidget::currentChanged, corio, [corio](int shown) {
        if (shown == kPageCorio) {
            corio->FollowPollBox();
        } else {
            corio->StopTimer();
        }
    });
    // The page read of the page already shown (its node clicked again) changes no page.
    connect(connection_.get(), &ConnectionController::OperationFinished, corio,
            [this, corio](const OperationOutcome& outcome) {
                if (outcome.tag == kPageCorio && ActivePage() == kPageCorio) corio->FollowPollBox();
            });
}

}  // namespace tarvix
