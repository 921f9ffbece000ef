// The page "Отдельные параметры" (PageCorio): any single parameter of the table picked by
// name, its title, description and access right, its value read once or every second, and a
// typed value written through the pages' conversions. Reads and writes are operations of the
// connection (so file mode serves them from the configuration file, and writes are journalled
// and stamp the file as the pages' writes do).
#pragma once

#include "pages/single_param.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QWidget;

namespace tarvix {

struct Program;
class ConnectionController;
struct OperationOutcome;

class CorioPage : public QObject {
    Q_OBJECT
  public:
    static constexpr int kTimerMs = 1000;
    // Operation tags of the page's reads and writes (page reads use the page numbers).
    static constexpr int kTagRead = -20;
    static constexpr int kTagWrite = -21;

    struct Hooks {
        std::function<void(const QString& message)> ShowError;  // the standard error box
        // Asks to connect, then runs the action once connected.
        std::function<void(std::function<void()> action)> ConnectFirst;
        std::function<DspValueArray&()> DspValues;
        std::function<QChar()> DecimalSeparator;
        // The display format the pages use for a register identifier now (the user's, where
        // one is set); empty when it has none.
        std::function<QString(int id)> DisplayFormat;
    };

    CorioPage(Program& program, ConnectionController& connection, QWidget& page, Hooks hooks);

    // The list of parameters (rows of this edition), emptied first.
    void FillList();

    // "Прочитать", a click in the list, and TimerCorio (fromTimer: a busy operation list
    // skips the tick rather than complaining every second).
    void Read(bool fromTimer = false);
    // "Записать".
    void Write();
    // TimerCorio runs exactly while "авто-обновление" is ticked (the page is being shown).
    void FollowPollBox();
    void StopTimer() { timer_.stop(); }
    // After a language switch: the chosen parameter's title, description and access right,
    // and the value shown beside the edit, in the new language. Nothing is read, and the edit
    // keeps what the user typed.
    void ShowInLanguage();
    QTimer& Timer() { return timer_; }

  private:
    struct Pending {
        bool write = false;
        ParamRef ref{};
        QString item{};
        ParamBackup backup{};
    };

    // Runs action once the operation list is free (another operation, such as the page's own
    // automatic read, may hold it for a moment); after the operation list's bounded wait
    // without it, the standard error box says the exchange timed out.
    void WhenIdle(std::function<void()> action);
    // The row of the chosen item; with none chosen, item 0 is chosen (when choose is set).
    std::optional<int> ChosenRow(bool choose);
    // The parameter of a row as its page shows and takes it: with the page's display format.
    ParamRef RefOfRow(int row) const;
    // The title, description and access right of a row.
    void Describe(int row);
    // The value of ref beside the edit, and in the edit unless withEdit is false.
    void ShowValue(const ParamRef& ref, bool withEdit = true);
    void Finished(const OperationOutcome& outcome);
    void Abandoned();
    void SetResult(const QString& text);

    Program& p_;
    ConnectionController& c_;
    Hooks hooks_;
    QTimer timer_;
    QTimer idleWait_;
    QElapsedTimer waited_;
    std::function<void()> whenIdle_;
    std::optional<Pending> pending_;
    std::optional<int> describedRow_;  // the row whose texts the page shows
    std::optional<int> shownRow_;      // the row whose value the page shows
    QListWidget* list_ = nullptr;
    QLineEdit* value_ = nullptr;
    QCheckBox* poll_ = nullptr;
    QLabel* result_ = nullptr;
    QLabel* shown_ = nullptr;
    QLabel* access_ = nullptr;
    QLabel* title_ = nullptr;
    QPlainTextEdit* hint_ = nullptr;
};

}  // namespace tarvix
