// The school calendar in the bell window: its menu entry and window, and today's exception beside
// the date.
#include <QLabel>

#include "app/mainwindow.h"
#include "ui/mainwindow/followpanel.h"
#include "core/ports/clock.h"
#include "ui/calendar/calendarwindow.h"
#include "core/calendar/schoolcalendar.h"
#include "core/bells/bellsclient.h"
#include "ui/widgets/dialogs.h"

CalendarWindow* MainWindow::calendarWindow() {
    if (!m_calendarWindow) {
        m_calendarWindow = new CalendarWindow(m_services.calendar, m_ports.dialogs, m_ports.clock, this);
        // The feeds are fetched on their own thread, all on "Refresh"; a new subscription at once,
        // as the calendar hands it over to them with the settings (BellsCore).
        if (m_bells->hasFeeds()) {
            connect(m_calendarWindow, &CalendarWindow::refreshRequested, m_bells, &BellsClient::refreshAllFeeds);
            // Each fetch, good or not, changes what the subscription list says of its feed.
            connect(m_bells, &BellsClient::feedFetched, m_calendarWindow, &CalendarWindow::showSubscriptions);
        }
    }
    return m_calendarWindow;
}

void MainWindow::onCalendarClicked() {
    if (settingsLocked()) {
        // The calendar's files travel with the set-up: a change here would be gone at its next version.
        //: The school calendar
        m_ports.dialogs->message(this, tr("Calendar"),
                                 //: %1 is the web address the set-up is followed from
                                 tr("The school calendar is managed from %1 with the rest of the set-up; "
                                    "change it there.")
                                     .arg(followPanel->followed()),
                                 Dialogs::Icon::Information, Dialogs::Buttons::Ok);
        return;
    }
    m_ports.dialogs->showModal(calendarWindow());
}
