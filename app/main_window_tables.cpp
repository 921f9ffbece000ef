// TForm1: the point tables of the correction and fluid pages — their writes in place of the
// generic page write, their display after the page read, the approximation method and
// concentration rules, and the density table files.
#include "main_window.h"

#include "app/navigation.h"
#include "base/string_table.h"
#include "base/text_file.h"
#include "pages/point_table_pages.h"
#include "pages/unit_rules.h"
#include "pages/value_service.h"
#include "session/program.h"
#include "tools/density_table_file.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

namespace tarvix {
namespace {

Fluid FluidOf(bool target) { return target ? Fluid::Target : Fluid::Carrier; }

// The grid files' dialogs: "csv" by default, in the program's folder.
QString ChooseTableFile(QWidget* parent, const QString& folder, bool save) {
    QFileDialog d(parent);
    d.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (!save) d.setFileMode(QFileDialog::ExistingFile);
    d.setDefaultSuffix(QStringLiteral("csv"));
    d.setNameFilter(QStringLiteral("Comma separated values (*.csv)"));
    d.setDirectory(folder);
    return d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty() ? d.selectedFiles().first()
                                                                         : QString();
}

}  // namespace

void TForm1::InstallTablePages() {
    PointTablePages::Context ctx{
        p_.Lists->OpList,
        p_.Image,
        [this] { return p_.Worker.WorkMode.load(); },
        [this] { connection_->StartOperation(); },
        [this](QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons b) {
            return message_(this, icon, text, b);
        },
        [this](QWidget* control) { AnyEditChange(control); },
    };
    tables_ = std::make_unique<PointTablePages>(*this, std::move(ctx));
    if (!tableFile_) {
        tableFile_ = [this](QWidget* parent, bool save) {
            return ChooseTableFile(parent, p_.Folder, save);
        };
    }

    // Save: the correction points always by their writer, a fluid page by its table writer
    // while it shows the piecewise-linear method, the polynomial by the generic page write.
    const auto generic = hooks_.WritePage;
    hooks_.WritePage = [this, generic](int page) {
        if (page == kPagePwlCorr) return tables_->WritePwl();
        if (page == kPageTargetFluid && tables_->TableMethod(Fluid::Target))
            return tables_->WriteDensity(Fluid::Target);
        if (page == kPageCarrierFluid && tables_->TableMethod(Fluid::Carrier))
            return tables_->WriteDensity(Fluid::Carrier);
        return generic ? generic(page) : 0;
    };

    DistributeHooks& d = connection_->Distribution();
    const auto refresh = d.Refresh;
    d.Refresh = [this, refresh](std::uint16_t flag) {
        if (refresh) refresh(flag);
        if (flag == kFlagPwlTable) tables_->ShowPwl();
        if (flag == kFlagTargetTable) tables_->ShowDensity(Fluid::Target);
        if (flag == kFlagCarrierTable) tables_->ShowDensity(Fluid::Carrier);
    };

    // The method shows the polynomial's rows (the unit rules' handler) or the table's group
    // box, after a read and on the user's choice.
    const auto run = descriptors_->RunHandler;
    descriptors_->RunHandler = [this, run](OnShow handler, int mr) {
        if (run) run(handler, mr);
        if (handler == OnShow::ComboTargetApproxMethodChange)
            units_->ShowForValues(FluidTableRule(true));
        if (handler == OnShow::ComboCarrierApproxMethodChange)
            units_->ShowForValues(FluidTableRule(false));
    };
    for (const bool target : {true, false}) {
        const QString combo = FluidTableRule(target).Combo;
        if (auto* c = findChild<QComboBox*>(combo)) {
            connect(c, &QComboBox::activated, this,
                    [this, target] { units_->ShowForValues(FluidTableRule(target)); });
        }
    }
    if (auto* c = findChild<QComboBox*>(ConcentrationRule().Combo)) {
        connect(c, &QComboBox::activated, this,
                [this] { units_->ShowForValues(ConcentrationRule()); });
    }

    const struct {
        const char* button;
        bool target;
        bool save;
    } files[] = {{"TF_SavePLWTableBtn", true, true},
                 {"TF_LoadPLWTableBtn", true, false},
                 {"CF_SavePLWTableBtn", false, true},
                 {"CF_LoadPLWTableBtn", false, false}};
    for (const auto& f : files) {
        auto* b = findChild<QPushButton*>(QLatin1String(f.button));
        if (!b) continue;
        connect(b, &QPushButton::clicked, this, [this, target = f.target, save = f.save] {
            save ? SaveDensityTable(target) : LoadDensityTable(target);
        });
    }
}

void TForm1::SaveDensityTable(bool target) {
    const QTableWidget* grid = tables_->Grid(FluidOf(target));
    if (!grid) return;
    const QString path = tableFile_ ? tableFile_(this, true) : QString();
    if (path.isEmpty()) return;
    QStringList header;
    for (int c = 0; c < grid->columnCount(); ++c) {
        const QTableWidgetItem* h = grid->horizontalHeaderItem(c);
        header << (h ? h->text() : QString());
    }
    QString error;
    if (!WriteFileAtomic(path, DensityTableFile(header, PointTablePages::Cells(*grid)), &error)) {
        message_(this, QMessageBox::Warning,
                 Str(kStrTableNotWritten) + QLatin1Char('\n') + path + QLatin1Char('\n') + error,
                 QMessageBox::Ok);
    }
}

void TForm1::LoadDensityTable(bool target) {
    // A cancelled dialog changes nothing: no cell, no modified flag, no Save.
    const QString path = tableFile_ ? tableFile_(this, false) : QString();
    if (path.isEmpty()) return;
    const std::optional<QByteArray> bytes = ReadFileBytes(path);
    if (!bytes) {
        message_(this, QMessageBox::Warning, Str(kStrDumpFileUnreadable) + QLatin1Char('\n') + path,
                 QMessageBox::Ok);
        return;
    }
    const DensityTableLoad load = ReadDensityTableFile(*bytes);
    if (!load.Ok) {
        message_(this, QMessageBox::Warning, load.Error + QLatin1Char('\n') + path,
                 QMessageBox::Ok);
        return;
    }
    tables_->LoadRows(FluidOf(target), load.Rows);
}

}  // namespace tarvix
