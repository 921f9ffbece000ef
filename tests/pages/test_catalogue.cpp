// The catalogue's consistency with the parameter table, the pages and the poll lists, and
// the control lookups the page requests rely on.
#include "model/param_table.h"
#include "pages/catalogue.h"
#include "pages/numeric_picture.h"
#include "pages/word_format.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace tarvix {
namespace {

const DescriptorSpec* SpecOf(int id, bool dsp = false) {
    for (const DescriptorSpec& d : Catalogue()) {
        if (d.Id == id && d.Dsp == dsp) return &d;
    }
    return nullptr;
}

TEST(Catalogue, IdentifiersAreValueIdentifiersOfTheTable) {
    std::set<std::pair<bool, int>> seen;
    for (const DescriptorSpec& d : Catalogue()) {
        EXPECT_TRUE(seen.insert({d.Dsp, d.Id}).second) << "twice: " << d.Id;
        if (d.Dsp) {
            EXPECT_NE(DspRow(d.Id), 0) << d.Id;
            continue;
        }
        // Frequency carries only the format of its low register.
        if (d.Id == 229) {
            EXPECT_TRUE(d.Controls.empty());
            EXPECT_EQ(d.Format, u"0.000000");
            continue;
        }
        EXPECT_EQ(RowValueId(RegRow(d.Id)), d.Id) << d.Id;
        EXPECT_FALSE(d.Controls.empty()) << d.Id;
    }
}

TEST(Catalogue, NoControlIsBoundTwiceAndEveryOneSitsOnAPage) {
    std::map<QString, int> bound;
    for (const DescriptorSpec& d : Catalogue()) {
        for (const BoundControl& c : d.Controls) {
            EXPECT_TRUE(bound.emplace(c.Name, d.Id).second) << c.Name.toStdString();
            EXPECT_GE(PageIndexOf(c.Page), 0)
                << c.Name.toStdString() << " on " << c.Page.toStdString();
            EXPECT_NE(ControlKindOf(c.Name), ControlKind::Unknown) << c.Name.toStdString();
        }
    }
}

TEST(Catalogue, FormatsAndMenusFitTheValue) {
    for (const DescriptorSpec& d : Catalogue()) {
        if (d.Dsp) continue;
        const bool isFloat = RegType(d.Id) == kTypeFloat;
        if (!d.Format.isEmpty()) {
            if (isFloat) {
                EXPECT_NO_THROW(FormatPicture(1.5f, d.Format, u'.')) << d.Id;
            } else {
                EXPECT_TRUE(IsUsableWordFormat(d.Format)) << d.Id;
            }
        }
        // Menus belong to words; a combo first shows the value's item.
        if (d.Menu != MenuId::None) {
            EXPECT_EQ(RegType(d.Id), kTypeWord) << d.Id;
        }
        // A combo offers its menu's items; only the unit combos go without, the unit
        // selectors fill them by their assignment.
        const QString& first = d.Controls.empty() ? QString() : d.Controls.front().Name;
        if (ControlKindOf(first) == ControlKind::Combo && d.Menu == MenuId::None) {
            EXPECT_TRUE(first.contains(u"Unit")) << first.toStdString() << " offers no items";
        }
        if (isFloat) {
            for (const BoundControl& c : d.Controls) {
                EXPECT_NE(ControlKindOf(c.Name), ControlKind::Combo) << c.Name.toStdString();
            }
        }
    }
}

TEST(Catalogue, ChangeHandlersBelongToTheirCombo) {
    int handlers = 0;
    for (const DescriptorSpec& d : Catalogue()) {
        const QString handler = QString::fromLatin1(OnShowName(d.Handler));
        if (!handler.startsWith(u"Combo")) continue;
        ++handlers;
        // The fail value runs the failsafe mode's handler: the mode (two registers lower) is
        // shown before it.
        const DescriptorSpec* owner = d.Id == 914 || d.Id == 1014 ? SpecOf(d.Id - 2) : &d;
        ASSERT_NE(owner, nullptr);
        EXPECT_EQ(owner->Controls.front().Name + QStringLiteral("Change"), handler) << d.Id;
    }
    EXPECT_EQ(handlers, 24);
    EXPECT_EQ(SpecOf(932)->Handler, OnShow::CountDownRefresh);
}

TEST(Catalogue, ProtectedMarksCoverTheSensorData) {
    for (const DescriptorSpec& d : Catalogue()) {
        EXPECT_EQ(d.Protected, !d.Dsp && d.Id <= 38) << d.Id;
    }
    EXPECT_TRUE(IsProtectedId(0));
    EXPECT_TRUE(IsProtectedId(38));
    EXPECT_FALSE(IsProtectedId(39));
    EXPECT_FALSE(IsProtectedId(-1));
}

TEST(Catalogue, ControlNamesOfThePairs) {
    const struct {
        int Id;
        bool Dsp;
        std::vector<const char*> Names;
    } cases[] = {
        {0,
         false,
         {"EditSerialNumberDevice", "LabelSerialNumberDevice", "LabelSerialNumberDevice_1"}},
        {2, false, {"EditAccuracyDeviceH", "LabelAccuracyDeviceH", "LabelAccuracyDeviceH_1"}},
        {701,
         false,
         {"ComboSumAssign1", "LabelSumAssign1", "LabelSumAssign1_1", "LabelSumAssign1_2",
          "LabelSumAssign1_3"}},
        {705, false, {"ComboSumReset1"}},
        {707, false, {"LabelSumOverFlow1H"}},
        {600, false, {"ScrollContrast", "LabelContrast"}},
        {1211, false, {"LabelCUR_CurrentH", "LabelCUR_CurrentH_2"}},
        {608, false, {"EditF1_V100", "LabelF1_V100"}},
        {2, true, {"EditR0", "LabelR0"}},
    };
    for (const auto& c : cases) {
        const DescriptorSpec* d = SpecOf(c.Id, c.Dsp);
        ASSERT_NE(d, nullptr) << c.Id;
        std::vector<std::string> names;
        for (const BoundControl& b : d->Controls) names.push_back(b.Name.toStdString());
        EXPECT_EQ(names, std::vector<std::string>(c.Names.begin(), c.Names.end()));
    }
}

TEST(Catalogue, PagesAndPollLists) {
    const auto pages = PageNames();
    ASSERT_EQ(pages.size(), 51u);
    std::set<std::string> unique(pages.begin(), pages.end());
    EXPECT_EQ(unique.size(), 51u);
    EXPECT_EQ(PageIndexOf(u"TabSheet1"), 0);
    EXPECT_EQ(PageIndexOf(u"PageDspFile"), 48);
    EXPECT_EQ(PageIndexOf(u"PageCorio"), 50);
    EXPECT_EQ(PageIndexOf(u"Nowhere"), -1);

    const Bindings bindings;
    const std::vector<QString> polled = PagesWithPollLists();
    EXPECT_EQ(polled.size(), 14u);
    std::map<QString, QString> pageOf;
    for (const DescriptorSpec& d : Catalogue()) {
        for (const BoundControl& c : d.Controls) pageOf[c.Name] = c.Page;
    }
    for (const QString& page : polled) {
        for (const char* control : PollListOf(page)) {
            const QString name = QString::fromLatin1(control);
            EXPECT_TRUE(bindings.Find(name).has_value()) << control;
            EXPECT_EQ(pageOf[name], page) << control;
        }
    }
    EXPECT_TRUE(PollListOf(u"PageLCD").empty());
    EXPECT_EQ(PollListOf(u"PageConcentration").size(), 13u);
}

TEST(Bindings, ControlsAnywhereReadTheirDescriptor) {
    const Bindings b;
    EXPECT_EQ(b.DescriptorOf(u"LabelSumAssign1_2"), 701);
    EXPECT_EQ(b.DescriptorOf(u"LabelCUR_Hidden_SN_5"), 1300);
    EXPECT_EQ(b.DescriptorOf(u"EditCUR_Hidden_SN_3"), 1300);
    EXPECT_EQ(b.DescriptorOf(u"LabelCUR_Hidden_SN_7"), 1300);
    EXPECT_EQ(b.DescriptorOf(u"EditDensDampingH"), 435);
    EXPECT_EQ(b.DspDescriptorOf(u"EditR0"), 2);
    EXPECT_EQ(b.DescriptorOf(u"EditR0"), std::nullopt);
    EXPECT_EQ(b.DspDescriptorOf(u"LabelMassFlow"), std::nullopt);
    EXPECT_EQ(b.Find(u"ButtonSave"), std::nullopt);
}

TEST(Bindings, TheLowestIdentifierWinsAndRegistersBeforeParameters) {
    std::vector<DescriptorSpec> catalogue = {
        {.Id = 705, .Dsp = false, .Controls = {{QStringLiteral("Shared"), {}}}},
        {.Id = 3, .Dsp = true, .Controls = {{QStringLiteral("Both"), {}}}},
        {.Id = 701,
         .Dsp = false,
         .Controls = {{QStringLiteral("Other"), {}}, {QStringLiteral("Shared"), {}}}},
        {.Id = 900, .Dsp = false, .Controls = {{QStringLiteral("Both"), {}}}},
    };
    const Bindings b(catalogue);
    EXPECT_EQ(b.Find(u"Shared"), (Binding{701, false}));
    EXPECT_EQ(b.Find(u"Both"), (Binding{900, false}));
}

TEST(ControlKind, ByNamePrefix) {
    EXPECT_EQ(ControlKindOf(u"ComboSumAssign1"), ControlKind::Combo);
    EXPECT_EQ(ControlKindOf(u"EditRatioH"), ControlKind::Edit);
    EXPECT_EQ(ControlKindOf(u"EdTarget_a0"), ControlKind::Edit);
    EXPECT_EQ(ControlKindOf(u"ScrollContrast"), ControlKind::ScrollBar);
    EXPECT_EQ(ControlKindOf(u"LabelSum1"), ControlKind::Label);
    EXPECT_EQ(ControlKindOf(u"LblTarget_a0"), ControlKind::Label);
    EXPECT_EQ(ControlKindOf(u"TargetDensLbl"), ControlKind::Label);
    EXPECT_EQ(ControlKindOf(u"ButtonSave"), ControlKind::Unknown);
}

}  // namespace
}  // namespace tarvix
