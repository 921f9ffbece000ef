// The journal list: rows with their level, the newest row announced for the view to select.
#include "session/journal_model.h"

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

// A silent device adds lines every second for days: the list keeps the newest kMaxRows in
// order, the view hears of each dropped row, and the announced row is the newest one.
TEST(JournalModel, KeepsTheNewestLinesOnly) {
    JournalModel model;
    int removed = 0;
    int lastAnnounced = -1;
    QObject::connect(&model, &QAbstractItemModel::rowsRemoved, [&] { ++removed; });
    QObject::connect(&model, &JournalModel::LineAppended, [&](int row) { lastAnnounced = row; });
    const int total = JournalModel::kMaxRows + 2500;
    for (int i = 0; i < total; ++i) model.Append(QString::number(i), i % 2 + 1);
    ASSERT_EQ(model.rowCount(), JournalModel::kMaxRows);
    EXPECT_EQ(removed, 2500);
    EXPECT_EQ(lastAnnounced, JournalModel::kMaxRows - 1);
    EXPECT_EQ(model.data(model.index(0)).toString(), QString::number(2500));
    EXPECT_EQ(model.data(model.index(model.LastRow())).toString(), QString::number(total - 1));
    EXPECT_EQ(model.data(model.index(1), JournalModel::LevelRole).toInt(), 2501 % 2 + 1);
}

}  // namespace
}  // namespace tarvix
