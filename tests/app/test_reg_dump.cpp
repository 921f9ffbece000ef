// The register dump dialog against the simulated transmitter: 21 block reads into a file of
// 654 registers, that file written back, an abort honoured after the request in progress,
// and files or devices that refuse: nothing is sent from a file that fails its checksum.
#include "link/modbus_rtu.h"
#include "link/register_dump.h"
#include "tests/support/window_harness.h"
#include "tools/form_reg_dump.h"

#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace tarvix {

class TestRegDump : public QObject {
    Q_OBJECT

    testing::WindowHarness w_;
    TFormRegDump* dialog_ = nullptr;
    QStringList messages_;
    QString file_;

    int Requests() const { return w_.SimRequests(); }
    QPushButton* Button(const char* name) const {
        return dialog_->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    bool Ends(const QString& status) const {
        return QTest::qWaitFor([&] { return dialog_->Status() == status; }, 30000);
    }

  private Q_SLOTS:
    void initTestCase() {
        QString error;
        QVERIFY2(w_.Start({QStringLiteral("--freeze")}, &error), qPrintable(error));
        QVERIFY(w_.Form().Connection().PauseForTool());
        dialog_ = w_.Form().findChild<TFormRegDump*>();
        QVERIFY(dialog_);
        file_ = w_.Folder() + QStringLiteral("/dump.mbr");
        dialog_->SetMessageBox(
            [this](QWidget*, QMessageBox::Icon, const QString& text, QMessageBox::StandardButtons) {
                messages_ << text;
                return QMessageBox::Ok;
            });
        dialog_->SetFileDialogs([this](QWidget*, const QString&) { return file_; },
                                [this](QWidget*) { return file_; });
        dialog_->show();
    }
    void cleanupTestCase() {
        dialog_->hide();
        w_.Form().Connection().ResumeAfterTool();
        w_.Stop();
    }

    void aDumpReadsTheBlocksAndRestoresTheFile() {
        const int before = Requests();
        Button("ButtonFmToFile")->click();
        QVERIFY(Ends(Str(kStrDumpDone)));
        QCOMPARE(Requests() - before, kDumpBlockCount);
        const DumpLoad load = LoadDumpFile(file_);
        QVERIFY(load.ok());
        QVERIFY(load.Missing.empty());
        QCOMPARE(dialog_->findChild<QLabel*>(QStringLiteral("LabelFileName"))->text(), file_);

        QVERIFY(w_.Sim(QStringLiteral("set SumUnit1 2")));
        Button("ButtonFileToFm")->click();
        QVERIFY(Ends(Str(kStrDumpDone)));
        QCOMPARE(w_.SimWord(702), 1);  // SumUnit1 as the file holds it
        QVERIFY(messages_.isEmpty());
    }

    void anAbortEndsAfterTheRequestInProgress() {
        // Reading: the abort leaves no file behind.
        const QString kept = file_;
        file_ = w_.Folder() + QStringLiteral("/aborted.mbr");
        Button("ButtonFmToFile")->click();
        QCOMPARE(Button("ButtonCancel")->text(), Str(kStrAbort));
        QVERIFY(!Button("ButtonFileToFm")->isEnabled());
        Button("ButtonCancel")->click();
        QVERIFY(Ends(Str(kStrDumpAborted)));
        QCOMPARE(Button("ButtonCancel")->text(), Str(kStrDumpClose));
        QVERIFY(w_.Form().Connection().OperationIdle());
        QVERIFY(!QFile::exists(file_));
        Button("ButtonCancel")->click();
        QVERIFY(!dialog_->isVisible());
        dialog_->show();

        // Escape in the middle of a read aborts it too; the dialog goes only once it has
        // ended, so the operation list is never left running behind a closed dialog.
        Button("ButtonFmToFile")->click();
        QTest::keyClick(dialog_, Qt::Key_Escape);
        QVERIFY(dialog_->isVisible());
        QVERIFY(QTest::qWaitFor([&] { return !dialog_->isVisible(); }, 10000));
        QCOMPARE(dialog_->Status(), Str(kStrDumpAborted));
        QVERIFY(!dialog_->Transfer().Running());
        QVERIFY(!QFile::exists(file_));
        dialog_->show();

        // Writing: the rows before the abort were written, nothing after it.
        file_ = kept;
        const int before = Requests();
        Button("ButtonFileToFm")->click();
        QTest::qWait(100);
        Button("ButtonCancel")->click();
        QVERIFY(Ends(Str(kStrDumpAborted)));
        const int written = Requests() - before;
        QVERIFY2(written >= 1 && written < static_cast<int>(RestoreRows().size()),
                 qPrintable(QString::number(written)));
        QTest::qWait(300);
        QCOMPARE(Requests() - before, written);
    }

    void aDeviceFallingSilentEndsTheRead() {
        messages_.clear();
        auto* progress = dialog_->findChild<QProgressBar*>(QStringLiteral("ProgressBar"));
        Button("ButtonFmToFile")->click();
        QVERIFY(QTest::qWaitFor([&] { return progress->value() >= 3; }, 10000));
        QVERIFY(w_.Sim(QStringLiteral("silent on")));
        // Either the retries end in "no answer" or the request overruns its budget first.
        QVERIFY(QTest::qWaitFor(
            [&] {
                return dialog_->Status() == Str(kStrDumpError) ||
                       dialog_->Status() == Str(kStrExchangeTimeout);
            },
            30000));
        QVERIFY(w_.Sim(QStringLiteral("silent off")));
        if (dialog_->Status() == Str(kStrDumpError))
            QCOMPARE(messages_.value(0), ResultText(kResultNoAnswer));
        QVERIFY(!dialog_->Transfer().Running());
        // Whichever way it ended, the list comes back and the dialog closes.
        QVERIFY(QTest::qWaitFor([&] { return w_.Form().Connection().OperationIdle(); }, 5000));
        Button("ButtonCancel")->click();
        QVERIFY(!dialog_->isVisible());
        dialog_->show();
    }

    void refusedFilesAndValuesAreReported() {
        // A value edited by hand: the checksum fails and nothing reaches the device.
        messages_.clear();
        QFile f(file_);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QByteArray text = f.readAll();
        f.close();
        text.replace("\r\n702=1\r\n", "\r\n702=2\r\n");
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
        f.close();
        const int before = Requests();
        Button("ButtonFileToFm")->click();
        QCOMPARE(dialog_->Status(), Str(kStrChecksumError));
        QCOMPARE(messages_.value(0), Str(kStrDumpChecksumError));
        QCOMPARE(Requests(), before);

        // The device refuses one block: its exception ends the read with the result's text.
        messages_.clear();
        QVERIFY(w_.Sim(QStringLiteral("exception 1500 2")));
        Button("ButtonFmToFile")->click();
        QVERIFY(Ends(Str(kStrDumpError)));
        QVERIFY(w_.Sim(QStringLiteral("exception clear")));
        QCOMPARE(messages_.value(0), ResultText(kExceptionIllegalAddress));
        QCOMPARE(Button("ButtonCancel")->text(), Str(kStrDumpClose));
    }
};

}  // namespace tarvix

QTEST_MAIN(tarvix::TestRegDump)
#include "test_reg_dump.moc"
