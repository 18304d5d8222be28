// Puts the splash animation's outlines (portable/SplashFrames.h) on the
// screen: each drawn in XOR with a 3-pixel grey pen on a device context of
// the whole display, shown for 15 ms and drawn again, which removes it.
// Blocks its thread for the forty frames.
//
// Used by the about panel's ShowMoveSplash.
#pragma once

#include <windows.h>

#include "SplashFrames.h"

namespace morvex::aboutpanel {

// The point the frame flies to or from: by the taskbar's rectangle when the
// shell gives it, else the screen's bottom-right corner.
FramePoint QuerySplashTarget();

// Draws and removes each outline in turn; nothing when the display's
// device context cannot be made.
void PlaySplashFrames(const SplashFrames& frames);

}  // namespace morvex::aboutpanel
