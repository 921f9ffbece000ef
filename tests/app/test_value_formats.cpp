// The display formats dialog against the simulated transmitter: the parameter's present value
// as test value, a saved format shown on its page and kept for the next start, formats the
// interpreters refuse never saved, and a settings file with nonsense in it started from.
#include "app/navigation.h"
#include "formats/form_about.h"
#include "formats/form_formats.h"
#include "model/param_table.h"
#include "pages/catalogue.h"
#include "pages/numeric_picture.h"
#include "pages/value_service.h"
#include "tests/support/window_harness.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>

#include <bit>
#include <cstdint>

namespace tarvix {
namespace {

const QString kSection = QStringLiteral("ValueFormat");
constexpr int kTemperatureId = 307;  // the high half of the float at 306..307
constexpr float kTemperature = 21.4567f;

}  // namespace

class TestValueFormats : public QObject {
    Q_OBJECT

    testing::WindowHarness w_;
    TFormFormats* dialog_ = nullptr;

    template <typename T>
    T* Child(const char* name) const {
        return dialog_->findChild<T*>(QString::fromLatin1(name));
    }
    QString Text(const char* name) const { return Child<QLabel>(name)->text(); }
    void Choose(const char* param) {
        Child<QListWidget>("ListBox1")->setCurrentRow(ParamRowByName(param));
    }
    int NodeOfPage(const char* page) {
        for (int node = 0; node < kNodeCount; ++node) {
            const auto page_index = static_cast<std::size_t>(NodePage(node, w_.P().Image));
            if (QLatin1String(PageNames()[page_index]) == QLatin1String(page)) return node;
        }
        return -1;
    }

  private Q_SLOTS:
    void initTestCase() {
        QString error;
        QVERIFY2(w_.Start({QStringLiteral("--freeze")}, &error), qPrintable(error));
        // Held: the simulated process would bring the temperature back to its set point.
        const auto bits = std::bit_cast<std::uint32_t>(kTemperature);
        QVERIFY(w_.Sim(QStringLiteral("hold %1 %2").arg(kTemperatureId - 1).arg(bits & 0xFFFFu)));
        QVERIFY(w_.Sim(QStringLiteral("hold %1 %2").arg(kTemperatureId).arg(bits >> 16)));
        dialog_ = w_.Form().findChild<TFormFormats*>();
        QVERIFY(dialog_);
        dialog_->show();
    }
    void cleanupTestCase() {
        w_.Sim(QStringLiteral("hold clear"));
        w_.Stop();
    }

    void savedFormatShowsOnThePageAndAtTheNextStart() {
        const QChar sep = w_.Form().Values().DecimalSeparator();
        Choose("Temperature");
        // The test value is the device's single, written in full.
        QCOMPARE(Child<QLineEdit>("EditValue")->text(), GeneralFloatText(kTemperature, sep));
        QCOMPARE(Child<QLineEdit>("EditFormat")->text(), QStringLiteral("0.0"));
        Child<QLineEdit>("EditFormat")->setText(QStringLiteral("0.000"));
        QCOMPARE(Text("Label1"), QStringLiteral("21") + sep + QStringLiteral("457"));
        Child<QPushButton>("ButtonSave")->click();
        QVERIFY(Child<QLabel>("LabelOk")->isVisible());
        QCOMPARE(w_.P().Settings.ReadString(kSection, QString::number(kTemperatureId), {}),
                 QStringLiteral("0.000"));
        dialog_->hide();

        const int node = NodeOfPage("PageMainVars");
        QVERIFY(w_.Open(node));
        auto* label = w_.Find<QLabel>("LabelTemperature");
        QTRY_COMPARE_WITH_TIMEOUT(label->text(), QStringLiteral("21") + sep + QStringLiteral("457"),
                                  5000);
        // The single-parameter page shows the value as its page does.
        QVERIFY(w_.Open(NodeOfPage("PageCorio")));
        auto* list = w_.Find<QListWidget>("ListAllRegsCorio");
        const auto items = list->findItems(QStringLiteral("Temperature"), Qt::MatchExactly);
        QVERIFY(!items.isEmpty());
        list->setCurrentItem(items.front());
        w_.Find<QPushButton>("ButtonReadCorio")->click();
        QTRY_COMPARE_WITH_TIMEOUT(w_.Find<QLabel>("LabelStringCorio")->text(),
                                  QStringLiteral("21") + sep + QStringLiteral("457"), 5000);

        // The next start, with keys that name no value and formats no interpreter takes
        // beside it: those are passed over, the catalogue's formats stay.
        IniFile& ini = w_.P().Settings;
        ini.WriteString(kSection, QStringLiteral("abc"), QStringLiteral("0.0"));
        ini.WriteString(kSection, QStringLiteral("0"), QStringLiteral("0.0"));
        ini.WriteString(kSection, QStringLiteral("99999"), QStringLiteral("0.0"));
        ini.WriteString(kSection, QStringLiteral("306"), QStringLiteral("0.00000"));
        const int yearId = RowValueId(ParamRowByName("CalibrationYY"));
        ini.WriteString(kSection, QString::number(yearId), QString(10000, u'0'));
        Program again(w_.Folder());
        again.Image.StoreFloat(kTemperatureId, kTemperature);
        again.Image.Store(yearId, 13);
        std::unique_ptr<TForm1> form = CreateMainWindows(again);
        form->show();
        QTRY_VERIFY(again.Started);
        form->Values().ShowValue(kTemperatureId, true);
        form->Values().ShowValue(yearId, true);
        QCOMPARE(form->findChild<QLabel*>(QStringLiteral("LabelTemperature"))->text(),
                 QStringLiteral("21") + sep + QStringLiteral("457"));
        QCOMPARE(form->Values().ValueText(yearId, false, true, true), QStringLiteral("2013"));
    }

