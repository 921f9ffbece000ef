// TForm1: the navigation tree by keyboard. A node reached with the arrow keys, Home/End,
// Page Up/Down or by typing its caption opens after a short pause, so that holding a key
// down walks past the nodes without reading every page on the way; Enter opens it at once,
// and a click does as before.
#include "main_window.h"

#include "ui_main_window.h"

#include <QEvent>
#include <QKeyEvent>
#include <QTimer>
#include <QTreeWidget>

namespace tarvix {
namespace {

// Long enough for key repeat (about 30 ms apart) to keep restarting it, short enough that
// stopping on a node feels like opening it.
constexpr int kKeyOpenPauseMs = 300;

// Tells the window which key presses reach the tree; the tree moves its current node itself.
class TreeKeyWatch : public QObject {
  public:
    TreeKeyWatch(std::function<void(const QKeyEvent&)> pressed, QObject* parent)
        : QObject(parent), pressed_(std::move(pressed)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) pressed_(*static_cast<QKeyEvent*>(event));
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void(const QKeyEvent&)> pressed_;
};

}  // namespace

void TForm1::InstallKeyboardNavigation() {
    QTreeWidget* tree = ui_->TreeView1;
    keyOpenTimer_ = new QTimer(this);
    keyOpenTimer_->setObjectName(QStringLiteral("TimerKeyOpen"));
    keyOpenTimer_->setSingleShot(true);
    keyOpenTimer_->setInterval(kKeyOpenPauseMs);
    connect(keyOpenTimer_, &QTimer::timeout, this, [this] {
        ClearSaveFailure();
        OpenSelectedNode();
    });
    // A move by key is told apart from the program's own selections (the remembered node put
    // back, a node selected for a prompt) by the key press the tree is handling when its
    // current node changes. Enter is left out: it opens the node itself, and what that
    // selects (the remembered node after a declined prompt) must not be opened again.
    auto* watch = new TreeKeyWatch(
        [this](const QKeyEvent& key) {
            if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) return;
            keyMoving_ = true;
            QTimer::singleShot(0, this, [this] { keyMoving_ = false; });
        },
        this);
    tree->installEventFilter(watch);
    connect(tree, &QTreeWidget::currentItemChanged, this, [this] {
        if (keyMoving_) keyOpenTimer_->start();
    });
    // Enter (activation) and clicks open at once: a pending keyboard open is dropped.
    connect(tree, &QTreeWidget::itemClicked, keyOpenTimer_, &QTimer::stop);
    connect(tree, &QTreeWidget::itemActivated, keyOpenTimer_, &QTimer::stop);
}

}  // namespace tarvix
