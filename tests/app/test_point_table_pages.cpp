// The point tables in the main window against the simulated transmitter: the correction
// points typed through the grid's keys, checked, sorted after the question and written
// inside the access-key bracket, then read back; a key the device does not take; the density
// tables saved to a file, loaded on the other fluid's page, written and read back; the
// approximation method switching the page; files that are no tables; and the same edits in
// file mode ending up in a configuration file the simulator loads.
#include "base/cp1251.h"
#include "link/modbus_rtu.h"
#include "model/param_table.h"
#include "model/register_ids.h"
#include "pages/page_requests.h"
#include "pages/point_table_pages.h"
#include "tests/support/window_harness.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>

namespace tarvix {

class TestPointTablePages : public QObject {
    Q_OBJECT

    testing::WindowHarness w_;
    QString chosenFile_;  // what the table file dialogs answer
    const QChar sep_ = QLocale::system().decimalPoint().at(0);

    QString Dec(const char* text) const {
        return QString::fromUtf8(text).replace(QLatin1Char('.'), sep_);
    }
    double SimValue(const QString& name) {
        return w_.Sim().Command(QStringLiteral("get ") + name).section(u' ', 1, 1).toDouble();
    }
    QTableWidget* Grid(const char* name) { return w_.Find<QTableWidget>(name); }
    QStringList Column(QTableWidget* grid, int column, int rows) {
        QStringList cells;
        for (int r = 0; r < rows; ++r) cells << grid->item(r, column)->text();
        return cells;
    }
    // Types into a cell as a user does: the editor opens, the keys go in, Enter commits.
    void Type(QTableWidget* grid, int row, int column, const QString& keys) {
        grid->setCurrentCell(row, column);
        grid->editItem(grid->item(row, column));
        auto* editor = grid->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Delete);
        QTest::keyClicks(editor, keys);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();  // the queued compaction
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the old editor
    }
    // The correction page, reached as its tree node reaches it (the user edition has none).
    bool OpenPwlPage() {
        if (AccessLevel < 3) return w_.Open(33);
        ModbusList& op = w_.P().Lists->OpList;
        if (!QTest::qWaitFor([&] { return w_.Idle(); }, 10000)) return false;
        w_.P().Lists->ResetList(op);
        op.Flags = kFlagPwlTable;
        AddPwlRead(op);
        op.Launch();
        w_.Form().Connection().StartOperation(kPagePwlCorr);
        return QTest::qWaitFor([&] { return w_.Idle() && w_.Form().ActivePage() == kPagePwlCorr; },
                               10000);
    }
    bool SaveAndWait() {
        w_.Form().SavePage();
        return QTest::qWaitFor([&] { return w_.Idle(); }, 10000);
    }
    void Pick(const char* combo, int index) {
        auto* c = w_.Find<QComboBox>(combo);
        c->setCurrentIndex(index);
        Q_EMIT c->activated(index);
    }
    bool Shown(const char* name) { return !w_.Find<QWidget>(name)->isHidden(); }

  private Q_SLOTS:
    void initTestCase() {
        QString error;
        QVERIFY2(w_.Start({QStringLiteral("--freeze")}, &error), qPrintable(error));
        // Questions are answered "Yes", everything else "OK".
        w_.Form().SetMessageBox([this](QWidget*, QMessageBox::Icon, const QString& text,
                                       QMessageBox::StandardButtons buttons) {
            w_.Messages() << text;
            return buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
        });
        w_.Form().SetTableFileDialog([this](QWidget*, bool) { return chosenFile_; });
    }

