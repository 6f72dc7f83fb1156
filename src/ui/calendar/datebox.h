// A date field that takes a date as it is typed: over the whole text selected (the way a field is
// usually retyped), with or without separators ("20261224", "2026-12-24", "2026-1-5").
#pragma once

#include <QDateEdit>

class DateBox : public QDateEdit {
    Q_OBJECT
public:
    explicit DateBox(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
