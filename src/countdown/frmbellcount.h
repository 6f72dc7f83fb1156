// The full-screen display of the time left until the next bell, with the time of day above it.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

class FrmBellCount : public QWidget {
    Q_OBJECT
public:
    explicit FrmBellCount(QWidget* parent = nullptr);

    QLabel* lblTimeShow;
    QLabel* lblNowTimeShow;
    QPushButton* cmdClose;
};
