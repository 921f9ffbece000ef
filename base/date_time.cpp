#include "date_time.h"

#include <atomic>
#include <cmath>

namespace tarvix {
namespace {

const QDate kEpoch(1899, 12, 30);
constexpr double kMsPerDay = 86400000.0;

}  // namespace

double ToDayStamp(const QDateTime& local) {
    const QDateTime l = local.toLocalTime();
    const qint64 days = kEpoch.daysTo(l.date());
    const qint64 ms = l.time().msecsSinceStartOfDay();
    return static_cast<double>(days) + static_cast<double>(ms) / kMsPerDay;
}

QDateTime FromDayStamp(double days) {
    if (!std::isfinite(days)) return {};
    const double whole = std::floor(days);
    qint64 ms = std::llround((days - whole) * kMsPerDay);
    qint64 d = static_cast<qint64>(whole);
    if (ms >= static_cast<qint64>(kMsPerDay)) {
        ms -= static_cast<qint64>(kMsPerDay);
        ++d;
    }
    return QDateTime(kEpoch.addDays(d), QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)));
}

double NowStamp() {
    // The wall clock may repeat a millisecond (or step back when the system time is set);
    // the stamp is then advanced by the smallest step a double allows at this magnitude.
    static std::atomic<double> last{0.0};
    const double now = ToDayStamp(QDateTime::currentDateTime());
    double prev = last.load(std::memory_order_relaxed);
    double next = 0.0;
    do {
        next = now > prev ? now : std::nextafter(prev, HUGE_VAL);
    } while (!last.compare_exchange_weak(prev, next, std::memory_order_acq_rel,
                                         std::memory_order_relaxed));
    return next;
}

}  // namespace tarvix
