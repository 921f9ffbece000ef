// TForm1, the main window: menus, navigation tree and pages, the indicator panel, the
// journal list and the status bar; the connection modes and the three timers that drive the
// communication worker. Pages and tools of later parts plug in through PageHooks.
#pragma once

#include "app/distribute.h"
#include "connect/message_box.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QTimer;
class QTreeWidgetItem;

namespace Ui {
class TForm1;
}

namespace tarvix {

struct Program;
class ThreadCom;
class Descriptors;
class TFormSetupCom;
class TFormConnecting;

// What the pages and tools add to the window's cycles. Empty members do nothing.
struct PageHooks {
    // Appends the read requests of a page (the page read on entry).
    std::function<void(ModbusList& L, int page)> ReadPageRequests;
    // Appends the reads of the page's periodically refreshed controls.
    std::function<void(ModbusList& L, int page)> PagePollRequests;
    // Appends the requests of the ticked live displays (register polling, ADC codes).
    std::function<void(ModbusList& L)> ExtraPollRequests;
    // Writes the modified values of the page; returns 0 when the write was started or there
    // was nothing to write.
    std::function<int(int page)> WritePage;
    // The program leaves the online state (live displays untick their poll boxes).
    std::function<void()> Offline;
    // The distribution hooks (ValueArrived and the refreshes).
    DistributeHooks Distribute;
};

class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    TForm1(Program& program, QWidget* parent = nullptr);
    ~TForm1() override;

    // The dialogs the window uses, created after it (program entry order).
    void SetDialogs(TFormSetupCom* setupCom, TFormConnecting* connecting);
    PageHooks& Hooks() { return hooks_; }
    Descriptors& Values() { return *descriptors_; }
    Program& program() { return p_; }

    // Connection modes and cycles.
    void MenuOnlineClick();
    void MenuOfflineClick();
    void N15Click();
    void MenuPollIntervalClick();
    void MenuSwitchOfflineWhenNoAnswerClick();
    void ConnectPrompt(std::function<void()> action);
    void ConnectionConfirmed();
    void ShowDisconnected();
    void ShowFileMode(const QString& fileName);
    void FollowDeviceSettings();
    void StartOpList();
    bool CheckWorker();
    void ShowCounters();
    void BuildPollList(bool forceIndicator);
    void TimerPollTimer();
    void TimerOpTimer();
    void TimerRetryTimer();
    void SetPollInterval(int ms);

    // Navigation and the page life cycle.
    void TreeView1Click();
    void ReadPage(int page);
    void ButtonSaveClick();
    void ButtonCancelClick();
    void EnableSaveCancel(bool enable, bool force);
    void ShowPage(int page);
    int ActivePage() const;
    void SelectNode(int node);

    // Input box: prompt and default text; nullopt when cancelled.
    using InputBoxFunction =
        std::function<std::optional<QString>(QWidget*, const QString&, const QString&)>;
    // Replace the message and input boxes (tests answer them in place of the user).
    void SetMessageBox(MessageBoxFunction show) { message_ = std::move(show); }
    void SetInputBox(InputBoxFunction ask) { inputBox_ = std::move(ask); }

    QTimer* TimerPoll() const { return timerPoll_; }
    QTimer* TimerOp() const { return timerOp_; }
    QTimer* TimerRetry() const { return timerRetry_; }
    QString StatusText(int panel) const;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenus();
    void BuildStatusBar();
    void BuildPages();
    void BuildTree();
    void PruneTree();
    void SetTreeCaptions(int lang);
    void FormShow();
    void SetStatus(int panel, const QString& text);
    void SetModeItem(QAction* item);
    void ResetIndicator();
    void AppendIndicatorRequests(ModbusList& L);
    void AppendStatusRequests(ModbusList& L);
    void RunPendingCommand();
    void ReselectRememberedNode();
    int SelectedNodeNumber() const;
    QTreeWidgetItem* FindNode(int number) const;
    void TreeView1Expanding(QTreeWidgetItem* item);
    void HandleError(const std::exception& e);
    void ReportDeadWorker(bool withMessage);
    DistributeHooks WindowDistributeHooks();
    void InstallPageHooks();
    void AnyEditChange(QWidget* sender);
    QWidget* PageWidget(int page) const;
    void RefreshIndicatorField(QComboBox* selector, QLabel* value, QLabel* unit);
    void RefreshIndicatorFields();

    Program& p_;
    std::unique_ptr<Ui::TForm1> ui_;
    std::unique_ptr<ThreadCom> worker_;
    std::unique_ptr<Descriptors> descriptors_;
    QPointer<TFormSetupCom> setupCom_;
    QPointer<TFormConnecting> connecting_;
    QAction* modeItem_ = nullptr;  // the mode item that carries the check mark
    PageHooks hooks_;
    MessageBoxFunction message_;
    InputBoxFunction inputBox_;

    QTimer* timerPoll_ = nullptr;
    QTimer* timerOp_ = nullptr;
    QTimer* timerRetry_ = nullptr;
    int timerOpTag_ = 0;     // page to show when the running page read finishes
    int timerRetryTag_ = 0;  // page whose read waits for the operation list
    QLabel* statusPanels_[5] = {};
    QLabel* labelGot_ = nullptr;
    QLabel* labelLost_ = nullptr;
    int lastLost_ = 0;
    std::function<void()> pendingCommand_;
    bool forceIndicator_ = false;
    bool shownOnce_ = false;
    int rememberedNode_ = 0;
    QTreeWidgetItem* nodeToExpand_ = nullptr;
    bool expandingDetached_ = false;
    bool deadJournalled_ = false;
    bool deadShown_ = false;
};

}  // namespace tarvix
