// The main window connected to a simulated transmitter, as the window tests drive it: the
// simulator on a pseudo-terminal, a fresh Program in a temporary folder, message boxes
// answered in place of the user, and opening a tree node the way a user does.
#pragma once

#include "app/app_windows.h"
#include "app/main_window.h"
#include "app/navigation.h"
#include "base/string_table.h"
#include "connect/form_setup_com.h"
#include "session/program.h"
#include "tests/support/journal_lines.h"
#include "tests/support/sim_process.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <memory>

namespace tarvix::testing {

class WindowHarness {
  public:
    explicit WindowHarness(int seed = 7) : sim_(seed) {}
    ~WindowHarness() { Stop(); }

    // Starts the simulator with extra options, creates the windows and goes online.
    bool Start(const QStringList& simOptions = {QStringLiteral("--freeze")},
               QString* error = nullptr) {
        if (!sim_.Start(simOptions, error)) return false;
        p_ = std::make_unique<Program>(dir_.path());
        p_->Settings.WriteString(QStringLiteral("ComPort"), QStringLiteral("ComNumber"),
                                 sim_.Link());
        form_ = CreateMainWindows(*p_);
        const MessageBoxFunction answer = [this](QWidget*, QMessageBox::Icon, const QString& text,
                                                 QMessageBox::StandardButtons) {
            messages_ << text;
            return QMessageBox::Ok;
        };
        form_->SetMessageBox(answer);
        form_->findChild<TFormSetupCom*>()->SetMessageBox(answer);
        form_->show();
        form_->GoOnline();
        return QTest::qWaitFor([this] { return form_->StatusText(1) == Str(kStrConnected); },
                               10000);
    }
    void Stop() {
        form_.reset();
        p_.reset();
    }

    Program& P() { return *p_; }
    TForm1& Form() { return *form_; }
    SimProcess& Sim() { return sim_; }
    // The texts of the message boxes answered so far (a test may clear them).
    QStringList& Messages() { return messages_; }
    QString Folder() const { return dir_.path(); }

    bool Idle() const {
        return p_->Lists->OpList.Idle() && !p_->Lists->OpList.Busy.load() &&
               !form_->Connection().OperationTimer().isActive() &&
               !form_->Connection().RetryTimer().isActive();
    }
    bool Journalled(const QString& text) const {
        return testing::Journalled(p_->JournalList, text);
    }

    // Clicks the tree node (expanding its parents first, as a user must) and waits for its
    // page to be read and shown.
    bool Open(int node) {
        auto* tree = form_->findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
        QTreeWidgetItem* item = nullptr;
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            if ((*it)->data(0, Qt::UserRole).toInt() == node) item = *it;
        }
        if (!item) return false;
        QList<QTreeWidgetItem*> parents;
        for (QTreeWidgetItem* up = item->parent(); up; up = up->parent()) parents.prepend(up);
        for (QTreeWidgetItem* up : parents) {
            if (up->isExpanded()) continue;
            up->setExpanded(true);
            if (!QTest::qWaitFor([&] { return Idle() && up->isExpanded(); }, 10000)) return false;
        }
        form_->SelectNode(node);
        if (tree->currentItem() == nullptr) return false;
        form_->OpenSelectedNode();
        const int page = NodePage(node, p_->Image);
        return QTest::qWaitFor([&] { return Idle() && form_->ActivePage() == page; }, 10000);
    }

    template <typename T>
    T* Find(const char* name) const {
        return form_->findChild<T*>(QString::fromLatin1(name));
    }
    int SimWord(int reg) const {
        const QString reply = sim_.Command(QStringLiteral("getw %1").arg(reg));
        return reply.section(QLatin1Char(' '), 1, 1).toInt();
    }
    // How many requests the simulator has received ("stats": "ok bursts=.. requests=N .."),
    // -1 when it does not say.
    int SimRequests() const {
        const QString stats = sim_.Command(QStringLiteral("stats"));
        for (const QString& part : stats.split(QLatin1Char(' '))) {
            if (part.startsWith(QStringLiteral("requests=")))
                return part.section(QLatin1Char('='), 1).toInt();
        }
        return -1;
    }
    // A control channel command that must succeed.
    bool Sim(const QString& command) const {
        return sim_.Command(command).startsWith(QStringLiteral("ok"));
    }

  private:
    QTemporaryDir dir_;
    SimProcess sim_;
    std::unique_ptr<Program> p_;
    std::unique_ptr<TForm1> form_;
    QStringList messages_;
};

}  // namespace tarvix::testing
