#include "ini_file.h"

#include "cp1251.h"
#include "text_file.h"

#include <QHash>

#include <atomic>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace tarvix {
namespace {

// Bumped by every write of any IniFile in this process. A parsed file is reused only while
// this has not moved since, so an object never misses a change another object made, even
// when the file system's clock did not tick between the two writes.
std::atomic<quint64> g_writes{0};

enum class Kind { kOther, kSection, kKey };

struct Line {
    QString text;  // the line as it stands in the file, without its line end
    Kind kind = Kind::kOther;
    QString spelt;   // trimmed section or key name as written
    QString folded;  // the same, case-folded for comparison
};

Line Classify(QString text) {
    Line line;
    const QStringView t = QStringView(text).trimmed();
    if (t.startsWith(u'[')) {
        const qsizetype close = t.indexOf(u']');
        if (close > 0) {
            line.kind = Kind::kSection;
            line.spelt = t.mid(1, close - 1).trimmed().toString();
        }
    } else if (!t.startsWith(u';')) {
        const qsizetype eq = t.indexOf(u'=');
        if (eq > 0) {
            line.spelt = t.left(eq).trimmed().toString();
            if (!line.spelt.isEmpty()) line.kind = Kind::kKey;
        }
    }
    line.folded = line.spelt.toCaseFolded();
    line.text = std::move(text);
    return line;
}

QString ValueOf(const Line& line) {
    return QStringView(line.text).mid(line.text.indexOf(u'=') + 1).trimmed().toString();
}

std::optional<int> ParseInteger(QStringView t) {
    qsizetype i = 0;
    bool negative = false;
    if (!t.isEmpty() && (t[0] == u'+' || t[0] == u'-')) {
        negative = t[0] == u'-';
        i = 1;
    }
    if (i == t.size()) return std::nullopt;
    qint64 v = 0;
    for (; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (c < u'0' || c > u'9') return std::nullopt;
        v = v * 10 + (c - u'0');
        if (v > qint64{std::numeric_limits<int>::max()} + 1) return std::nullopt;
    }
    if (negative) v = -v;
    if (v > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(v);
}

bool ValidSectionName(const QString& s) { return !s.isEmpty() && !s.contains(u']'); }

bool ValidKeyName(const QString& k) {
    return !k.isEmpty() && !k.contains(u'=') && !k.startsWith(u'[') && !k.startsWith(u';');
}

QString OneLine(QString s) {
    s.replace(u'\r', u' ');
    s.replace(u'\n', u' ');
    return s;
}

// The locale's format with the time zone removed and two-digit years widened; quoted
// literal text is copied unchanged.
QString AdjustFormat(const QString& fmt) {
    QString out;
    qsizetype i = 0;
    while (i < fmt.size()) {
        const QChar c = fmt[i];
        qsizetype j = i + 1;
        if (c == u'\'') {
            while (j < fmt.size() && fmt[j] != u'\'') ++j;
            out += QStringView(fmt).mid(i, j + 1 - i);
            i = j + 1;
            continue;
        }
        while (j < fmt.size() && fmt[j] == c) ++j;
        if (c == u't') {
            while (!out.isEmpty() && out.back().isSpace()) out.chop(1);
        } else if (c == u'y' && j - i == 2) {
            out += QLatin1String("yyyy");
        } else {
            out += QStringView(fmt).mid(i, j - i);
        }
        i = j;
    }
    return out.trimmed();
}

// Where day, month and year stand in the locale's short date: 0, 1, 2 by position.
void DateOrder(const QLocale& locale, int* day, int* month, int* year) {
    const QString fmt = locale.dateFormat(QLocale::ShortFormat);
    qsizetype pd = -1, pm = -1, py = -1;
    bool quoted = false;
    for (qsizetype i = 0; i < fmt.size(); ++i) {
        const QChar c = fmt[i];
        if (c == u'\'') quoted = !quoted;
        if (quoted) continue;
        if (c == u'd' && pd < 0) pd = i;
        if (c == u'M' && pm < 0) pm = i;
        if (c == u'y' && py < 0) py = i;
    }
    if (pd < 0 || pm < 0 || py < 0) {
        pd = 0, pm = 1, py = 2;
    }
    *day = (pd > pm) + (pd > py);
    *month = (pm > pd) + (pm > py);
    *year = (py > pd) + (py > pm);
}

}  // namespace

struct IniFile::Document {
    struct Section {
        std::vector<std::pair<int, int>> parts;  // [header line, end line) of each part
        std::vector<int> keyLines;               // first occurrence of each key, file order
        QHash<QString, int> keyLine;             // folded key -> line
        int insertAt = 0;                        // after the last key of the last part
    };

