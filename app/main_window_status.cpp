// TForm1: the device status — the lamp, count and marks of the Errors page and of the
// indicator, the message list, the data error address and the micro switches.
#include "main_window.h"

#include "model/register_ids.h"
#include "pages/status_display.h"
#include "session/program.h"
#include "ui_main_window.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QTableWidget>

namespace tarvix {
namespace {

// The micro switch boxes only display: entering one hands the focus back to the tree, so the
// keyboard never rests on a control that cannot be changed.
class FocusToTree : public QObject {
  public:
    FocusToTree(QWidget* tree, QObject* parent) : QObject(parent), tree_(tree) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn && tree_) tree_->setFocus(Qt::OtherFocusReason);
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget* tree_;
};

}  // namespace

void TForm1::InstallStatusHooks() {
    SetupMessageGrid(findChild<QTableWidget*>(QStringLiteral("StringGridErrors")));
    auto* filter = new FocusToTree(ui_->TreeView1, this);
    for (const char* name : {"CheckBoxMicroSwitch1", "CheckBoxMicroSwitch2"}) {
        auto* box = findChild<QCheckBox*>(QString::fromLatin1(name));
        if (!box) continue;
        box->installEventFilter(filter);
        // A click is undone at once: the boxes show the switches, they do not set them.
        connect(box, &QCheckBox::clicked, this, &TForm1::ShowMicroSwitches);
    }
}

void TForm1::ShowDeviceStatus(std::uint16_t flag) {
    const StatusSummary s = SummaryOf(p_.Image.ModbusRegs[mrCommonNotice]);
    QLabel* const marks[] = {ui_->LabelSE, ui_->LabelSW, ui_->LabelPE, ui_->LabelPW};
    ShowStatusSummary(s, ui_->ShapeErrorI, ui_->LabelErrCntI, marks);
    ShowStatusSummary(s, findChild<QFrame*>(QStringLiteral("ShapeErrStatus")),
                      findChild<QLabel*>(QStringLiteral("LabelErrCount")));
    if (flag == kFlagErrors) {
        ShowMessageRows(findChild<QTableWidget*>(QStringLiteral("StringGridErrors")),
                        MessageRows(p_.Image, p_.LangIndex));
    }
}

void TForm1::HighlightLabelErr() {
    const bool shown = DataErrorShown(p_.Image.ModbusRegs[mrErr]);
    for (const char* name : {"CaptionErr", "LabelErr"}) {
        if (auto* w = findChild<QWidget*>(QString::fromLatin1(name))) w->setVisible(shown);
    }
}

void TForm1::ShowMicroSwitches() {
    ShowMicroSwitchBoxes(MicroSwitchesOf(p_.Image.ModbusRegs[mrCodeInternalAdc]),
                         findChild<QCheckBox*>(QStringLiteral("CheckBoxMicroSwitch1")),
                         findChild<QCheckBox*>(QStringLiteral("CheckBoxMicroSwitch2")));
}

}  // namespace tarvix
