// Copying the list of the day on screen to other days of the week, so that a school types its
// week once: in "Manual input" the day's time list, in "Auto interval" its interval settings.
#include <QPushButton>
#include <QRadioButton>

#include "app/copydaysdialog.h"
#include "app/mainwindow.h"
#include "ui/mainwindow/intervalpanel.h"
#include "engine/schedule/dayselector.h"
#include "engine/schedule/intervalcheck.h"
#include "core/schedule/settingsstore.h"
#include "ui/widgets/dialogs.h"

namespace fmt = corvalin::settings;

namespace {

// What a day holds of its own: anything but what a day that was never set loads.
template <typename Settings>
bool replacesOwnList(const Settings& current, const Settings& copied) {
    return current != Settings{} && current != copied;
}

}  // namespace

void MainWindow::onCopyDaysClicked() {
    if (!eachDayModeButton->isChecked() || !copyDaysButton->isEnabled()) {
        return;  // "Set each day" only, and never while the bells run
    }
    const int source = dayForSave(2);  // the day whose list is on screen
    const bool interval = intervalModeButton->isChecked();
    namespace days = corvalin::days;
    if (!days::isWeekday(source) && (interval || !days::isTemplateDay(source))) {
        return;
    }
    // Settings the day selector would refuse to store are not copied either.
    if (interval && !intervalPanel->timesPass()) {
        return;
    }

    QStringList dayNames;
    for (int day = 1; day <= 7; ++day) {
        dayNames.append(dayCaption(day));
    }
    CopyDaysDialog dialog(source, dayCaption(source), dayNames, this);
    m_ports.dialogs->showModal(&dialog);
    const QList<int> targets = dialog.chosenDays();
    if (dialog.result() != QDialog::Accepted || targets.isEmpty()) {
        return;
    }

    const fmt::TimeList list = timeListOnScreen();
    const fmt::IntervalSettings settings = intervalOnScreen();
    if (!mayReplaceOwnLists(source, targets, interval)) {
        return;  // nothing stored, nothing copied
    }

    // The list on screen is stored first, as a move of the day selector stores it. A save that
    // cannot be written is kept by the store, which says so in the ring log.
    if (interval) {
        saveDayInterval(2);
        for (const int day : targets) {
            m_services.store->saveDayInterval(day, settings);
        }
    } else {
        saveDayTimes(2);
        for (const int day : targets) {
            m_services.store->saveDayTimes(day, list);
        }
    }
    QStringList targetNames;
    for (const int day : targets) {
        targetNames.append(dayCaption(day, false));
    }
    logNote(QStringLiteral("the list of %1 was copied to %2")
                .arg(dayCaption(source, false), targetNames.join(QStringLiteral(", "))));
}

bool MainWindow::mayReplaceOwnLists(int source, const QList<int>& targets, bool interval) {
    const fmt::TimeList list = timeListOnScreen();
    const fmt::IntervalSettings settings = intervalOnScreen();
    QStringList replaced;
    for (const int day : targets) {
        const bool own = interval ? replacesOwnList(m_services.store->loadDayInterval(day), settings)
                                  : replacesOwnList(m_services.store->loadDayTimes(day), list);
        if (own) {
            replaced.append(dayCaption(day));
        }
    }
    if (replaced.isEmpty()) {
        return true;
    }
    //: %1 is one day, %2 the day whose list is copied
    const QString one = tr("%1 already has a list of its own. Replace it with the list of %2?");
    //: %1 lists several days, %2 is the day whose list is copied
    const QString many = tr("%1 already have lists of their own. Replace them with the list of %2?");
    //: Between the days of a list
    const QString days = replaced.join(tr(", "));
    const auto answer = m_ports.dialogs->message(
        this, tr("Copy to days"), (replaced.size() == 1 ? one : many).arg(days, dayCaption(source)),
        Dialogs::Icon::Question, Dialogs::Buttons::YesNo);
    return answer == Dialogs::Answer::Yes;
}
