#include "par_vals_page.h"

#include "base/string_table.h"
#include "model/param_table.h"
#include "session/program.h"
#include "tools/par_vals_profiles.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTableView>

#include <algorithm>

namespace tarvix {
namespace {

constexpr int kColumnWidth = 90;

template <typename T>
T* Child(QWidget& page, const char* name) {
    return page.findChild<T*>(QString::fromLatin1(name));
}

void OnClick(QWidget& page, const char* name, QObject* context, const std::function<void()>& f) {
    if (auto* button = Child<QAbstractButton>(page, name))
        QObject::connect(button, &QAbstractButton::clicked, context, f);
}

}  // namespace

ParValsPage::ParValsPage(Program& program, const GridFiles& files, QWidget& page, Services services)
    : p_(program),
      files_(files),
      services_(std::move(services)),
      chart_(std::make_unique<ParValsChart>(page)),
      all_(Child<QListWidget>(page, "ListAllRegs")),
      selected_(Child<QListWidget>(page, "ListSelected")),
      profiles_(Child<QListWidget>(page, "ListProfiles")),
      poll_(Child<QCheckBox>(page, "CheckBoxPoll")),
      save_(Child<QCheckBox>(page, "CheckBoxSaveParVals")),
      fileName_(Child<QLabel>(page, "LabelParValsFileName")),
      grid_(Child<QTableView>(page, "GridModbus")),
      asChart_(Child<QRadioButton>(page, "RadioButtonParValsCharts")),
      red_(Child<QComboBox>(page, "ComboBoxParValRed")),
      blue_(Child<QComboBox>(page, "ComboBoxParValBlue")) {
    applied_.fill(kParValsEnd);
    if (grid_) {
        grid_->setModel(&table_);
        grid_->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
        // Equal rows let the view place a row without measuring those above it.
        grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    }
    if (all_) connect(all_, &QListWidget::itemDoubleClicked, this, &ParValsPage::AddParameter);
    if (selected_) {
        connect(selected_, &QListWidget::itemDoubleClicked, this, &ParValsPage::RemoveParameter);
    }
    if (profiles_)
        connect(profiles_, &QListWidget::itemDoubleClicked, this, &ParValsPage::LoadProfile);
    OnClick(page, "ButtonAdd", this, [this] { AddParameter(); });
    OnClick(page, "ButtonRemove", this, [this] { RemoveParameter(); });
    OnClick(page, "ButtonUpdateMemoMb", this, [this] { ApplyChanges(); });
    OnClick(page, "ButtonToProfile", this, [this] { SaveProfile(); });
    OnClick(page, "ButtonFromProfile", this, [this] { LoadProfile(); });
    OnClick(page, "ButtonDelProfile", this, [this] { DeleteProfile(); });
    OnClick(page, "CheckBoxSaveParVals", this, [this] { FollowSaveBox(); });
    OnClick(page, "RadioButtonParValsTable", this, [this] { ShowPresentation(); });
    OnClick(page, "RadioButtonParValsCharts", this, [this] { ShowPresentation(); });
    OnClick(page, "ButtonParValsSave", this, [this] { SaveTable(); });
    OnClick(page, "ButtonParValsLoad", this, [this] { LoadTable(); });
    OnClick(page, "ButtonParValsClear", this, [this] { ClearTable(); });
    for (int s = 0; s < 2; ++s) {
        if (QComboBox* combo = Combo(s)) {
            connect(combo, &QComboBox::currentIndexChanged, this, [this, s] { RedrawSeries(s); });
        }
    }
}

ParValsPage::~ParValsPage() = default;

void ParValsPage::FillLists() {
    if (all_) {
        all_->clear();
        for (const int row : ParValsListRows()) {
            auto* item = new QListWidgetItem(ParamName(row), all_);
            item->setData(Qt::UserRole, row);
        }
    }
    if (profiles_) {
        profiles_->clear();
        profiles_->addItems(ParValsProfiles(p_.Settings).Names());
    }
}

std::vector<int> ParValsPage::ListedRows() const {
    std::vector<int> rows;
    for (int i = 0; selected_ && i < selected_->count(); ++i)
        rows.push_back(selected_->item(i)->data(Qt::UserRole).toInt());
    return rows;
}

void ParValsPage::AddRow(int row) {
    auto* item = new QListWidgetItem(ParamName(row), selected_);
    item->setData(Qt::UserRole, row);
}

void ParValsPage::ForgetComboChoices() {
    rememberedRed_ = 0;
    rememberedBlue_ = 0;
}

void ParValsPage::AddParameter() {
    if (!all_ || !selected_ || !all_->currentItem()) return;
    const int row = all_->currentItem()->data(Qt::UserRole).toInt();
    const std::vector<int> rows = ListedRows();
    if (rows.size() >= kParValsPlaces || std::find(rows.begin(), rows.end(), row) != rows.end())
        return;
    // Group titles are listed for orientation; they have no value to poll.
    if (ParValsSelectable(row)) AddRow(row);
    ForgetComboChoices();
}

void ParValsPage::RemoveParameter() {
    if (!selected_ || !selected_->currentItem()) return;
    delete selected_->takeItem(selected_->currentRow());
    ForgetComboChoices();
}

void ParValsPage::ApplyChanges() {
    const std::vector<int> rows = ListedRows();
    const int headerRow = table_.StartBlock(ParValsHeader(Str(kStrLogTime), rows));
    applied_ = ApplySelection(rows);
    if (grid_) grid_->setCurrentIndex(table_.index(headerRow + 1, 0));
    ApplyTail();
}

void ParValsPage::ApplyTail() {
    const bool any = selected_ && selected_->count() > 0;
    if (save_) save_->setEnabled(any);
    if (poll_) {
        poll_->setEnabled(any);
        if (!any) poll_->setChecked(false);
    }
    if (save_ && save_->isChecked()) Record(table_.Row(0));
    const std::array<int, 2> remembered{rememberedRed_, rememberedBlue_};
    for (int s = 0; s < 2; ++s) {
        QComboBox* combo = Combo(s);
        if (!combo) continue;
        const QSignalBlocker quiet(combo);
        while (combo->count() > 1) combo->removeItem(combo->count() - 1);
        for (int i = 0; selected_ && i < selected_->count(); ++i)
            combo->addItem(selected_->item(i)->text());
        const int choice = remembered[static_cast<std::size_t>(s)];
        combo->setCurrentIndex(choice < combo->count() ? choice : 0);
    }
    chart_->Clear(0);
    chart_->Clear(1);
}

void ParValsPage::SaveProfile() {
    if (!services_.AskName) return;
    const std::optional<QString> name = services_.AskName(Str(kStrProfileNamePrompt));
    if (!name) return;
    ParValsProfiles profiles(p_.Settings);
    const QString refusal = profiles.Refusal(*name);
    if (!refusal.isEmpty()) {
        if (services_.Warn) services_.Warn(refusal);
        return;
    }
    if (!profiles.Save(*name, ListedRows(), red_ ? red_->currentIndex() : 0,
                       blue_ ? blue_->currentIndex() : 0)) {
        if (services_.Warn) services_.Warn(Str(kStrProfileNotSaved));
        return;
    }
    if (profiles_ && profiles_->findItems(name->trimmed(), Qt::MatchFixedString).isEmpty())
        profiles_->addItem(name->trimmed());
}

void ParValsPage::LoadProfile() {
    if (!profiles_ || !selected_ || !profiles_->currentItem()) return;
    const ParValsProfile p = ParValsProfiles(p_.Settings).Load(profiles_->currentItem()->text());
    selected_->clear();
    for (const int row : p.Rows) AddRow(row);
    rememberedRed_ = p.RedIndex;
    rememberedBlue_ = p.BlueIndex;
}

void ParValsPage::DeleteProfile() {
    if (!profiles_ || profiles_->currentRow() < 0) return;
    const int k = profiles_->currentRow();
    if (!ParValsProfiles(p_.Settings).Delete(k)) {
        if (services_.Warn) services_.Warn(Str(kStrProfileNotSaved));
        return;
    }
    delete profiles_->takeItem(k);
}

}  // namespace tarvix