    void refusedFormatIsNotSaved_data() {
        QTest::addColumn<QString>("param");
        QTest::addColumn<QString>("format");
        for (const char* bad : {"%s", "%n", "%d %d", "%.500f", "%*d", "%f"})
            QTest::newRow(bad) << "CalibrationYY" << QString::fromLatin1(bad);
        QTest::newRow("word, 10 000 characters") << "CalibrationYY" << QString(10000, u'd');
        QTest::newRow("picture without digits") << "Temperature"
                                                << "abc";
        QTest::newRow("picture, 10 000 characters") << "Temperature" << QString(10000, u'0');
    }
    void refusedFormatIsNotSaved() {
        QFETCH(QString, param);
        QFETCH(QString, format);
        dialog_->show();
        Choose(param.toLatin1().constData());
        const int id = RowValueId(ParamRowByName(param));
        const QString before = w_.P().Settings.ReadString(kSection, QString::number(id), {});
        const QString shown = w_.Form().Values().DC(id)->Desc.Format;
        w_.Messages().clear();
        Child<QLineEdit>("EditFormat")->setText(format);
        QVERIFY(Child<QLabel>("LabelErr")->isVisible());
        Child<QPushButton>("ButtonSave")->click();
        QCOMPARE(w_.Messages().size(), 1);
        QVERIFY(!Child<QLabel>("LabelOk")->isVisible());
        QCOMPARE(w_.P().Settings.ReadString(kSection, QString::number(id), {}), before);
        QCOMPARE(w_.Form().Values().DC(id)->Desc.Format, shown);
        dialog_->hide();
    }

    void groupRowReadsNothing() {
        dialog_->show();
        Choose("Temperature");
        const QString value = Child<QLineEdit>("EditValue")->text();
        Child<QListWidget>("ListBox1")->setCurrentRow(0);  // row 0 is a group
        QCOMPARE(Text("LabelType"), Str(kStrTypeCommentary));
        QCOMPARE(Child<QLineEdit>("EditFormat")->text(), QStringLiteral("0.000"));
        QCOMPARE(Child<QLineEdit>("EditValue")->text(), value);
        dialog_->hide();
    }

    void aboutBoxNamesVersionAndSettings() {
        const QString place = SettingsPlace(w_.P().Settings.FileName(), w_.Folder());
        QVERIFY(place.contains(w_.P().Settings.FileName()));
        QVERIFY(place.contains(Str(kStrProgramFolder)));
        QVERIFY(SettingsPlace(w_.P().Settings.FileName(), QStringLiteral("/usr/bin"))
                    .contains(Str(kStrUserDataFolder)));
        QVERIFY(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+\\.\\d+$"))
                    .match(ProgramVersion())
                    .hasMatch());
    }
};

}  // namespace tarvix

QTEST_MAIN(tarvix::TestValueFormats)
#include "test_value_formats.moc"
