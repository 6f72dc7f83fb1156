// The core that the faces of a copy share: it tells the bells what the stored settings say, and
// holds the one start and stop. The window copy and the copy with no window each make one over
// their settings store and calendar (on the thread that owns them) and the bells' client; a face
// (the window, the tray, the D-Bus interface and with it the command line) changes a setting by
// saving it, and starts or stops the bells through here.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "engine/schedule/bellsettings.h"

class BellsClient;
class SchoolCalendar;
class SettingsStore;

class BellsCore : public QObject {
    Q_OBJECT
public:
    // From the first tell(), the bells are told the stored settings again after every save (one that
    // could not be written too: the store reads back what it keeps for it) and every change of the
    // calendar.
    BellsCore(SettingsStore& store, SchoolCalendar& calendar, BellsClient& bells, QObject* parent = nullptr);

    // The settings as stored now, as the bells are told them.
    corvalin::settings::BellSettings stored();
    // The bells are told the stored settings when they differ from those told last; the owner calls
    // it first when its copy takes the bells.
    void tell();
    // The files were replaced under the store (by another copy, or a set-up the store imported):
    // the store and the calendar read them again, and the bells are told.
    void reread();

    using Answer = std::function<void(const QString& refusal)>;
    // The settings the bells were last told (the defaults before the first tell()).
    const corvalin::settings::BellSettings& told() const;

    // The bells start with the stored settings, by the start rule; answered with the reason they
    // did not (empty when they started). A refusal goes to the ring log too, unless the asker
    // shows it itself (`shownByAsker`, the window's own box).
    void start(Answer answered = {}, bool shownByAsker = false);
    // The bells stop; any bell that sounds with them.
    void stop();

private:
    SettingsStore& m_store;
    SchoolCalendar& m_calendar;
    BellsClient& m_bells;
    std::optional<corvalin::settings::BellSettings> m_told;
};
