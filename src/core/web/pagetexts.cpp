#include "core/web/pagetexts.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

namespace corvalin::web {

namespace {

// Every text the page shows, as index.html (data-t, data-t-label) and app.js (T("...")) write it.
constexpr const char* kPageTexts[] = {
        QT_TRANSLATE_NOOP("StaffPage", "Corvalin staff page"),
        QT_TRANSLATE_NOOP("StaffPage", "Staff log-in"),
        QT_TRANSLATE_NOOP("StaffPage", "Name"),
        QT_TRANSLATE_NOOP("StaffPage", "Password"),
        QT_TRANSLATE_NOOP("StaffPage", "Log in"),
        QT_TRANSLATE_NOOP("StaffPage", "Alarm:"),
        QT_TRANSLATE_NOOP("StaffPage", "Stop alarm"),
        QT_TRANSLATE_NOOP("StaffPage", "Alarms"),
        QT_TRANSLATE_NOOP("StaffPage", "Yes, sound it now"),
        QT_TRANSLATE_NOOP("StaffPage", "Cancel"),
        QT_TRANSLATE_NOOP("StaffPage", "Next bell"),
        QT_TRANSLATE_NOOP("StaffPage", "Today"),
        QT_TRANSLATE_NOOP("StaffPage", "Bells"),
        QT_TRANSLATE_NOOP("StaffPage", "Ring now"),
        QT_TRANSLATE_NOOP("StaffPage", "Stop bell"),
        QT_TRANSLATE_NOOP("StaffPage", "Skip next bell"),
        QT_TRANSLATE_NOOP("StaffPage", "Start the bells"),
        QT_TRANSLATE_NOOP("StaffPage", "Stop the bells"),
        QT_TRANSLATE_NOOP("StaffPage", "Today's changes"),
        QT_TRANSLATE_NOOP("StaffPage", "Change"),
        QT_TRANSLATE_NOOP("StaffPage", "Skip the bell at"),
        QT_TRANSLATE_NOOP("StaffPage", "Move the bell at"),
        QT_TRANSLATE_NOOP("StaffPage", "Add a bell at"),
        QT_TRANSLATE_NOOP("StaffPage", "Time"),
        QT_TRANSLATE_NOOP("StaffPage", "To"),
        QT_TRANSLATE_NOOP("StaffPage", "Sound"),
        QT_TRANSLATE_NOOP("StaffPage", "Change today"),
        QT_TRANSLATE_NOOP("StaffPage", "No bells today"),
        QT_TRANSLATE_NOOP("StaffPage", "Undo today's changes"),
        QT_TRANSLATE_NOOP("StaffPage", "Log out"),
        QT_TRANSLATE_NOOP("StaffPage", "The bells' clock"),
        QT_TRANSLATE_NOOP("StaffPage", "The bell PC cannot be reached: %1"),
        QT_TRANSLATE_NOOP("StaffPage", "Your session has ended: log in again."),
        QT_TRANSLATE_NOOP("StaffPage", "Not logged in"),
        QT_TRANSLATE_NOOP("StaffPage", "Logged in as %1 (%2)"),
        QT_TRANSLATE_NOOP("StaffPage", "Sound %1 in the whole school now?"),
        QT_TRANSLATE_NOOP("StaffPage", "ALARM: %1"),
        QT_TRANSLATE_NOOP("StaffPage", "The bells run"),
        QT_TRANSLATE_NOOP("StaffPage", "The bells are stopped"),
        QT_TRANSLATE_NOOP("StaffPage", "None: the bells are stopped"),
        QT_TRANSLATE_NOOP("StaffPage", "None left today"),
        QT_TRANSLATE_NOOP("StaffPage", "None listed: the bells are stopped"),
        QT_TRANSLATE_NOOP("StaffPage", "Undo"),
        QT_TRANSLATE_NOOP("StaffPage", "The bell PC cannot be reached."),

};

}  // namespace

QByteArray pageTextsJson(const QString& language) {
    QJsonObject texts;
    for (const char* text : kPageTexts) {
        const QString shown = QCoreApplication::translate("StaffPage", text);
        if (shown != QLatin1String(text)) {
            texts.insert(QLatin1String(text), shown);
        }
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("lang"), language}, {QStringLiteral("texts"), texts}})
        .toJson(QJsonDocument::Compact);
}

}  // namespace corvalin::web