    std::vector<Line> lines;
    std::vector<Section> sections;
    QHash<QString, int> sectionIndex;  // folded name -> sections[]
    FileStamp stamp;
    quint64 generation = 0;
    bool unreadable = false;  // present but not readable: never overwrite it blindly

    void Load(const QByteArray& bytes) {
        static const QByteArray kUtf8Bom("\xEF\xBB\xBF");
        const QString text = bytes.startsWith(kUtf8Bom)
                                 ? QString::fromUtf8(QByteArrayView(bytes).sliced(3))
                                 : FromCp1251(bytes);
        qsizetype start = 0;
        while (start < text.size()) {
            qsizetype end = text.indexOf(u'\n', start);
            if (end < 0) end = text.size();
            qsizetype stop = end;
            if (stop > start && text[stop - 1] == u'\r') --stop;
            lines.push_back(Classify(text.mid(start, stop - start)));
            start = end + 1;
        }
        Reindex();
    }

    void Reindex() {
        sections.clear();
        sectionIndex.clear();
        Section* current = nullptr;
        for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
            const Line& l = lines[static_cast<std::size_t>(i)];
            if (l.kind == Kind::kSection) {
                if (current) current->parts.back().second = i;
                auto it = sectionIndex.constFind(l.folded);
                if (it == sectionIndex.cend()) {
                    it = sectionIndex.insert(l.folded, static_cast<int>(sections.size()));
                    sections.emplace_back();
                }
                current = &sections[static_cast<std::size_t>(*it)];
                current->parts.emplace_back(i, -1);
                current->insertAt = i + 1;
            } else if (l.kind == Kind::kKey && current) {
                if (!current->keyLine.contains(l.folded)) {
                    current->keyLine.insert(l.folded, i);
                    current->keyLines.push_back(i);
                }
                current->insertAt = i + 1;
            }
        }
        if (current) current->parts.back().second = static_cast<int>(lines.size());
    }

    const Section* Find(const QString& section) const {
        const auto it = sectionIndex.constFind(section.trimmed().toCaseFolded());
        return it == sectionIndex.cend() ? nullptr : &sections[static_cast<std::size_t>(*it)];
    }

    const Line* FindKey(const QString& section, const QString& key) const {
        const Section* s = Find(section);
        if (!s) return nullptr;
        const auto it = s->keyLine.constFind(key.trimmed().toCaseFolded());
        return it == s->keyLine.cend() ? nullptr : &lines[static_cast<std::size_t>(*it)];
    }

    QByteArray Serialize() const {
        QString text;
        qsizetype size = 0;
        for (const Line& l : lines) size += l.text.size() + 2;
        text.reserve(size);
        for (const Line& l : lines) {
            text += l.text;
            text += QLatin1String("\r\n");
        }
        return ToCp1251(text);
    }
};

IniFile::IniFile(QString path, QLocale locale)
    : path_(std::move(path)), locale_(std::move(locale)) {}
IniFile::~IniFile() {
    if (updateDepth_ > 0) {
        updateDepth_ = 1;
        EndUpdate();
    }
}
IniFile::IniFile(IniFile&&) noexcept = default;
IniFile& IniFile::operator=(IniFile&&) noexcept = default;

