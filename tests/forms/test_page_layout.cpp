// The page forms at the page area's width: they fit, inputs and values stand in line on every
// page, the texts follow the language; every page is rendered to a PNG in the build folder.
#include "page_forms_fixture.h"

#include "model/param_table.h"
#include "pages/forms/page_forms.h"

#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QTranslator>

#include <algorithm>
#include <set>

namespace tarvix {

class TestPageLayout : public PageFormsFixture {
    Q_OBJECT

  private:
    QWidget host_;

    // Lays a page out in a shown window of the page area's width, as tall as it wants.
    void ShowAtPageWidth(QWidget* page) {
        const int height = std::max(300, page->sizeHint().height());
        page->setParent(&host_);
        page->setGeometry(0, 0, kPageAreaWidth, height);
        page->show();
        if (!host_.isVisible()) {
            host_.setAttribute(Qt::WA_DontShowOnScreen);
            host_.resize(kPageAreaWidth, 300);
            host_.show();
        }
    }
    void HideFromPageWidth(QWidget* page) {
        page->hide();
        page->setParent(&root_);
    }
  private Q_SLOTS:
    void initTestCase() {
        QString failed;
        QVERIFY2(LoadAll(&failed), qPrintable(failed));
    }

    void pagesFitThePageArea_data() {
        QTest::addColumn<QString>("page");
        for (const char* name : PageNames()) QTest::newRow(name) << QString::fromUtf8(name);
    }
    void pagesFitThePageArea() {
        QFETCH(QString, page);
        QWidget* w = Page(page);
        w->ensurePolished();
        QVERIFY2(w->minimumSizeHint().width() <= kPageAreaWidth,
                 qPrintable(QString::number(w->minimumSizeHint().width())));
    }

    void formTextsFollowTheLanguageModule() {
        // A translator standing in for the English module: the form's own texts change when it
        // is installed and return when it is removed; the parameter captions are left to
        // RetitlePageCaptions.
        class English : public QTranslator {
          public:
            QString translate(const char* context, const char* source, const char*,
                              int) const override {
                if (QByteArray(context) == "PageFreq1" &&
                    QString::fromUtf8(source) == QStringLiteral("Частота"))
                    return QStringLiteral("Frequency");
                if (QByteArray(context) == "PageFreq1" &&
                    QString::fromUtf8(source) == QStringLiteral("Частотный выход 1"))
                    return QStringLiteral("Frequency output 1");
                return {};
            }
            bool isEmpty() const override { return false; }
        };
        QWidget parent;
        QWidget* freq = LoadPageForm(QStringLiteral("PageFreq1"), &parent);
        QVERIFY(freq != nullptr);
        auto* box = freq->findChild<QGroupBox*>(QStringLiteral("GroupBoxFreq1"));
        auto* fail = freq->findChild<QLabel*>(QStringLiteral("CaptionPFSf_FailValueH"));
        auto* mode = freq->findChild<QLabel*>(QStringLiteral("CaptionPFSf_Mode"));
        QVERIFY(box != nullptr && fail != nullptr && mode != nullptr);
        const QString modeText = mode->text();

        English english;
        QCoreApplication::installTranslator(&english);
        QCoreApplication::processEvents();  // the language change reaches the widgets posted
        QCOMPARE(box->title(), QStringLiteral("Frequency output 1"));
        QCOMPARE(fail->text(), QStringLiteral("Frequency"));
        QCOMPARE(mode->text(), modeText);

        QCoreApplication::removeTranslator(&english);
        QCoreApplication::processEvents();
        QCOMPARE(box->title(), QStringLiteral("Частотный выход 1"));
        QCOMPARE(fail->text(), QStringLiteral("Частота"));
    }

    void captionsFollowTheLanguage() {
        QWidget parent;
        QWidget* total = LoadPageForm(QStringLiteral("PageTotal1"), &parent);
        QWidget* freq = LoadPageForm(QStringLiteral("PageFreq1"), &parent);
        QVERIFY(total != nullptr && freq != nullptr);
        auto* unit = total->findChild<QLabel*>(QStringLiteral("CaptionSumUnit1"));
        auto* fail = freq->findChild<QLabel*>(QStringLiteral("CaptionPFSf_FailValueH"));
        QVERIFY(unit != nullptr && fail != nullptr);
        const int unitRow = ParamRowByName("SumUnit1");
        const int failRow = ParamRowByName("PFSf_FailValue");

        RetitlePageCaptions(*total, 1);
        RetitlePageCaptions(*freq, 1);
        QCOMPARE(unit->text(), ParamTitle(unitRow, 1));
        QVERIFY(unit->text() != ParamTitle(unitRow, 0));
        QCOMPARE(unit->toolTip(), ParamHint(unitRow, 1));
        QCOMPARE(fail->text(),
                 QStringLiteral("Частота"));  // the form's own text: translated by the module
        QCOMPARE(fail->toolTip(), ParamHint(failRow, 1));

        RetitlePageCaptions(*total, 0);
        QCOMPARE(unit->text(), ParamTitle(unitRow, 0));
        QCOMPARE(unit->toolTip(), ParamHint(unitRow, 0));
    }

    void inputsAndValuesStandInLine() {
        // Whichever page is shown, inputs start at one x and the device values beside them
        // (or in place of them on read-only pages) at one of two.
        std::set<int> inputs;
        std::set<int> values;
        for (const auto& [name, page] : pages_) {
            ShowAtPageWidth(page);
            for (const DescriptorSpec& d : Catalogue()) {
                for (const BoundControl& c : d.Controls) {
                    if (c.Page != name) continue;
                    QWidget* w = Find(c.Page, c.Name);
                    if (w == nullptr || !w->isVisible()) continue;
                    const int x = w->mapTo(page, QPoint(0, 0)).x();
                    const auto* label = qobject_cast<QLabel*>(w);
                    if (label == nullptr) {
                        inputs.insert(x);
                    } else if (label->frameShape() == QFrame::StyledPanel &&
                               page->objectName() != QStringLiteral("PageErrors") &&
                               !c.Name.endsWith(QLatin1String("Lbl"))) {
                        values.insert(x);
                    }
                }
            }
            HideFromPageWidth(page);
        }
        QCOMPARE(inputs.size(), std::size_t{1});
        QCOMPARE(values.size(), std::size_t{2});
        QCOMPARE(*values.begin(), *inputs.begin());
    }

    void renderPages() {
        // A look at every page as the page area shows it (the main window scrolls taller ones).
        QDir().mkpath(QStringLiteral(TARVIX_FORMS_SHOT_DIR));
        for (const auto& [name, page] : pages_) {
            ShowAtPageWidth(page);
            const QString path = QStringLiteral(TARVIX_FORMS_SHOT_DIR "/%1.png").arg(name);
            QVERIFY(page->grab().save(path));
            HideFromPageWidth(page);
        }
    }
};

QObject* MakeTestPageLayout() { return new TestPageLayout; }

}  // namespace tarvix

#include "test_page_layout.moc"
