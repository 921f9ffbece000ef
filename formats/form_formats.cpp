#include "formats/form_formats.h"

#include "base/string_table.h"
#include "base/user_error.h"
#include "formats/value_formats.h"
#include "link/modbus_rtu.h"
#include "model/param_table.h"
#include "pages/message_box.h"
#include "pages/numeric_picture.h"
#include "pages/page_requests.h"
#include "pages/value_service.h"
#include "session/distribute.h"
#include "session/program.h"
#include "ui_form_formats.h"

#include <QEvent>
#include <QListWidgetItem>

namespace tarvix {
namespace {

// The list item's data role that carries its row of the parameter table.
constexpr int kRowRole = Qt::UserRole;

}  // namespace

TFormFormats::TFormFormats(Program& program, Descriptors& descriptors, const DistributeHooks& hooks,
                           QWidget* parent)
    : QDialog(parent),
      p_(program),
      descriptors_(descriptors),
      hooks_(hooks),
      ui_(std::make_unique<Ui::TFormFormats>()) {
    ui_->setupUi(this);
    message_ = [](QWidget* owner, const QString& text) {
        ShowProgramMessage(owner, QMessageBox::Warning, text, QMessageBox::Ok);
    };
    // Every row up to the measuring module's: the register rows with the group rows among
    // them, so the list reads as the parameter tree does.
    for (int row = 0; row < FirstDspRow; ++row) {
        auto* item = new QListWidgetItem(ParamName(row), ui_->ListBox1);
        item->setData(kRowRole, row);
    }
    ui_->ListBox1->setCurrentRow(0);
    ui_->LabelOk->hide();
    ui_->LabelErr->hide();
    // A handler's error (the operation list stays busy) ends in the error box, as the main
    // window shows its own.
    const auto guarded = [this](void (TFormFormats::*handler)()) {
        return [this, handler] {
            try {
                (this->*handler)();
            } catch (const UserError& e) {
                message_(this, e.message());
            }
        };
    };
    connect(ui_->ListBox1, &QListWidget::currentRowChanged, this,
            guarded(&TFormFormats::ListBox1Click));
    connect(ui_->EditFormat, &QLineEdit::textChanged, this, &TFormFormats::EditFormatChange);
    connect(ui_->EditValue, &QLineEdit::textChanged, this, &TFormFormats::EditFormatChange);
    connect(ui_->ButtonSave, &QPushButton::clicked, this, guarded(&TFormFormats::ButtonSaveClick));
    connect(ui_->ButtonCurVal, &QPushButton::clicked, this,
            guarded(&TFormFormats::ButtonCurValClick));
    connect(ui_->Button2, &QPushButton::clicked, this, &QDialog::accept);
}

TFormFormats::~TFormFormats() = default;

void TFormFormats::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    try {
        ListBox1Click();
    } catch (const UserError& e) {
        message_(this, e.message());
    }
}

int TFormFormats::SelectedRow() const {
    const QListWidgetItem* item = ui_->ListBox1->currentItem();
    return item ? item->data(kRowRole).toInt() : 0;
}

void TFormFormats::SelectRow(int row) {
    if (row >= 0 && row < ui_->ListBox1->count()) ui_->ListBox1->setCurrentRow(row);
}

void TFormFormats::ShowError(const QString& text, const QString& hint) {
    ui_->LabelErr->setText(text);
    ui_->LabelErr->setToolTip(hint);
    ui_->LabelErr->show();
}

void TFormFormats::ListBox1Click() {
    const int row = SelectedRow();
    const int type = ParamRegs[static_cast<std::size_t>(row)].Type;
    ui_->LabelFullName->setText(ParamTitle(row, p_.LangIndex));
    ui_->MemoContext->setPlainText(ParamHint(row, p_.LangIndex));
    const int id = FormatId(row);
    const ValueService* dc = id >= 0 ? descriptors_.DC(id) : nullptr;
    QString format = dc ? dc->Desc.Format : QString();
    if (format.isEmpty())
        format = type == kTypeWord ? QStringLiteral("%d") : QStringLiteral("0.000");
    ui_->EditFormat->setText(format);
    EditFormatChange();  // also when the text was already there
    ui_->LabelType->setText(Str(type == kTypeWord    ? kStrTypeInteger
                                : type == kTypeFloat ? kStrTypeFloat
                                                     : kStrTypeCommentary));
    ui_->LabelOk->hide();
    ButtonCurValClick();
}

void TFormFormats::EditFormatChange() {
    const int row = SelectedRow();
    const int type = ParamRegs[static_cast<std::size_t>(row)].Type;
    try {
        ui_->Label1->setText(FormatExample(type, ui_->EditFormat->text(), ui_->EditValue->text(),
                                           descriptors_.DecimalSeparator()));
        ui_->LabelErr->hide();
    } catch (const UserError& e) {
        // The example keeps what it showed; the reason stays in sight while the user types.
        ShowError(e.message(), e.message());
    }
    ui_->LabelOk->hide();
}

void TFormFormats::ButtonSaveClick() {
    const int row = SelectedRow();
    if (FormatId(row) < 0) return;  // group rows carry no value
    try {
        SaveValueFormat(p_.Settings, descriptors_, row, ui_->EditFormat->text());
    } catch (const UserError& e) {
        // A refused format is not saved: a page would show the error in place of the value.
        ShowError(e.message(), e.message());
        message_(this, e.message());
        return;
    }
    ui_->LabelOk->show();
}

void TFormFormats::ButtonCurValClick() {
    const int id = FormatId(SelectedRow());
    if (id < 0) return;
    ModbusLists& lists = *p_.Lists;
    ModbusList& op = lists.OpList;
    if (!p_.WaitOpList()) throw UserError(Str(kStrExchangeTimeout));
    lists.ResetList(op);
    AddRead(op, id);
    op.Launch();
    if (!p_.WaitOpList()) {
        // The list belongs to the worker until it lets go: ask it to give up and wait for
        // that, so that nothing is read from or refilled into a list it still writes.
        op.Abort.store(1, std::memory_order_release);
        p_.WaitOpList();
        ShowError(Str(kStrExchangeTimeout));
        return;
    }
    const int result = op.Result[0];
    if (DistributeResults(p_, op, hooks_) > 0) {
        ShowError(ResultText(result));
        return;
    }
    const int type = RegType(id);
    ui_->EditValue->setText(
        type == kTypeFloat
            ? GeneralFloatText(p_.Image.ReadFloat(id), descriptors_.DecimalSeparator())
            : QString::number(p_.Image.ModbusRegs[static_cast<std::size_t>(id)]));
}

void TFormFormats::changeEvent(QEvent* event) {
    // The language is switched from the main window while this modal dialog is closed; what
    // it shows at run time is set again when it opens.
    if (event->type() == QEvent::LanguageChange) ui_->retranslateUi(this);
    QDialog::changeEvent(event);
}

}  // namespace tarvix
