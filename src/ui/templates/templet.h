// The template window: copies one of the six stored time lists into the list being edited.
#pragma once

#include <QDialog>
#include <array>

class QGroupBox;
class ImageButton;

class Templet : public QDialog {
    Q_OBJECT
public:
    explicit Templet(const QString& imageFolder, QWidget* parent = nullptr);

    QGroupBox* frame;
    std::array<ImageButton*, 6> templateButtons;  // templateButton1 .. templateButton6
    ImageButton* closeButton;

Q_SIGNALS:
    // Template k (1..6) was chosen.
    void applyRequested(int k);
};
