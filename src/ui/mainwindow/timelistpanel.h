// "Manual input" in the main window: a time typed in hours and minutes, added with the sound chosen
// in the sound list; the time list ("Added time"), where a time is deleted or given another sound,
// or all are deleted; and "Apply templet", which puts a template's list in its place. Every change
// is stored at once in the list's file (edited(), templetApplied()).
#pragma once

#include <QObject>
#include <string>
#include <vector>

#include "ui/mainwindow/panelservices.h"

class QBoxLayout;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QWidget;
class ImageButton;
class SoundsPanel;
class Spinner;
class Templet;

class TimeListPanel : public QObject {
    Q_OBJECT
public:
    // The frames are made in `window`, for placeIn to place; the sounds come from `sounds`.
    TimeListPanel(const PanelServices& services, SoundsPanel* sounds, QWidget* window);

    // The input, the list under it, and the templet button at the right.
    void placeIn(QBoxLayout* column);
    void setShown(bool shown);
    void showTempletButton();
    // The list's lines, "hh:mm/sound".
    std::vector<std::string> entries() const;
    void showEntries(const std::vector<std::string>& entries);
    void clear();
    // While the service runs, or the set-up is followed, the list stays as it is.
    void lock(bool locked);

    void onAddTimeClicked();
    void onDeleteTimeClicked();
    void onChangeSoundClicked();
    void onDeleteAllClicked();
    void onApplyTemplateClicked();
    // Copies template k (1..6) into the list and stores it; false when the template could not be
    // read (nothing changes then).
    bool applyTemplate(int k);
    Templet* templetWindow();

Q_SIGNALS:
    // The list changed: it is to be stored.
    void edited();
    // A template's list took the list's place: it is to be stored, with the template's "No rings".
    void templetApplied(bool noBell);

private:
    void insertBellTime(const QString& timeKey);

    PanelServices m_services;
    SoundsPanel* m_sounds;
    QWidget* m_window;
    QGroupBox* inputFrame;
    QLineEdit* inputHourBox;
    QLineEdit* inputMinuteBox;
    Spinner* inputHourSpin;
    Spinner* inputMinuteSpin;
    ImageButton* addTimeButton;
    QGroupBox* addedFrame;
    QListWidget* bellTimeList;
    ImageButton* deleteTimeButton;
    ImageButton* changeSoundButton;
    ImageButton* deleteAllButton;
    ImageButton* applyTemplateButton;
    Templet* m_templet = nullptr;
};
