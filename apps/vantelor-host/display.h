#pragma once
// Whether a window can be shown: asked before Qt starts, which ends the process when it
// finds no screen. The one check that differs between systems, kept here.

namespace host {

// False on X11/Wayland systems when no display is set and no other platform is chosen.
bool HasDisplay();

}  // namespace host
