// The ring log, shown read-only: every bell rung and every problem, newest last.
#pragma once

#include <QDialog>

class QPlainTextEdit;

class RingLogWindow : public QDialog {
    Q_OBJECT
public:
    RingLogWindow(QString path, QWidget* parent = nullptr);

    // Reads the log again and shows its end.
    void reload();

private:
    QString m_path;
    QPlainTextEdit* m_text;
};
