// TForm1: the pages' values — reading a page, its poll list, writing its modified values,
// showing what arrives, and marking what the user changes.
#include "main_window.h"

#include "app/navigation.h"
#include "base/string_table.h"
#include "model/register_ids.h"
#include "pages/forms/page_forms.h"
#include "pages/page_requests.h"
#include "pages/unit_rules.h"
#include "pages/value_service.h"
#include "session/program.h"
#include "ui_main_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>

namespace tarvix {
void TForm1::RefreshIndicatorField(QComboBox* selector, QLabel* value, QLabel* unit) {
    // The fields mirror labels of the main variables and totaliser pages, which the same
    // poll has just refreshed; the sensor frequency and the phase difference have none.
    static const char* const kSources[][2] = {
        {"LabelMassFlow", "LabelUnitMassFlow"},
        {"LabelVolumeFlow", "LabelUnitVolumeFlow"},
        {"LabelDensity", "LabelUnitDensity"},
        {"LabelTemperature", "LabelUnitTemperature"},
        {"LabelCorrVolumeFlow", "LabelUnitCorrVolumeFlow"},
        {"LabelRefDensity", "LabelUnitRefDensity"},
        {"LabelSum1", "LabelSumUnit1"},
        {"LabelSum2", "LabelSumUnit2"},
        {"LabelSum3", "LabelSumUnit3"},
        {"LabelSum4", "LabelSumUnit4"},
    };
    static const int kAssignOfTotal[] = {mrSumAssign1, mrSumAssign2, mrSumAssign3, mrSumAssign4};
    const int index = selector->currentIndex();
    QString valueText = QStringLiteral("- - - - - - -");
    QString unitText = QStringLiteral("- - - - -");
    if (index >= 0 && index < 10) {
        const bool unusedTotal = index >= 6 && p_.Image.ModbusRegs[kAssignOfTotal[index - 6]] == 0;
        if (!unusedTotal) {
            const auto* v = findChild<QLabel*>(QString::fromLatin1(kSources[index][0]));
            const auto* u = findChild<QLabel*>(QString::fromLatin1(kSources[index][1]));
            if (v) valueText = v->text();
            if (u) unitText = u->text();
        }
    } else if (index == 10 || index == 11) {
        try {
            valueText =
                descriptors_->ValueText(index == 10 ? mrFrequency : mrDelay, true, false, false);
        } catch (const std::exception&) {
            valueText = QStringLiteral("?");
        }
        unitText = index == 10 ? tr("Гц") : QString();
    }
    value->setText(valueText);
    unit->setText(unitText);
}

void TForm1::RefreshIndicatorFields() {
    RefreshIndicatorField(ui_->ComboField1, ui_->LabelField1, ui_->LabelF1Units);
    RefreshIndicatorField(ui_->ComboField1Mix, ui_->LabelField1Mix, ui_->LabelF1MixUnits);
    RefreshIndicatorField(ui_->ComboField2, ui_->LabelField2, ui_->LabelF2Units);
    RefreshIndicatorField(ui_->ComboField2Mix, ui_->LabelField2Mix, ui_->LabelF2MixUnits);
}

QWidget* TForm1::PageWidget(int page) const {
    auto* scroll = qobject_cast<QScrollArea*>(ui_->PageControl1->widget(page));
    return scroll ? scroll->widget() : nullptr;
}

void TForm1::AnyEditChange(QWidget* sender) {
    // Values shown by the distribution are not the user's changes.
    if (p_.Distributing) return;
    ClearSaveFailure();
    SetControlTag(sender, 1);
    EnableSaveCancel(true, false);
}

void TForm1::InstallPageHooks() {
    Descriptors& values = *descriptors_;

    // Only the user's own edits mark a control: these signals are not sent when the program
    // sets a value.
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        if (!values.DescriptorOf(edit)) continue;
        connect(edit, &QLineEdit::textEdited, this, [this, edit] { AnyEditChange(edit); });
    }
    for (QComboBox* combo : findChildren<QComboBox*>()) {
        if (!values.DescriptorOf(combo)) continue;
        connect(combo, &QComboBox::activated, this, [this, combo] { AnyEditChange(combo); });
    }
    for (QScrollBar* scroll : findChildren<QScrollBar*>()) {
        if (!values.DescriptorOf(scroll)) continue;
        connect(scroll, &QScrollBar::actionTriggered, this,
                [this, scroll] { AnyEditChange(scroll); });
    }

