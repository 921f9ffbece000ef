// TFormCurCalibr ("Мастер калибровки токового выхода"): guides the engineer through the
// calibration of the 4-20 mA output against an ammeter in five steps (start, 4 mA, 20 mA,
// computation, test), with a status line and a log of every exchange. The exchange itself is
// CurrentCalibration's; whichever way the dialog is left, the output leaves simulation.
#pragma once

#include "tools/current_calibration.h"

#include <QDialog>
#include <QMessageBox>

#include <functional>
#include <memory>

namespace Ui {
class TFormCurCalibr;
}

namespace tarvix {

struct Program;

class TFormCurCalibr : public QDialog {
    Q_OBJECT
  public:
    using MessageFunction = std::function<QMessageBox::StandardButton(
        QWidget*, QMessageBox::Icon, const QString&, QMessageBox::StandardButtons)>;
    // Returns the chosen path (without or with an extension), or empty when cancelled.
    using SaveFileFunction = std::function<QString(QWidget*, const QString& proposed)>;

    enum Step { kStepStart, kStep4mA, kStep20mA, kStepCompute, kStepTest };
    static constexpr int kClientHeight = 328;

    TFormCurCalibr(Program& program, QWidget* parent = nullptr);
    ~TFormCurCalibr() override;

    void SetMessageBox(MessageFunction f) { message_ = std::move(f); }
    void SetReportDialog(SaveFileFunction f) { saveReport_ = std::move(f); }
    CurrentCalibration& Calibration() { return calibration_; }

    int CurrentStep() const;
    QString Status() const;
    QStringList LogLines() const;
    // The result of the switch-off written when the dialog was hidden last (0: taken).
    std::uint8_t ClosingResult() const { return closingResult_; }

    void ButtonForwardClick();
    void ButtonBackClick();
    void Button4Click();
    void Button6Click();
    void ButtonSend4mAClick();
    void ButtonSend20mAClick();
    void ButtonCountClick();
    void ButtonSendTestClick();
    void ButtonCountErrClick();
    void ButtonDefaultsClick();
    void ButtonRepeatClick();
    void ButtonOkCancelClick();

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  public Q_SLOTS:
    void done(int result) override;

  private:
    void FormShow();
    void FormHide();
    void GoTo(Step step);
    void SetButtons(Step step);
    void ShowMeasured();
    void SetStatus(const QString& text);
    void AddLog(const QString& tag, const QString& text);
    void OperationStarted(CurrentCalibration::Operation op, float value);
    void OperationFinished(CurrentCalibration::Operation op, float value, std::uint8_t result);
    void SendMeasured(CurrentCalibration::Operation trim);
    void OfferReport();
    void SetClosingCaption(bool done);
    QMessageBox::StandardButton Message(QMessageBox::Icon icon, const QString& text,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok);

    Program& p_;
    std::unique_ptr<Ui::TFormCurCalibr> ui_;
    CurrentCalibration calibration_;
    MessageFunction message_;
    SaveFileFunction saveReport_;
    QString point4Text_;
    QString point20Text_;
    QString accepted4Text_;  // what the edits showed before the user's last entry
    QString accepted20Text_;
    std::uint8_t closingResult_ = 0;
};

}  // namespace tarvix
