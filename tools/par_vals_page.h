// The page "Опрос регистров" (PageParVals): the parameter lists and profiles, the applied
// selection whose reads join every poll list while "Опрос" is ticked, the table of values in
// blocks under their headers, the two-series chart, and the recording file each new row is
// appended to. The main window adds the requests to the poll list and hands over the
// distribution's refresh.
#pragma once

#include "tools/par_vals_chart.h"
#include "tools/par_vals_selection.h"
#include "tools/par_vals_table_model.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QRadioButton;
class QTableView;
class QWidget;

namespace tarvix {

struct ModbusList;
struct Program;
class GridFiles;

class ParValsPage : public QObject {
    Q_OBJECT
  public:
    struct Services {
        ParValsTextFunction Text;  // a value as the pages show it
        // The input box for a profile's name (nullopt: cancelled) and a warning box.
        std::function<std::optional<QString>(const QString& prompt)> AskName;
        std::function<void(const QString& message)> Warn;
    };

    ParValsPage(Program& program, const GridFiles& files, QWidget& page, Services services);
    ~ParValsPage() override;

    // "Полный набор" and "Профили" as the parameter table and the settings file give them.
    void FillLists();
    // The reads of the applied selection, while "Опрос" is ticked.
    void AppendRequests(ModbusList& L);
    // A register polling list was distributed: one row of values.
    void Arrived();

    // The user's commands.
    void AddParameter();            // "--->", double click in "Полный набор"
    void RemoveParameter();         // "<---", double click in the selection
    void ApplyChanges();            // "Применить изменения"
    void SaveProfile();             // "--->" to the profiles
    void LoadProfile();             // "<---", double click in "Профили"
    void DeleteProfile();           // "X"
    void FollowSaveBox();           // "Сохранять в файл:" clicked
    void ShowPresentation();        // "Таблица" / "Графики"
    void RedrawSeries(int series);  // a series' combo changed
    void SaveTable();               // "Сохранить..."
    void LoadTable();               // "Загрузить..."
    void ClearTable();              // "Очистить"

    ParValsTableModel& Table() { return table_; }
    ParValsChart& Chart() { return *chart_; }
    const ParValsSelection& Applied() const { return applied_; }
    QString RecordingFile() const { return recordingFile_; }

  private:
    void ApplyTail();  // what an applied selection and a loaded file have in common
    std::vector<int> ListedRows() const;
    void AddRow(int row);
    void Record(const QStringList& cells);
    void ForgetComboChoices();
    QComboBox* Combo(int series) const { return series == 0 ? red_ : blue_; }

    Program& p_;
    const GridFiles& files_;
    Services services_;
    ParValsTableModel table_;
    std::unique_ptr<ParValsChart> chart_;
    ParValsSelection applied_{};
    double cycleStart_ = 0;  // when this cycle's requests were made
    int rememberedRed_ = 0;
    int rememberedBlue_ = 0;
    QString recordingFile_;

    QListWidget* all_ = nullptr;
    QListWidget* selected_ = nullptr;
    QListWidget* profiles_ = nullptr;
    QCheckBox* poll_ = nullptr;
    QCheckBox* save_ = nullptr;
    QLabel* fileName_ = nullptr;
    QTableView* grid_ = nullptr;
    QRadioButton* asChart_ = nullptr;
    QComboBox* red_ = nullptr;
    QComboBox* blue_ = nullptr;
};

}  // namespace tarvix
