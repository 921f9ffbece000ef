// TFormAbout ("О программе"): the program's title, its version and the commit it was built
// from, and where its settings file lives.
#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TFormAbout;
}

namespace tarvix {

struct Program;

// The four-part version "major.minor.patch.tweak" of this build.
QString ProgramVersion();
// The commit of the checkout this build was made from (git describe); empty outside one.
QString ProgramCommit();
// Where the settings file is kept: its path and whether that is the program's own folder or
// the user's application data folder (for an installed or read-only program).
QString SettingsPlace(const QString& settingsFile, const QString& executableFolder);

class TFormAbout : public QDialog {
    Q_OBJECT
  public:
    TFormAbout(Program& program, QWidget* parent = nullptr);
    ~TFormAbout() override;

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    Program& p_;
    std::unique_ptr<Ui::TFormAbout> ui_;
};

}  // namespace tarvix
