// "Today Bells": the bells of the day the service rings, with what today's changes made of each, the
// past ones in grey; its menu changes today's bells (skip, move or add a bell, no bells, a templet,
// undo), and Ctrl+K skips the next bell. The bells make the changes, keep them for the day and tell
// the list again; the panel asks and shows.
#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

#include "engine/schedule/todaychanges.h"
#include "ui/mainwindow/panelservices.h"

class QListWidget;
class QListWidgetItem;
class QMenu;

class TodayPanel : public QGroupBox {
    Q_OBJECT
public:
    TodayPanel(const PanelServices& services, QWidget* parent = nullptr);

    QListWidget* list() const { return todayList; }
    // The lines of a start, as the bells first tell them (today's list follows), or none.
    void showLines(const QStringList& lines);
    // Today's lines (their minutes of the day, shown "10hr50min"), what today's changes made of
    // each, and the sound each rings (none when the bells do not tell it).
    void showTodayList(const QList<int>& minutes, const QStringList& marks, const QStringList& sounds = {});
    // The bells of today's list whose minute has come, by the bells' clock, in grey.
    void greyPastBells();
    // The menu of the list, for `item` (none: the list's empty space): what can be changed for
    // today, and undone. The caller owns it.
    QMenu* todayMenu(QListWidgetItem* item);
    // A refused change of today's bells, said in a box.
    void answerToday(const QString& refusal);

private:
    void changeToday(const corvalin::today::Change& change);
    // "Skip next bell", from the list's menu or its shortcut.
    void skipNextBell();

    PanelServices m_services;
    QListWidget* todayList;
    int m_greyedUpTo = -1;  // the minute of the day up to which the list is grey
};
