// "Today Bells" and its menu of today's changes.
#include "ui/mainwindow/todaypanel.h"

#include <QAction>
#include <QCoreApplication>
#include <QFont>
#include <QListWidget>
#include <QMenu>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTime>
#include <QVBoxLayout>

#include "core/bells/bellsclient.h"
#include "core/control/commands.h"
#include "core/ports/clock.h"
#include "core/schedule/bellscore.h"
#include "engine/schedule/ringtable.h"
#include "ui/mainwindow/todaybelldialog.h"
#include "ui/mainwindow/windowstyle.h"
#include "ui/widgets/dialogs.h"

namespace today = corvalin::today;

namespace {

constexpr int kMarkRole = Qt::UserRole + 1;
constexpr int kMinuteRole = Qt::UserRole + 2;

// The next bell as the bells last told it while they run, as "10:50"; empty for none ("NEXT DAY").
QString shortTime(const BellsClient& bells) {
    const int minute = bells.nextBellMinute();
    return bells.isRunning() && minute >= 0 ? QString::fromStdString(today::minuteText(minute)) : QString();
}

// A line of "Today Bells" as shown and read out: with its sound after the time, so that two bells
// are told apart ("10hr50min   bell.wav  (added)").
QString shownLine(const QString& line, const QString& sound, const QString& mark) {
    return line + (sound.isEmpty() ? QString() : QStringLiteral("   ") + sound) +
           (mark.isEmpty() ? QString() : QStringLiteral("  (") + mark + QLatin1Char(')'));
}

// A bell's line as shown: "10hr50min".
QString bellLine(int minuteOfDay) {
    //: A bell's time in the list of today's bells: hours and minutes, e.g. "10hr50min"; the list
    //: sorts by it, so keep the hours first
    return QCoreApplication::translate("TodayPanel", "%1hr%2min")
        .arg(minuteOfDay / 60, 2, 10, QLatin1Char('0'))
        .arg(minuteOfDay % 60, 2, 10, QLatin1Char('0'));
}

// What today's changes made of a bell, as the bells tell it ("skipped", "added", "moved from 10:50"),
// in the operator's language.
QString shownMark(const QString& mark) {
    if (mark == QStringLiteral("skipped")) {
        //: A bell of today's list that does not ring today
        return QCoreApplication::translate("TodayPanel", "skipped");
    }
    if (mark == QStringLiteral("added")) {
        //: A bell of today's list added for today only
        return QCoreApplication::translate("TodayPanel", "added");
    }
    if (mark.startsWith(QStringLiteral("moved from "))) {
        //: A bell of today's list moved here for today; %1: the time it had, e.g. 10:50
        return QCoreApplication::translate("TodayPanel", "moved from %1").arg(mark.mid(11));
    }
    return mark;
}

// Shows each line as it is read out; the line itself, the list's text, stays as it is.
class TodayBellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text = index.data(Qt::AccessibleTextRole).toString();
    }
};

}  // namespace

TodayPanel::TodayPanel(const PanelServices& services, QWidget* parent)
    : QGroupBox(tr("Today Bells"), parent), m_services(services) {
    todayList = named(new QListWidget(this), "todayList");
    const QKeySequence skipKeys(Qt::CTRL | Qt::Key_K);
    const QString skipShortcut = skipKeys.toString(QKeySequence::NativeText);
    todayList->setAccessibleName(tr("Today's bells"));
    //: %1: the shortcut that skips the next bell, e.g. Ctrl+K
    todayList->setAccessibleDescription(tr("The bells that ring today. The context menu (right click, or the "
                                           "Menu key) changes them for today; %1 skips the next bell.")
                                            .arg(skipShortcut));
    //: %1: the shortcut that skips the next bell, e.g. Ctrl+K
    todayList->setToolTip(
        tr("Right click to change today's bells; %1 skips the next bell").arg(skipShortcut));
    // As "Skip next bell" in the list's menu, which is there while the bells run and a bell is next.
    auto* skipNext = new QShortcut(skipKeys, this);
    skipNext->setContext(Qt::WindowShortcut);
    skipNext->setAutoRepeat(false);
    connect(skipNext, &QShortcut::activated, this, [this] {
        if (!shortTime(*m_services.bells).isEmpty()) {
            skipNextBell();
        }
    });
    todayList->setSortingEnabled(true);
    todayList->setMinimumWidth(110);
    (new QVBoxLayout(this))->addWidget(todayList);
    todayList->setItemDelegate(new TodayBellDelegate(todayList));
    todayList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(todayList, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu* menu = todayMenu(todayList->itemAt(at));
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(todayList->viewport()->mapToGlobal(at));
    });
    connect(m_services.bells, &BellsClient::todayListed, this, &TodayPanel::showTodayList);
}

