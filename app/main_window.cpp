#include "main_window.h"

#include "app/language_module.h"
#include "app/navigation.h"
#include "base/string_table.h"
#include "base/user_error.h"
#include "connect/form_connecting.h"
#include "connect/form_setup_com.h"
#include "formats/value_formats.h"
#include "model/param_table.h"
#include "pages/forms/page_forms.h"
#include "pages/point_table_pages.h"
#include "pages/unit_rules.h"
#include "pages/value_service.h"
#include "session/config_file_mode.h"
#include "session/program.h"
#include "session/save_outcome.h"
#include "session/value_freshness.h"
#include "tools/dsp_signals.h"
#include "tools/form_cur_calibr.h"
#include "tools/grid_files.h"
#include "tools/live_values.h"
#include "tools/par_vals_page.h"
#include "tools/signal_pages.h"
#include "ui_main_window.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace tarvix {

TForm1::TForm1(Program& program, QWidget* parent)
    : QMainWindow(parent),
      p_(program),
      language_(SelectStartLanguage(program)),
      ui_(std::make_unique<Ui::TForm1>()) {
    ui_->setupUi(this);
    message_ = &ShowProgramMessage;
    inputBox_ = [](QWidget* owner, const QString& prompt, const QString& def) {
        bool ok = false;
        const QString text = QInputDialog::getText(owner, Str(kStrProgramTitle), prompt,
                                                   QLineEdit::Normal, def, &ok);
        return ok ? std::optional<QString>(text) : std::nullopt;
    };
    chooseFile_ = &ShowConfigFileDialog;
    // The connection and its worker live from here to the end of the program.
    connection_ = std::make_unique<ConnectionController>(p_);
    InstallConfigFileStamp(p_, *connection_);
    connection_->StartWorker();
    ConnectCycles();

    BuildMenus();
    InstallIndicatorLog();
    BuildStatusBar();
    BuildPages();
    BuildTree();
    grids_ = std::make_unique<GridFiles>(p_.Folder);

    (p_.LangIndex == 1 ? ui_->MenuEnglish : ui_->MenuRussian)->setChecked(true);
    // The measuring module's EEPROM dump is a service function.
    ui_->MenuDspEeprom->setVisible(AccessLevel < 3);
    ui_->MenuSwitchOfflineWhenNoAnswer->setChecked(connection_->SwitchOfflineWhenNoAnswer());

    ui_->ListBoxLog->setModel(&p_.JournalList);
    connect(&p_.JournalList, &JournalModel::LineAppended, this, [this](int row) {
        const QModelIndex index = p_.JournalList.index(row);
        ui_->ListBoxLog->setCurrentIndex(index);
        ui_->ListBoxLog->scrollTo(index);
    });
    ui_->SplitterLog->setStretchFactor(0, 1);
    ui_->SplitterLog->setStretchFactor(1, 0);
    // The window was built in the language of the start; the change events the selection of
    // its texts posted have nothing left to do.
    QCoreApplication::removePostedEvents(this, QEvent::LanguageChange);
}

TForm1::~TForm1() {
    // The worker must be stopped before the lists and the port it uses go away.
    connection_.reset();
}

void TForm1::SetDialogs(TFormSetupCom* setupCom, TFormConnecting* connecting) {
    setupCom_ = setupCom;
    connecting_ = connecting;
    connection_->SetLine(setupCom);
    if (connecting_) {
        connect(connecting_, &TFormConnecting::OfflineRequested, this, &TForm1::GoOffline);
    }
}

void TForm1::BuildMenus() {
    auto* modes = new QActionGroup(this);
    for (QAction* a : {ui_->MenuOnline, ui_->MenuOffline, ui_->MenuFile}) modes->addAction(a);
    auto* levels = new QActionGroup(this);
    for (QAction* a : {ui_->MenuAll, ui_->MenuErrors, ui_->MenuNone}) levels->addAction(a);
    auto* languages = new QActionGroup(this);
    for (QAction* a : {ui_->MenuRussian, ui_->MenuEnglish}) {
        languages->addAction(a);
        connect(a, &QAction::triggered, this, [this, a] { MenuEnglishClick(a); });
    }

    // The mode items show the mode; only the commands move the check mark, so a click first
    // puts the mark back where it was and then runs the command.
    connect(ui_->MenuOnline, &QAction::triggered, this, [this] {
        SetModeItem(modeItem_);
        GoOnline();
    });
    connect(ui_->MenuOffline, &QAction::triggered, this, [this] {
        SetModeItem(modeItem_);
        GoOffline();
    });
    connect(ui_->MenuFile, &QAction::triggered, this, [this] {
        SetModeItem(modeItem_);
        UseConfigFile();
    });
    connect(ui_->MenuChooseFile, &QAction::triggered, this, &TForm1::ChooseConfigFile);
    // N19 "Выход", N15 "Настройки связи...", N14 the journal's "Очистить".
    connect(ui_->N19, &QAction::triggered, this, &QWidget::close);
    connect(ui_->N15, &QAction::triggered, this, &TForm1::OpenComSettings);
    connect(ui_->MenuPollInterval, &QAction::triggered, this, &TForm1::AskPollInterval);
    connect(ui_->MenuSwitchOfflineWhenNoAnswer, &QAction::triggered, this,
            &TForm1::KeepSwitchOfflineChoice);
    connect(ui_->N14, &QAction::triggered, this, [this] { p_.JournalList.Clear(); });
    connect(ui_->MenuAll, &QAction::triggered, this,
            [this] { p_.Log.SetJournalFilter(kFilterAll); });
    connect(ui_->MenuErrors, &QAction::triggered, this,
            [this] { p_.Log.SetJournalFilter(kFilterErrors); });
    connect(ui_->MenuNone, &QAction::triggered, this,
            [this] { p_.Log.SetJournalFilter(kFilterNothing); });
    connect(ui_->ButtonSave, &QPushButton::clicked, this, &TForm1::SavePage);
    connect(ui_->ButtonCancel, &QPushButton::clicked, this, &TForm1::RereadPage);
}

