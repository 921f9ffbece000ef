// The error raised for wrong user input (a number that does not parse, a value outside its
// limits, a display format that cannot be applied): it carries the message the window's
// standard error box shows, and ends the command that raised it.
#pragma once

#include <QString>

#include <exception>

namespace tarvix {

class UserError : public std::exception {
  public:
    explicit UserError(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    const QString& message() const { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

  private:
    QString message_;
    QByteArray utf8_;
};

}  // namespace tarvix
