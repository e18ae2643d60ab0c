/// Month and weekday names by language (lgNeutral reads as English). \file
#pragma once

#include <vok/Vok_basetypes.h>

namespace vok {

/// Month 1..12: long name (at most 10 characters) and short name (at most 4),
/// capitalised as in a calendar heading ("Januar", "Janv", "Sept"). Another
/// month gives "".
///@{
VOK_EXPORT QString MonthLong(TLanguage Language, int Month);
VOK_EXPORT QString MonthShort(TLanguage Language, int Month);
///@}

/// Weekday 0..6, 0 = Monday ... 6 = Sunday: short name of at most 3
/// characters ("Mon", "Di", "Mer", "Dom"). Another number gives "".
VOK_EXPORT QString WeekDayShort(TLanguage Language, int WeekDay);

} // namespace vok
