// TForm1: "Записывать индикатор", the indicator log written with every distributed poll of
// the indicator request.
#include "main_window.h"

#include "base/string_table.h"
#include "model/register_ids.h"
#include "session/program.h"
#include "ui_main_window.h"

#include <QDesktopServices>
#include <QLabel>
#include <QSignalBlocker>
#include <QUrl>

namespace tarvix {

void TForm1::InstallIndicatorLog() {
    connect(ui_->MenuLogInd, &QAction::toggled, this, &TForm1::MenuLogIndClick);
    connect(ui_->MenuIndLogFolder, &QAction::triggered, this, &TForm1::ShowIndicatorLogFolder);
    if (!showFolder_) {
        showFolder_ = [](const QString& folder) {
            return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
        };
    }
}

void TForm1::ShowIndicatorLogFolder() {
    const QString folder = p_.Log.IndicatorLogFolder();
    if (folder.isEmpty()) return;  // the journal has the system's reason
    // A machine without a file manager (a bare service laptop, a remote session) still
    // learns where the logs are.
    if (!showFolder_(folder))
        p_.Log.WriteJournal(Str(kStrFolderNotShown).arg(folder), kJournalError);
}

void TForm1::MenuLogIndClick(bool on) {
    if (on) {
        // The folder or the file may be refused (a read-only installation folder, a full
        // disk): the journal has shown the system's reason, and logging stays off.
        std::unique_ptr<QFile> file = p_.Log.OpenIndicatorLog();
        if (!file) {
            const QSignalBlocker quiet(ui_->MenuLogInd);
            ui_->MenuLogInd->setChecked(false);
            return;
        }
        indicatorLog_.Start(std::move(file));
        SetStatus(3, Str(kStrIndicatorLog));
    } else {
        indicatorLog_.Stop();
        SetStatus(3, QString());
    }
}

void TForm1::WriteIndicatorLogLine() {
    if (!indicatorLog_.IsOn()) return;
    static const char* const kMain[] = {
        "LabelMassFlow",           "LabelUnitMassFlow",    "LabelVolumeFlow",
        "LabelUnitVolumeFlow",     "LabelDensity",         "LabelUnitDensity",
        "LabelTemperature",        "LabelUnitTemperature", "LabelCorrVolumeFlow",
        "LabelUnitCorrVolumeFlow", "LabelRefDensity",      "LabelUnitRefDensity",
    };
    static const struct {
        const char* label;
        int assign;
        int unit;
    } kTotals[] = {{"LabelSum1", mrSumAssign1, mrSumUnit1},
                   {"LabelSum2", mrSumAssign2, mrSumUnit2},
                   {"LabelSum3", mrSumAssign3, mrSumUnit3},
                   {"LabelSum4", mrSumAssign4, mrSumUnit4}};
    const auto text = [this](const char* name) {
        const auto* label = findChild<QLabel*>(QString::fromLatin1(name));
        return label ? label->text() : QString();
    };
    QStringList cells;
    for (const char* name : kMain) cells << text(name);
    for (const auto& t : kTotals) {
        // The unit as the totaliser's page names it: the page's unit label may not have been
        // shown since the assignment changed, the registers are those of this poll.
        cells << text(t.label)
              << TotalUnitText(p_.Image.ModbusRegs[static_cast<std::size_t>(t.assign)],
                               p_.Image.ModbusRegs[static_cast<std::size_t>(t.unit)], p_.LangIndex);
    }
    const QString header = IndicatorLogHeader(text("LabelSumAssign1"), text("LabelSumAssign2"));
    if (!indicatorLog_.Append(header, IndicatorLogLine(QTime::currentTime(), cells))) {
        // A write fell short: logging is off, as if the user had unchecked it.
        const QSignalBlocker quiet(ui_->MenuLogInd);
        ui_->MenuLogInd->setChecked(false);
        SetStatus(3, QString());
    }
}

}  // namespace tarvix
