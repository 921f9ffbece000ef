// The journal: the bytes of the day's file, what the list shows under each filter, and the
// failures a user meets (a second copy of the program, a full disk, no "Logs" folder).
#include "session/journal.h"

#include "base/string_table.h"
#include "session/journal_model.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace tarvix {
namespace {

const QString kPrefix = u"[ошибка записи в файл журнала следующей записи]"_s;

// Writes only half of the first `failures` lines, as a disk that fills up and is cleaned.
class HalfFullDisk final : public AppendOnlyFile {
  public:
    HalfFullDisk(QByteArray* sink, int failures) : sink_(sink), failures_(failures) {}
    qint64 Write(QByteArrayView bytes) override {
        const qint64 n = failures_-- > 0 ? bytes.size() / 2 : bytes.size();
        sink_->append(bytes.first(n));
        return n;
    }

  private:
    QByteArray* sink_;
    int failures_;
};

class JournalTest : public ::testing::Test {
  protected:
    Journal::Environment Env() {
        Journal::Environment env;
        env.clock = [this] { return now_; };
        env.systemError = [this](const QString& text) { errors_.append(text); };
        return env;
    }

    QByteArray Day(const QString& day) const {
        QFile f(dir_.filePath(u"Logs/"_s + day + u".txt"_s));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    QStringList Shown() const {
        QStringList lines;
        for (int r = 0; r < model_.rowCount(); ++r) lines.append(model_.index(r).data().toString());
        return lines;
    }

    QTemporaryDir dir_;
    JournalModel model_;
    QDateTime now_{QDate(2024, 3, 15), QTime(10, 15, 2)};
    QStringList errors_;
};

TEST_F(JournalTest, LinesAreWindows1251WithCrLfAndEachRunFollowsTheEmptyLineOfTheLast) {
    {
        Journal journal(dir_.path(), model_, Env());
        journal.Open();
        journal.WriteJournal(u"MassFlow - Ошибка связи: получено 0 байт."_s, kJournalError);
        now_ = now_.addSecs(1);
        journal.Close();
    }
    now_ = now_.addSecs(300);
    Journal second(dir_.path(), model_, Env());
    second.Open();
    second.WriteJournal(Str(kStrDisconnected), kJournalInfo);

    EXPECT_EQ(Day(u"2024_03_15"_s),
              "10:15:02 --> [err] MassFlow - \xCE\xF8\xE8\xE1\xEA\xE0 \xF1\xE2\xFF\xE7\xE8: "
              "\xEF\xEE\xEB\xF3\xF7\xE5\xED\xEE 0 \xE1\xE0\xE9\xF2.\r\n"
              "10:15:03 --> [inf] \xC7\xE0\xE2\xE5\xF0\xF8\xE5\xED\xE8\xE5 "
              "\xEF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xFB\r\n"
              "\r\n"
              "10:20:03 --> [inf] \xD0\xE0\xF1\xF5\xEE\xE4\xEE\xEC\xE5\xF0 "
              "\xEE\xF2\xEA\xEB\xFE\xF7\xE5\xED\r\n");
    // The filter is 0 until the first show sets it: nothing reached the list.
    EXPECT_EQ(model_.rowCount(), 0);
    EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(JournalTest, FilterDecidesTheListTheFileGetsEverything) {
    const struct {
        int filter;
        int level;
        bool shown;
    } cases[] = {
        {kFilterAll, kJournalInfo, true},      {kFilterAll, kJournalError, true},
        {kFilterErrors, kJournalInfo, false},  {kFilterErrors, kJournalError, true},
        {kFilterNothing, kJournalInfo, false}, {kFilterNothing, kJournalError, false},
    };
    Journal journal(dir_.path(), model_, Env());
    journal.Open();
    int lines = 0;
    for (const auto& c : cases) {
        model_.Clear();
        journal.SetJournalFilter(c.filter);
        journal.WriteJournal(u"x"_s, c.level);
        EXPECT_EQ(model_.rowCount(), c.shown ? 1 : 0) << c.filter << "/" << c.level;
        EXPECT_EQ(Day(u"2024_03_15"_s).count("\r\n"), ++lines);
    }
    journal.SetJournalFilter(kFilterAll);
    journal.WriteJournal(u"y"_s, kJournalError);
    EXPECT_EQ(Shown(), QStringList{u"10:15:02 --> [err] y"_s});
    EXPECT_EQ(model_.index(0).data(JournalModel::LevelRole).toInt(), kJournalError);
}

TEST_F(JournalTest, AShortWriteIsShownWithItsMarkWhateverTheFilter) {
    for (const int filter : {kFilterNothing, kFilterErrors, kFilterAll}) {
        QByteArray disk;
        Journal::Environment env = Env();
        env.openFile = [&disk](const QString&, QString*) {
            return std::make_unique<HalfFullDisk>(&disk, 1);
        };
        model_.Clear();
        Journal journal(dir_.path(), model_, env);
        journal.Open();
        journal.SetJournalFilter(filter);
        journal.WriteJournal(u"lost"_s, kJournalInfo);
        journal.WriteJournal(u"kept"_s, kJournalInfo);  // tried again normally

        QStringList expected{kPrefix + u"\n10:15:02 --> [inf] lost"_s};
        if (filter == kFilterAll) expected.append(u"10:15:02 --> [inf] kept"_s);
        EXPECT_EQ(Shown(), expected) << filter;
        EXPECT_EQ(model_.index(0).data(JournalModel::LevelRole).toInt(), kJournalWriteFailed);
        EXPECT_TRUE(disk.endsWith("10:15:02 --> [inf] kept\r\n"));
    }
}

TEST_F(JournalTest, AFullDeviceMarksEveryLine) {
    if (!QFile::exists(u"/dev/full"_s)) GTEST_SKIP() << "no /dev/full on this system";
    ASSERT_TRUE(QDir(dir_.path()).mkdir(u"Logs"_s));
    ASSERT_TRUE(QFile::link(u"/dev/full"_s, dir_.filePath(u"Logs/2024_03_15.txt"_s)));
    Journal journal(dir_.path(), model_, Env());
    journal.Open();
    ASSERT_TRUE(journal.IsOpen());
    journal.WriteJournal(u"a"_s, kJournalInfo);
    EXPECT_EQ(Shown(), QStringList{kPrefix + u"\n10:15:02 --> [inf] a"_s});
}

TEST_F(JournalTest, ARunStartedBeforeMidnightKeepsItsDay) {
    now_ = QDateTime(QDate(2024, 3, 15), QTime(23, 59, 30));
    Journal journal(dir_.path(), model_, Env());
    journal.Open();
    now_ = QDateTime(QDate(2024, 3, 16), QTime(0, 1, 0));
    journal.WriteJournal(u"after midnight"_s, kJournalInfo);
    EXPECT_EQ(Day(u"2024_03_15"_s), "00:01:00 --> [inf] after midnight\r\n");
    EXPECT_FALSE(QFile::exists(dir_.filePath(u"Logs/2024_03_16.txt"_s)));
}

TEST_F(JournalTest, ASecondCopyJournalsIntoItsListOnly) {
    Journal first(dir_.path(), model_, Env());
    first.Open();
    JournalModel secondList;
    Journal second(dir_.path(), secondList, Env());
    second.Open();

    EXPECT_FALSE(second.IsOpen());
    ASSERT_EQ(errors_.size(), 1);  // the system's text, for the "GetLastError" box
    const QString file = QDir::toNativeSeparators(dir_.filePath(u"Logs/2024_03_15.txt"_s));
    ASSERT_EQ(secondList.rowCount(), 1);
    EXPECT_EQ(secondList.index(0).data().toString(),
              u"10:15:02 --> [err] Ошибка при создании файла журнала "_s + file);

    second.WriteJournal(u"second"_s, kJournalInfo);
    first.WriteJournal(u"first"_s, kJournalInfo);
    EXPECT_EQ(Day(u"2024_03_15"_s), "10:15:02 --> [inf] first\r\n");
}

TEST_F(JournalTest, WithoutALogsFolderTheListStillWorks) {
    ASSERT_TRUE(QFile(dir_.filePath(u"Logs"_s)).open(QIODevice::WriteOnly));  // in the way
    Journal journal(dir_.path(), model_, Env());
    journal.Open();
    EXPECT_FALSE(journal.IsOpen());
    EXPECT_EQ(errors_.size(), 1);
    EXPECT_EQ(model_.rowCount(), 0);
    journal.SetJournalFilter(kFilterAll);
    journal.WriteJournal(u"a"_s, kJournalInfo);
    EXPECT_EQ(Shown(), QStringList{u"10:15:02 --> [inf] a"_s});
}

TEST_F(JournalTest, IndicatorLogAppendsToTheDayFile) {
    Journal journal(dir_.path(), model_, Env());
    for (const char* line : {"a\r\n", "b\r\n"}) {
        std::unique_ptr<QFile> log = journal.OpenIndicatorLog();
        ASSERT_NE(log, nullptr);
        log->write(line);
    }
    QFile f(dir_.filePath(u"IndicatorLogs/2024_03_15.txt"_s));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "a\r\nb\r\n");

    QDir(dir_.filePath(u"IndicatorLogs"_s)).removeRecursively();
    ASSERT_TRUE(QFile(dir_.filePath(u"IndicatorLogs"_s)).open(QIODevice::WriteOnly));
    EXPECT_EQ(journal.OpenIndicatorLog(), nullptr);
    EXPECT_EQ(errors_.size(), 1);
}

}  // namespace
}  // namespace tarvix
