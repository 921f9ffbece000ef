// Takes the screenshots of the documentation: the main window connected to the simulated
// transmitter and some of its pages. Run on demand (not a test):
//   xvfb-run -a build/dev/bin/tarvix_screenshots docs/screenshots
#include "app/app_windows.h"
#include "app/main_window.h"
#include "app/navigation.h"
#include "base/string_table.h"
#include "connect/form_setup_com.h"
#include "formats/form_about.h"
#include "formats/form_formats.h"
#include "model/param_table.h"
#include "model/register_ids.h"
#include "pages/catalogue.h"
#include "pages/numeric_picture.h"
#include "pages/page_requests.h"
#include "session/program.h"
#include "tests/support/sim_process.h"
#include "tools/calibration_report_pdf.h"
#include "tools/dsp_signals.h"
#include "tools/form_cur_calibr.h"
#include "tools/form_log_files.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);
    tarvix::testing::SimProcess sim(7);
    QString error;
    if (!sim.Start({QStringLiteral("--freeze")}, &error)) {
        std::fprintf(stderr, "simulator: %s\n", qPrintable(error));
        return 1;
    }
    QTemporaryDir dir;
    tarvix::Program p(dir.path());
    p.Settings.WriteString(QStringLiteral("ComPort"), QStringLiteral("ComNumber"), sim.Link());
    auto form = tarvix::CreateMainWindows(p);
    const tarvix::MessageBoxFunction silent = [](QWidget*, QMessageBox::Icon, const QString& text,
                                                 QMessageBox::StandardButtons) {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return QMessageBox::Ok;
    };
    form->SetMessageBox(silent);
    form->findChild<tarvix::TFormSetupCom*>()->SetMessageBox(silent);
    form->show();
    form->GoOnline();
    if (!QTest::qWaitFor([&] { return form->StatusText(1) == tarvix::Str(tarvix::kStrConnected); },
                         10000)) {
        std::fprintf(stderr, "not connected\n");
        return 1;
    }
    QTest::qWait(2500);  // a few poll cycles: the indicator panel fills
    form->grab().save(out + QStringLiteral("/main_window_connected.png"));

    const struct {
        int node;
        const char* file;
    } shots[] = {{6, "page_main_variables"},   {11, "page_totaliser_1"},    {16, "page_output_1"},
                 {17, "page_output_1_config"}, {22, "page_current_output"}, {31, "page_system"},
                 {1, "page_device_info"}};
    auto* tree = form->findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
    for (const auto& s : shots) {
        // A child node is reached as a user reaches it: through its expanded parent.
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            if ((*it)->data(0, Qt::UserRole).toInt() != s.node || !(*it)->parent()) continue;
            if (!(*it)->parent()->isExpanded()) {
                (*it)->parent()->setExpanded(true);
                QTest::qWait(1500);
            }
        }
        form->SelectNode(s.node);
        form->OpenSelectedNode();
        const int page = tarvix::NodePage(s.node, p.Image);
        if (!QTest::qWaitFor([&] { return form->ActivePage() == page && p.Lists->OpList.Idle(); },
                             10000)) {
            std::fprintf(stderr, "page of node %d not shown\n", s.node);
        }
        QTest::qWait(1500);
        form->grab().save(out + QLatin1Char('/') + QString::fromLatin1(s.file) +
                          QStringLiteral(".png"));
    }
    // The Errors page with messages of each type held by the device.
    for (const char* notice : {"1 0x8000", "2 0x2001", "3 0x4000", "4 0x1005"})
        sim.Command(QStringLiteral("notice ") + QLatin1String(notice));
    sim.Command(QStringLiteral("hold Err 35"));
    form->SelectNode(5);  // "Сообщения"
    form->OpenSelectedNode();
    QTest::qWait(2500);
    form->grab().save(out + QStringLiteral("/page_errors.png"));
    sim.Command(QStringLiteral("notice clear"));
    sim.Command(QStringLiteral("hold clear"));

    // The groups a combo decides: a status output on a limit value and on a totaliser's
    // limit (its unit list is the totaliser's), a totaliser counting nothing and mass.
    {
        using Words = std::vector<std::pair<int, int>>;
        const struct {
            Words device;
            int node;
            const char* file;
        } decided[] = {
            {{{tarvix::mrDOs_Assign, 6}, {tarvix::mrDOs_Unit, 5}}, 21, "page_status_output_limit"},
            {{{tarvix::mrSumAssign2, 2}, {tarvix::mrDOs_Assign, 13}, {tarvix::mrDOs_Unit, 1}},
             21,
             "page_status_output_totaliser"},
            {{{tarvix::mrSumAssign4, 0}}, 14, "page_totaliser_unused"},
            {{{tarvix::mrSumAssign4, 1}, {tarvix::mrSumUnit4, 1}}, 14, "page_totaliser_mass"},
        };
        for (const auto& d : decided) {
            for (const auto& [reg, value] : d.device)
                sim.Command(QStringLiteral("set %1 %2").arg(reg).arg(value));
            for (QTreeWidgetItemIterator it(tree); *it; ++it) {
                if ((*it)->data(0, Qt::UserRole).toInt() != d.node || !(*it)->parent()) continue;
                if (!(*it)->parent()->isExpanded()) {
                    (*it)->parent()->setExpanded(true);
                    QTest::qWait(1500);
                }
            }
            form->SelectNode(d.node);
            form->OpenSelectedNode();
            QTest::qWait(1500);
            form->grab().save(out + QLatin1Char('/') + QString::fromLatin1(d.file) +
                              QStringLiteral(".png"));
        }
    }
    {
        // The display formats dialog on the temperature, its test value read from the device,
        // and the About box.
        auto* formats = form->findChild<tarvix::TFormFormats*>();
        formats->show();
        formats->SelectRow(tarvix::ParamRowByName("Temperature"));
        QTest::qWait(500);
        formats->grab().save(out + QStringLiteral("/formats_dialog.png"));
        formats->hide();
        auto* about = form->findChild<tarvix::TFormAbout*>();
        about->show();
        QTest::qWait(300);
        about->grab().save(out + QStringLiteral("/about_box.png"));
        about->hide();
    }
    {
        // The journal viewer on the file of an earlier day: this session's journal so far.
        const QString logs = dir.filePath(QStringLiteral("Logs"));
        const QString earlier =
            QDate::currentDate().addDays(-1).toString(QStringLiteral("yyyy_MM_dd")) +
            QStringLiteral(".txt");
        QFile::copy(p.Log.FileName(), logs + QLatin1Char('/') + earlier);
        auto* viewer = form->findChild<tarvix::TFormLogFiles*>();
        viewer->show();
        auto* list = viewer->findChild<QListWidget*>(QStringLiteral("FileListBox1"));
        list->setCurrentRow(0);
        viewer->FileListBox1Click();
        QTest::qWait(300);
        viewer->grab().save(out + QStringLiteral("/journal_viewer.png"));
        viewer->hide();
    }
    {
        // File mode: the configuration the simulator saves, chosen with "Выбрать файл...".
        const QString file = dir.filePath(QStringLiteral("kviron.mbr"));
        sim.Command(QStringLiteral("save ") + file);
        form->SetConfigFileDialog([file](QWidget*, const QString&) { return file; });
        form->ChooseConfigFile();
        const int node = 11;  // "Сумматор 1"
        form->SelectNode(node);
        form->OpenSelectedNode();
        if (!QTest::qWaitFor(
                [&] {
                    return form->ActivePage() == tarvix::NodePage(node, p.Image) &&
                           p.Lists->OpList.Idle();
                },
                10000)) {
            std::fprintf(stderr, "file mode page not shown\n");
        }
        QTest::qWait(1000);
        form->grab().save(out + QStringLiteral("/file_mode.png"));
    }
    // The current output calibration wizard on a board with an error of its own: step 3
    // (20 mA driven, the log of the steps before), the test step after the computation, and
    // the first page of the report's PDF.
    {
        using tarvix::Str;
        form->GoOnline();  // the wizard works on the device only
        if (!QTest::qWaitFor([&] { return form->StatusText(1) == Str(tarvix::kStrConnected); },
                             10000))
            std::fprintf(stderr, "not connected again\n");
        sim.Command(QStringLiteral("board-error 0.05 1.012"));
        auto* wizard = form->findChild<tarvix::TFormCurCalibr*>();
        const QChar sep = QLocale::system().decimalPoint().at(0);
        const auto click = [wizard](const char* name) {
            wizard->findChild<QPushButton*>(QLatin1String(name))->click();
        };
        const auto status = [wizard](const QString& text) {
            if (!QTest::qWaitFor([&] { return wizard->Status() == text; }, 10000))
                std::fprintf(stderr, "wizard status not reached: %s\n", qPrintable(text));
        };
        const auto mA = [sep](float v) {
            return tarvix::FormatPicture(v, u"0", sep) + Str(tarvix::kStrMilliampere);
        };
        const auto type = [wizard, sep](const char* edit, const QString& text) {
            wizard->findChild<QLineEdit*>(QLatin1String(edit))
                ->setText(QString(text).replace(u'.', sep));
        };
        const auto ammeter = [&sim] {
            QTest::qWait(250);  // the output follows in the device's next measuring cycle
            return sim.Command(QStringLiteral("ammeter")).section(u' ', 1);
        };
        const QString reportBase = dir.filePath(QStringLiteral("report"));
        wizard->SetMessageBox([](QWidget*, QMessageBox::Icon, const QString&,
                                 QMessageBox::StandardButtons) { return QMessageBox::Yes; });
        wizard->SetReportDialog([reportBase](QWidget*, const QString&) { return reportBase; });
        form->Connection().PauseForTool();
        wizard->show();
        click("ButtonForward");
        status(Str(tarvix::kStrCalCurrentSet) + mA(4));
        type("Edit4mA", ammeter());
        click("ButtonSend4mA");
        status(Str(tarvix::kStrCalMeasuredWritten) + mA(4));
        click("ButtonForward");
        status(Str(tarvix::kStrCalCurrentSet) + mA(20));
        type("Edit20mA", ammeter());
        QTest::qWait(300);
        wizard->grab().save(out + QStringLiteral("/wizard_step3.png"));
        click("ButtonSend20mA");
        status(Str(tarvix::kStrCalMeasuredWritten) + mA(20));
        click("ButtonForward");
        click("ButtonCount");
        status(Str(tarvix::kStrCalComputed));
        click("ButtonForward");
        type("EditTestSet", QStringLiteral("12"));
        click("ButtonSendTest");
        status(Str(tarvix::kStrCalTestCurrentSet));
        type("EditTestMeasured", ammeter());
        click("ButtonCountErr");
        QTest::qWait(300);
        wizard->grab().save(out + QStringLiteral("/wizard_completed.png"));
        click("ButtonOkCancel");  // "Готово": simulation off, the report saved
        form->Connection().ResumeAfterTool();
        const QString png = out + QStringLiteral("/calibration_report");
        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        // The PDF itself rendered where poppler is installed; otherwise the same page painted
        // by the report's own code.
        if (pdftoppm.isEmpty() ||
            QProcess::execute(pdftoppm, {QStringLiteral("-png"), QStringLiteral("-r"),
                                         QStringLiteral("70"), QStringLiteral("-singlefile"),
                                         reportBase + QStringLiteral(".pdf"), png}) != 0) {
            std::fprintf(stderr, "pdftoppm missing: the report page painted by Qt instead\n");
            tarvix::RenderReportPage(wizard->Calibration().Report(), sep, 70)
                .save(png + QStringLiteral(".png"));
        }
    }

    // The point tables: the correction points (read as its service-edition node reads them)
    // and the target fluid's density table.
    {
        const auto wait = [](const std::function<bool()>& done, const char* what) {
            if (!QTest::qWaitFor(done, 10000)) std::fprintf(stderr, "%s not shown\n", what);
        };
        tarvix::ModbusList& op = p.Lists->OpList;
        wait([&] { return op.Idle() && !op.Busy.load(); }, "idle list");
        form->SelectNode(27);  // "Базовые функции", whose child the page is
        p.Lists->ResetList(op);
        op.Flags = tarvix::kFlagPwlTable;
        tarvix::AddPwlRead(op);
        op.Launch();
        form->Connection().StartOperation(tarvix::kPagePwlCorr);
        wait([&] { return form->ActivePage() == tarvix::kPagePwlCorr; }, "correction page");
        QTest::qWait(1500);
        form->grab().save(out + QStringLiteral("/page_flow_correction.png"));
        form->SelectNode(36);  // "Целевая среда"
        form->OpenSelectedNode();
        wait([&] { return form->ActivePage() == tarvix::kPageTargetFluid; }, "fluid page");
        QTest::qWait(1500);
        form->grab().save(out + QStringLiteral("/page_target_fluid.png"));
    }
    // The raw signals of a recording, transferred and drawn.
    {
        form->ShowPage(tarvix::PageIndexOf(u"PageSignals"));
        form->CaptureSignals();
        form->TransferSignals(tarvix::SignalKind::Raw);
        if (!QTest::qWaitFor([&] { return !form->Dsp().Running(); }, 30000))
            std::fprintf(stderr, "signals not transferred\n");
        QTest::qWait(500);
        form->grab().save(out + QStringLiteral("/page_signals.png"));
    }
    form->close();
    return 0;
}
