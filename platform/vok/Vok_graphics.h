/// The graphics layer: colors, rounding helpers, pen, brush, font, canvas and
/// bitmap. \file
#pragma once

#include <vok/Vok_bitmap.h>
#include <vok/Vok_canvas.h>
#include <vok/Vok_syscolors.h>
#include <vok/Vok_drawtools.h>
#include <vok/Vok_rounding.h>
