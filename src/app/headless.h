// The program with no window: `Corvalin --headless` rings the bells of the program folder with no
// window, tray or display, waiting while a window copy of its user runs. Also answers every other
// command line that readCommandLine accepts with no window (--help, --version, the set-up
// commands, the commands to the copy that runs), without a display.
#pragma once

int runHeadless(int argc, char* argv[]);
