// tarvix: the service and configuration program of the transmitter.
#include "app/app_windows.h"
#include "app/main_window.h"
#include "app/quit_signals.h"
#include "base/string_table.h"
#include "pages/message_box.h"
#include "session/program.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

#include <exception>
#include <memory>

int main(int argc, char** argv) {
    // Windows installers look for a named mutex to see whether the program runs; Linux
    // packages have no such check, so nothing stands for it here.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvix"));
    QApplication::setOrganizationName(QStringLiteral("Tarvix"));
    // An installed program's desktop entry and icon: Wayland desktops match the window to the
    // entry by this name, X11 ones by the entry's StartupWMClass.
    QGuiApplication::setDesktopFileName(QStringLiteral(TARVIX_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(TARVIX_APP_ID)));
    try {
        const QString folder = tarvix::ChooseProgramFolder(QCoreApplication::applicationDirPath());
        tarvix::Journal::Environment env;
        env.systemError = [](const QString& text) {
            QMessageBox box(QMessageBox::Information, QStringLiteral("GetLastError"), text);
            box.exec();
        };
        tarvix::Program program(folder, env);
        std::unique_ptr<tarvix::TForm1> form = tarvix::CreateMainWindows(program);
        // Asked to stop by the system (logout, kill, Ctrl-C), the program ends as "Выход"
        // ends it; the end of a desktop session closes the window the same way.
        tarvix::QuitSignals quit;
        QObject::connect(&quit, &tarvix::QuitSignals::QuitRequested, form.get(), &QWidget::close);
        QObject::connect(&app, &QCoreApplication::aboutToQuit, form.get(), &QWidget::close);
        form->show();
        return app.exec();
    } catch (const std::exception& e) {
        tarvix::ShowProgramMessage(nullptr, QMessageBox::Critical, QString::fromLocal8Bit(e.what()),
                                   QMessageBox::Ok);
        return 1;
    }
}
