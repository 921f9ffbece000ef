// TForm1, the main window: menus, navigation tree and pages, the indicator panel, the
// journal list and the status bar. The connection and its cycles belong to the connection
// controller: the window forwards the user's commands to it and shows what it announces.
// Pages and tools plug in through PageHooks and the controller's poll sources.
#pragma once

#include "app/config_file_dialog.h"
#include "pages/message_box.h"
#include "session/connection_controller.h"
#include "tools/indicator_log.h"

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
class Descriptors;
class TFormSetupCom;
class TFormConnecting;
class TFormRegDump;
class TFormDspRegDump;
class TFormCurCalibr;
class PointTablePages;
class TFormFormats;
class TFormAbout;
class TFormLogFiles;
class UnitRules;
class GridFiles;
class LiveValues;
class ValueFreshness;
class SaveOutcome;
class LanguageModule;
class ParValsPage;
class DspSignals;
class SignalPages;
enum class SignalKind;

// What the pages and tools add to the window's page life cycle and to the poll cycle. Empty
// members do nothing.
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
};

class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    TForm1(Program& program, QWidget* parent = nullptr);
    ~TForm1() override;

    // The dialogs the window uses, created after it (program entry order).
    void SetDialogs(TFormSetupCom* setupCom, TFormConnecting* connecting);
    void SetToolDialogs(TFormRegDump* regDump);
    void SetFormatDialogs(TFormFormats* formats, TFormAbout* about);
    void SetJournalViewer(TFormLogFiles* logFiles);
    PageHooks& Hooks() { return hooks_; }
    Descriptors& Values() { return *descriptors_; }
    UnitRules& Units() { return *units_; }
    Program& program() { return p_; }
    ConnectionController& Connection() { return *connection_; }
    // The grid file routines and their dialogs; the live values and charts pages.
    GridFiles& Grids() { return *grids_; }
    LiveValues& Live() { return *live_; }
    // The texts' language: "Русский" and "English" (MenuRussian, MenuEnglish) run
    // MenuEnglishClick; the module is also where a test puts a language module of its own.
    void MenuEnglishClick(QAction* sender);
    LanguageModule& Language() { return *language_; }
    // The register polling page.
    ParValsPage& ParVals() { return *parVals_; }

    // The user's connection commands ("Режим" and "Настройки" menus).
    void GoOnline();
    void GoOffline();
    void OpenComSettings();
    void AskPollInterval();
    void KeepSwitchOfflineChoice();
    // Runs action once the device is connected, after asking the user whether to connect.
    void ConnectFirst(std::function<void()> action);
    // "Дамп регистров...": the dump dialog, online only (otherwise after connecting).
    void OpenRegDump();
    // "Дамп DspEeprom..." (service editions): the measuring module's EEPROM dump, online only.
    void SetDspEepromDialog(TFormDspRegDump* dspEeprom);
    void OpenDspEeprom();
    // The current output's calibration: the wizard (online only), "Восстановить" (the factory
    // coefficients back) and "Копировать польз. в скр." (the user coefficients into the
    // hidden ones), online or on a configuration file.
    void SetCalibrationDialog(TFormCurCalibr* wizard);
    void OpenCurrentCalibration();
    void RestoreCurrentCoefficients();
    void CopyCurrentCoefficientsToHidden();
    // "Формат значений...": the display formats dialog, with the cycles paused while it may
    // read a test value. "О программе...": the About box.
    void OpenFormats();
    void OpenAbout();
    // "Журнал" → "Просмотр...": the journal viewer.
    void OpenJournalViewer();
    // "Записывать индикатор" switched on or off.
    void MenuLogIndClick(bool on);
    // The file mode display: the menu mark and the file's name in the status bar.
    void ShowFileMode(const QString& fileName);
    // "Файл": reads the configuration file chosen last (asking for one when the status bar
    // names none) and, when its checksum holds, works on it. "Выбрать файл...": asks for a
    // file first.
    void UseConfigFile();
    void ChooseConfigFile();

    // Navigation and the page life cycle.
    void OpenSelectedNode();
    void ReadPage(int page);
    void SavePage();
    void RereadPage();
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
    void SetConfigFileDialog(ConfigFileDialogFunction choose) { chooseFile_ = std::move(choose); }
    // Shows a folder in the desktop's file manager; false when nothing could show it.
    using FolderViewer = std::function<bool(const QString& folder)>;
    void SetFolderViewer(FolderViewer show) { showFolder_ = std::move(show); }

    QString StatusText(int panel) const;

    // The point tables of the correction and fluid pages. The table files are chosen through
    // TableFileDialog (save: true for "Сохранить в файл..."); tests answer in its place.
    using TableFileDialog = std::function<QString(QWidget*, bool save)>;
    void SetTableFileDialog(TableFileDialog choose) { tableFile_ = std::move(choose); }
    PointTablePages& Tables() { return *tables_; }
    void SaveDensityTable(bool target);
    void LoadDensityTable(bool target);

    // The measuring module's pages: "Сброс контроллера", "Записать", "Получить" (which
    // aborts a running transfer), the signal files, the ADC codes.
    void ResetDsp();
    void CaptureSignals();
    void TransferSignals(SignalKind kind);
    void SaveSignals(SignalKind kind);
    void LoadSignals(SignalKind kind);
    DspSignals& Dsp() { return *dsp_; }
    SignalPages& Signals() { return *signalPages_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void BuildMenus();
    void BuildStatusBar();
    void BuildPages();
    void BuildTree();
    void ConnectCycles();
    void PruneTree();
    void SetTreeCaptions(int lang);
    void FormShow();
    void SetStatus(int panel, const QString& text);
    void NameFile(const QString& file);
    void SetModeItem(QAction* item);
    void ResetIndicator();
    void ShowDisconnected();
    void ShowConnectionState(ConnectionState now, ConnectionState before);
    void ShowCounters(int got, int lost, bool lostChanged);
    void ShowOperationProgress(int done, int total);
    void FinishOperation(const OperationOutcome& outcome);
    void ReselectRememberedNode();
    int SelectedNodeNumber() const;
    QTreeWidgetItem* FindNode(int number) const;
    void ExpandNode(QTreeWidgetItem* item);
    void HandleError(const std::exception& e);
    void ShowDeadWorker();
    void InstallPageHooks();
    void InstallUnitRules();
    void InstallTablePages();
    void AnyEditChange(QWidget* sender);
    QWidget* PageWidget(int page) const;
    void RefreshIndicatorField(QComboBox* selector, QLabel* value, QLabel* unit);
    void RefreshIndicatorFields();
    void InstallStatusHooks();
    void InstallLiveHooks();
    // The single-parameter page (PageCorio) and its automatic reading.
    void InstallCorioPage();
    void InstallPollingHooks();
    void InstallSignalHooks();
    // Lamp, count and marks for a list with the errors or indicator flag; the message list
    // too for the errors flag.
    void ShowDeviceStatus(std::uint16_t flag);
    void HighlightLabelErr();
    void ShowMicroSwitches();
    // One write of the current output's calibration as an operation; tag tells its end apart.
    void StartCurrentCommand(int tag, const std::function<void(ModbusList&)>& fill);
    void CurrentCommandFinished(const OperationOutcome& outcome);
    // Sends the switch-off the wizard could not deliver, once the device answers again.
    void RetryLeaveSimulation(bool failuresInCycle);
    void InstallIndicatorLog();
    // Arrow keys, Home/End and type-ahead open the node they stop on after a short pause;
    // Enter at once.
    void InstallKeyboardNavigation();
    // Values and indicator fields the device has not refreshed are greyed, with the time
    // they were received; a silent device is named in the status bar.
    void InstallFreshness();
    void ShowFreshness();
    // A save the device did not take is named beside "Записать изменения?" until the user's
    // next action.
    void InstallSaveOutcome();
    void ClearSaveFailure();
    // One line of the indicator log (while it is on) from the labels this poll showed.
    void WriteIndicatorLogLine();
    // "Папка логов индикатора...": the day files of the indicator log in the file manager.
    void ShowIndicatorLogFolder();
    // The texts the window builds in code, again in the current language.
    void RetranslateShell();
    // The captions, values and table headers of the pages in the language just selected.
    void ReshowPages();
    // The parameter captions and tool tips of every page from the parameter table.
    void RetitlePages();

    Program& p_;
    // Before ui_: the windows are built in the language of the start.
    std::unique_ptr<LanguageModule> language_;
    std::unique_ptr<Ui::TForm1> ui_;
    std::unique_ptr<ConnectionController> connection_;
    std::unique_ptr<Descriptors> descriptors_;
    std::unique_ptr<UnitRules> units_;
    std::unique_ptr<GridFiles> grids_;
    std::unique_ptr<LiveValues> live_;
    std::unique_ptr<ParValsPage> parVals_;
    std::unique_ptr<DspSignals> dsp_;
    std::unique_ptr<SignalPages> signalPages_;
    std::unique_ptr<PointTablePages> tables_;
    TableFileDialog tableFile_;
    QPointer<TFormSetupCom> setupCom_;
    QPointer<TFormConnecting> connecting_;
    QPointer<TFormRegDump> regDump_;
    QPointer<TFormDspRegDump> dspEeprom_;
    QPointer<TFormCurCalibr> curCalibr_;
    bool leaveSimulationPending_ = false;
    QPointer<TFormFormats> formats_;
    QPointer<TFormAbout> about_;
    IndicatorLog indicatorLog_;
    QPointer<TFormLogFiles> logFiles_;
    QAction* modeItem_ = nullptr;  // the mode item that carries the check mark
    PageHooks hooks_;
    MessageBoxFunction message_;
    InputBoxFunction inputBox_;
    ConfigFileDialogFunction chooseFile_;
    FolderViewer showFolder_;
    QString configFileName_;  // the configuration file chosen last in the dialog
    // The file the status bar names: the one worked on, or the one just chosen. "Файл" reads
    // it again without asking; a connection or its loss ends the naming.
    QString namedFile_;

    QLabel* statusPanels_[5] = {};
    QLabel* labelGot_ = nullptr;
    QLabel* labelLost_ = nullptr;
    bool shownOnce_ = false;
    bool deadShown_ = false;
    int rememberedNode_ = 0;
    QTreeWidgetItem* nodeToExpand_ = nullptr;
    bool expandingDetached_ = false;
    QTimer* keyOpenTimer_ = nullptr;  // the pause before a node reached by keys is opened
    bool keyMoving_ = false;          // the tree is handling a key press
    std::unique_ptr<ValueFreshness> freshness_;
    QTimer* freshnessTimer_ = nullptr;
    QLabel* noAnswer_ = nullptr;  // the status bar's "Нет ответа с ..."
    std::unique_ptr<SaveOutcome> saveOutcome_;
    bool saveWatched_ = false;  // a save started with "Да" is running
    QLabel* saveFailure_ = nullptr;
};

}  // namespace tarvix
