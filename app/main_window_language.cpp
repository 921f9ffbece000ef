// TForm1: switching the language from the "Language" menu. Every open window takes its texts
// again from the selected module in place (QEvent::LanguageChange: retranslateUi for the
// compiled forms, QUiLoader's own watcher for the pages); then what the window builds at run
// time follows: tree captions, device menus and parameter texts from the built-in tables, the
// display formats, the unit lists. No control is made or destroyed, nothing is read from or
// written to the device, and what the user has typed or chosen on the pages stays.
#include "main_window.h"

#include "app/language_module.h"
#include "app/navigation.h"
#include "base/string_table.h"
#include "formats/value_formats.h"
#include "pages/forms/page_forms.h"
#include "pages/point_table_pages.h"
#include "pages/status_display.h"
#include "pages/unit_rules.h"
#include "pages/value_service.h"
#include "session/program.h"
#include "session/save_outcome.h"
#include "tools/corio_page.h"
#include "tools/live_values.h"
#include "ui_main_window.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalBlocker>
#include <QTableWidget>

#include <vector>

namespace tarvix {
namespace {

// A page control's input as the user left it: a combo's choice or an edit's text, and its
// modified mark.
struct KeptInput {
    QPointer<QWidget> control;
    int index = -1;
    int count = 0;  // a combo's items: one not filled yet stays empty
    QString text;
    int tag = 0;
};

std::vector<KeptInput> KeepInputs(const QWidget& pages) {
    std::vector<KeptInput> kept;
    for (QComboBox* c : pages.findChildren<QComboBox*>())
        kept.push_back({c, c->currentIndex(), c->count(), QString(), ControlTag(c)});
    for (QLineEdit* e : pages.findChildren<QLineEdit*>()) {
        // A combo's own line edit goes with its combo.
        if (qobject_cast<QComboBox*>(e->parentWidget())) continue;
        kept.push_back({e, -1, 0, e->text(), ControlTag(e)});
    }
    return kept;
}

void RestoreInputs(const std::vector<KeptInput>& kept) {
    for (const KeptInput& k : kept) {
        if (!k.control) continue;
        const QSignalBlocker quiet(k.control);
        if (auto* c = qobject_cast<QComboBox*>(k.control)) {
            if (k.count == 0) c->clear();
            if (k.index < c->count()) c->setCurrentIndex(k.index);
        } else if (auto* e = qobject_cast<QLineEdit*>(k.control)) {
            e->setText(k.text);
        }
        SetControlTag(k.control, k.tag);
    }
}

bool AnyText(const QTableWidget& grid) {
    for (int r = 0; r < grid.rowCount(); ++r) {
        for (int c = 0; c < grid.columnCount(); ++c) {
            if (const QTableWidgetItem* item = grid.item(r, c); item && !item->text().isEmpty())
                return true;
        }
    }
    return false;
}

}  // namespace

void TForm1::MenuEnglishClick(QAction* sender) {
    p_.LangIndex = sender == ui_->MenuEnglish ? kLangEnglish : kLangRussian;
    // A module that cannot be loaded leaves the windows' texts; the built-in tables follow
    // LangIndex all the same, and the choice is kept.
    const bool selected = language_->Select(p_.LangIndex);
    const bool stored = p_.Settings.WriteInteger(QStringLiteral("Languages"),
                                                 QStringLiteral("Selected"), p_.LangIndex);

    QComboBox* const fields[] = {ui_->ComboField1, ui_->ComboField1Mix, ui_->ComboField2,
                                 ui_->ComboField2Mix};
    int fieldIndex[4];
    for (int i = 0; i < 4; ++i) fieldIndex[i] = fields[i]->currentIndex();
    const std::vector<KeptInput> kept = KeepInputs(*ui_->PageControl1);
    // Unsaved edits keep their page in sight; otherwise the switch starts from the start page.
    const bool editsPending = ui_->ButtonSave->isEnabled();

    ui_->TreeView1->hide();
    // The translators' changes reach the windows as posted events: taken now, so that what
    // follows is built on the new texts.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    if (!editsPending) {
        ShowPage(kPageStart);
        SelectNode(0);
        rememberedNode_ = 0;
    }
    SetTreeCaptions(p_.LangIndex);
    ui_->TreeView1->show();

    // Menus of the descriptors in the new language, with the user's formats over them; the
    // unit lists follow the choices the user left, then the labels show their values again.
    descriptors_->Build(p_.LangIndex);
    LoadValueFormats(p_.Settings, *descriptors_);
    RestoreInputs(kept);
    units_->RefillAll();
    RestoreInputs(kept);
    ReshowPages();
    sender->setChecked(true);

    switch (p_.Worker.WorkMode.load()) {
        case kModeOnline:
            SetStatus(1, Str(kStrConnected));
            RefreshIndicatorFields();
            ShowDeviceStatus(0);
            break;
        case kModeFile:
            SetStatus(1, Str(kStrFileMode));
            break;
        default:
            ShowDisconnected();
            break;
    }
    p_.JournalList.Clear();
    const int filter = p_.Log.JournalFilter();
    (filter == kFilterAll      ? ui_->MenuAll
     : filter == kFilterErrors ? ui_->MenuErrors
                               : ui_->MenuNone)
        ->setChecked(true);
    for (int i = 0; i < 4; ++i) {
        const QSignalBlocker quiet(fields[i]);
        fields[i]->setCurrentIndex(fieldIndex[i]);
    }
    SetStatus(0, p_.Com.PortName);
    SetStatus(3, indicatorLog_.IsOn() ? Str(kStrIndicatorLog) : QString());
    // The stale values' tips and "no answer since" in the new language at once, not at the
    // next freshness tick.
    ShowFreshness();
    if (!selected) {
        p_.Log.WriteJournal(
            Str(kStrLanguageModuleUnusable).arg(QDir::toNativeSeparators(language_->ModulePath())),
            kJournalError);
    }
    if (!stored) {
        p_.Log.WriteJournal(Str(kStrSettingsNotWritten).arg(p_.Settings.FileName()), kJournalError);
    }
}

void TForm1::ReshowPages() {
    RetitlePages();
    descriptors_->ReshowLabels();
    if (tables_) tables_->SetHeaders();
    if (live_) live_->SetTexts();
    if (auto* corio = findChild<CorioPage*>()) corio->ShowInLanguage();
    if (auto* grid = findChild<QTableWidget*>(QStringLiteral("StringGridErrors"))) {
        const bool shown = AnyText(*grid);
        SetupMessageGrid(grid);
        if (shown) ShowMessageRows(grid, MessageRows(p_.Image, p_.LangIndex));
    }
}

void TForm1::RetitlePages() {
    for (int page = 0; page < kPageCount; ++page) {
        if (QWidget* w = PageWidget(page)) RetitlePageCaptions(*w, p_.LangIndex);
    }
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        ui_->retranslateUi(this);
        RetranslateShell();
    }
    QMainWindow::changeEvent(event);
}

void TForm1::RetranslateShell() {
    labelGot_->setToolTip(tr("Успешных обменов с расходомером"));
    labelLost_->setToolTip(tr("Неудачных обменов с расходомером"));
    if (auto* l = findChild<QLabel*>(QStringLiteral("LabelExchanges"))) l->setText(tr("Обменов:"));
    if (auto* l = findChild<QLabel*>(QStringLiteral("LabelExchangeErrors")))
        l->setText(tr("ошибок:"));
    // A refused save still on show is said again in the new language (its counts are kept).
    if (saveFailure_ && saveOutcome_ && saveOutcome_->Failed())
        saveFailure_->setText(saveOutcome_->Text());
}

}  // namespace tarvix
