#include "tools/corio_page.h"

#include "base/string_table.h"
#include "base/user_error.h"
#include "link/modbus_rtu.h"
#include "model/param_table.h"
#include "session/connection_controller.h"
#include "session/program.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include <utility>

namespace tarvix {
namespace {

constexpr int kRowRole = Qt::UserRole;
// How long a command waits for the operation list, as the window's bounded wait for it.
constexpr int kIdleWaitMs = 700;
constexpr int kIdlePollMs = 20;

bool IsTitleRow(int row) {
    return !IsParamRow(row) || ParamRegs[static_cast<std::size_t>(row)].Type == kTypeGroup;
}

template <typename T>
T* Child(QWidget& page, const char* name) {
    return page.findChild<T*>(QString::fromLatin1(name));
}

}  // namespace

CorioPage::CorioPage(Program& program, ConnectionController& connection, QWidget& page, Hooks hooks)
    : QObject(&page), p_(program), c_(connection), hooks_(std::move(hooks)) {
    list_ = Child<QListWidget>(page, "ListAllRegsCorio");
    value_ = Child<QLineEdit>(page, "EditValueCorio");
    poll_ = Child<QCheckBox>(page, "CheckBoxPollCorio");
    result_ = Child<QLabel>(page, "LabelResultCorio");
    shown_ = Child<QLabel>(page, "LabelStringCorio");
    access_ = Child<QLabel>(page, "LabelAccess");
    title_ = Child<QLabel>(page, "LabelFullName");
    hint_ = Child<QPlainTextEdit>(page, "MemoContext");
    auto* read = Child<QPushButton>(page, "ButtonReadCorio");
    auto* write = Child<QPushButton>(page, "ButtonWriteCorio");
    if (!list_ || !value_ || !poll_ || !result_ || !shown_ || !access_ || !title_ || !hint_ ||
        !read || !write)
        return;

    idleWait_.setInterval(kIdlePollMs);
    connect(&idleWait_, &QTimer::timeout, this, [this] {
        if (c_.OperationIdle()) {
            idleWait_.stop();
            std::exchange(whenIdle_, nullptr)();
        } else if (waited_.elapsed() > kIdleWaitMs) {
            idleWait_.stop();
            whenIdle_ = nullptr;
            hooks_.ShowError(Str(kStrExchangeTimeout));
        }
    });
    timer_.setInterval(kTimerMs);
    connect(&timer_, &QTimer::timeout, this, [this] { Read(true); });
    connect(read, &QPushButton::clicked, this, [this] { Read(); });
    connect(write, &QPushButton::clicked, this, &CorioPage::Write);
    connect(list_, &QListWidget::itemClicked, this, [this] { Read(); });
    connect(poll_, &QCheckBox::clicked, this, &CorioPage::FollowPollBox);
    connect(&c_, &ConnectionController::OperationFinished, this, &CorioPage::Finished);
    connect(&c_, &ConnectionController::OperationAbandoned, this, &CorioPage::Abandoned);
    FillList();
}

void CorioPage::FillList() {
    if (!list_) return;
    list_->clear();
    for (const int row : SingleParamRows(AccessLevel)) {
        auto* item = new QListWidgetItem(ParamName(row), list_);
        item->setData(kRowRole, row);
    }
}

void CorioPage::FollowPollBox() {
    if (poll_ && poll_->isChecked()) {
        timer_.start();
    } else {
        timer_.stop();
    }
}

std::optional<int> CorioPage::ChosenRow(bool choose) {
    if (!list_ || list_->count() == 0) return std::nullopt;
    if (!list_->currentItem()) {
        if (!choose) return std::nullopt;
        list_->setCurrentRow(0);
    }
    return list_->currentItem()->data(kRowRole).toInt();
}

void CorioPage::WhenIdle(std::function<void()> action) {
    if (c_.OperationIdle()) {
        idleWait_.stop();
        whenIdle_ = nullptr;
        action();
        return;
    }
    whenIdle_ = std::move(action);
    waited_.start();
    idleWait_.start();
}

void CorioPage::SetResult(const QString& text) { result_->setText(text); }

void CorioPage::Read(bool fromTimer) {
    const std::optional<int> row = ChosenRow(true);
    if (!row || IsTitleRow(*row)) return;
    Describe(*row);

    const int mode = p_.Worker.WorkMode.load();
    if (fromTimer && (mode == kModeOffline || !c_.OperationIdle())) return;
    if (mode == kModeOffline) {
        hooks_.ConnectFirst([this] { Read(); });
        return;
    }
    const ParamRef ref = RefOfRow(*row);
    const QString item = list_->currentItem()->text();
    if (ref.IsDsp() && mode == kModeFile) {
        // The configuration file holds the registers only: no value of the module to show.
        SetResult(ParamResultLine(QTime::currentTime(), item, Str(kStrNoModuleInFile)));
        return;
    }
    if (!c_.OperationIdle()) {
        WhenIdle([this] { Read(); });
        return;
    }
    ModbusList& op = p_.Lists->OpList;
    p_.Lists->ResetList(op);
    AppendParamRead(op, ref);
    if (op.Len == 0) return;
    pending_ = Pending{false, ref, item, {}};
    op.Launch();
    c_.StartOperation(kTagRead);
}

void CorioPage::Write() {
    const int mode = p_.Worker.WorkMode.load();
    if (mode == kModeOffline) {
        hooks_.ConnectFirst([this] { Write(); });
        return;
    }
    const std::optional<int> row = ChosenRow(false);
    if (!row || IsTitleRow(*row)) return;
    if (!ParamWritable(*row)) {
        SetResult(ParamResultLine(QTime::currentTime(), {}, Str(kStrParamReadOnly)));
        return;
    }
    const ParamRef ref = RefOfRow(*row);
    const QString item = list_->currentItem()->text();
    if (ref.IsDsp() && mode == kModeFile) {
        // Nothing would reach a module, yet the list would end without a failure.
        SetResult(ParamResultLine(QTime::currentTime(), item, Str(kStrNoModuleInFile)));
        return;
    }
    if (!c_.OperationIdle()) {
        WhenIdle([this] { Write(); });
        return;
    }
    ModbusList& op = p_.Lists->OpList;
    p_.Lists->ResetList(op);
    Pending pending{true, ref, item, {}};
    try {
        AppendParamWrite(op, ref, value_->text(), p_.Image, hooks_.DspValues(), p_.LangIndex,
                         hooks_.DecimalSeparator(), pending.backup);
    } catch (const UserError& e) {
        p_.Lists->ResetList(op);
        hooks_.ShowError(e.message());
        return;
    }
    if (op.Len == 0) return;
    pending_ = std::move(pending);
    op.Launch();
    c_.StartOperation(kTagWrite);
}

ParamRef CorioPage::RefOfRow(int row) const {
    ParamRef ref = RefOf(row);
    if (!ref.IsDsp() && hooks_.DisplayFormat) {
        if (QString format = hooks_.DisplayFormat(ref.Id); !format.isEmpty())
            ref.Format = std::move(format);
    }
    return ref;
}

void CorioPage::Describe(int row) {
    describedRow_ = row;
    title_->setText(ParamTitle(row, p_.LangIndex));
    hint_->setPlainText(ParamHint(row, p_.LangIndex));
    access_->setText(Str(ParamWritable(row) ? kStrReadWrite : kStrReadOnly));
}

void CorioPage::ShowInLanguage() {
    if (describedRow_) Describe(*describedRow_);
    if (shownRow_) ShowValue(RefOfRow(*shownRow_), false);
}

void CorioPage::ShowValue(const ParamRef& ref, bool withEdit) {
    shownRow_ = ref.Row;
    const DspValue dsp =
        ref.IsDsp() ? hooks_.DspValues()[static_cast<std::size_t>(ref.Id)] : DspValue{};
    ShownValue v;
    try {
        v = tarvix::ShowValue(ref, p_.Image, dsp, p_.LangIndex, hooks_.DecimalSeparator());
    } catch (const UserError& e) {
        // A display format that cannot show the value: the number itself is still shown.
        shown_->setText(e.message());
        return;
    }
    shown_->setText(v.Text.trimmed());
    if (!withEdit) return;
    // The edit holds what can be typed back: a menu's number, a float in its picture.
    const bool asShown = ref.Kind == ValueKind::Float || (ref.IsDsp() && !v.Item);
    value_->setText(asShown ? v.Text.trimmed() : v.Raw);
}

void CorioPage::Finished(const OperationOutcome& outcome) {
    if (!pending_ || (outcome.tag != kTagRead && outcome.tag != kTagWrite)) return;
    Pending done = std::move(*pending_);
    pending_.reset();
    const bool ok = !outcome.noAnswer && outcome.failed == 0;
    QString failure = ResultText(outcome.result);
    if (failure.isEmpty()) failure = Str(kStrNoAnswer);
    const QTime now = QTime::currentTime();
    if (!done.write) {
        if (ok) ShowValue(done.ref);
        SetResult(ParamResultLine(now, done.item, ok ? Str(kStrCalDone) : failure));
        return;
    }
    // The conversion stored the value into the image before it was sent: a refused value
    // must not stay there as if the device held it.
    if (!ok) RestoreParam(done.ref, done.backup, p_.Image, hooks_.DspValues());
    ShowValue(done.ref);
    const bool file = p_.Worker.WorkMode.load() == kModeFile;
    const QString status = !ok ? failure : Str(file ? kStrWrittenToFile : kStrWrittenToDevice);
    SetResult(ParamResultLine(now, done.item, status));
}

void CorioPage::Abandoned() {
    if (!pending_) return;
    if (pending_->write)
        RestoreParam(pending_->ref, pending_->backup, p_.Image, hooks_.DspValues());
    const QString item = pending_->write ? QString() : pending_->item;
    pending_.reset();
    SetResult(ParamResultLine(QTime::currentTime(), item, Str(kStrExchangeTimeout)));
}

}  // namespace tarvix