void TForm1::BuildStatusBar() {
    const int widths[5] = {150, 230, 0, 130, 0};
    for (int i = 0; i < 5; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        if (widths[i] > 0) label->setMinimumWidth(widths[i]);
        ui_->StatusBar1->addWidget(label, i == 2 ? 1 : 0);
        statusPanels_[i] = label;
    }
    labelGot_ = new QLabel(QStringLiteral("0"), this);
    labelGot_->setObjectName(QStringLiteral("LabelGot"));
    labelGot_->setToolTip(tr("Успешных обменов с расходомером"));
    labelLost_ = new QLabel(QStringLiteral("0"), this);
    labelLost_->setObjectName(QStringLiteral("LabelLost"));
    labelLost_->setToolTip(tr("Неудачных обменов с расходомером"));
    auto* exchanges = new QLabel(tr("Обменов:"), this);
    exchanges->setObjectName(QStringLiteral("LabelExchanges"));
    ui_->StatusBar1->addPermanentWidget(exchanges);
    ui_->StatusBar1->addPermanentWidget(labelGot_);
    auto* errors = new QLabel(tr("ошибок:"), this);
    errors->setObjectName(QStringLiteral("LabelExchangeErrors"));
    ui_->StatusBar1->addPermanentWidget(errors);
    ui_->StatusBar1->addPermanentWidget(labelLost_);
}

void TForm1::BuildPages() {
    // Each page is its own form; a scroll area around it keeps every row reachable when the
    // window is at its smallest height.
    for (int i = 0; i < kPageCount; ++i) {
        const QString name = PageName(i);
        auto* scroll = new QScrollArea(ui_->PageControl1);
        scroll->setObjectName(name + QStringLiteral("Scroll"));
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        QWidget* page = LoadPageForm(name, scroll);
        if (!page) {
            page = new QWidget(scroll);
            page->setObjectName(name);
        }
        scroll->setWidget(page);
        ui_->PageControl1->addWidget(scroll);
    }
    descriptors_ = std::make_unique<Descriptors>(p_.Image, this);
}

void TForm1::SetModeItem(QAction* item) {
    modeItem_ = item ? item : ui_->MenuOffline;
    modeItem_->setChecked(true);
}

void TForm1::SetStatus(int panel, const QString& text) {
    if (panel >= 0 && panel < 5) statusPanels_[panel]->setText(text);
}

QString TForm1::StatusText(int panel) const {
    return (panel >= 0 && panel < 5 && statusPanels_[panel]) ? statusPanels_[panel]->text()
                                                             : QString();
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        FormShow();
    }
}

void TForm1::FormShow() {
    // A fixed width, as the pages are laid out for it; the height may grow.
    resize(width(), 522 + menuBar()->height() + statusBar()->sizeHint().height());
    setMinimumWidth(width());
    setMaximumWidth(width());
    setMinimumHeight(height());
    ui_->SplitterLog->setSizes({height(), 49});
    ShowPage(kPageStart);

    p_.Log.Open();
    ShowDisconnected();
    p_.Log.WriteJournal(Str(kStrDisconnected), kJournalInfo);
    if (setupCom_) {
        try {
            setupCom_->LoadSettings();
        } catch (const std::exception& e) {
            HandleError(e);
        }
    }
    SetStatus(0, p_.Com.PortName);
    p_.Log.SetJournalFilter(kFilterAll);
    ui_->MenuAll->setChecked(true);
    if (!language_->StartNote.isEmpty()) p_.Log.WriteJournal(language_->StartNote, kJournalError);
    descriptors_->Build(p_.LangIndex);
    // The user's display formats replace the catalogue's before the combos show values.
    LoadValueFormats(p_.Settings, *descriptors_);
    descriptors_->FillCombos();
    RetitlePages();
    InstallPageHooks();
    InstallStatusHooks();
    InstallLiveHooks();
    InstallCorioPage();
    InstallKeyboardNavigation();
    InstallFreshness();
    InstallSaveOutcome();
    InstallPollingHooks();
    InstallSignalHooks();
    SetTreeCaptions(p_.LangIndex);
    PruneTree();
    SelectNode(0);
    rememberedNode_ = 0;
    p_.Started = true;
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Closed while the wizard is open (a signal to quit): the wizard's own closing takes the
    // current output out of simulation first.
    if (curCalibr_ && curCalibr_->isVisible()) curCalibr_->reject();
    connection_->PollTimer().stop();
    connection_->OperationTimer().stop();
    connection_->RetryTimer().stop();
    // Closed once: a second close (the end of a desktop session after "Выход") adds nothing.
    if (p_.Started) p_.Log.Close();
    p_.Started = false;
    p_.ConfigFile.Release();
    event->accept();
}

void TForm1::ShowDeadWorker() {
    // The controller announces the death once; the box is shown once whatever else asks.
    if (deadShown_) return;
    deadShown_ = true;
    message_(this, QMessageBox::Critical, Str(kStrWorkerStoppedRestart), QMessageBox::Ok);
}

void TForm1::HandleError(const std::exception& e) {
    const auto* user = dynamic_cast<const UserError*>(&e);
    if (user && p_.Worker.WorkerDead.load() && user->message() == Str(kStrWorkerStoppedRestart)) {
        ShowDeadWorker();
        return;
    }
    message_(this, QMessageBox::Critical, user ? user->message() : QString::fromLocal8Bit(e.what()),
             QMessageBox::Ok);
}

}  // namespace tarvix
