// TFormLogFiles ("Файлы журнала"): the daily journal files of the "Logs" folder and the
// content of the chosen one, filtered as the live journal is.
#pragma once

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class TFormLogFiles;
}

namespace tarvix {

struct Program;

class TFormLogFiles : public QDialog {
    Q_OBJECT
  public:
    // The box of a refusal or a loading error; tests answer in place of the user.
    using MessageFunction = std::function<void(QWidget*, const QString&)>;

    TFormLogFiles(Program& program, QWidget* parent = nullptr);
    ~TFormLogFiles() override;

    void SetMessageBox(MessageFunction f) { message_ = std::move(f); }
    // Lists the journal files, oldest first (their names are their dates).
    void FillFileList();
    void FileListBox1Click();

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    Program& p_;
    std::unique_ptr<Ui::TFormLogFiles> ui_;
    MessageFunction message_;
};

}  // namespace tarvix
