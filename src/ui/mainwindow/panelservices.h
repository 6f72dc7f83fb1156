// What a panel of the main window reaches: the bells through their client, the commands every face
// gives, the core that tells the bells the stored settings, the store that keeps them, the school
// calendar, the set-up followed from a web address, and the window's own ports. Plain pointers,
// owned by the composition root.
#pragma once

#include <QString>

class BellsClient;
class BellsCore;
class Clock;
class CommandRunner;
class Dialogs;
class SchoolCalendar;
class SettingsStore;
class SetupFollower;

struct PanelServices {
    BellsClient* bells = nullptr;
    BellsCore* core = nullptr;
    CommandRunner* commands = nullptr;
    SettingsStore* store = nullptr;
    SchoolCalendar* calendar = nullptr;
    SetupFollower* follower = nullptr;  // none in a copy that cannot follow a set-up
    Clock* clock = nullptr;
    Dialogs* dialogs = nullptr;
    QString imageFolder;  // the buttons' pictures
    QString soundFolder;  // the user's own bell sounds
};
