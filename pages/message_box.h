// The program's message boxes. Every box carries the program's title (string 0) as its
// caption and wraps long words; a window asks through a MessageBoxFunction (or a narrower
// function of its own) so that a test can answer in place of the user.
#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

namespace tarvix {

class UserError;

using MessageBoxFunction = std::function<QMessageBox::StandardButton(
    QWidget* parent, QMessageBox::Icon icon, const QString& text,
    QMessageBox::StandardButtons buttons)>;

// A modal box with the program's caption; returns the button pressed.
QMessageBox::StandardButton ShowProgramMessage(QWidget* parent, QMessageBox::Icon icon,
                                               const QString& text,
                                               QMessageBox::StandardButtons buttons);

// The standard error box: the message of wrong user input, OK button.
void ShowUserError(const MessageBoxFunction& show, QWidget* parent, const UserError& error);

}  // namespace tarvix
