#pragma once

namespace app {

// Sets up the application, creates the windows, shows the clock and runs the
// event loop until the clock closes. Returns the process exit code; a layout
// that cannot be built is reported on standard error and gives 1.
int run();

} // namespace app
