// The journal list: rows with their level, the newest row announced for the view to select.
#include "app/journal_model.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace tarvix {
namespace {

TEST(JournalModel, AppendAnnouncesTheNewRowAndClearEmptiesTheList) {
    JournalModel model;
    std::vector<int> announced;
    int inserted = 0;
    QObject::connect(&model, &JournalModel::LineAppended,
                     [&](int row) { announced.push_back(row); });
    QObject::connect(&model, &QAbstractItemModel::rowsInserted, [&] { ++inserted; });

    model.Append(u"10:00:00 --> [inf] a"_s, 2);
    model.Append(u"10:00:01 --> [err] b"_s, 1);
    EXPECT_EQ(announced, (std::vector<int>{0, 1}));
    EXPECT_EQ(inserted, 2);
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.data(model.index(1), Qt::DisplayRole).toString(), u"10:00:01 --> [err] b"_s);
    EXPECT_EQ(model.data(model.index(1), JournalModel::LevelRole).toInt(), 1);
    EXPECT_FALSE(model.data(model.index(2), Qt::DisplayRole).isValid());

    model.Clear();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.LastRow(), -1);
    model.Append(u"x"_s, -1);
    EXPECT_EQ(announced.back(), 0);
}

// A day of a busy journal: every line kept, in order.
TEST(JournalModel, HoldsADayOfLines) {
    JournalModel model;
    for (int i = 0; i < 50000; ++i) model.Append(QString::number(i), i % 2 + 1);
    ASSERT_EQ(model.rowCount(), 50000);
    EXPECT_EQ(model.LastRow(), 49999);
    EXPECT_EQ(model.data(model.index(49999)).toString(), u"49999"_s);
    EXPECT_EQ(model.data(model.index(12345), JournalModel::LevelRole).toInt(), 2);
}

}  // namespace
}  // namespace tarvix
