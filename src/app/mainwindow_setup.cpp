// The whole set-up in one file: "Set-up" in the menu strip exports every settings file and the
// user's own sounds, or imports such a file in place of the set-up, and shows it as start-up would.
#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QScopedValueRollback>

#include "app/mainwindow.h"
#include "ui/mainwindow/alarmpanel.h"
#include "ui/mainwindow/optionspanel.h"
#include "ui/mainwindow/servicepanel.h"
#include "ui/mainwindow/soundspanel.h"
#include "core/schedule/bellscore.h"
#include "core/calendar/schoolcalendar.h"
#include "core/schedule/settingsstore.h"
#include "core/schedule/setuparchive.h"
#include "ui/widgets/dialogs.h"
#include "ui/widgets/imagebutton.h"

namespace setup = corvalin::setup;

namespace {

//: The file dialog's filter; keep "(*.zip)" as it is
const char* const kSetupFiles = QT_TRANSLATE_NOOP("MainWindow", "Corvalin set-up (*.zip)");

}  // namespace

void MainWindow::onSetupClicked() {
    setupMenu->popup(setupEntry->mapToGlobal(QPoint(0, setupEntry->height())));
}

void MainWindow::onExportSetupTriggered() {
    const QString suggested = QDir::home().filePath(
        QStringLiteral("corvalin-setup-%1.zip").arg(currentTime().date().toString(Qt::ISODate)));
    const QString file = m_ports.dialogs->saveFileName(this, tr("Export the set-up"), suggested, tr(kSetupFiles));
    if (file.isEmpty()) {
        return;
    }
    if (const QString why = setup::exportSetup(m_paths, file); !why.isEmpty()) {
        reportProblem(QStringLiteral("the set-up was not exported: ") + why);
        //: %1 says why
        m_ports.dialogs->warning(this, tr("The set-up was not exported: %1").arg(why));
        return;
    }
    const QString shown = QDir::toNativeSeparators(file);
    logNote(QStringLiteral("the set-up was exported to ") + shown);
    // The signature of an older set-up beside it cannot match this one: it goes, so that nobody
    // publishes the two together.
    QString said = tr("The set-up was exported to %1.").arg(shown);
    const QFileInfo oldSignature(file + QStringLiteral(".sig"));
    if (oldSignature.exists() || oldSignature.isSymLink()) {
        const bool removed = !oldSignature.isDir() && QFile::remove(oldSignature.filePath());
        //: %1 is the set-up's file, %2 the signature file beside it
        const QString gone = tr("The set-up was exported to %1. The signature of an older set-up beside it, %2, was "
                                "removed.");
        //: %1 is the set-up's file, %2 the signature file beside it
        const QString left = tr("The set-up was exported to %1. The signature of an older set-up beside it, %2, does "
                                "not match it and could not be removed: remove it before publishing the set-up.");
        said = (removed ? gone : left)
                   .arg(shown, QDir::toNativeSeparators(oldSignature.filePath()));
    }
    m_ports.dialogs->message(this, QString(), said, Dialogs::Icon::Information, Dialogs::Buttons::Ok);
}

void MainWindow::onImportSetupTriggered() {
    const QString file = m_ports.dialogs->openFileName(this, tr("Import a set-up"), tr(kSetupFiles));
    if (file.isEmpty()) {
        return;
    }
    const setup::Contents contents = setup::readSetup(file);
    if (!contents.ok()) {
        reportProblem(contents.refusal);
        //: %1 says why the file cannot be imported
        m_ports.dialogs->warning(this, tr("%1. Nothing was changed.").arg(contents.refusal));
        return;
    }
    //: %1 describes what the file holds
    const QString question =
        tr("%1\n\nReplace the set-up of this computer with this one? Its settings take the place of "
           "every setting now in use; the bell service, if it runs, starts again with them.")
            .arg(setup::describeSetup(m_paths, contents));
    if (m_ports.dialogs->message(this, tr("Import a set-up"), question, Dialogs::Icon::Question,
                                 Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes) {
        return;
    }
    const bool running = m_bells->isRunning();  // locked while the service runs
    if (running) {
        onStopClicked();
    }
    // The store says when the files are replaced, and the window shows them (showImportedSetup).
    const QString why = m_services.store->importSetup(contents);
    auto startAgain = [this, running] {
        if (running) {
            onStartClicked();
        }
    };
    if (why.isEmpty()) {
        logNote(QStringLiteral("the set-up was imported from ") + QDir::toNativeSeparators(file));
        // After the settings are shown: the store's word on the new files came first.
        m_bells->refreshSoundsNow(this, startAgain);
    } else {
        reportProblem(why);
        m_ports.dialogs->warning(this, why);
        startAgain();
    }
}

void MainWindow::showImportedSetup(std::function<void()> then) {
    // The store and the calendar have read the new files, and the bells are told them (BellsCore).
    // The sounds it brought are listed first: the stored options choose among them.
    m_bells->refreshSoundsNow(this, [this, then = std::move(then)] {
        showImportedSettings();
        if (then) {
            then();
        }
    });
}

void MainWindow::showImportedSettings() {
    // As at start-up: applying the options asks nothing.
    const QScopedValueRollback startUp(m_loadPhase, 1);
    optionsPanel->showStoredBooking();
    soundsPanel->showStoredCard();
    // No mode chosen, as before start-up, so that choosing the stored ones loads their time list
    // or interval settings even when they are the modes on screen.
    for (QRadioButton* option : {intervalModeButton, manualModeButton, weekModeButton, eachDayModeButton}) {
        const QSignalBlocker quiet(option);
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
    loadOptions();
    saveOptions();
    servicePanel->showBellOffset();
    alarmPanel->showAlarmSignals();
    // The subscriptions it brought are fetched now, not at the next daily round.
    m_bells->refreshAllFeeds();
}
