/// The base library: shared types, exceptions, string, file and color helpers,
/// the 2-D string store, the bit set and the name tables. \file
#pragma once

#include <vok/Vok_basetypes.h>
#include <vok/Vok_bitfld.h>
#include <vok/Vok_colorconst.h>
#include <vok/Vok_colors.h>
#include <vok/Vok_folders.h>
#include <vok/Vok_names.h>
#include <vok/Vok_stringarray.h>
#include <vok/Vok_strings.h>
#include <vok/Vok_system.h>
