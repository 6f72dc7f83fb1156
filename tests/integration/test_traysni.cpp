// The tray icon where the notification area is a StatusNotifier host (KDE Plasma, GNOME with the
// AppIndicator extension): there a click on the icon arrives as one activation and never as a
// double click, so that activation must bring the window back. The host is python3-dbusmock's
// stand-in for the StatusNotifier watcher on a private session bus (this test runs under
// dbus-run-session); the activation is the D-Bus call a host makes when the icon is clicked.
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QProcess>
#include <QSystemTrayIcon>
#include <QtTest>

#include "windowfixture.h"

namespace {

const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kMock = QStringLiteral("org.freedesktop.DBus.Mock");

// A call to the stand-in's mock interface, as a plain message: a QDBusInterface would read the
// object's description once and keep it, so that the program's own look at the watcher would
// not see what is added afterwards.
QDBusMessage callMock(const QString& method, const QVariantList& args = {}) {
    QDBusMessage call = QDBusMessage::createMethodCall(kWatcher, QStringLiteral("/StatusNotifierWatcher"), kMock, method);
    call.setArguments(args);
    return QDBusConnection::sessionBus().call(call);
}

// The service names the program registered with the watcher, from the mock's call log.
QStringList registeredItems() {
    const QDBusMessage reply = callMock(QStringLiteral("GetCalls"));
    QStringList items;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return items;
    }
    // a(tsav): time, method name, arguments.
    const QDBusArgument calls = reply.arguments().constFirst().value<QDBusArgument>();
    calls.beginArray();
    while (!calls.atEnd()) {
        quint64 time = 0;
        QString method;
        QVariantList args;
        calls.beginStructure();
        calls >> time >> method >> args;
        calls.endStructure();
        if (method == QStringLiteral("RegisterStatusNotifierItem") && !args.isEmpty()) {
            items << args.constFirst().toString();
        }
    }
    calls.endArray();
    return items;
}

}  // namespace

class TestTraySni : public QObject {
    Q_OBJECT
    QProcess m_watcher;

private Q_SLOTS:
    void initTestCase() {
        if (qEnvironmentVariableIsEmpty("CORVALIN_TEST_DISPLAY") || qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
            QSKIP("needs the test display and a private session bus (dbus-run-session)");
        }
        // Debian's python3 by its full path: the one on PATH may lack dbusmock.
        m_watcher.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_watcher.start(QStringLiteral("/usr/bin/python3"),
                        {"-m", "dbusmock", "--session", kWatcher, "/StatusNotifierWatcher", kWatcher});
        QVERIFY2(m_watcher.waitForStarted(), "python3-dbusmock");
        QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
        QTRY_VERIFY_WITH_TIMEOUT(bus->isServiceRegistered(kWatcher).value(), 10000);
        const QDBusMessage property =
            callMock(QStringLiteral("AddProperty"), {kWatcher, QStringLiteral("IsStatusNotifierHostRegistered"),
                                                     QVariant::fromValue(QDBusVariant(true))});
        QVERIFY2(property.type() == QDBusMessage::ReplyMessage, qPrintable(property.errorMessage()));
        const QDBusMessage method = callMock(QStringLiteral("AddMethod"), {kWatcher, QStringLiteral("RegisterStatusNotifierItem"),
                                                                          QStringLiteral("s"), QString(), QString()});
        QVERIFY2(method.type() == QDBusMessage::ReplyMessage, qPrintable(method.errorMessage()));
    }

    void singleClickBringsTheWindowBack() {
        WindowFixture f;
        auto* w = f.load();
        QTRY_VERIFY(w->isVisible());
        w->goToTray();
        QVERIFY(!w->isVisible());
        // Shown through the host, not embedded in an XEmbed tray.
        QTRY_COMPARE_WITH_TIMEOUT(registeredItems().size(), 1, 5000);
        const QString item = registeredItems().constFirst();

        // The host's call for a left click, from a connection of its own as a panel's would be.
        QDBusConnection host = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("host"));
        QDBusMessage click = QDBusMessage::createMethodCall(item, QStringLiteral("/StatusNotifierItem"),
                                                            QStringLiteral("org.kde.StatusNotifierItem"), QStringLiteral("Activate"));
        click.setArguments({10, 10});
        host.asyncCall(click);
        QTRY_VERIFY_WITH_TIMEOUT(w->isVisible(), 5000);
        QVERIFY(!w->isInTray());
        QDBusConnection::disconnectFromBus(QStringLiteral("host"));
    }

    void cleanupTestCase() {
        m_watcher.terminate();
        m_watcher.waitForFinished(5000);
    }
};

int main(int argc, char* argv[]) {
    const QByteArray display = qgetenv("CORVALIN_TEST_DISPLAY");
    if (!display.isEmpty()) {
        qputenv("DISPLAY", display);
        qputenv("QT_QPA_PLATFORM", "xcb");
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // The program sets its icon before the window; a tray icon without one is never shown.
    QPixmap icon(32, 32);
    icon.fill(Qt::darkGreen);
    QApplication::setWindowIcon(QIcon(icon));
    TestTraySni test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_traysni.moc"
