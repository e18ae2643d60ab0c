// The accessible interface of the library's canvas controls.
#pragma once

namespace vok {

// Installs (once) the factory that gives every canvas control (TControl) an
// accessible interface reading TControlCore's Accessible... virtuals.
// Controls on Qt's own widgets (edit, combo box, tree view, tool button)
// keep Qt's richer interfaces.
void InstallControlAccessibility();

} // namespace vok
