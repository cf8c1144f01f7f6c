#pragma once

namespace app {

// Chooses the windowing platform before Qt starts: the windows are placed at
// absolute positions and kept on top, which Wayland does not let clients do,
// so a Wayland session runs the program through XWayland unless the user
// picked a platform.
void choosePlatform();

// Sets up the application, creates the windows, shows the clock and runs the
// event loop until the clock closes. Returns the process exit code; a layout
// that cannot be built is reported on standard error and gives 1.
int run();

} // namespace app
