// Analog panel meter: a needle over a circular scale with ticks, labels,
// range bands, caption, hub, limit lamps and frame.
#pragma once

#include <vok/vok_export.h>

#include <QtGlobal>

namespace vok {

// Scale layouts; the number is the sweep of the scale in degrees.
enum TMeterLayout : quint8 { mlCirc90, mlCirc120, mlCirc180, mlCirc270, mlCirc300, mlCirc360 };

} // namespace vok