IniFile::Document& IniFile::Current() const {
    // Inside an update this object's copy is the truth until EndUpdate writes it.
    if (updateDepth_ > 0 && doc_) return *doc_;
    // The stamp is taken before the read: a file replaced in between then differs from the
    // stamp kept, and the next call parses again instead of trusting stale text.
    const FileStamp stamp = StatFile(path_);
    const quint64 generation = g_writes.load(std::memory_order_acquire);
    if (doc_ && doc_->stamp == stamp && doc_->generation == generation) return *doc_;
    auto doc = std::make_unique<Document>();
    doc->stamp = stamp;
    doc->generation = generation;
    if (stamp.exists) {
        if (const std::optional<QByteArray> bytes = ReadFileBytes(path_)) {
            doc->Load(*bytes);
        } else {
            doc->unreadable = true;
        }
    }
    doc_ = std::move(doc);
    return *doc_;
}

bool IniFile::Commit(Document& doc) {
    if (updateDepth_ > 0) {
        updatePending_ = true;
        return !doc.unreadable;
    }
    return Save(doc);
}

void IniFile::BeginUpdate() {
    Current();
    ++updateDepth_;
}

bool IniFile::EndUpdate() {
    if (updateDepth_ == 0 || --updateDepth_ > 0) return true;
    if (!updatePending_ || !doc_) return true;  // no doc_: the update moved to another object
    updatePending_ = false;
    return Save(*doc_);
}

bool IniFile::Save(Document& doc) {
    if (!WriteFileAtomic(path_, doc.Serialize())) {
        doc_.reset();  // the file still holds the old text
        return false;
    }
    doc.generation = g_writes.fetch_add(1, std::memory_order_acq_rel) + 1;
    doc.stamp = StatFile(path_);
    return true;
}

QString IniFile::ReadString(const QString& section, const QString& key, const QString& def) const {
    const Line* l = Current().FindKey(section, key);
    return l ? ValueOf(*l) : def;
}

int IniFile::ReadInteger(const QString& section, const QString& key, int def) const {
    const Line* l = Current().FindKey(section, key);
    if (!l) return def;
    return ParseInteger(ValueOf(*l)).value_or(def);
}

bool IniFile::ReadBool(const QString& section, const QString& key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

QDateTime IniFile::ReadDateTime(const QString& section, const QString& key,
                                const QDateTime& def) const {
    const Line* l = Current().FindKey(section, key);
    if (!l) return def;
    const QDateTime v = ParseIniDateTime(ValueOf(*l), locale_);
    return v.isValid() ? v : def;
}

QStringList IniFile::ReadSection(const QString& section) const {
    const Document& doc = Current();
    QStringList keys;
    if (const Document::Section* s = doc.Find(section)) {
        keys.reserve(static_cast<qsizetype>(s->keyLines.size()));
        for (const int i : s->keyLines) keys.append(doc.lines[static_cast<std::size_t>(i)].spelt);
    }
    return keys;
}

bool IniFile::SectionExists(const QString& section) const {
    return Current().Find(section) != nullptr;
}

bool IniFile::ValueExists(const QString& section, const QString& key) const {
    return Current().FindKey(section, key) != nullptr;
}

bool IniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    const QString sec = OneLine(section).trimmed();
    const QString k = OneLine(key).trimmed();
    if (!ValidSectionName(sec) || !ValidKeyName(k)) return false;
    const QString v = OneLine(value);

    Document& doc = Current();
    if (doc.unreadable) return false;
    if (const Document::Section* s = doc.Find(sec)) {
        const auto it = s->keyLine.constFind(k.toCaseFolded());
        if (it != s->keyLine.cend()) {
            Line& line = doc.lines[static_cast<std::size_t>(*it)];
            QString text = line.spelt + u'=' + v;
            if (text == line.text) return true;  // nothing to change on disk
            line.text = std::move(text);
        } else {
            doc.lines.insert(doc.lines.begin() + s->insertAt, Classify(k + u'=' + v));
            doc.Reindex();
        }
    } else {
        // An empty line before a new section, as people lay out INI files by hand.
        if (!doc.lines.empty() && !QStringView(doc.lines.back().text).trimmed().isEmpty()) {
            doc.lines.push_back(Classify(QString()));
        }
        doc.lines.push_back(Classify(u'[' + sec + u']'));
        doc.lines.push_back(Classify(k + u'=' + v));
        doc.Reindex();
    }
    return Commit(doc);
}

