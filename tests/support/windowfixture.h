// A main window over a temporary program folder with every port faked and live timers off.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <memory>

#include "app/imagebutton.h"
#include "app/mainwindow.h"
#include "app/spinner.h"
#include "fakes.h"
#include "programfolder.h"

struct WindowFixture {
    ProgramFolder folder;
    FakePorts fakes;
    std::unique_ptr<MainWindow> window;
    int quits = 0;

    MainWindow* create() {
        window = std::make_unique<MainWindow>(fakes.ports(), folder.path(), /*liveTimers=*/false);
        window->setQuitHandler([this] { ++quits; });
        return window.get();
    }
    MainWindow* load() {
        create();
        window->Form_Load();
        return window.get();
    }
    // Options for "Manual input" (2) or "Auto interval" (1), and "Apply week" (1) or "Set each day" (2).
    void writeOptions(int setTimeMode, int dayMode, int soundIndex = -1) const {
        folder.writeData(QStringLiteral("data.ini"),
                         QStringLiteral(" 0 \r\n%1\r\n %2 \r\n %3 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n")
                             .arg(soundIndex < 0 ? QStringLiteral("-1 ") : QStringLiteral(" %1 ").arg(soundIndex))
                             .arg(setTimeMode)
                             .arg(dayMode)
                             .toLatin1());
    }
    QStringList list(QListWidget* widget) const {
        QStringList items;
        for (int i = 0; i < widget->count(); ++i) {
            items.append(widget->item(i)->text());
        }
        return items;
    }
};
