#include "pages/conversion_errors.h"

#include "base/string_table.h"

namespace tarvix {
namespace {

// Numbers of the texts in the string table.
constexpr int kStrInvalidValue = 4100;
constexpr int kStrOutOfRange = 4101;
constexpr int kStrNotInFormat = 4102;
constexpr int kStrUnusableFormat = 4103;

}  // namespace

// The texts are templates whose %1.. are filled in one pass, so a "%1" typed by the user
// stays as typed.
UserError InvalidValueError(QStringView text) { return UserError(Str(kStrInvalidValue).arg(text)); }

UserError OutOfRangeError(QStringView text, std::int64_t min, std::int64_t max) {
    return UserError(
        Str(kStrOutOfRange).arg(text.toString(), QString::number(min), QString::number(max)));
}

UserError NotInFormatError(QStringView text, QStringView format) {
    return UserError(Str(kStrNotInFormat).arg(text.toString(), format.toString()));
}

UserError UnusableFormatError(QStringView format) {
    return UserError(Str(kStrUnusableFormat).arg(format));
}

}  // namespace tarvix