    hooks_.ReadPageRequests = [this](ModbusList& L, int page) {
        if (page == kPagePwlCorr) return AddPwlRead(L);
        if (page == kPageTargetFluid) return AddTargetFluidRead(L);
        if (page == kPageCarrierFluid) return AddCarrierFluidRead(L);
        const QWidget* form = PageWidget(page);
        if (!form) return;
        ReadPageRequests(L, PageGroupBoxesOf(*form), descriptors_->Binds());
        CoalesceReads(L);
    };
    hooks_.PagePollRequests = [this](ModbusList& L, int page) {
        AddPollListReads(L, PageName(page), descriptors_->Binds());
    };
    hooks_.WritePage = [this](int page) {
        std::vector<PageControlState> controls;
        QWidget* form = PageWidget(page);
        if (!form) return 0;
        for (const PageGroupBox& group : PageGroupBoxesOf(*form)) {
            for (const QString& name : group.Controls) {
                const QWidget* c = form->findChild<QWidget*>(name);
                if (!c) continue;
                controls.push_back({name, ControlTag(c) == 1, c->isVisibleTo(form)});
            }
        }
        PageWriteContext ctx{p_.Started,
                             p_.Worker.WorkMode.load(),
                             p_.Lists->OpList,
                             descriptors_->Binds(),
                             p_.Image,
                             descriptors_->DspValues(),
                             {},
                             {},
                             {}};
        ctx.Convert = [this](const QString&, const Binding& b) {
            if (b.Dsp) {
                descriptors_->ControlToDsp(b.Id);
            } else {
                descriptors_->ControlToRegister(b.Id);
            }
        };
        ctx.ClearMark = [this](const QString& name) {
            SetControlTag(findChild<QWidget*>(name), 0);
        };
        ctx.StartOpList = [this] { connection_->StartOperation(); };
        return static_cast<int>(WritePage(PageName(page), controls, true, ctx));
    };

    // After-display handlers, each run by the owner of its controls.
    InstallUnitRules();
    values.RunHandler = [this](OnShow handler, int mr) {
        switch (handler) {
            case OnShow::CountDownRefresh:
                units_->RefreshCountDown(mr);
                break;
            case OnShow::HighlightLabelErr:
                HighlightLabelErr();
                break;
            case OnShow::ShowMicroSwitches:
                ShowMicroSwitches();
                break;
            default:
                units_->Run(handler, UnitRules::Cause::Shown);
                break;
        }
    };

    // Each selector refreshes its own field at once.
    const std::pair<QComboBox*, std::pair<QLabel*, QLabel*>> fields[] = {
        {ui_->ComboField1, {ui_->LabelField1, ui_->LabelF1Units}},
        {ui_->ComboField1Mix, {ui_->LabelField1Mix, ui_->LabelF1MixUnits}},
        {ui_->ComboField2, {ui_->LabelField2, ui_->LabelF2Units}},
        {ui_->ComboField2Mix, {ui_->LabelField2Mix, ui_->LabelF2MixUnits}},
    };
    for (const auto& [combo, labels] : fields) {
        connect(combo, &QComboBox::activated, this, [this, combo = combo, labels = labels] {
            if (connection_->State() == ConnectionState::Online)
                RefreshIndicatorField(combo, labels.first, labels.second);
        });
    }

    DistributeHooks& d = connection_->Distribution();
    d.ValueArrived = [this](int mr, bool fromOp) { descriptors_->ValueArrived(mr, fromOp); };
    d.DspValueArrived = [this](int n, const QByteArray& bytes) {
        descriptors_->DspValueArrived(n, bytes);
    };
    d.Refresh = [this](std::uint16_t flag) {
        if (flag == kFlagIndicator) RefreshIndicatorFields();
        if (flag == kFlagIndicator || flag == kFlagErrors) ShowDeviceStatus(flag);
        if (flag == kFlagIndicator) WriteIndicatorLogLine();
    };
    // The point tables take their pages' writes, displays and rules over from here.
    InstallTablePages();
}

}  // namespace tarvix