    void correctionPointsAreSortedWrittenAndReadBack() {
        QVERIFY(OpenPwlPage());
        QTableWidget* grid = Grid("StringGridCalPoints");
        auto* count = w_.Find<QLineEdit>("EditCount_PwlInterpol");
        QCOMPARE(count->text(), QStringLiteral("4"));
        QCOMPARE(Column(grid, 1, 4),
                 (QStringList{Dec("0.05"), Dec("0.20"), Dec("0.50"), Dec("0.90")}));

        // Letters are dropped and either separator is the system's; a cleared flow closes
        // its row and Insert opens one where the last row holds no point.
        Type(grid, 0, 1, QStringLiteral("0x,5"));
        QCOMPARE(grid->item(0, 1)->text(), Dec("0.5"));
        Type(grid, 1, 1, QString());
        QCOMPARE(grid->item(1, 1)->text(), Dec("0.50"));  // row 3 moved up
        QCOMPARE(grid->item(7, 1)->text(), Dec("0.0"));
        grid->setCurrentCell(1, 1);
        QTest::keyClick(grid, Qt::Key_Insert);
        QCoreApplication::processEvents();
        QCOMPARE(grid->item(1, 1)->text(), QString());
        QCOMPARE(grid->item(2, 1)->text(), Dec("0.50"));
        Type(grid, 0, 2, QStringLiteral("10"));
        Type(grid, 1, 1, QStringLiteral("0.2"));
        Type(grid, 1, 2, QStringLiteral("-5"));
        Type(grid, 2, 1, QStringLiteral("0.8"));
        Type(grid, 2, 2, QStringLiteral("3"));
        count->setText(QStringLiteral("3"));
        QVERIFY(w_.Find<QPushButton>("ButtonSave")->isEnabled());

        // Out of order: the question, then the sorted points go inside the key bracket.
        w_.Messages().clear();
        QVERIFY(SaveAndWait());
        QCOMPARE(w_.Messages(), QStringList{Str(kStrPwlUnsorted)});
        // Sorted in the grid (as typed, or as read back where the edition re-reads the page).
        QList<double> flows;
        for (QString cell : Column(grid, 1, 3)) flows << cell.replace(sep_, u'.').toDouble();
        QCOMPARE(flows, (QList<double>{0.2, 0.5, 0.8}));
        const struct {
            const char* name;
            double value;
        } device[] = {{"PointInterpolation1", 0.2},     {"dQ_Correction1", -5},
                      {"PointInterpolation2", 0.5},     {"dQ_Correction2", 10},
                      {"PointInterpolation3", 0.8},     {"dQ_Correction3", 3},
                      {"Count_LinearInterpolation", 3}, {"SensorData_AccessKey", 0}};
        for (const auto& d : device)
            QVERIFY2(qAbs(SimValue(QLatin1String(d.name)) - d.value) < 1e-6, d.name);
        QVERIFY(OpenPwlPage());
        QCOMPARE(Column(grid, 1, 3), (QStringList{Dec("0.20"), Dec("0.50"), Dec("0.80")}));
        QCOMPARE(Column(grid, 2, 3), (QStringList{Dec("-5.00"), Dec("10.00"), Dec("3.00")}));

        // A key the device does not take (its serial number changed behind the program's
        // back): each refused value is journalled, nothing changes in the device.
        QVERIFY(w_.Sim(QStringLiteral("set CUR_SN 4711")));
        Type(grid, 0, 2, QStringLiteral("7"));
        QVERIFY(SaveAndWait());
        QVERIFY(
            w_.Journalled(QStringLiteral("dQ_Correction1 - ") + ResultText(kExceptionWriteFailed)));
        QCOMPARE(SimValue(QStringLiteral("dQ_Correction1")), -5.0);
        QVERIFY(w_.Sim(QStringLiteral("set CUR_SN 5207")));
    }

    void refusedCorrectionPointsSendNothing() {
        QVERIFY(OpenPwlPage());
        QTableWidget* grid = Grid("StringGridCalPoints");
        auto* count = w_.Find<QLineEdit>("EditCount_PwlInterpol");
        const struct {
            const char* count;
            int row, column;
            const char* cell;
            QString message;
        } cases[] = {
            {"9", 0, 1, "0.2", QStringLiteral("9 выходит за пределы допустимых значений: 0..8")},
            {"3", 1, 1, "1", QStringLiteral("Недопустимое значение: 1")},
            {"3", 2, 2, "1500",
             QStringLiteral("1500 выходит за пределы допустимых значений: -1000..1000")},
        };
        for (const auto& c : cases) {
            QVERIFY(OpenPwlPage());
            count->setText(QLatin1String(c.count));
            grid->item(c.row, c.column)->setText(QLatin1String(c.cell));
            w_.Messages().clear();
            const int sent = w_.P().Lists->OpList.Len;
            w_.Form().SavePage();
            QCOMPARE(w_.Messages(), QStringList{c.message});
            QCOMPARE(w_.P().Lists->OpList.Len, sent);  // the page read's list, not a write
            if (QLatin1String(c.count) != QLatin1String("9")) {
                QCOMPARE(grid->currentRow(), c.row);  // the failing cell is selected
                QCOMPARE(grid->currentColumn(), c.column);
            }
        }
        QCOMPARE(SimValue(QStringLiteral("Count_LinearInterpolation")), 3.0);
    }

