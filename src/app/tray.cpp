// Hiding the window into the tray and bringing it back, the tray icon's mouse, and the drawn
// title strip: moving the window by it and its minimise button.
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWindow>

#include "app/mainwindow.h"
#include "core/bells/bellsclient.h"
#include "ui/widgets/imagebutton.h"

namespace {

const QString kProduct = QStringLiteral("Corvalin");

// The icon with each pixel made anew from its grey level, the alpha kept.
template <typename Colour>
QIcon recoloured(const QIcon& icon, Colour colour) {
    QIcon made;
    for (const int size : {16, 22, 24, 32, 48, 64, 128}) {
        QImage image = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                line[x] = colour(qGray(line[x]), qAlpha(line[x]));
            }
        }
        made.addPixmap(QPixmap::fromImage(image));
    }
    return made;
}

// The icon in grey, a little lighter: the bells are stopped.
QIcon stoppedIcon(const QIcon& icon) {
    return recoloured(icon, [](int grey, int alpha) {
        const int level = 96 + grey * 5 / 8;
        return qRgba(level, level, level, alpha);
    });
}

// The icon in red: an alarm signal sounds.
QIcon alarmIcon(const QIcon& icon) {
    return recoloured(icon, [](int grey, int alpha) { return qRgba(128 + grey / 2, grey / 5, grey / 5, alpha); });
}

}  // namespace

void MainWindow::showTrayState() {
    const bool running = m_bells->isRunning();
    const bool alarm = !m_bells->alarm().isEmpty();
    if (m_trayShowsRunning != running || m_trayShowsAlarm != alarm) {
        m_trayShowsRunning = running;
        m_trayShowsAlarm = alarm;
        const QIcon icon = QApplication::windowIcon();
        trayIcon->setIcon(alarm ? alarmIcon(icon) : running ? icon : stoppedIcon(icon));
    }
}

QString MainWindow::trayTip() const {
    if (!m_bells->alarm().isEmpty()) {
        //: %1 is the program's name, %2 the alarm signal that sounds
        return tr("%1-Alarm: %2").arg(kProduct, m_bells->alarm());
    }
    //: %1 is the program's name: the bells are stopped
    return !m_bells->isRunning() ? tr("%1-Stop").arg(kProduct)
                                 //: %1 is the program's name: "Executing...", the bells run
                                 : tr("%1-Excuting...").arg(kProduct);
}

void MainWindow::goToTray() {
    openWindowAction->setVisible(true);
    // The tip is set here only: it tells the state the service had when the window left.
    trayIcon->setToolTip(trayTip());
    trayIcon->show();
    m_inTray = true;
    // Without a tray to come back from (a desktop with no notification area), the window is
    // minimised instead of hidden, so it can always be found again.
    if (QSystemTrayIcon::isSystemTrayAvailable() || QGuiApplication::platformName() == QStringLiteral("offscreen")) {
        hide();
    } else {
        showMinimized();
    }
}

void MainWindow::comeBackFromTray() {
    setWindowState(m_savedWindowState);
    trayIcon->hide();
    show();
    raise();
    activateWindow();
    openWindowAction->setVisible(false);
    m_inTray = false;
}

void MainWindow::trayActivated(int reason) {
    // A double click brings the window back; a single click too where the tray reports no double
    // clicks. The menu opens on the right button by itself.
    if (reason == QSystemTrayIcon::DoubleClick || (reason == QSystemTrayIcon::Trigger && m_singleClickTray)) {
        comeBackFromTray();
    }
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        if (isMinimized() && !m_inTray) {
            // Minimising leaves no task-bar button: the window goes to the tray.
            QTimer::singleShot(0, this, &MainWindow::goToTray);
        } else if (!isMinimized()) {
            m_savedWindowState = windowState();
        }
    }
    QWidget::changeEvent(event);
}

// The title strip's own mouse: its minimise picture's hover and click, and moving the window.
bool MainWindow::titleStripEvent(QObject* watched, QEvent* event) {
    const QString img = imageFolder();
    if (watched == minimizeButton) {
        if (event->type() == QEvent::Enter) {
            minimizeButton->setPixmap(QPixmap(img + QStringLiteral("/min_on.gif")));
            minimizeButton->setProperty("hover", QStringLiteral("1"));
        } else if (event->type() == QEvent::MouseButtonRelease) {
            minimizeButton->setPixmap(QPixmap(img + QStringLiteral("/minimaze.gif")));
            minimizeButton->setProperty("hover", QStringLiteral("0"));
            goToTray();
            return true;
        }
        return false;
    }
    if (watched == titleStrip && event->type() == QEvent::MouseMove &&
        minimizeButton->property("hover").toString() == QStringLiteral("1")) {
        minimizeButton->setPixmap(QPixmap(img + QStringLiteral("/minimaze.gif")));
        minimizeButton->setProperty("hover", QStringLiteral("0"));
    }
    if ((watched == titleStrip || watched == titleText) && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && windowHandle()) {
        windowHandle()->startSystemMove();
        return true;
    }
    return false;
}
