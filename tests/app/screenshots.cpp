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
#include "pages/message_box.h"
#include "pages/numeric_picture.h"
#include "pages/page_requests.h"
#include "session/program.h"
#include "tests/support/sim_process.h"
#include "tools/calibration_report_pdf.h"
#include "tools/dsp_signals.h"
#include "tools/form_cur_calibr.h"
#include "tools/form_dsp_eeprom.h"
#include "tools/form_log_files.h"
#include "tools/par_vals_page.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

// The program's own question box with Qt's standard buttons, in the language shown: taken
// while it waits for its answer, then answered "Cancel".
static void MessageBoxShot(QWidget* parent, const QString& file) {
    QTimer::singleShot(800, [file] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->grab().save(file);
            box->reject();
        }
    });
    tarvix::ShowProgramMessage(parent, QMessageBox::Question,
                               tarvix::Str(tarvix::kStrTransferConfirm),
                               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

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
    // The main variables while the device is silent: values and indicator greyed, "Нет
    // ответа с ..." in the status bar. Then a save the write lock refused, named beside the
    // buttons.
    {
        form->SelectNode(6);
        form->OpenSelectedNode();
        if (!QTest::qWaitFor([&] { return form->ActivePage() == 6 && p.Lists->OpList.Idle(); },
                             10000))
            std::fprintf(stderr, "main variables not shown\n");
        sim.Command(QStringLiteral("silent on"));
        QTest::qWait(3500);
        form->grab().save(out + QStringLiteral("/page_stale_values.png"));
        sim.Command(QStringLiteral("silent off"));
        QTest::qWait(2500);
        form->SelectNode(11);  // "Сумматор 1"
        form->OpenSelectedNode();
        if (!QTest::qWaitFor([&] { return form->ActivePage() == 11 && p.Lists->OpList.Idle(); },
                             10000))
            std::fprintf(stderr, "totaliser 1 not shown\n");
        sim.Command(QStringLiteral("switch write on"));
        auto* combo = form->findChild<QComboBox*>(QStringLiteral("ComboSumMode1"));
        const int wanted = combo->currentIndex() == 1 ? 2 : 1;
        combo->setCurrentIndex(wanted);
        Q_EMIT combo->activated(wanted);
        form->findChild<QPushButton*>(QStringLiteral("ButtonSave"))->click();
        auto* failure = form->findChild<QLabel*>(QStringLiteral("LabelSaveFailure"));
        if (!QTest::qWaitFor([&] { return failure->isVisible() && p.Lists->OpList.Idle(); }, 10000))
            std::fprintf(stderr, "save failure not shown\n");
        QTest::qWait(1000);
        form->grab().save(out + QStringLiteral("/page_save_failed.png"));
        sim.Command(QStringLiteral("switch write off"));
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
    // The measuring module's EEPROM dump dialog after its twenty parameters went to a file.
    {
        auto* dsp = form->findChild<tarvix::TFormDspRegDump*>();
        const QString file = dir.filePath(QStringLiteral("module.dsp"));
        dsp->SetFileDialogs([file](QWidget*) { return file; }, [file](QWidget*) { return file; });
        form->Connection().PauseForTool();
        dsp->show();
        dsp->ButtonFmToFileClick();
        if (!QTest::qWaitFor([&] { return dsp->Status() == tarvix::Str(tarvix::kStrDumpDone); },
                             20000))
            std::fprintf(stderr, "EEPROM dump not done: %s\n", qPrintable(dsp->Status()));
        QTest::qWait(300);
        dsp->grab().save(out + QStringLiteral("/dsp_eeprom_dump.png"));
        dsp->hide();
        form->Connection().ResumeAfterTool();
    }
    // The single-parameter page: a menu parameter read, its item and number side by side.
    {
        form->SelectNode(46);  // "Отдельные параметры"
        form->OpenSelectedNode();
        if (!QTest::qWaitFor([&] { return form->ActivePage() == tarvix::kPageCorio; }, 10000))
            std::fprintf(stderr, "single-parameter page not shown\n");
        auto* list = form->findChild<QListWidget*>(QStringLiteral("ListAllRegsCorio"));
        const auto found = list->findItems(QStringLiteral("SumUnit1"), Qt::MatchExactly);
        if (!found.isEmpty()) {
            list->setCurrentItem(found.front());
            list->scrollToItem(found.front());
            form->findChild<QPushButton*>(QStringLiteral("ButtonReadCorio"))->click();
        }
        QTest::qWait(1500);
        form->grab().save(out + QStringLiteral("/page_single_parameter.png"));
    }
    // The register polling page: six parameters of a flowing process as a table and as the
    // chart (mass flow red on the left axis, density blue on the right).
    {
        sim.Command(QStringLiteral("freeze off"));
        form->SelectNode(45);  // "Опрос регистров"
        form->OpenSelectedNode();
        if (!QTest::qWaitFor([&] { return form->ActivePage() == tarvix::NodePage(45, p.Image); },
                             10000))
            std::fprintf(stderr, "register polling page not shown\n");
        auto& page = form->ParVals();
        auto* all = form->findChild<QListWidget*>(QStringLiteral("ListAllRegs"));
        for (const char* name :
             {"MassFlow", "Density", "Temperature", "VolumeFlow", "FlowDamping", "UnitMassFlow"}) {
            const auto found = all->findItems(QString::fromLatin1(name), Qt::MatchExactly);
            if (found.isEmpty()) continue;
            all->setCurrentItem(found.front());
            page.AddParameter();
        }
        page.ApplyChanges();
        form->findChild<QCheckBox*>(QStringLiteral("CheckBoxPoll"))->click();
        form->resize(1180, 1060);  // the lists, the buttons and the table or chart at once
        QTest::qWait(12000);
        form->grab().save(out + QStringLiteral("/page_register_polling_table.png"));
        form->findChild<QRadioButton*>(QStringLiteral("RadioButtonParValsCharts"))->click();
        form->findChild<QComboBox*>(QStringLiteral("ComboBoxParValRed"))->setCurrentIndex(1);
        form->findChild<QComboBox*>(QStringLiteral("ComboBoxParValBlue"))->setCurrentIndex(2);
        QTest::qWait(3000);
        form->grab().save(out + QStringLiteral("/page_register_polling_chart.png"));
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
    // The main window in English on a configuration page, its parent node expanded.
    if (auto* english = form->findChild<QAction*>(QStringLiteral("MenuEnglish"))) {
        english->trigger();
        form->SelectNode(31);  // "System configuration"
        form->OpenSelectedNode();
        if (!QTest::qWaitFor([&] { return form->ActivePage() == tarvix::NodePage(31, p.Image); },
                             10000))
            std::fprintf(stderr, "page of node 31 not shown in English\n");
        QTest::qWait(2500);
        form->grab().save(out + QStringLiteral("/main_window_english.png"));
        MessageBoxShot(form.get(), out + QStringLiteral("/message_box_english.png"));
        form->findChild<QAction*>(QStringLiteral("MenuRussian"))->trigger();
        MessageBoxShot(form.get(), out + QStringLiteral("/message_box_russian.png"));
    }
    form->close();
    return 0;
}