    void densityTablesMoveThroughAFileToTheOtherFluid() {
        QVERIFY(w_.Open(36));  // "Целевая среда": piecewise linear
        QTableWidget* target = Grid("StringGridTargetPWL");
        QVERIFY(Shown("GroupBoxTargetPWL") && !Shown("EdTarget_a0"));
        QCOMPARE(target->item(0, 2)->text(), Dec("806.25"));

        // Saved as it stands: 21 lines, the header quoted where it holds blanks.
        chosenFile_ = w_.Folder() + QStringLiteral("/target.csv");
        w_.Form().SaveDensityTable(true);
        QFile file(chosenFile_);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.count("\r\n"), 21);
        QVERIFY(bytes.startsWith(ToCp1251(u"№;\"t, °C\";\"d, кг/м3\"\r\n1;")));

        // Untouched, the table is not sent: only the method and the count.
        w_.Form().SavePage();
        QCOMPARE(w_.P().Lists->OpList.Len, 2);
        QCOMPARE(w_.P().Lists->OpList.Start[1], mrTF_ApproximationMethod);
        QVERIFY(QTest::qWaitFor([&] { return w_.Idle(); }, 10000));

        // The carrier page: the polynomial; the user picks the table, loads the file.
        QVERIFY(w_.Open(37));
        QTableWidget* carrier = Grid("StringGridCarrierPWL");
        QVERIFY(!Shown("GroupBoxCarrierPWL") && Shown("EdCarrier_a0"));
        Pick("ComboCarrierApproxMethod", 1);
        QVERIFY(Shown("GroupBoxCarrierPWL") && !Shown("EdCarrier_a0"));
        w_.Form().LoadDensityTable(false);
        QCOMPARE(Column(carrier, 2, kDensityPoints), Column(target, 2, kDensityPoints));
        QVERIFY(w_.Find<QPushButton>("ButtonSave")->isEnabled());
        QVERIFY(SaveAndWait());
        QVERIFY(QTest::qWaitFor([&] { return w_.Idle(); }, 10000));  // read back
        QCOMPARE(SimValue(QStringLiteral("CF_ApproximationMethod")), 1.0);
        QCOMPARE(SimValue(QStringLiteral("CF_PWL_Table_d0")), 806.25);
        QVERIFY(w_.Open(37));
        QCOMPARE(Column(carrier, 1, kDensityPoints), Column(target, 1, kDensityPoints));

        // Back to the polynomial on the target page: the coefficients go, the table stays.
        QVERIFY(w_.Open(36));
        Pick("ComboTargetApproxMethod", 0);
        QVERIFY(!Shown("GroupBoxTargetPWL") && Shown("EdTarget_a0"));
        auto* a0 = w_.Find<QLineEdit>("EdTarget_a0");
        a0->setText(QStringLiteral("2"));
        Q_EMIT a0->textEdited(a0->text());
        QVERIFY(SaveAndWait());
        QCOMPARE(SimValue(QStringLiteral("TF_ApproximationMethod")), 0.0);
        QCOMPARE(SimValue(QStringLiteral("TF_ApproximationPoly_a0")), 2.0);
        QCOMPARE(SimValue(QStringLiteral("TF_PWL_Table_d0")), 806.25);

