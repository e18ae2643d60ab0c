// String helpers of the base library.
#pragma once

#include <vok/vok_export.h>

#include <QString>

namespace vok {

// S cut to at most MaxLength UTF-16 characters, never inside a surrogate pair
// (a short string's length limit).
VOK_EXPORT QString ShortString(const QString& S, int MaxLength);

} // namespace vok
