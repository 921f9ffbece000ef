#include "message_box.h"

#include "base/string_table.h"
#include "base/user_error.h"

namespace tarvix {
namespace {

// The box's label wraps only between words: a long input without blanks (a number typed
// with a hundred digits, a path) widened the box past the screen and was cut off at the
// right. An invisible break opportunity (zero-width space) every so many characters of such
// a run lets it wrap like any other text; ordinary words are left alone.
constexpr int kLongestUnbrokenRun = 30;
constexpr char16_t kZeroWidthSpace = 0x200B;

QString Wrappable(const QString& text) {
    QString out;
    out.reserve(text.size() + text.size() / kLongestUnbrokenRun);
    int run = 0;
    for (const QChar ch : text) {
        if (ch.isSpace()) {
            run = 0;
        } else if (++run > kLongestUnbrokenRun && !ch.isLowSurrogate()) {
            out += QChar(kZeroWidthSpace);
            run = 1;
        }
        out += ch;
    }
    return out;
}

}  // namespace

QMessageBox::StandardButton ShowProgramMessage(QWidget* parent, QMessageBox::Icon icon,
                                               const QString& text,
                                               QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, Str(kStrProgramTitle), Wrappable(text), buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void ShowUserError(const MessageBoxFunction& show, QWidget* parent, const UserError& error) {
    show(parent, QMessageBox::Critical, error.message(), QMessageBox::Ok);
}

}  // namespace tarvix
