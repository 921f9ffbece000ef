#include "live_values.h"

#include "link/protocol.h"
#include "session/program.h"
#include "tools/grid_files.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDateTime>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QStyledItemDelegate>
#include <QTableView>

namespace tarvix {
namespace {

constexpr int kColumnWidth = 68;

// The header row is drawn like a fixed row, so that it reads as the table's header although
// it scrolls with the samples.
class HeaderRowDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.row() == 0) option->backgroundBrush = option->palette.button();
    }
};

template <typename T>
T* Child(QWidget& page, const char* name) {
    return page.findChild<T*>(QString::fromLatin1(name));
}

}  // namespace

LiveValues::LiveValues(Program& program, const GridFiles& files, QWidget& liveData,
                       QWidget& chartsPage, const LiveLabels& labels)
    : p_(program),
      files_(files),
      labels_(labels),
      charts_(std::make_unique<LiveCharts>(chartsPage)),
      pollLive_(Child<QCheckBox>(liveData, "CheckBoxPollLive")),
      pollCharts_(Child<QCheckBox>(chartsPage, "CheckBoxPollCharts")),
      liveWaiting_(Child<QLabel>(liveData, "LabelLiveWaiting")),
      chartsWaiting_(Child<QLabel>(chartsPage, "LabelChartsWaiting")),
      grid_(Child<QTableView>(liveData, "GridLive")) {
    if (grid_) {
        grid_->setModel(&table_);
        grid_->setItemDelegate(new HeaderRowDelegate(grid_));
        grid_->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
        // Equal rows let the view place a row without measuring those above it.
        grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        connect(grid_, &QTableView::clicked, this, &LiveValues::FollowLivePollBox);
        auto* copy = new QAction(tr("Копировать в буфер"), grid_);
        copy->setObjectName(QStringLiteral("ActionLiveToBuffer"));
        auto* clear = new QAction(tr("Очистить"), grid_);
        clear->setObjectName(QStringLiteral("ActionLiveClear"));
        connect(copy, &QAction::triggered, this, &LiveValues::CopyTable);
        connect(clear, &QAction::triggered, this, &LiveValues::ClearTable);
        grid_->addActions({copy, clear});
        grid_->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
    if (pollLive_) connect(pollLive_, &QCheckBox::clicked, this, &LiveValues::FollowLivePollBox);
    if (pollCharts_) {
        connect(pollCharts_, &QCheckBox::clicked, this, &LiveValues::FollowChartsPollBox);
    }
    if (auto* clear = Child<QAbstractButton>(liveData, "ButtonLiveClear")) {
        connect(clear, &QAbstractButton::clicked, this, &LiveValues::ClearTable);
    }
    if (auto* save = Child<QAbstractButton>(liveData, "Button4")) {
        connect(save, &QAbstractButton::clicked, this, &LiveValues::SaveTable);
    }
}

LiveValues::~LiveValues() = default;

void LiveValues::SetTexts() {
    table_.SetTimeCaption(Str(kStrTimeColumn));
    charts_->SetTitles();
    if (!grid_) return;
    for (QAction* a : grid_->actions()) {
        if (a->objectName() == QLatin1String("ActionLiveToBuffer"))
            a->setText(tr("Копировать в буфер"));
        else if (a->objectName() == QLatin1String("ActionLiveClear"))
            a->setText(tr("Очистить"));
    }
}

void LiveValues::AppendRequests(ModbusList& L) const {
    AppendLiveRequest(L, pollLive_ && pollLive_->isChecked(),
                      pollCharts_ && pollCharts_->isChecked());
}

void LiveValues::Refresh(std::uint16_t flag) {
    if (flag == kFlagLiveValues) {
        AppendSample();
        if (liveWaiting_) liveWaiting_->hide();
    } else if (flag == kFlagCharts) {
        UpdateCharts();
        if (chartsWaiting_) chartsWaiting_->hide();
    }
}

void LiveValues::Offline() {
    if (pollLive_) pollLive_->setChecked(false);
    if (liveWaiting_) liveWaiting_->hide();
}

bool LiveValues::Online() const { return p_.Worker.WorkMode.load() == kModeOnline; }

void LiveValues::FollowLivePollBox() {
    if (!pollLive_) return;
    if (!Online()) pollLive_->setChecked(false);
    // Ticked, the box waits for the first sample.
    if (liveWaiting_) liveWaiting_->setVisible(pollLive_->isChecked());
}

void LiveValues::FollowChartsPollBox() {
    if (!pollCharts_) return;
    if (!Online()) pollCharts_->setChecked(false);
    if (pollCharts_->isChecked()) charts_->Clear();
    if (chartsWaiting_) chartsWaiting_->setVisible(pollCharts_->isChecked());
}

void LiveValues::ClearTable() { GridFiles::ClearGrid(table_); }

void LiveValues::CopyTable() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(table_.ClipboardText());
}

void LiveValues::SaveTable() { files_.SaveGridCsv(grid_ ? grid_->window() : nullptr, table_); }

std::array<QString, kLiveQuantities> LiveValues::UnitTexts() const {
    std::array<QString, kLiveQuantities> texts;
    for (std::size_t q = 0; q < texts.size(); ++q) {
        if (labels_.units[q]) texts[q] = labels_.units[q]->text();
    }
    return texts;
}

void LiveValues::AppendSample() {
    LiveTableModel::Units units{};
    LiveTableModel::Texts values;
    for (std::size_t q = 0; q < units.size(); ++q) {
        units[q] = p_.Image.ModbusRegs[static_cast<std::size_t>(kLiveQuantity[q].unit)];
        if (labels_.values[q]) values[q] = labels_.values[q]->text();
    }
    table_.CheckUnits(units);
    table_.AppendRow(QTime::currentTime(), values, UnitTexts());
    if (grid_) {
        // The new empty last row becomes the current row: the view follows the recording.
        const int column = std::max(grid_->currentIndex().column(), 0);
        grid_->setCurrentIndex(table_.index(table_.RowCount() - 1, column));
    }
}

void LiveValues::UpdateCharts() {
    std::array<double, kLiveQuantities> values{};
    for (std::size_t q = 0; q < values.size(); ++q)
        values[q] = static_cast<double>(p_.Image.ReadFloat(kLiveQuantity[q].value));
    charts_->Update(static_cast<double>(QDateTime::currentMSecsSinceEpoch()), values, UnitTexts());
}

}  // namespace tarvix