void TodayPanel::showLines(const QStringList& lines) {
    todayList->clear();
    todayList->addItems(lines);
}

void TodayPanel::showTodayList(const QList<int>& minutes, const QStringList& marks, const QStringList& sounds) {
    todayList->clear();
    for (qsizetype i = 0; i < minutes.size(); ++i) {
        const QString line = bellLine(minutes[i]);
        const QString mark = marks.value(i);
        auto* item = new QListWidgetItem(shownLine(line, QString(), shownMark(mark)), todayList);
        item->setData(Qt::AccessibleTextRole, shownLine(line, sounds.value(i), shownMark(mark)));
        item->setData(kMarkRole, mark);
        item->setData(kMinuteRole, minutes[i]);
        if (!mark.isEmpty()) {
            QFont font = item->font();
            font.setStrikeOut(mark == QStringLiteral("skipped"));
            font.setItalic(mark != QStringLiteral("skipped"));
            item->setFont(font);
        }
    }
    m_greyedUpTo = -1;
    greyPastBells();
}

void TodayPanel::greyPastBells() {
    // A bell of the minute that has come has rung (or was passed over), as the next bell counts;
    // by the bells' clock, the offset they were told.
    const QTime t = m_services.clock->now().addSecs(-m_services.core->told().offsetSeconds).time();
    const int minute = t.hour() * 60 + t.minute();
    if (minute == m_greyedUpTo) {
        return;
    }
    m_greyedUpTo = minute;
    const QBrush past = todayList->palette().brush(QPalette::Disabled, QPalette::Text);
    for (int i = 0; i < todayList->count(); ++i) {
        QListWidgetItem* item = todayList->item(i);
        item->setData(Qt::ForegroundRole, item->data(kMinuteRole).toInt() <= minute ? QVariant(past) : QVariant());
    }
}
QMenu* TodayPanel::todayMenu(QListWidgetItem* item) {
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("todayMenu"));
    auto add = [menu](const char* name, const QString& text, auto&& handler) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        QObject::connect(action, &QAction::triggered, menu, handler);
        return action;
    };
    const bool running = m_services.bells->isRunning();
    if (item) {
        const QString mark = item->data(kMarkRole).toString();
        const int minute = item->data(kMinuteRole).toInt();
        const QString at = QString::fromStdString(today::minuteText(minute));
        if (mark.isEmpty()) {
            //: %1: a bell's time, e.g. 10:50
            add("mnSkipToday", tr("Skip %1 today").arg(at), [this, minute] {
                changeToday({today::Kind::Skip, minute, -1, {}, 0, {}});
            });
            //: %1: a bell's time, e.g. 10:50
            add("mnMoveToday", tr("Move %1 today...").arg(at), [this, minute, at] {
                //: %1: a bell's time, e.g. 10:50
                TodayBellDialog dialog(tr("Move a bell today"), tr("The %1 bell rings today at:").arg(at),
                                       minute, {}, this);
                m_services.dialogs->showModal(&dialog);
                if (dialog.result() == QDialog::Accepted) {
                    changeToday({today::Kind::Move, minute, dialog.minuteOfDay(), {}, 0, {}});
                }
            });
        } else {
            // Undone by what it did: the change whose line says so (as the bells keep it, untranslated).
            QString prefix = at + QStringLiteral(" added today");
            //: %1: a bell's time, e.g. 10:50
            QString caption = tr("Undo: %1 added today").arg(at);
            if (mark == QStringLiteral("skipped")) {
                prefix = at + QStringLiteral(" skipped today");
                //: %1: a bell's time, e.g. 10:50
                caption = tr("Undo: %1 skipped today").arg(at);
            } else if (mark.startsWith(QStringLiteral("moved from "))) {
                prefix = mark.mid(11) + QStringLiteral(" moved to ") + at;
                //: %1: the bell's time before, %2: its time today, e.g. 10:50
                caption = tr("Undo: %1 moved to %2").arg(mark.mid(11), at);
            }
            add("mnUndoToday", caption, [this, prefix] {
                const QStringList changes = m_services.bells->todayChanges();
                for (qsizetype i = 0; i < changes.size(); ++i) {
                    if (changes[i].startsWith(prefix)) {
                        m_services.commands->run(QStringLiteral("UndoToday"), {static_cast<int>(i)},
                                                 CommandRunner::byWindow(),
                                                 [this](const QString& refusal) { answerToday(refusal); });
                        return;
                    }
                }
            });
        }
        menu->addSeparator();
    }
    const QString next = shortTime(*m_services.bells);
    if (running && !next.isEmpty()) {
        //: %1: the next bell's time, e.g. 10:50
        add("mnSkipNextToday", tr("Skip next bell (%1)").arg(next), [this] { skipNextBell(); });
    }
    add("mnAddToday", tr("Add a bell today..."), [this] {
        const QTime now = m_services.clock->now().time();
        TodayBellDialog dialog(tr("Add a bell today"), tr("A bell today only, at:"),
                               (now.hour() * 60 + now.minute() + 5) % 1440, m_services.bells->sounds(), this);
        m_services.dialogs->showModal(&dialog);
        if (dialog.result() == QDialog::Accepted) {
            changeToday({today::Kind::Add, dialog.minuteOfDay(), -1, dialog.sound().toStdString(), 0,
                         {}});
        }
    });
    add("mnNoBellsToday", tr("No bells today"), [this] {
        changeToday({today::Kind::NoBells, -1, -1, {}, 0, {}});
    });
    //: "Ring template ... today": today rings a saved list of times instead
    QMenu* templets = menu->addMenu(tr("Ring templet today"));
    templets->setObjectName(QStringLiteral("mnTempletToday"));
    for (int k = 1; k <= corvalin::calendar::kLastTemplate; ++k) {
        //: "Template %1": a saved list of bell times, by its number
        QAction* action = templets->addAction(tr("Templet %1").arg(k));
        action->setObjectName(QStringLiteral("mnTempletToday%1").arg(k));
        connect(action, &QAction::triggered, menu,
                [this, k] { changeToday({today::Kind::Templet, -1, -1, {}, k, {}}); });
    }
    QAction* undoAll = add("mnUndoAllToday", tr("Undo all of today's changes"), [this] {
        m_services.commands->run(QStringLiteral("UndoToday"), {-1}, CommandRunner::byWindow(),
                                 [this](const QString& refusal) { answerToday(refusal); });
    });
    undoAll->setEnabled(!m_services.bells->todayChanges().isEmpty());
    return menu;
}

