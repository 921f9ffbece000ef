// ParValsPage: what each poll cycle brings the page, the recording file, the table's file
// commands and the chart's two series.
#include "par_vals_page.h"

#include "base/string_table.h"
#include "base/text_file.h"
#include "model/param_table.h"
#include "session/program.h"
#include "tools/grid_files.h"
#include "tools/par_vals_recording.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QRadioButton>
#include <QTableView>
#include <QTime>

#include <algorithm>

namespace tarvix {

void ParValsPage::AppendRequests(ModbusList& L) {
    if (!poll_ || !poll_->isChecked() || applied_[0] == kParValsEnd) return;
    cycleStart_ = AppendParValsRequests(L, applied_);
}

void ParValsPage::Arrived() {
    const QChar sep = QLocale::system().decimalPoint().front();
    QStringList cells{QTime::currentTime().toString(QStringLiteral("hh:mm:ss"))};
    const std::vector<int> rows = SelectedRows(applied_);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const QString text = ParValsCell(p_.Image, rows[k], cycleStart_, services_.Text);
        cells.append(text);
        float value = 0;
        if (!ParValsNumber(text, sep, &value)) continue;
        const int column = static_cast<int>(k) + 1;
        if (red_ && red_->currentIndex() == column) chart_->Add(0, value);
        if (blue_ && blue_->currentIndex() == column) chart_->Add(1, value);
    }
    while (cells.size() < ParValsTableModel::kColumns) cells.append(QString());
    const int row = table_.AppendRow(cells);
    if (grid_) {
        // The new empty last row becomes the current row: the view follows the recording.
        grid_->setCurrentIndex(table_.index(row + 1, std::max(grid_->currentIndex().column(), 0)));
    }
    if (save_ && save_->isChecked()) Record(cells);
}

void ParValsPage::Record(const QStringList& cells) {
    if (AppendRecordingLine(recordingFile_, cells)) return;
    p_.Log.WriteJournal(Str(kStrParValsFileError), kJournalError);
    if (save_) save_->setChecked(false);
}

void ParValsPage::FollowSaveBox() {
    if (!save_ || !save_->isChecked()) return;
    const QString path = files_.AskSavePath(save_->window());
    if (path.isEmpty()) {
        save_->setChecked(false);
        return;
    }
    recordingFile_ = path;
    if (fileName_) {
        fileName_->setText(path);
        fileName_->setToolTip(path);
    }
    Record(table_.Row(0));
}

void ParValsPage::ShowPresentation() {
    const bool chart = asChart_ && asChart_->isChecked();
    if (grid_) grid_->setVisible(!chart);
    chart_->View()->setVisible(chart);
    if (chart) chart_->View()->raise();
    if (red_) red_->setEnabled(chart);
    if (blue_) blue_->setEnabled(chart);
}

void ParValsPage::RedrawSeries(int series) {
    QComboBox* combo = Combo(series);
    if (!combo) return;
    const int column = combo->currentIndex();
    if (column <= 0) {
        chart_->Clear(series);
        return;
    }
    const QString name = combo->currentText();
    const QChar sep = QLocale::system().decimalPoint().front();
    // From the last row up to the header of the block: the chart keeps only its newest
    // points, so a day-long block is not read further back than they reach.
    QList<float> values;
    for (int r = table_.RowCount() - 2; r > 0 && values.size() < kParValsChartPoints; --r) {
        const QString cell = table_.Cell(r, column);
        if (cell == name) break;
        float v = 0;
        if (ParValsNumber(cell, sep, &v)) values.append(v);
    }
    std::reverse(values.begin(), values.end());
    chart_->Fill(series, values);
}

void ParValsPage::SaveTable() { files_.SaveGridCsv(grid_ ? grid_->window() : nullptr, table_); }

void ParValsPage::ClearTable() {
    GridFiles::ClearGrid(table_);
    chart_->Clear(0);
    chart_->Clear(1);
}

void ParValsPage::LoadTable() {
    ClearTable();
    const QString path = files_.AskOpenPath(grid_ ? grid_->window() : nullptr);
    if (path.isEmpty()) return;
    const std::optional<QByteArray> bytes = ReadFileBytes(path);
    if (!bytes) return;
    table_.LoadFile(*bytes);
    recordingFile_ = path;
    if (fileName_) {
        fileName_->setText(path);
        fileName_->setToolTip(path);
    }
    // The parameters of the last block become the selection, to be applied by the user.
    if (selected_) selected_->clear();
    const int header = table_.LastHeaderRow();
    std::vector<int> rows;
    for (int c = 1; header >= 0 && c < ParValsTableModel::kColumns; ++c) {
        const QString text = table_.Cell(header, c);
        if (text.isEmpty()) continue;
        const int row = ParamRowByName(text);
        if (!ParValsSelectable(row) || std::find(rows.begin(), rows.end(), row) != rows.end())
            continue;
        rows.push_back(row);
        AddRow(row);
    }
    ApplyTail();
}

}  // namespace tarvix
