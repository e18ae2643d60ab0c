/// Every component of the library in one include. A new component adds the
/// line of its header here. \file
#pragma once

#include <vok/Vok_base.h>
#include <vok/Vok_math.h>
#include <vok/Vok_platform.h>

#include <vok/Vok_Colbut.h>
#include <vok/Vok_Colsel.h>
#include <vok/Vok_FolderTree.h>
#include <vok/Vok_gradfl.h>
#include <vok/Vok_marksel.h>
#include <vok/Vok_Meter.h>
#include <vok/Vok_MiniCal.h>
#include <vok/Vok_ntabed.h>
#include <vok/Vok_NumIO.h>
#include <vok/Vok_NumLab.h>
#include <vok/Vok_onoffbut.h>
#include <vok/Vok_ProgBar.h>
#include <vok/Vok_RasterLab.h>
#include <vok/Vok_replist.h>
#include <vok/Vok_repsbut.h>
#include <vok/Vok_RotLab.h>
#include <vok/Vok_sevenseg.h>
#include <vok/Vok_Thumbnails.h>
