// The dialog that chooses the dedicated sound card the bells play on.
#pragma once

#include <QDialog>

class QComboBox;
class QGroupBox;
class QPushButton;
class ImageButton;

class SndSelect : public QDialog {
    Q_OBJECT
public:
    explicit SndSelect(const QString& imageFolder, QWidget* parent = nullptr);

    // Fills the list with the cards that can be chosen ("description(n)"), each with its name on
    // the sound server (its item data), and selects position `index` (-1: none). Runs at every
    // opening, so the list is the devices as they are now.
    void Form_Load(const QStringList& cards, const QStringList& ids, int index);

    QGroupBox* Frame1;
    QComboBox* ComboSndSound;
    // Back to the default output: clears the choice, so that Set stores none and bells follow
    // whatever output the system uses.
    QPushButton* SndDefault;
    ImageButton* SndSet;
};
