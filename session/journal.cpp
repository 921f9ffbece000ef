#include "journal.h"

#include "base/cp1251.h"
#include "base/string_table.h"
#include "session/journal_model.h"

#include <QCoreApplication>
#include <QDir>

#include <utility>

namespace tarvix {
namespace {

// The journal's own texts are not numbered strings; QT_TRANSLATE_NOOP at each use lets
// lupdate find them for the language module.
QString Tr(const char* text) { return QCoreApplication::translate("Journal", text); }

}  // namespace

Journal::Journal(QString programFolder, JournalModel& list, Environment env)
    : programFolder_(std::move(programFolder)), list_(list), env_(std::move(env)) {
    if (!env_.clock) env_.clock = [] { return QDateTime::currentDateTime(); };
    if (!env_.openFile) env_.openFile = OpenExclusiveAppend;
}

Journal::~Journal() = default;

QString Journal::DayFileName(const QString& folder) const {
    return folder + u'/' + env_.clock().date().toString(QStringLiteral("yyyy_MM_dd")) +
           QStringLiteral(".txt");
}

void Journal::ReportSystemError(const QString& text) const {
    if (env_.systemError) env_.systemError(text);
}

void Journal::Open() {
    opened_ = true;
    const QString folder = QDir(programFolder_).filePath(QStringLiteral("Logs"));
    fileName_ = DayFileName(folder);
    QString error;
    if (!MakeFolder(folder, &error)) {
        ReportSystemError(error);
        return;
    }
    file_ = env_.openFile(fileName_, &error);
    if (!file_) {
        ReportSystemError(error);
        // Shown whatever the filter: at the first show the filter is still 0, and without a
        // file the list is the only place left that tells why the journal is missing.
        const QString text =
            Tr(QT_TRANSLATE_NOOP("Journal", "Ошибка при создании файла журнала ")) +
            QDir::toNativeSeparators(fileName_);
        list_.Append(BuildLine(text, kJournalError), kJournalError);
    }
}

void Journal::Close() {
    if (!opened_) return;
    WriteJournal(Str(kStrProgramEnd) + QStringLiteral("\r\n"), kJournalInfo);
    file_.reset();
    opened_ = false;
}

QString Journal::BuildLine(const QString& text, int level) const {
    return env_.clock().time().toString(QStringLiteral("HH:mm:ss")) + QStringLiteral(" --> ") +
           (level == kJournalInfo ? QStringLiteral("[inf] ") : QStringLiteral("[err] ")) + text;
}

void Journal::WriteJournal(const QString& text, int level) {
    QString line = BuildLine(text, level);
    if (file_) {
        const QByteArray bytes = ToCp1251(line) + QByteArrayLiteral("\r\n");
        if (file_->Write(bytes) < bytes.size()) {
            line = Tr(QT_TRANSLATE_NOOP("Journal",
                                        "[ошибка записи в файл журнала следующей записи]")) +
                   u'\n' + line;
            level = kJournalWriteFailed;
        }
    }
    if (filter_ >= level) list_.Append(line, level);
}

QString Journal::IndicatorLogFolder() const {
    const QString folder = QDir(programFolder_).filePath(QStringLiteral("IndicatorLogs"));
    QString error;
    if (!MakeFolder(folder, &error)) {
        ReportSystemError(error);
        return {};
    }
    return folder;
}

std::unique_ptr<QFile> Journal::OpenIndicatorLog() {
    const QString folder = IndicatorLogFolder();
    if (folder.isEmpty()) return nullptr;
    auto file = std::make_unique<QFile>(DayFileName(folder));
    if (!file->open(QIODevice::WriteOnly | QIODevice::Append)) {
        ReportSystemError(file->errorString());
        return nullptr;
    }
    return file;
}

}  // namespace tarvix
