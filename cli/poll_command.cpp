#include "cli/poll_command.h"

#include "base/date_time.h"
#include "base/grid_line.h"
#include "base/string_table.h"
#include "base/user_error.h"
#include "cli/exit_codes.h"
#include "pages/page_requests.h"
#include "pages/param_value.h"

#include <QElapsedTimer>
#include <QTextStream>
#include <QThread>
#include <QTime>

#include <memory>
#include <vector>

namespace tarvix::cli {
namespace {

std::size_t At(int i) { return static_cast<std::size_t>(i); }

constexpr char kMissing[] = "-----";

int Fail(QTextStream& err, int code, const QString& message) {
    err << "tarvix-cli: " << message << Qt::endl;
    return code;
}

void Put(std::FILE* out, const QStringList& cells) {
    const QByteArray line = GridLine(cells);
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), out);
    std::fflush(out);
}

// One cycle: every register the parameters need (their own, and the assignments that name
// their units' menus), merged into ranges as a page read is. Each request that is answered
// stamps its registers, so a value counts only when all its registers came in this cycle.
QStringList Cycle(const Target& t, const std::vector<ParamRef>& params, RegisterImage& image,
                  QChar decimalSep) {
    auto list = std::make_unique<ModbusList>();
    for (const ParamRef& p : params) {
        for (const int id : IdsToRead(p)) AddRead(*list, id);
    }
    CoalesceReads(*list);
    const double start = NowStamp();
    RunList(t, *list);
    for (int e = 0; e < list->Len; ++e) {
        if (list->Result[At(e)] != kResultOk) continue;
        const double stamp = NowStamp();
        for (int k = 0; k < list->Count[At(e)]; ++k)
            image.Accept(list->Start[At(e)] + k, list->Values[At(list->Slot[At(e)] + k)], stamp);
    }
    QStringList cells{QTime::currentTime().toString(QStringLiteral("hh:mm:ss"))};
    for (const ParamRef& p : params) {
        bool fresh = true;
        for (int r = p.FirstReg; r < p.FirstReg + p.RegCount; ++r)
            fresh = fresh && image.RegTime[At(r)] > start;
        QString text = QString::fromLatin1(kMissing);
        if (fresh) {
            try {
                text = PolledText(p, image, decimalSep);
            } catch (const UserError& e) {
                text = e.message();
            }
        }
        cells.append(text);
    }
    return cells;
}

}  // namespace

int RunPoll(const PollOptions& o, const Target& t, const std::function<QString()>& openPort,
            const std::atomic<bool>& stop, std::FILE* out, QTextStream& err) {
    if (o.Names.isEmpty() || o.Names.size() > kMaxPolled) {
        return Fail(err, kExitUsage,
                    QStringLiteral("usage: poll NAME... (1 to %1 parameters)").arg(kMaxPolled));
    }
    std::vector<ParamRef> params;
    for (const QString& name : o.Names) {
        const NameMatch m = FindParam(name);
        if (m.Row == kNoRow) {
            QString message = QStringLiteral("unknown parameter '%1'").arg(name);
            if (!m.Candidates.isEmpty())
                message +=
                    QStringLiteral("; did you mean: ") + m.Candidates.join(QStringLiteral(", "));
            return Fail(err, kExitUsage, message);
        }
        const ParamRef p = RefOf(m.Row);
        // The page polls what it lists: the registers this edition shows.
        if (p.IsDsp() || p.RegCount == 0 || !ParamVisible(p.Row)) {
            return Fail(err, kExitUsage,
                        QStringLiteral("%1 cannot be polled: only register parameters of this "
                                       "edition can")
                            .arg(p.Name()));
        }
        params.push_back(p);
    }
    if (const QString why = openPort(); !why.isEmpty()) return Fail(err, kExitPort, why);

    QStringList header{Str(kStrLogTime)};
    for (int k = 0; k < kMaxPolled; ++k)
        header.append(k < static_cast<int>(params.size()) ? params[At(k)].Name() : QString());
    Put(out, header);

    auto image = std::make_unique<RegisterImage>();
    QElapsedTimer clock;
    clock.start();
    qint64 next = 0;
    for (long long n = 0; (o.Count == 0 || n < o.Count) && !stop.load(); ++n) {
        QStringList cells = Cycle(t, params, *image, o.DecimalSep);
        while (cells.size() < kMaxPolled + 1) cells.append(QString());
        Put(out, cells);
        if (o.Count != 0 && n + 1 >= o.Count) break;
        // The cycles keep their pace: a slow cycle shortens the wait after it, not the
        // following ones; a cycle longer than the interval starts the next one at once.
        next = std::max(next + o.IntervalMs, clock.elapsed());
        while (!stop.load() && clock.elapsed() < next)
            QThread::msleep(
                static_cast<unsigned long>(std::min<qint64>(20, next - clock.elapsed())));
    }
    return kExitOk;
}

}  // namespace tarvix::cli