void TodayPanel::skipNextBell() {
    m_services.commands->run(QStringLiteral("SkipNext"), {}, CommandRunner::byWindow(),
                             [this](const QString& refusal) { answerToday(refusal); });
}

// A change for today as a command, as every face gives it.
void TodayPanel::changeToday(const today::Change& change) {
    auto hhmm = [](int minute) { return QString::fromStdString(today::minuteText(minute)); };
    auto answer = [this](const QString& refusal) { answerToday(refusal); };
    CommandRunner& commands = *m_services.commands;
    const QString by = CommandRunner::byWindow();
    switch (change.kind) {
    case today::Kind::Skip:
        commands.run(QStringLiteral("SkipBell"), {hhmm(change.minute)}, by, answer);
        break;
    case today::Kind::Move:
        commands.run(QStringLiteral("MoveBell"), {hhmm(change.minute), hhmm(change.to)}, by, answer);
        break;
    case today::Kind::Add:
        commands.run(QStringLiteral("AddBell"), {hhmm(change.minute), QString::fromStdString(change.sound)}, by, answer);
        break;
    case today::Kind::NoBells:
        commands.run(QStringLiteral("NoBellsToday"), {}, by, answer);
        break;
    case today::Kind::Templet:
        commands.run(QStringLiteral("TempletToday"), {change.templet}, by, answer);
        break;
    }
}

void TodayPanel::answerToday(const QString& refusal) {
    if (!refusal.isEmpty()) {
        //: %1: why the bells refused the change
        m_services.dialogs->warning(this, tr("Today's bells were not changed: %1.").arg(refusal));
    }
}