bool IniFile::WriteInteger(const QString& section, const QString& key, int value) {
    return WriteString(section, key, QString::number(value));
}

bool IniFile::WriteBool(const QString& section, const QString& key, bool value) {
    return WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniFile::WriteDateTime(const QString& section, const QString& key, const QDateTime& value) {
    return WriteString(section, key, FormatIniDateTime(value, locale_));
}

bool IniFile::EraseSection(const QString& section) {
    Document& doc = Current();
    if (doc.unreadable) return false;
    const Document::Section* s = doc.Find(section);
    if (!s) return true;
    // Parts are in file order; removing from the last keeps the earlier ranges valid.
    const std::vector<std::pair<int, int>> parts = s->parts;
    for (auto p = parts.rbegin(); p != parts.rend(); ++p) {
        doc.lines.erase(doc.lines.begin() + p->first, doc.lines.begin() + p->second);
    }
    doc.Reindex();
    return Commit(doc);
}

QString IniDateTimeFormat(const QLocale& locale) {
    return AdjustFormat(locale.dateFormat(QLocale::ShortFormat)) + u' ' +
           AdjustFormat(locale.timeFormat(QLocale::LongFormat));
}

QString FormatIniDateTime(const QDateTime& value, const QLocale& locale) {
    return locale.toString(value.toLocalTime(), IniDateTimeFormat(locale));
}

QDateTime ParseIniDateTime(QStringView text, const QLocale& locale) {
    const QString t = text.trimmed().toString();
    if (t.isEmpty()) return {};
    const QDateTime exact = locale.toDateTime(t, IniDateTimeFormat(locale));
    if (exact.isValid()) return exact;

    // Lenient reading: the digit groups in order, whatever separates them.
    struct Number {
        int value;
        int digits;
    };
    std::vector<Number> n;
    for (qsizetype i = 0; i < t.size() && n.size() < 7;) {
        if (!t[i].isDigit() || t[i].unicode() > 0x7F) {
            ++i;
            continue;
        }
        Number num{0, 0};
        for (; i < t.size() && t[i].isDigit() && t[i].unicode() <= 0x7F; ++i) {
            if (++num.digits > 9) return {};
            num.value = num.value * 10 + (t[i].unicode() - u'0');
        }
        n.push_back(num);
    }
    if (n.size() < 3 || n.size() == 4) return {};

    int day = 0, month = 1, year = 2;
    if (n[0].digits == 4) {
        year = 0, month = 1, day = 2;
    } else {
        DateOrder(locale, &day, &month, &year);
    }
    int y = n[static_cast<std::size_t>(year)].value;
    if (n[static_cast<std::size_t>(year)].digits <= 2) y += 2000;
    const QDate date(y, n[static_cast<std::size_t>(month)].value,
                     n[static_cast<std::size_t>(day)].value);
    if (!date.isValid()) return {};

    int h = 0, m = 0, s = 0;
    if (n.size() >= 5) {
        h = n[3].value;
        m = n[4].value;
        s = n.size() >= 6 ? n[5].value : 0;
        const QString lower = t.toLower();
        const QString pm = locale.pmText().toLower();
        const QString am = locale.amText().toLower();
        if (!pm.isEmpty() && lower.contains(pm) && h < 12) {
            h += 12;
        } else if (!am.isEmpty() && lower.contains(am) && h == 12) {
            h = 0;
        }
    }
    const QTime time(h, m, s);
    if (!time.isValid()) return {};
    return QDateTime(date, time);
}

}  // namespace tarvix
