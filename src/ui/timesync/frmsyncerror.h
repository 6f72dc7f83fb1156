// The warning window shown when the internet time servers could not be reached too often.
// Not modal: the bell window stays usable; it stays open until its close button is clicked.
#pragma once

#include <QWidget>

class QLabel;
class ImageButton;

class FrmSyncError : public QWidget {
    Q_OBJECT
public:
    explicit FrmSyncError(const QString& imageFolder, QWidget* parent = nullptr);

    QLabel* failureText;
    QLabel* networkText;
    QLabel* unstableText;
    QLabel* untickText;
    ImageButton* closeButton;

    void onCloseClicked();
};
