// The texts, grids and start states of the page forms.
#include "page_forms_fixture.h"

#include "model/param_table.h"
#include "model/register_ids.h"
#include "pages/forms/page_forms.h"

#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

namespace tarvix {

class TestPageTexts : public PageFormsFixture {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() {
        QString failed;
        QVERIFY2(LoadAll(&failed), qPrintable(failed));
    }

    void ownTexts_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* page, const char* name, const char* text) {
            QTest::newRow(name) << QString::fromUtf8(page) << QString::fromUtf8(name)
                                << QString::fromUtf8(text);
        };
        row("TabSheet1", "LabelStartHint",
            "Переведите программу в режим \"Онлайн\", затем выберите пункт из списка слева");
        row("PageErrors", "GroupBoxMessages", "Сообщения");
        row("PageErrors", "CaptionErrStatus", "Цвет индикатора");
        row("PageErrors", "CaptionErrCount", "Количество сообщений:");
        row("PageErrors", "GroupBoxMessageList", "Список сообщений");
        row("PageErrors", "CaptionErr", "Адрес ошибки данных:");
        row("PageErrors", "GroupBoxDspLink", "Связь с измерительным модулем");
        row("PageErrors", "CaptionAllErrLink", "Общее количество ошибок связи:");
        row("PageErrors", "CaptionTimeOutErrLink", "Ошибок связи из-за таймаута:");
        row("PageErrors", "GroupBoxMicroSwitches", "Микропереключатели");
        row("PageErrors", "CheckBoxMicroSwitch1", "Блокировка записи по Modbus");
        row("PageErrors", "CheckBoxMicroSwitch2", "Блокировка кнопок");
        row("PageField1", "GroupBoxField1", "Поле 1");
        row("PageField1", "GroupBoxField1Mix", "Мультипликатор поля 1");
        row("PageField1", "CaptionF1_V100", "ВПИ (100%)");
        row("PageField2", "GroupBoxField2", "Поле 2");
        row("PageField2", "GroupBoxField2Mix", "Мультипликатор поля 2");
        row("PageField2", "CaptionF2Mix_V100", "ВПИ (100%)");
        row("PageTotal3", "GroupBoxTotal3", "Сумматор 3");
        row("PageOut1", "GroupBoxOut1", "Импульсный/частотный/статусный выход 1");
        row("PageOut1", "CaptionPFSp_FrequencyH", "Текущее значение:");
        row("PageOut1", "SuffixPFSp_FrequencyH", "Гц");
        row("PageOut1", "CaptionPFSp_SimMode", "Симуляция");
        row("PageOut1", "CaptionPFSp_CountDownH", "Уставка");
        row("PageOut1", "CaptionPFSp_CounterH", "Счетчик:");
        row("PageOut1", "CaptionPFSf_FrequencyH", "Текущее значение:");
        row("PageOut1", "CaptionPFSf_SimFreqH", "Уставка");
        row("PageOut1", "CaptionPFSs_SimVal", "Уставка");
        row("PageOut2", "GroupBoxOut2", "Частотный/статусный выход 2");
        row("PageOut2", "CaptionFSs_Status", "Текущее значение:");
        row("PagePulse1", "GroupBoxPulse1", "Импульсный выход 1");
        row("PageFreq1", "GroupBoxFreq1", "Частотный выход 1");
        row("PageFreq1", "CaptionPFSf_FailValueH", "Частота");
        row("PageFreq1", "SuffixPFSf_FailValueH", "Гц");
        row("PageFreq2", "GroupBoxFreq2", "Частотный выход 2");
        row("PageFreq2", "CaptionFSf_FailValueH", "Частота");
        row("PageStat1", "GroupBoxStat1", "Статусный выход 1");
        row("PageStat2", "GroupBoxStat2", "Статусный выход 2");
        row("PageStat3", "GroupBoxStat3", "Статусный выход 3");
        row("PageCurOut", "GroupBoxCurOut", "Настройка");
        row("PageCurOut", "ButtonCurCalWiz", "Мастер калибровки...");
        row("PageCurOut", "ButtonCurRestore", "Восстановить");
        row("PageCurCal", "Button1", "Мастер калибровки...");
        row("PageCurCal", "ButtonCurCopyToHid", "Копировать польз. в скр.");
        row("PageCutOff", "GroupBoxCutOff", "Отсечка");
        row("PageRefDensity", "GroupBoxRefDensity", "Приведенная плотность");
        row("PageRefDensity", "CaptionRefTemperatureH", "t0");
        row("PageRefDensity", "SuffixRefTemperatureH", "°С");
        row("PageRefDensity", "CaptionAlfaH", "Alfa");
        row("PageRefDensity", "CaptionBettaH", "Betta");
        row("PageRefDensity", "CaptionFixUnitRefDensity", "Единицы");
        row("PageRefDensity", "CaptionFixRefDensityH", "Значение");
        row("PagePwlCorr", "GroupBoxPwlCorr", "Кусочно-линейная коррекция массового расхода");
        row("PagePwlCorr", "LabelPwlInsertHint", "Insert - вставить строку");
        row("PagePwlCorr", "LabelPwlDeleteHint",
            "для удаления строки необходимо очистить значение расхода и нажать Enter");
        row("PageConcentration", "GroupBoxConcentration", "Концентрация");
        row("PageTargetFluid", "GroupBoxTargetFluid", "Параметры целевой среды");
        row("PageTargetFluid", "TF_SavePLWTableBtn", "Сохранить в файл...");
        row("PageTargetFluid", "TF_LoadPLWTableBtn", "Загрузить из файла...");
        row("PageTargetFluid", "LabelTargetPWLOrderHint",
            "Температурный диапазон должен быть упорядочен по возрастанию!");
        row("PageCarrierFluid", "GroupBoxCarrierFluid", "Параметры среды-носителя");
        row("PageCarrierFluid", "CF_SavePLWTableBtn", "Сохранить в файл...");
        row("PageCarrierFluid", "CF_LoadPLWTableBtn", "Загрузить из файла...");
        row("PageCarrierFluid", "LabelCarrierPWLOrderHint",
            "Температурный диапазон должен быть упорядочен по возрастанию!");
        row("LiveData", "CheckBoxPollLive", "Опрос");
        row("LiveData", "ButtonLiveClear", "Очистить");
        row("LiveData", "Button4", "Сохранить в файл...");
        row("LiveData", "LabelLiveWaiting", "получение данных...");
        row("PageCharts", "CheckBoxPollCharts", "Обновлять");
        row("PageCharts", "LabelChartsWaiting", "получение данных...");
        row("PageDSP", "ButtonResetDsp", "Сброс контроллера");
        row("PageADC", "CheckBoxPollADC", "Опрос");
        row("PageADC", "ButtonSaveAdc", "Сохранить в файл...");
        row("PageADC", "Button5", "Очистить");
        row("PageSignals", "GroupBoxSignals", "Исходные сигналы");
        row("PageSignals", "ButtonCapture", "Записать");
        row("PageSignals", "ButtonTransferSignals", "Получить");
        row("PageSignals", "ButtonSignalsSave", "Сохранить...");
        row("PageSignals", "ButtonSignalsLoad", "Загрузить...");
        row("PageFiltered", "GroupBoxFiltered", "Сигналы на выходе цифрового фильтра");
        row("PageFiltered", "Button2", "Записать");
        row("PageFiltered", "ButtonTransferFiltered", "Получить");
        row("PageFiltered", "ButtonFilteredSave", "Сохранить...");
        row("PageFiltered", "ButtonFilteredLoad", "Загрузить...");
        row("PageParVals", "CaptionListAllRegs", "Полный набор");
        row("PageParVals", "ButtonAdd", "--->");
        row("PageParVals", "CaptionListSelected", "Выбраны для отображения");
        row("PageParVals", "ButtonRemove", "<---");
        row("PageParVals", "ButtonUpdateMemoMb", "Применить изменения");
        row("PageParVals", "CaptionListProfiles", "Профили");
        row("PageParVals", "ButtonToProfile", "--->");
        row("PageParVals", "ButtonFromProfile", "<---");
        row("PageParVals", "ButtonDelProfile", "X");
        row("PageParVals", "CheckBoxPoll", "Опрос");
        row("PageParVals", "CheckBoxSaveParVals", "Сохранять в файл:");
        row("PageParVals", "LabelParValsFileName", "- - -");
        row("PageParVals", "RadioGroupParValsPresent", "Представление");
        row("PageParVals", "RadioButtonParValsTable", "Таблица");
        row("PageParVals", "RadioButtonParValsCharts", "Графики");
        row("PageParVals", "ButtonParValsSave", "Сохранить...");
        row("PageParVals", "ButtonParValsLoad", "Загрузить...");
        row("PageParVals", "ButtonParValsClear", "Очистить");
        row("PageCorio", "GroupBoxCorio", "Corio");
        row("PageCorio", "CaptionListAllRegsCorio", "Доступные параметры");
        row("PageCorio", "CaptionEditValueCorio", "Текущее значение");
        row("PageCorio", "EditValueCorio", "0");
        row("PageCorio", "ButtonReadCorio", "Прочитать");
        row("PageCorio", "ButtonWriteCorio", "Записать");
        row("PageCorio", "CheckBoxPollCorio", "авто-обновление");
        row("PageCorio", "Label309", "Расшифровка / исходное");
        row("PageCorio", "LabelStringCorio", "0");
        row("PageCorio", "Label320", "Доступ:");
        row("PageCorio", "GroupBox35", "Полное наименование");
        row("PageCorio", "GroupBox36", "Описание");
    }
    void ownTexts() {
        QFETCH(QString, page);
        QFETCH(QString, name);
        QFETCH(QString, text);
        QWidget* w = Find(page, name);
        QVERIFY(w != nullptr);
        QCOMPARE(TextOf(w), text);
    }

    void startHintIsCentred() {
        auto* hint = qobject_cast<QLabel*>(
            Find(QStringLiteral("TabSheet1"), QStringLiteral("LabelStartHint")));
        QVERIFY(hint != nullptr);
        QCOMPARE(hint->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        QCOMPARE(hint->alignment() & Qt::AlignVCenter, Qt::AlignVCenter);
    }

    void grids_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("grid");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("headers");
        const auto u = [](const char* s) { return QString::fromUtf8(s); };
        QTest::newRow("errors") << u("PageErrors") << u("StringGridErrors") << 4 << 8
                                << QStringList{u(""), u("Тип события"), u("№"), u("Событие")};
        QTest::newRow("correction points")
            << u("PagePwlCorr") << u("StringGridCalPoints") << 3 << 8
            << QStringList{u("№"), u("Расход,Q/Qmax"), u("Корр-ия, кг/ч")};
        QTest::newRow("target table") << u("PageTargetFluid") << u("StringGridTargetPWL") << 3 << 20
                                      << QStringList{u("№"), u("t, °C"), u("d, кг/м3")};
        QTest::newRow("carrier table") << u("PageCarrierFluid") << u("StringGridCarrierPWL") << 3
                                       << 20 << QStringList{u("№"), u("t, °C"), u("d, кг/м3")};
        QTest::newRow("adc codes")
            << u("PageADC") << u("GridAdc") << 7 << 1
            << QStringList{u("Время"), u("ТС"), u("Robr"), u("Ug"), u("IT"), u("VM"), u("Diag")};
    }
    void grids() {
        QFETCH(QString, page);
        QFETCH(QString, grid);
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(QStringList, headers);
        auto* table = qobject_cast<QTableWidget*>(Find(page, grid));
        QVERIFY(table != nullptr);
        QCOMPARE(table->columnCount(), columns);
        QCOMPARE(table->rowCount(), rows);
        for (int c = 0; c < headers.size(); ++c) {
            const QTableWidgetItem* item = table->horizontalHeaderItem(c);
            QCOMPARE(item != nullptr ? item->text() : QString(), headers[c]);
        }
        // The point tables number their rows in a column of their own, not editable.
        if (headers.value(0) == QStringLiteral("№")) {
            for (int r = 0; r < rows; ++r) {
                const QTableWidgetItem* item = table->item(r, 0);
                QVERIFY(item != nullptr);
                QCOMPARE(item->text(), QString::number(r + 1));
                QVERIFY(!(item->flags() & Qt::ItemIsEditable));
            }
        }
    }

    void hiddenAtStart_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("name");
        const auto row = [](const QString& page, const QString& name) {
            QTest::newRow(qPrintable(name)) << page << name;
        };
        for (int t = 1; t <= 4; ++t) {
            row(QStringLiteral("PageTotal%1").arg(t), QStringLiteral("LabelSumOverFlow%1H").arg(t));
            for (int k = 1; k <= 3; ++k)
                row(QStringLiteral("PageStat%1").arg(k),
                    QStringLiteral("LabelSumAssign%1_%2").arg(t).arg(k));
        }
        row(QStringLiteral("PageErrors"), QStringLiteral("LabelCodeInternalAdc"));
        row(QStringLiteral("PageErrors"), QStringLiteral("LabelErr"));
        row(QStringLiteral("PageErrors"), QStringLiteral("CaptionErr"));
        row(QStringLiteral("PageCorio"), QStringLiteral("LabelCUR_Hidden_SN_7"));
        row(QStringLiteral("PageParVals"), QStringLiteral("ChartParVals"));
        row(QStringLiteral("LiveData"), QStringLiteral("LabelLiveWaiting"));
        row(QStringLiteral("PageCharts"), QStringLiteral("LabelChartsWaiting"));
    }
    void hiddenAtStart() {
        QFETCH(QString, page);
        QFETCH(QString, name);
        QWidget* w = Find(page, name);
        QVERIFY(w != nullptr);
        QVERIFY(!w->isVisibleTo(Page(page)));
    }

    void otherBoundControlsAreShown() {
        int hidden = 0;
        for (const DescriptorSpec& d : Catalogue()) {
            for (const BoundControl& c : d.Controls) {
                QWidget* w = Find(c.Page, c.Name);
                QVERIFY2(w != nullptr, qPrintable(c.Name));
                hidden += !w->isVisibleTo(Page(c.Page)) && !w->property(kEditionHidden).toBool();
            }
        }
        // Overflows, status outputs' helpers, and of the three above those the edition does
        // not hide anyway (parametersTheEditionHidesAreHidden).
        int others = 0;
        for (int mr : {mrCodeInternalAdc, mrErr, mrCUR_SN}) others += ParamVisible(RegRow(mr));
        QCOMPARE(hidden, 4 + 12 + others);
    }

    void disabledAtStart_data() {
        QTest::addColumn<QString>("name");
        for (const char* n :
             {"CheckBoxPoll", "CheckBoxSaveParVals", "ComboBoxParValRed", "ComboBoxParValBlue"})
            QTest::newRow(n) << QString::fromUtf8(n);
    }
    void disabledAtStart() {
        QFETCH(QString, name);
        QWidget* w = Find(QStringLiteral("PageParVals"), name);
        QVERIFY(w != nullptr);
        QVERIFY(!w->isEnabled());
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            QCOMPARE(combo->count(), 1);
            QCOMPARE(combo->itemText(0), QStringLiteral("Нет параметра"));
        }
    }

    void contrastRange() {
        auto* bar = qobject_cast<QScrollBar*>(
            Find(QStringLiteral("PageLCD"), QStringLiteral("ScrollContrast")));
        QVERIFY(bar != nullptr);
        QCOMPARE(bar->minimum(), 1);
        QCOMPARE(bar->maximum(), 63);
    }
};

QObject* MakeTestPageTexts() { return new TestPageTexts; }

}  // namespace tarvix

#include "test_page_texts.moc"
