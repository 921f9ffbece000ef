#include "form_connecting.h"

#include "ui_form_connecting.h"

#include "base/string_table.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QLayout>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

namespace tarvix {
namespace {

constexpr int kClientWidth = 321;
constexpr int kClientHeight = 65;
constexpr int kBigTextPixels = 27;
constexpr int kHintPixels = 11;
constexpr int kHintMinPixels = 8;

// The dots after "Подключение": none, one, two, three, none again.
QString NextDots(const QString& dots) {
    if (dots == QLatin1String(".")) return QStringLiteral("..");
    if (dots == QLatin1String("..")) return QStringLiteral("...");
    if (dots == QLatin1String("...")) return QString();
    if (dots.isEmpty()) return QStringLiteral(".");
    return dots;
}

}  // namespace

TFormConnecting::TFormConnecting(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TFormConnecting>()), Timer1(new QTimer(this)) {
    ui_->setupUi(this);
    // A title bar without system buttons: the dialog is closed by its button or by the
    // main window, never behind their backs.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(kClientWidth, kClientHeight);
    // Designer fonts carry points only; the big texts are specified in pixels.
    for (QLabel* label : {ui_->Label1, ui_->Label2}) {
        QFont f = label->font();
        f.setPixelSize(kBigTextPixels);
        label->setFont(f);
    }
    FitHint();
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(200);
    connect(Timer1, &QTimer::timeout, this, [this] { AdvanceDots(); });
    connect(ui_->Button1, &QPushButton::clicked, this, [this] { GiveUpConnecting(); });
}

TFormConnecting::~TFormConnecting() = default;

void TFormConnecting::FormShow() {
    failed_ = false;
    QPalette p = ui_->Label1->palette();
    p.setColor(QPalette::WindowText, palette().color(QPalette::WindowText));
    ui_->Label1->setPalette(p);
    // Every connection starts its dots from none, whatever the last one showed.
    ui_->Label2->clear();
    Timer1->start();
    ui_->Label1->setText(Str(kStrConnecting));
    ui_->Label2->setVisible(true);
    ui_->Label3->setVisible(false);
    ui_->Button1->setText(Str(kStrCancel));
}

void TFormConnecting::AdvanceDots() { ui_->Label2->setText(NextDots(ui_->Label2->text())); }

void TFormConnecting::FormHide() { Timer1->stop(); }

void TFormConnecting::FormDeactivate() {
    if (!isVisible()) return;
    // Activation has not settled while the deactivation is delivered; look once it has.
    // Only the main window is kept behind: another dialog or message box that took the
    // focus, or another program, keeps it.
    QTimer::singleShot(0, this, [this] {
        QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
        if (isVisible() && owner && QApplication::activeWindow() == owner) {
            raise();
            activateWindow();
        }
    });
}

void TFormConnecting::GiveUpConnecting() {
    Q_EMIT OfflineRequested();
    hide();
}

void TFormConnecting::ShowFailure() {
    failed_ = true;
    Timer1->stop();
    QPalette p = ui_->Label1->palette();
    p.setColor(QPalette::WindowText, Qt::red);
    ui_->Label1->setPalette(p);
    ui_->Label1->setText(Str(kStrError));
    ui_->Label3->setVisible(true);
    ui_->Button1->setText(Str(kStrClose));
    ui_->Label2->setVisible(false);
}

// The client area is fixed, so the hint has to fit its one line whatever the desktop's
// font: the classic 8-point dialog size (11 px), smaller only for a font too wide for it.
void TFormConnecting::FitHint() {
    QLabel& label = *ui_->Label3;
    const QMargins m = layout()->contentsMargins();
    const int room = kClientWidth - m.left() - m.right();
    QFont font = label.font();
    for (int px = kHintPixels; px >= kHintMinPixels; --px) {
        font.setPixelSize(px);
        if (QFontMetrics(font).horizontalAdvance(label.text()) <= room) break;
    }
    label.setFont(font);
}

void TFormConnecting::CenterOnParent() {
    QRect area;
    if (QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr)
        area = owner->frameGeometry();
    else if (const QScreen* s = screen())
        area = s->availableGeometry();
    if (!area.isValid()) return;
    QRect frame(QPoint(), frameGeometry().size());
    frame.moveCenter(area.center());
    move(frame.topLeft());
}

void TFormConnecting::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        CenterOnParent();
        FormShow();
    }
    QDialog::showEvent(event);
}

void TFormConnecting::hideEvent(QHideEvent* event) {
    if (!event->spontaneous()) FormHide();
    QDialog::hideEvent(event);
}

void TFormConnecting::closeEvent(QCloseEvent* event) {
    // Alt+F4 and the window manager: without a system close button there is no closing
    // from outside either; the program's own close() still works.
    // (QDialog's own handler would ask reject(), which refuses, so it is not called.)
    if (event->spontaneous())
        event->ignore();
    else
        event->accept();
}

void TFormConnecting::reject() {}

void TFormConnecting::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        ui_->retranslateUi(this);
        FitHint();
        // Put back the texts of the look the dialog is in.
        if (failed_) {
            ui_->Label1->setText(Str(kStrError));
            ui_->Button1->setText(Str(kStrClose));
        } else {
            ui_->Label1->setText(Str(kStrConnecting));
            ui_->Button1->setText(Str(kStrCancel));
        }
    }
    QDialog::changeEvent(event);
}

bool TFormConnecting::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate) FormDeactivate();
    return QDialog::event(event);
}

}  // namespace tarvix
