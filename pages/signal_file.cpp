#include "pages/signal_file.h"

#include <QFile>
#include <QFileInfo>

#include <charconv>
#include <limits>
#include <string>

namespace tarvix {
namespace {

std::size_t At(int i) { return static_cast<std::size_t>(i); }

QByteArray FieldText(double v, QChar decimalPoint) {
    QByteArray t = QByteArray::number(v, 'g', 15);
    if (decimalPoint != QLatin1Char('.')) t.replace('.', decimalPoint.toLatin1());
    return t;
}

// The field's value as the nearest float; the largest float stands for "no number".
float FieldValue(const std::string& field, QChar decimalPoint) {
    constexpr float kNoNumber = std::numeric_limits<float>::max();
    std::string text = field;
    const char sep = decimalPoint.toLatin1();
    for (char& c : text) {
        if (c == sep) c = '.';
    }
    // Leading and trailing blanks are tolerated, anything else after the number is not.
    const auto b = text.find_first_not_of(" \t");
    const auto e = text.find_last_not_of(" \t");
    if (b == std::string::npos) return kNoNumber;
    text = text.substr(b, e - b + 1);
    // from_chars: the C locale's rules whatever locale the program runs in.
    const char* first = text.data();
    const char* end = text.data() + text.size();
    if (*first == '+') ++first;
    double v = 0.0;
    const auto [ptr, ec] = std::from_chars(first, end, v);
    if (ec != std::errc() || ptr != end) return kNoNumber;
    // Beyond the float range the nearest float is an infinity (said outright: the cast of
    // such a double is undefined in C++).
    constexpr double kMax = std::numeric_limits<float>::max();
    if (v > kMax * (1 + 2.9e-8)) return std::numeric_limits<float>::infinity();
    if (v < -kMax * (1 + 2.9e-8)) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(v);
}

}  // namespace

QByteArray SignalFileBytes(const SignalSeries& series, QChar decimalPoint) {
    std::size_t lines = 0;
    for (const auto& s : series) lines = std::max(lines, s.size());
    QByteArray out;
    out.reserve(static_cast<qsizetype>(lines * series.size() * 20));
    for (std::size_t i = 0; i < lines; ++i) {
        for (std::size_t k = 0; k < series.size(); ++k) {
            if (k > 0) out += ';';
            if (i < series[k].size()) out += FieldText(series[k][i], decimalPoint);
        }
        out += "\r\n";
    }
    return out;
}

void AppendSignalFile(QByteArrayView bytes, SignalSeries& series, QChar decimalPoint) {
    if (series.empty()) return;
    const int last = static_cast<int>(series.size()) - 1;
    std::string field;
    int column = 0;
    auto convert = [&] {
        const float v = FieldValue(field, decimalPoint);
        if (v != std::numeric_limits<float>::max()) series[At(column)].push_back(v);
        field.clear();
    };
    for (const char c : bytes) {
        if (c == '\r') continue;
        if (c == ';') {
            convert();
            if (column < last) ++column;
        } else if (c == '\n') {
            convert();
            column = 0;
        } else if (field.size() < 64) {
            // No number is longer; a longer field is no number and stays one.
            field += c;
        } else {
            field = "x";
        }
    }
}

SignalFileStatus LoadSignalFile(const QString& path, SignalSeries& series, QChar decimalPoint,
                                QString* error) {
    QFile f(path);
    const QFileInfo info(path);
    if (info.exists() && info.isFile() && info.size() > kMaxSignalFileBytes)
        return SignalFileStatus::TooLarge;
    if (!f.open(QIODevice::ReadOnly)) {
        if (error) *error = f.errorString();
        return SignalFileStatus::Unreadable;
    }
    // A pipe or a device has no size: read no more than a file may hold, plus one byte.
    const QByteArray bytes = f.read(kMaxSignalFileBytes + 1);
    if (bytes.size() > kMaxSignalFileBytes) return SignalFileStatus::TooLarge;
    AppendSignalFile(bytes, series, decimalPoint);
    return SignalFileStatus::Ok;
}

}  // namespace tarvix
