/// The whole platform layer: geometry, input types, colors, canvas, bitmaps,
/// fonts, control base classes, timers, clipboard. \file
#pragma once

#include <vok/Vok_base.h>
#include <vok/Vok_components.h>
#include <vok/Vok_controls.h>
#include <vok/Vok_forms.h>
#include <vok/Vok_frames.h>
#include <vok/Vok_geometry.h>
#include <vok/Vok_graphics.h>
#include <vok/Vok_gridedit.h>
#include <vok/Vok_gridlayout.h>
#include <vok/Vok_gridnav.h>
#include <vok/Vok_grids.h>
#include <vok/Vok_gridtypes.h>
#include <vok/Vok_inputtypes.h>
#include <vok/Vok_keys.h>
#include <vok/Vok_menus.h>
#include <vok/Vok_stdctrls.h>
#include <vok/Vok_sysservices.h>
#include <vok/Vok_textdraw.h>
#include <vok/Vok_timers.h>
#include <vok/Vok_treeview.h>
