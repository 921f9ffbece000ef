// The messages of wrong input and unusable formats, raised as UserError: the window's
// standard error box shows them and the command that met them ends.
#pragma once

#include "base/user_error.h"

#include <QString>
#include <QStringView>

#include <cstdint>

namespace tarvix {

// "Недопустимое значение: " + text
UserError InvalidValueError(QStringView text);
// text + " выходит за пределы допустимых значений: " + min + ".." + max
UserError OutOfRangeError(QStringView text, std::int64_t min, std::int64_t max);
// "Строка " + text + " не является числом в формате " + format
UserError NotInFormatError(QStringView text, QStringView format);
// A display format that cannot show a value (a picture without digits, a word format that
// does not take exactly one integer).
UserError UnusableFormatError(QStringView format);

}  // namespace tarvix
