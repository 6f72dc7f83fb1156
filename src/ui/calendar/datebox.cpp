// The typed date field.
#include "ui/calendar/datebox.h"

#include <QKeyEvent>
#include <QLineEdit>

DateBox::DateBox(QWidget* parent) : QDateEdit(parent) {}

void DateBox::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    QLineEdit* edit = lineEdit();
    if (typed.size() == 1 && typed.front().isDigit() && edit->hasSelectedText() &&
        edit->selectedText() == edit->text()) {
        // The field takes one section at a time: a date typed over the whole text starts at its
        // first section and goes on to the next one as each is full.
        setSelectedSection(sectionAt(0));
    } else if (typed == QStringLiteral("-") || typed == QStringLiteral(".") || typed == QStringLiteral("/")) {
        // A separator ends the section being typed (a month of one digit) and goes to the next one;
        // after a section that was full and moved on by itself it changes nothing.
        const bool fresh = edit->hasSelectedText() && edit->selectedText() == sectionText(currentSection());
        if (!fresh && currentSectionIndex() < sectionCount() - 1) {
            setSelectedSection(sectionAt(currentSectionIndex() + 1));
        }
        event->accept();
        return;
    }
    QDateEdit::keyPressEvent(event);
}
