// The descriptors over the built pages: the combos offer their menus' items, and showing a
// value keeps the description a bound label carries as its tool tip.
#include "page_forms_fixture.h"

#include "model/register_ids.h"
#include "model/register_image.h"
#include "pages/value_service.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>

#include <memory>

namespace tarvix {

class TestPageValues : public PageFormsFixture {
    Q_OBJECT

    RegisterImage image_;
    std::unique_ptr<Descriptors> values_;

  private Q_SLOTS:
    void initTestCase() {
        QString failed;
        QVERIFY2(LoadAll(&failed), qPrintable(failed));
        values_ = std::make_unique<Descriptors>(image_, &root_);
        values_->Build(0);
    }

    // Every combo the user edition shows offers items to choose from; the unit combos get
    // theirs from their assignment, which these tests do not show.
    void combosOfferTheirItems() {
        const struct {
            const char* Page;
            const char* Combo;
            QStringList Items;
        } cases[] = {
            {"PageSetup0",
             "ComboZeroPointAdjust",
             {QStringLiteral("Нет"), QStringLiteral("Запуск")}},
            {"PageSystem",
             "ComboAssignParamFixed",
             {QStringLiteral("Не используется"), QStringLiteral("Массовый расход"),
              QStringLiteral("Плотность"), QStringLiteral("Температура")}},
        };
        for (const auto& c : cases) {
            auto* combo = qobject_cast<QComboBox*>(
                Find(QString::fromLatin1(c.Page), QString::fromLatin1(c.Combo)));
            QVERIFY2(combo != nullptr, c.Combo);
            QStringList items;
            for (int k = 0; k < combo->count(); ++k) items << combo->itemText(k);
            QCOMPARE(items, c.Items);
        }
    }

    // A label that carries its parameter's description keeps it when a value is shown; a
    // display format that cannot show the value says so in its place only while it lasts.
    void shownValuesKeepTheDescription() {
        auto* label = qobject_cast<QLabel*>(
            Find(QStringLiteral("PageConcentration"), QStringLiteral("TargetDensLbl")));
        QVERIFY(label != nullptr);
        const QString description = label->toolTip();
        QVERIFY(!description.isEmpty());
        image_.StoreFloat(mrTargetDensityH, 998.5f);
        values_->ShowValue(mrTargetDensityH, true);
        QCOMPARE(label->text(),
                 QStringLiteral("998") + values_->DecimalSeparator() + QStringLiteral("500"));
        QCOMPARE(label->toolTip(), description);

        ValueService* dc = values_->DC(mrTargetDensityH);
        QVERIFY(dc != nullptr);
        dc->Desc.Format = QStringLiteral("kg");  // no digit placeholder: cannot show a value
        values_->ShowValue(mrTargetDensityH, true);
        QCOMPARE(label->text(), QStringLiteral("?"));
        QVERIFY(label->toolTip() != description);
        dc->Desc.Format.clear();
        values_->ShowValue(mrTargetDensityH, true);
        QCOMPARE(label->toolTip(), description);
    }
};

QObject* MakeTestPageValues() { return new TestPageValues; }

}  // namespace tarvix

#include "test_page_values.moc"
