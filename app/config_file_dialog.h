// The open-file dialog of "Файл" and "Выбрать файл...": configuration files ("*.mbr"), a
// name that does not exist yet only after the user agreed to create it.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace tarvix {

// Asks for a configuration file; returns its path, or an empty string when cancelled.
// current: the file chosen last (the dialog starts in its folder).
using ConfigFileDialogFunction = std::function<QString(QWidget* parent, const QString& current)>;

// The modal dialog: default suffix "mbr", filter "ModBusRegs (*.mbr)", resizable. A name
// that does not exist is asked about ("create it?") before it is returned; nothing is
// written (a new file holds no checksum, so reading it ends in the checksum error).
QString ShowConfigFileDialog(QWidget* parent, const QString& current);

}  // namespace tarvix
