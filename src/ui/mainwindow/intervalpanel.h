// "Auto interval" in the main window: the start and end of the day's bells, the lesson ("Work
// time") and break ("Rest time") lengths, the sounds of the start and end bells, and the two
// pre-bells. A sound is taken from the sound list; every change of a sound is stored at once
// (edited()), the times when the day on screen changes or the service starts.
#pragma once

#include <QObject>

#include "ui/mainwindow/panelservices.h"

class QBoxLayout;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QWidget;
class ImageButton;
class SoundsPanel;
class Spinner;

namespace corvalin::settings {
enum class IntervalField;
struct IntervalSettings;
}  // namespace corvalin::settings
namespace corvalin::interval {
struct IntervalTexts;
}

class IntervalPanel : public QObject {
    Q_OBJECT
public:
    // The frames are made in `window`, for placeIn to place; the sounds come from `sounds`.
    IntervalPanel(const PanelServices& services, SoundsPanel* sounds, QWidget* window);

    // Start and end beside the lesson and break, then the bell sounds and the pre-bells.
    void placeIn(QBoxLayout* column);
    void setShown(bool shown);
    // The settings on screen; "No rings" is the day selector's.
    corvalin::settings::IntervalSettings settings() const;
    // Shows `settings` in file order, as the week file or a day file holds them ("No rings" aside).
    void showSettings(const corvalin::settings::IntervalSettings& settings, bool dayFile);
    corvalin::interval::IntervalTexts texts() const;
    // The times on screen pass their checks (the bounds are set from them); else their message is
    // shown and false.
    bool timesPass();
    void clearBellSounds();
    // While the service runs, or the set-up is followed, the settings stay as they are.
    void lock(bool locked);

Q_SIGNALS:
    // A sound was chosen: the settings are to be stored.
    void edited();

private:
    QGroupBox* buildStartEnd();
    QGroupBox* buildIntervalTimes();
    QGroupBox* buildBellSounds();
    QGroupBox* buildPreBells();
    QWidget* control(corvalin::settings::IntervalField field) const;
    // The sound chosen in the list into `target`, and stored.
    void pickSound(QLineEdit* target);
    ImageButton* applyButton(const char* name);

    PanelServices m_services;
    SoundsPanel* m_sounds;
    QWidget* m_window;
    QGroupBox* startEndFrame;
    QLineEdit* startHourBox;
    QLineEdit* startMinuteBox;
    QLineEdit* endHourBox;
    QLineEdit* endMinuteBox;
    Spinner* startHourSpin;
    Spinner* startMinuteSpin;
    Spinner* endHourSpin;
    Spinner* endMinuteSpin;
    QGroupBox* intervalFrame;
    QLineEdit* workMinutesBox;
    QLineEdit* restMinutesBox;
    Spinner* workSpin;
    Spinner* restSpin;
    QGroupBox* bellSoundFrame;
    QLineEdit* startBellSoundBox;
    QLineEdit* endBellSoundBox;
    ImageButton* startBellSoundButton;
    ImageButton* endBellSoundButton;
    QGroupBox* preBellFrame;
    QCheckBox* preBell1Box;
    QLineEdit* preBell1MinutesBox;
    Spinner* preBell1Spin;
    QLineEdit* preBell1SoundBox;
    ImageButton* preBell1SoundButton;
    QCheckBox* preBell2Box;
    QLineEdit* preBell2MinutesBox;
    Spinner* preBell2Spin;
    QLineEdit* preBell2SoundBox;
    ImageButton* preBell2SoundButton;
};
