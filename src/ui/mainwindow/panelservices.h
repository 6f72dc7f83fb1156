// What a panel of the main window reaches: the bells through their client, the commands every face
// gives, the core that tells the bells the stored settings, the store that keeps them, and the
// window's own ports. Plain pointers, owned by the composition root.
#pragma once

#include <QString>

class BellsClient;
class BellsCore;
class Clock;
class CommandRunner;
class Dialogs;
class SettingsStore;

struct PanelServices {
    BellsClient* bells = nullptr;
    BellsCore* core = nullptr;
    CommandRunner* commands = nullptr;
    SettingsStore* store = nullptr;
    Clock* clock = nullptr;
    Dialogs* dialogs = nullptr;
    QString imageFolder;  // the buttons' pictures
};
