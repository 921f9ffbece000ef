// The pages "Текущие данные" (LiveData) and "Графики" (PageCharts): their poll boxes, the live
// table with its buttons and pop-up menu, the six charts, and what each poll cycle brings
// them. Both record only online; the main window adds the live read to the poll list and
// hands over the refreshes of the distribution.
#pragma once

#include "tools/live_charts.h"
#include "tools/live_table_model.h"

#include <QObject>

#include <array>
#include <cstdint>
#include <memory>

class QAction;
class QCheckBox;
class QLabel;
class QTableView;
class QWidget;

namespace tarvix {

struct ModbusList;
struct Program;
class GridFiles;

// The labels of the main variables page whose texts the table copies, in the order of
// kLiveQuantity.
struct LiveLabels {
    std::array<QLabel*, kLiveQuantities> values{};
    std::array<QLabel*, kLiveQuantities> units{};
};

class LiveValues : public QObject {
    Q_OBJECT
  public:
    LiveValues(Program& program, const GridFiles& files, QWidget& liveData, QWidget& chartsPage,
               const LiveLabels& labels);
    ~LiveValues() override;

    // The texts of the string table in the current language: the table's time caption and
    // the charts' titles.
    void SetTexts();
    // The live read, when a poll box is ticked.
    void AppendRequests(ModbusList& L) const;
    // A poll list with the live values (kFlagLiveValues) or charts (kFlagCharts) flag was
    // distributed.
    void Refresh(std::uint16_t flag);
    // The program left the online state: the table's poll box is unticked.
    void Offline();

    LiveTableModel& Table() { return table_; }
    LiveCharts& Charts() { return *charts_; }

    // The user's commands.
    void FollowLivePollBox();    // "Опрос" clicked, or the table clicked
    void FollowChartsPollBox();  // "Обновлять" clicked
    void ClearTable();           // "Очистить"
    void CopyTable();            // "Копировать в буфер"
    void SaveTable();            // "Сохранить в файл..."

  private:
    bool Online() const;
    void AppendSample();
    void UpdateCharts();
    std::array<QString, kLiveQuantities> UnitTexts() const;

    Program& p_;
    const GridFiles& files_;
    LiveLabels labels_;
    LiveTableModel table_;
    std::unique_ptr<LiveCharts> charts_;
    QCheckBox* pollLive_ = nullptr;
    QCheckBox* pollCharts_ = nullptr;
    QLabel* liveWaiting_ = nullptr;
    QLabel* chartsWaiting_ = nullptr;
    QTableView* grid_ = nullptr;
};

}  // namespace tarvix
