// The program with no window: `Corvalin --headless` rings the bells of the program folder with no
// window, tray or display, waiting while a window copy of its user runs. Also answers --help,
// --version, --export and --import without a display.
#pragma once

int runHeadless(int argc, char* argv[]);
