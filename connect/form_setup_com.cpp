#include "form_setup_com.h"

#include "ui_form_setup_com.h"

#include "base/string_table.h"
#include "base/user_error.h"
#include "connect/radio_group.h"
#include "link/protocol.h"
#include "model/register_ids.h"
#include "pages/value_parse.h"
#include "session/program.h"

#include <QEvent>
#include <QShowEvent>
#include <QTimer>

#include <algorithm>
#include <limits>
#include <optional>

namespace tarvix {
namespace {

const QString kSection = QStringLiteral("ComPort");
const QString kKeyAddress = QStringLiteral("Address");
const QString kKeyAnsDelay = QStringLiteral("AnsDelay");
const QString kKeyComNumber = QStringLiteral("ComNumber");
const QString kKeyBaudRate = QStringLiteral("BaudRate");
const QString kKeyStopBits = QStringLiteral("StopBits");
const QString kKeyParity = QStringLiteral("Parity");

const QString kDefaultAddress = QStringLiteral("1");
const QString kDefaultPort = QStringLiteral("COM1");

// A number typed into the dialog: a whole decimal number within 32 bits, or UserError
// "Недопустимое значение: ..." for the standard error box.
int IntegerOrRaise(const QString& text) {
    return static_cast<int>(
        ParseInteger(text, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// The same where a text that is no number has a fallback instead of an error.
std::optional<int> IntegerOrNothing(const QString& text) {
    try {
        return IntegerOrRaise(text);
    } catch (const UserError&) {
        return std::nullopt;
    }
}

// A number kept as text in the settings file, written back in plain decimal; text that is
// no number (or no usable one) gives the default, so a damaged file cannot stop the start.
QString StoredNumber(const IniFile& ini, const QString& key, const QString& def, int minimum,
                     int maximum = std::numeric_limits<int>::max()) {
    const std::optional<int> v = IntegerOrNothing(ini.ReadString(kSection, key, def));
    return v && *v >= minimum && *v <= maximum ? QString::number(*v) : def;
}

// Puts the worker's mode back however the check ends, a dead worker's error included.
class ModeRestore {
  public:
    ModeRestore(WorkerState& state, int mode)
        : state_(state), saved_(state.WorkMode.exchange(mode, std::memory_order_acq_rel)) {}
    ~ModeRestore() { state_.WorkMode.store(saved_, std::memory_order_release); }
    ModeRestore(const ModeRestore&) = delete;
    ModeRestore& operator=(const ModeRestore&) = delete;

  private:
    WorkerState& state_;
    int saved_;
};

}  // namespace

TFormSetupCom::TFormSetupCom(Program& program, QWidget* parent,
                             std::unique_ptr<PortEnumerator> ports)
    : QDialog(parent),
      program_(program),
      ui_(std::make_unique<Ui::TFormSetupCom>()),
      ports_(ports ? std::move(ports) : MakePlatformPortEnumerator()),
      message_(&ShowProgramMessage),
      TimerSearch(new QTimer(this)),
      TimerSearchPort(new QTimer(this)) {
    ui_->setupUi(this);
    // The rates the transmitter offers, in its menu's order; the box stays editable for any
    // other rate an adapter can do.
    for (const BaudRateEntry& b : kBaudRates)
        ui_->ComboBaudRate->addItem(QString::number(b.BaudRate));
    ui_->ComboBaudRate->setCurrentIndex(BaudIndexOf(kDefaultBaud));
    // Fixed size, no help button: a settings form, nothing to stretch.
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    for (QTimer* t : {TimerSearch, TimerSearchPort}) {
        t->setInterval(50);
        // Each tick restarts its timer only after the candidate is done (a check can take
        // longer than the interval), so the timer fires once per start.
        t->setSingleShot(true);
    }
    TimerSearch->setObjectName(QStringLiteral("TimerSearch"));
    TimerSearchPort->setObjectName(QStringLiteral("TimerSearchPort"));

    connect(ui_->ButtonInit, &QPushButton::clicked, this, [this] { CheckConnection(); });
    connect(ui_->ButtonSave, &QPushButton::clicked, this, [this] { SaveAndClose(); });
    connect(ui_->Button3, &QPushButton::clicked, this, [this] { ApplyAndClose(); });
    connect(ui_->ButtonSearch, &QPushButton::clicked, this, [this] { StartAddressSearch(); });
    connect(ui_->ButtonSearchPort, &QPushButton::clicked, this, [this] { StartPortSearch(); });
    connect(TimerSearch, &QTimer::timeout, this, [this] { TryNextAddress(); });
    connect(TimerSearchPort, &QTimer::timeout, this, [this] { TryNextPort(); });
}

TFormSetupCom::~TFormSetupCom() = default;

QMessageBox::StandardButton TFormSetupCom::Message(QMessageBox::Icon icon, const QString& text,
                                                   QMessageBox::StandardButtons buttons) {
    // The main window calls ReopenPort with this dialog hidden; its boxes then belong to
    // the main window, so they appear over it and not where the dialog last stood.
    QWidget* owner = isVisible() || !parentWidget() ? this : parentWidget();
    return message_(owner, icon, text, buttons);
}

void TFormSetupCom::LoadSettings() {
    const IniFile& ini = program_.Settings;
    // A stored address outside the device range is as unusable as letters: cut to 8 bits,
    // 256 would become the broadcast and 300 another device.
    ui_->EditAddress->setText(
        StoredNumber(ini, kKeyAddress, kDefaultAddress, kFirstAddress, kLastAddress));
    ui_->EditAnsDelay->setText(StoredNumber(ini, kKeyAnsDelay, QString::number(kDefaultAnsDelayMs),
                                            std::numeric_limits<int>::min()));
    FillPortList();
    QString port = ini.ReadString(kSection, kKeyComNumber, kDefaultPort).trimmed();
    if (port.isEmpty()) port = kDefaultPort;
    SelectOrAddItem(*ui_->ComboBoxManual, port);
    // A rate of 0 or below opens no port; it is as unreadable as letters.
    SelectOrAddItem(*ui_->ComboBaudRate,
                    StoredNumber(ini, kKeyBaudRate, QString::number(kDefaultBaud), 1));
    const bool oneStopBit = ini.ReadInteger(kSection, kKeyStopBits, 1) == 1;
    ui_->RadioButton1StopBit->setChecked(oneStopBit);
    ui_->RadioButton2StopBits->setChecked(!oneStopBit);
    int parity = ini.ReadInteger(kSection, kKeyParity, kParityNone);
    if (parity < kParityNone || parity > kParityEven) parity = kParityNone;
    SetRadioGroupItemIndex(*ui_->RadioGroupParity, parity);
    ApplySettings();
}

void TFormSetupCom::SaveSettings() {
    IniFile& ini = program_.Settings;
    // One replacement of the file for the five keys.
    IniUpdate update(ini);
    ini.WriteString(kSection, kKeyAddress, ui_->EditAddress->text());
    ini.WriteString(kSection, kKeyComNumber, ui_->ComboBoxManual->currentText());
    ini.WriteString(kSection, kKeyBaudRate, ui_->ComboBaudRate->currentText());
    ini.WriteInteger(kSection, kKeyParity, RadioGroupItemIndex(*ui_->RadioGroupParity));
    ini.WriteString(kSection, kKeyAnsDelay, ui_->EditAnsDelay->text());
}

void TFormSetupCom::FillPortList() {
    QComboBox& combo = *ui_->ComboBoxManual;
    combo.clear();
    const QStringList names = ports_->PortNames();
    for (const QString& name : names) combo.addItem(name, true);
    // The scratch list of the names found, as the enumeration saw them.
    ui_->Memo1->setPlainText(names.join(QLatin1Char('\n')));
    if (combo.count() > 0) combo.setCurrentIndex(0);
}

void TFormSetupCom::SelectOrAddItem(QComboBox& combo, const QString& text) {
    int index = combo.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        combo.addItem(text, false);
        index = combo.count() - 1;
    }
    combo.setCurrentIndex(index);
}

bool TFormSetupCom::IsEnumerated(int index) const {
    return ui_->ComboBoxManual->itemData(index, kEnumeratedRole).toBool();
}

void TFormSetupCom::ApplySettings() {
    ComSetup& com = program_.Com;
    // Refused rather than guessed: the address decides which device the page writes change.
    com.Address = static_cast<std::uint8_t>(
        ParseInteger(ui_->EditAddress->text(), kFirstAddress, kLastAddress));
    com.PortName = ui_->ComboBoxManual->currentText();
    com.BaudRate = IntegerOrRaise(ui_->ComboBaudRate->currentText());
    com.AnsDelay = static_cast<std::uint16_t>(IntegerOrRaise(ui_->EditAnsDelay->text()) & 0xFFFF);
    // Below 76 baud a character takes more than 255 ms; hold the longest time the field
    // carries rather than wrap it round to a gap of almost nothing.
    com.CharTime = static_cast<std::uint8_t>(std::min(CharTimeFor(com.BaudRate), 255));
    com.StopBits = ui_->RadioButton1StopBit->isChecked() ? kStopBitsOne : kStopBitsTwo;
    const int parity = RadioGroupItemIndex(*ui_->RadioGroupParity);
    if (parity >= 0) com.Parity = parity;
}

bool TFormSetupCom::ReopenPort() {
    ApplySettings();
    ComSetup& com = program_.Com;
    com.ClosePort();
    if (com.OpenPort()) {
        program_.Log.WriteJournal(Str(kStrPortOpened) + com.PortName, kJournalInfo);
        return true;
    }
    // The reason on a line of its own: a missing group membership, a program holding the
    // port and a missing device call for different remedies. The journal keeps it too, for
    // whoever reads the log after the message box is gone.
    const QString failed = Str(kStrPortOpenFailed) + com.PortName;
    const QString why = com.LastError();
    program_.Log.WriteJournal(why.isEmpty() ? failed : failed + QStringLiteral(": ") + why,
                              kJournalError);
    Message(QMessageBox::Warning, why.isEmpty() ? failed : failed + QLatin1Char('\n') + why,
            QMessageBox::Ok);
    return false;
}

void TFormSetupCom::ReleasePort() {
    ComSetup& com = program_.Com;
    if (com.ClosePort())
        program_.Log.WriteJournal(Str(kStrPortClosed) + com.PortName, kJournalInfo);
}

bool TFormSetupCom::CheckDevice(bool report) {
    ModbusLists& lists = *program_.Lists;
    ModbusList& op = lists.OpList;
    ComSetup& com = program_.Com;
    bool found = false;
    // A list still running after the wait belongs to the worker; it is not refilled under
    // its hands, and the device counts as not found.
    if (program_.WaitOpList()) {
        ModeRestore online(program_.Worker, kModeOnline);
        lists.ResetList(op);
        op.AppendRead(static_cast<std::uint16_t>(mrDevAddr), 1);
        op.Skipped = 0;
        op.Launch();
        bool done = program_.WaitOpList();
        if (!done) {
            // An answer time-out so long that three attempts outlast the wait: ask the
            // worker to give the list up and wait once more, so that the results are read
            // only after it has let go of them.
            op.Abort.store(1, std::memory_order_release);
            done = program_.WaitOpList();
        }
        op.Busy.store(0, std::memory_order_relaxed);
        found = done && op.Skipped == 0 &&
                op.Values[op.Slot[0]] == static_cast<std::uint16_t>(com.Address);
    }
    if (!found && report) {
        program_.Log.WriteJournal(Str(kStrDeviceWithAddress) + QString::number(com.Address) +
                                      QLatin1Char(' ') + Str(kStrNotFoundOnPort) + com.PortName,
                                  kJournalError);
    }
    return found;
}

void TFormSetupCom::FormShow() {
    const QString current = ui_->ComboBoxManual->currentText();
    FillPortList();
    SelectOrAddItem(*ui_->ComboBoxManual, current);
}

void TFormSetupCom::FormHide() {
    // A search left running would go on opening ports and filling the operation list behind
    // the main window's back once it connects; closing the dialog ends it.
    if (addressSearching_) StartAddressSearch();
    if (portSearching_) StartPortSearch();
}

void TFormSetupCom::CheckConnection() {
    bool opened = false;
    try {
        opened = ReopenPort();
        if (!opened) return;
        const bool found = CheckDevice(true);
        Message(QMessageBox::Information,
                Str(kStrDeviceWithAddress) + ui_->EditAddress->text() + QLatin1Char(' ') +
                    (found ? Str(kStrFoundOnPort) : Str(kStrNotFoundOnPort)) +
                    ui_->ComboBoxManual->currentText(),
                QMessageBox::Ok);
        ReleasePort();
    } catch (const UserError& e) {
        if (opened) ReleasePort();
        ShowUserError(message_, this, e);
    }
}

void TFormSetupCom::SaveAndClose() {
    SaveSettings();
    accept();
}

void TFormSetupCom::ApplyAndClose() {
    try {
        ApplySettings();
    } catch (const UserError& e) {
        ShowUserError(message_, this, e);
        return;
    }
    reject();
}

void TFormSetupCom::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TFormSetupCom::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) FormHide();
}

void TFormSetupCom::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        // The captions return to the language's texts; a running search keeps "Прервать".
        ui_->retranslateUi(this);
        if (addressSearching_) ui_->ButtonSearch->setText(Str(kStrAbort));
        if (portSearching_) ui_->ButtonSearchPort->setText(Str(kStrAbort));
    }
    QDialog::changeEvent(event);
}

}  // namespace tarvix
