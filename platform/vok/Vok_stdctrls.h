/// Standard controls the components derive from or place on forms, each on
/// its natural Qt widget (or on the canvas control where the classic control
/// draws itself): edit, label, panel, speed button and combo box. \file
#pragma once

#include <vok/Vok_combobox.h>
#include <vok/Vok_edit.h>
#include <vok/Vok_labels.h>
#include <vok/Vok_speedbutton.h>
