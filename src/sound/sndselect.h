// The dialog that chooses the dedicated sound card the bells play on.
#pragma once

#include <QDialog>

class QComboBox;
class QGroupBox;
class BellOutput;
class ImageButton;

class SndSelect : public QDialog {
    Q_OBJECT
public:
    SndSelect(BellOutput* output, const QString& imageFolder, QWidget* parent = nullptr);

    // Fills the list with the outputs (device entries 2 and up, each as its description and
    // its number in the list) and selects position `index` (-1: none). Runs on the first showing.
    void Form_Load(int index);
    bool isLoaded() const { return m_loaded; }

    QGroupBox* Frame1;
    QComboBox* ComboSndSound;
    ImageButton* SndSet;

private:
    BellOutput* m_output;
    bool m_loaded = false;
};