        // The concentration page shows the component values while the calculation is on.
        QVERIFY(w_.Open(35));
        Pick("ComboConcentrationEnable", 0);
        QVERIFY(!Shown("TargetDensLbl") && !Shown("CaptionConcMassFlow"));
        QVERIFY(Shown("ComboConcentrationEnable"));
        Pick("ComboConcentrationEnable", 1);
        QVERIFY(Shown("TargetDensLbl") && Shown("CaptionConcMassFlow"));
    }

    void filesThatAreNoTablesChangeNothing() {
        QVERIFY(w_.Open(36));
        QTableWidget* grid = Grid("StringGridTargetPWL");
        const QStringList before = Column(grid, 2, kDensityPoints);
        const bool saveBefore = w_.Find<QPushButton>("ButtonSave")->isEnabled();
        static constexpr char kBinary[] =
            "\x7f"
            "ELF\x02\x01;\x00\x00;\xff\r\n1;\x01;\x02";
        QByteArray tooLong = "№;t;d\r\n";
        for (int i = 1; i <= 10000; ++i) tooLong += QByteArray::number(i) + ";1;2\r\n";
        const struct {
            const char* what;
            QByteArray bytes;
            QString why;
        } cases[] = {
            {"empty", "", Str(kStrTableFieldCount).arg(1).arg(3)},
            {"two columns", "№;t\r\n1;20\r\n", Str(kStrTableFieldCount).arg(1).arg(3)},
            {"commas", "N,t,d\r\n1,20,800\r\n", Str(kStrTableFieldCount).arg(1).arg(3)},
            {"10 000 rows", tooLong, Str(kStrTableTooLong).arg(21)},
            {"binary", QByteArray(kBinary, sizeof kBinary - 1),
             Str(kStrTableNotNumber).arg(2).arg(QString(QChar(1)))},
            {"letters", "№;t;d\r\n1;20;heavy\r\n",
             Str(kStrTableNotNumber).arg(2).arg(QStringLiteral("heavy"))},
            {"infinite", "№;t;d\r\n1;1e999;2\r\n",
             Str(kStrTableNotNumber).arg(2).arg(QStringLiteral("1e999"))},
        };
        for (const auto& c : cases) {
            chosenFile_ = w_.Folder() + QStringLiteral("/bad.csv");
            QFile f(chosenFile_);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(c.bytes);
            f.close();
            w_.Messages().clear();
            w_.Form().LoadDensityTable(true);
            QVERIFY2(w_.Messages().value(0).startsWith(Str(kStrNotDensityTable).arg(c.why)),
                     c.what);
            QCOMPARE(Column(grid, 2, kDensityPoints), before);
        }
        chosenFile_.clear();  // a cancelled dialog
        w_.Form().LoadDensityTable(true);
        QCOMPARE(Column(grid, 2, kDensityPoints), before);
        QCOMPARE(w_.Find<QPushButton>("ButtonSave")->isEnabled(), saveBefore);
    }

    void fileModeWritesTheTablesIntoTheConfigurationFile() {
        const QString path = w_.Folder() + QStringLiteral("/meter.mbr");
        QCOMPARE(w_.Sim().Command(QStringLiteral("save ") + path), QStringLiteral("ok"));
        w_.Form().SetConfigFileDialog([path](QWidget*, const QString&) { return path; });
        w_.Form().findChild<QAction*>(QStringLiteral("MenuFile"))->trigger();
        QCOMPARE(w_.P().Worker.WorkMode.load(), kModeFile);

        QVERIFY(QTest::qWaitFor([&] { return w_.Idle(); }, 10000));  // the page read again
        QVERIFY(w_.Open(37));
        Type(Grid("StringGridCarrierPWL"), 0, 2, QStringLiteral("999,5"));
        QVERIFY(SaveAndWait());
        QVERIFY(OpenPwlPage());
        Type(Grid("StringGridCalPoints"), 0, 2, QStringLiteral("-12"));
        QVERIFY(SaveAndWait());

        // The simulator takes the file only when both of its checksums hold.
        testing::SimProcess loaded(3);
        QString error;
        QVERIFY2(loaded.Start({QStringLiteral("--load"), path}, &error), qPrintable(error));
        QCOMPARE(loaded.Command(QStringLiteral("get CF_PWL_Table_d0")), QStringLiteral("ok 999.5"));
        QCOMPARE(loaded.Command(QStringLiteral("get dQ_Correction1")), QStringLiteral("ok -12"));
    }
};

}  // namespace tarvix

QTEST_MAIN(tarvix::TestPointTablePages)
#include "test_point_table_pages.moc"
