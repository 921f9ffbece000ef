// The journal viewer on a "Logs" folder as users leave it: journal files of earlier days, the
// file being written, and files that are no journal at all (50 MB, UTF-8, binary).
#include "base/cp1251.h"
#include "base/string_table.h"
#include "session/journal.h"
#include "session/program.h"
#include "tools/form_log_files.h"
#include "tools/journal_file_view.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace tarvix {
namespace {

const QString kEarlier = QStringLiteral("2026_01_05.txt");

bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

}  // namespace

class TestJournalViewer : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<Program> p_;
    std::unique_ptr<TFormLogFiles> dialog_;
    QStringList messages_;

    QString Logs(const QString& name) const {
        return QDir(dir_.path()).filePath(QStringLiteral("Logs/") + name);
    }
    QString Choose(const QString& name) {
        auto* list = dialog_->findChild<QListWidget*>(QStringLiteral("FileListBox1"));
        const auto items = list->findItems(name, Qt::MatchExactly);
        if (items.isEmpty()) return QStringLiteral("<not listed>");
        list->setCurrentItem(items.first());
        dialog_->FileListBox1Click();
        return dialog_->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText();
    }

  private Q_SLOTS:
    void initTestCase() {
        p_ = std::make_unique<Program>(dir_.path());
        p_->Log.Open();
        p_->Log.WriteJournal(QStringLiteral("сегодня"), kJournalInfo);
        const QByteArray journal =
            ToCp1251(QStringLiteral("08:00:00 --> [inf] Расходомер подключен\r\n"
                                    "08:00:05 --> [err] Нет ответа от расходомера\r\n"
                                    "вторая строка сообщения\r\n"
                                    "08:00:09 --> [inf] Завершение программы\r\n"));
        QVERIFY(WriteBytes(Logs(kEarlier), journal));
        QVERIFY(WriteBytes(Logs(QStringLiteral("2026_01_06.txt")),
                           QByteArray(50 * 1024 * 1024 / 64, 'x').append('\n').repeated(64)));
        QVERIFY(WriteBytes(Logs(QStringLiteral("2026_01_07.txt")),
                           QStringLiteral("08:00:00 --> [inf] Сохранено в UTF-8\n").toUtf8()));
        QByteArray binary;
        for (int i = 0; i < 4096; ++i) binary.append(static_cast<char>(i * 37 % 256));
        QVERIFY(WriteBytes(Logs(QStringLiteral("2026_01_08.txt")), binary));
        QVERIFY(WriteBytes(Logs(QStringLiteral("notes.log")), "not a journal"));
        dialog_ = std::make_unique<TFormLogFiles>(*p_);
        dialog_->SetMessageBox([this](QWidget*, const QString& text) { messages_ << text; });
        dialog_->show();
    }
    void cleanupTestCase() {
        dialog_.reset();
        p_.reset();
    }

    void listsTheDaysJournalFilesInDateOrder() {
        auto* list = dialog_->findChild<QListWidget*>(QStringLiteral("FileListBox1"));
        QStringList names;
        for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
        const QString today =
            QDate::currentDate().toString(QStringLiteral("yyyy_MM_dd")) + QStringLiteral(".txt");
        QCOMPARE(names, (QStringList{kEarlier, QStringLiteral("2026_01_06.txt"),
                                     QStringLiteral("2026_01_07.txt"),
                                     QStringLiteral("2026_01_08.txt"), today}));
        // Today's file is being written: refused with the message, the memo keeps its text.
        const QString shown = Choose(kEarlier);
        messages_.clear();
        QCOMPARE(Choose(today), shown);
        QCOMPARE(messages_, QStringList{Str(kStrJournalInUse)});
    }

    void showsAFileAsTheJournalFilterDoes_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("starts");
        QTest::addColumn<QString>("absent");
        QTest::newRow("journal, all")
            << kEarlier << kFilterAll << "08:00:00 --> [inf] Расходомер подключен\n08:00:05"
            << "\r";
        QTest::newRow("journal, errors")
            << kEarlier << kFilterErrors
            << "08:00:05 --> [err] Нет ответа от расходомера\nвторая строка сообщения"
            << "[inf]";
        QTest::newRow("UTF-8") << "2026_01_07.txt" << kFilterAll
                               << "08:00:00 --> [inf] Сохранено в UTF-8"
                               << "Ð";
        QTest::newRow("binary") << "2026_01_08.txt" << kFilterAll << QString(QChar(0xFFFD))
                                << QString(QChar(0));
    }
    void showsAFileAsTheJournalFilterDoes() {
        QFETCH(QString, file);
        QFETCH(int, filter);
        QFETCH(QString, starts);
        QFETCH(QString, absent);
        p_->Log.SetJournalFilter(filter);
        const QString text = Choose(file);
        QVERIFY2(text.startsWith(starts), qPrintable(text.left(80)));
        QVERIFY(!text.contains(absent));
    }

    void aHugeFileShowsItsBeginningAtOnce() {
        p_->Log.SetJournalFilter(kFilterAll);
        QElapsedTimer clock;
        clock.start();
        const QString text = Choose(QStringLiteral("2026_01_06.txt"));
        QVERIFY(clock.elapsed() < 10000);
        QVERIFY(text.size() <= kJournalViewLimit + 200);
        QVERIFY(text.endsWith(Str(kStrJournalViewCut).arg(kJournalViewLimit / (1024 * 1024))));
    }
};

}  // namespace tarvix

QTEST_MAIN(tarvix::TestJournalViewer)
#include "test_journal_viewer.moc"
