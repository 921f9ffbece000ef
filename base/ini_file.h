// The INI file object behind the settings, configuration and dump files: one object per file,
// write-through (every write replaces the file at once), Windows-1251 text with CR LF.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>

namespace tarvix {

// File rules, as the Windows profile functions that wrote the earlier files:
// - "[name]" starts a section; "key=value" lines belong to the section above them. Section
//   and key names compare without regard to letter case; names and values are trimmed.
// - Lines starting with ';', lines without '=' and keys before the first section are kept
//   in the file but are not keys.
// - A key present twice in a section: the first one counts, for reading and for writing.
//   A section present twice is one section made of both parts.
// - LF and CR LF are both read; CR LF is written. A file starting with a UTF-8 byte order
//   mark (saved from an editor) is read as UTF-8 and written back as Windows-1251.
// - Integers are signed decimal, an optional '+' or '-' then digits; anything else, or a
//   number outside 32 bits, reads as the default.
//
// The object holds only its path as far as callers can tell: every read sees the file as it
// is now, also when another object or program changed it. Behind that, the parsed file is
// kept while the file's size, time and inode stay the same and no other IniFile of this
// process wrote, so reading hundreds of keys in a row costs one parse. For hundreds of
// writes in a row see BeginUpdate.
// One object is used by one thread at a time.
class IniFile {
  public:
    // locale gives the date-time format (the system's unless a test pins one).
    explicit IniFile(QString path, QLocale locale = QLocale::system());
    ~IniFile();
    IniFile(IniFile&&) noexcept;
    IniFile& operator=(IniFile&&) noexcept;
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    const QString& FileName() const { return path_; }

    // Missing file, section or key, or a value that does not read as the type: the default.
    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    int ReadInteger(const QString& section, const QString& key, int def) const;
    bool ReadBool(const QString& section, const QString& key, bool def) const;
    QDateTime ReadDateTime(const QString& section, const QString& key, const QDateTime& def) const;
    // Key names of the section in file order, as spelt in the file.
    QStringList ReadSection(const QString& section) const;
    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;

    // Sets the key, creating the file, section and key as needed; an existing key keeps its
    // line, a new key goes after the last key of its section, a new section to the end of
    // the file. Line breaks inside the value become spaces. Returns false, leaving the file
    // as it was, when the file cannot be written or a name is empty or would not read back
    // (a section name with ']', a key name with '=' or starting with '[' or ';').
    bool WriteString(const QString& section, const QString& key, const QString& value);
    bool WriteInteger(const QString& section, const QString& key, int value);
    bool WriteBool(const QString& section, const QString& key, bool value);  // "1" / "0"
    bool WriteDateTime(const QString& section, const QString& key, const QDateTime& value);

    // Removes every part of the section with its keys and comments. A missing section or
    // file is not an error and the file is not created.
    bool EraseSection(const QString& section);

    // Many writes in a row (a dump of 654 registers, a page saved in file mode). Replacing
    // the file costs about a millisecond (the file system flushes the new file's data before
    // the rename), so between BeginUpdate and the matching EndUpdate the writes change only
    // this object's copy, which its own reads see; the file keeps its previous complete
    // content until EndUpdate replaces it once. Other objects see the changes from then on.
    // Updates nest; the outermost EndUpdate writes and returns whether that succeeded (on
    // failure the file is unchanged and the held changes are dropped). The destructor ends
    // an update left open.
    void BeginUpdate();
    bool EndUpdate();

  private:
    struct Document;
    Document& Current() const;
    bool Commit(Document& doc);
    bool Save(Document& doc);

    QString path_;
    QLocale locale_;
    mutable std::unique_ptr<Document> doc_;
    int updateDepth_ = 0;
    bool updatePending_ = false;
};

// Holds an IniFile update open for a scope.
class IniUpdate {
  public:
    explicit IniUpdate(IniFile& ini) : ini_(ini) { ini_.BeginUpdate(); }
    ~IniUpdate() { ini_.EndUpdate(); }
    IniUpdate(const IniUpdate&) = delete;
    IniUpdate& operator=(const IniUpdate&) = delete;

  private:
    IniFile& ini_;
};

// Date-times are written in the locale's short date and long time format, the time without
// its time zone (Qt's long time format has one, the Windows one has not). A two-digit year
// is written with four digits, so a date never depends on a century guess when read back.
QString IniDateTimeFormat(const QLocale& locale);
QString FormatIniDateTime(const QDateTime& value, const QLocale& locale);

// Reads the format above; failing that, leniently: the numbers of the text in the locale's
// day, month, year order (a leading four-digit number means year-month-day), then hours,
// minutes and optional seconds, with the locale's AM/PM marks; two-digit years are 20xx.
// Returns an invalid QDateTime when the text holds no such date.
QDateTime ParseIniDateTime(QStringView text, const QLocale& locale);

}  // namespace tarvix
