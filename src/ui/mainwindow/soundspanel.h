// The sounds of the main window: "Select bell sound", the sound list as the bells read the sound
// folder, with "Ring now", "Stop bell" and "Add sound..."; and the dedicated sound card, chosen
// among the cards the bells list. The other panels take the sound chosen here for their bells.
#pragma once

#include <QObject>
#include <QStringList>

#include "ui/mainwindow/panelservices.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;
class ImageButton;
class SndSelect;

class SoundsPanel : public QObject {
    Q_OBJECT
public:
    // The two frames are made in `window`, for the window to place.
    SoundsPanel(const PanelServices& services, QWidget* window);

    QGroupBox* listFrame() const { return soundFrame; }
    QGroupBox* cardFrame() const { return soundCardFrame; }

    // The sound chosen in the list; empty when none is.
    QString selectedSound() const;
    // Its row as the options store it: -1 for none.
    int chosenIndex() const;
    // The stored row chosen, when the options' rule applies it to the list as it is.
    void chooseStored(int index);
    // A sound beyond the bounds of a bell cannot be chosen for a bell: true, with the reason in the
    // ring log and on the warning line, when `sound` is one.
    bool refuseSound(const QString& sound);
    // Points the sound list at the sound folder (reads the folder again, keeping the selected sound
    // when it is still there).
    void fillSoundList();
    // "Stop bell" is there for a repeating bell only.
    void showStopBell(bool repeating);
    // The card as the store keeps it.
    void showStoredCard();
    // While the service runs, or the set-up is followed, the list and the card stay as they are.
    void lock(bool locked);

    void onRingNowClicked();
    void onStopBellClicked();
    // "Add sound...": copies a sound file the operator picks into the user's own sound folder.
    void onAddSoundClicked();
    void onSetSoundCardClicked();
    SndSelect* sndSelectWindow();

private:
    void showSoundList();
    void showSoundCard();
    void showCards(const QStringList& cards, const QStringList& ids, int listed, const QString& chosen);

    PanelServices m_services;
    QWidget* m_window;
    QGroupBox* soundFrame;
    QListWidget* soundList;
    ImageButton* ringNowButton;
    ImageButton* stopBellButton;
    QPushButton* addSoundButton;
    QGroupBox* soundCardFrame;
    QLabel* soundCardText;
    ImageButton* setSoundCardButton;
    SndSelect* m_sndSelect = nullptr;
    // The cards as the bells last told them. The bells keep the card by its name; its position and
    // the text the operator chose are this panel's to show.
    QStringList m_cards;     // the cards that can be chosen
    QStringList m_cardIds;   // and their names on the sound server
    QString m_cardText;      // the chosen one, as shown
    QString m_reportedCard;  // the chosen one as the bells last told it
    int m_soundCardIndex = -1;  // where the chosen card lists now; -1: none, or not connected
};
