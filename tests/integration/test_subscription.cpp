// A subscribed calendar against a feed served by this test on 127.0.0.1: the first fetch brings
// its days, the second is answered 304 from the validators, a changed feed replaces the old days
// whole, and a broken feed, a dropped connection and a feed over the size limit each keep the last
// good copy and say why and how old it is, as does a redirect to another host in the clear. The
// hand-made exceptions never mix with the feed's, and the subscription and its copy outlive a
// restart. A feed that keeps a school year without bells is a lasting problem, a server that
// trickles is given up after the whole duration a fetch may take, and a server's reason or an
// edited label never reaches the ring log with its control characters, nor the network's reason
// with the feed's password. A subscription made in the calendar is handed to the bells' fetcher,
// which fetches it at once.
#include <QSemaphore>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

#include "core/bells/bellcalendar.h"
#include "core/bells/bellsclient.h"
#include "core/bells/bellstation.h"
#include "core/bells/calendarfeeds.h"
#include "core/calendar/schoolcalendar.h"
#include "core/schedule/bellscore.h"
#include "core/schedule/settingsstore.h"
#include "fakeports.h"
#include "programcopy.h"

namespace {

QByteArray ics(const QDate& day, const QByteArray& summary, int days = 1) {
    const QByteArray first = day.toString(QStringLiteral("yyyyMMdd")).toLatin1();
    const QByteArray next = day.addDays(days).toString(QStringLiteral("yyyyMMdd")).toLatin1();
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//Feed//EN\r\nBEGIN:VEVENT\r\nUID:" + first +
           "@test\r\nDTSTAMP:20260101T000000Z\r\nDTSTART;VALUE=DATE:" + first + "\r\nDTEND;VALUE=DATE:" + next +
           "\r\nSUMMARY:" + summary + "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
}

bool hasControl(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

// One feed over HTTP/1.1, answering as told: the feed itself (304 when the client's ETag matches),
// a broken file, half of it and then a closed connection, a declared length over the limit, the
// feed a byte every 100 ms, the status line given, or a redirect to another host in the clear
// (which serves the feed).
class FeedServer : public QObject {
public:
    enum class Mode { Feed, Drop, Huge, Trickle, Status, Redirect };
    QByteArray etag;
    QByteArray statusLine;
    QByteArray body;
    Mode mode = Mode::Feed;
    int notModified = 0;

    FeedServer() {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    QString address() const { return QStringLiteral("http://127.0.0.1:%1/school.ics").arg(m_server.serverPort()); }

private:
    void answer(QTcpSocket* socket) {
        QByteArray request = socket->property("request").toByteArray() + socket->readAll();
        socket->setProperty("request", request);
        if (!request.contains("\r\n\r\n")) {
            return;
        }
        const bool matches = !etag.isEmpty() && request.contains("If-None-Match: " + etag + "\r\n");
        if (mode == Mode::Feed && matches) {
            ++notModified;
            socket->write("HTTP/1.1 304 Not Modified\r\nETag: " + etag + "\r\nConnection: close\r\n\r\n");
            socket->disconnectFromHost();
            return;
        }
        if (mode == Mode::Redirect && request.startsWith("GET /school.ics ")) {
            socket->write("HTTP/1.1 302 Found\r\nLocation: http://localhost:" +
                          QByteArray::number(m_server.serverPort()) +
                          "/elsewhere.ics\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
            socket->disconnectFromHost();
            return;
        }
        if (mode == Mode::Status) {
            socket->write(statusLine + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
            socket->disconnectFromHost();
            return;
        }
        const qint64 length = mode == Mode::Huge ? 17 * 1024 * 1024 : body.size();
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/calendar\r\nETag: " + etag +
                      "\r\nContent-Length: " + QByteArray::number(length) + "\r\nConnection: close\r\n\r\n");
        if (mode == Mode::Feed || mode == Mode::Redirect) {
            socket->write(body);
            socket->disconnectFromHost();
        } else if (mode == Mode::Trickle) {
            auto* drip = new QTimer(socket);
            connect(drip, &QTimer::timeout, socket, [socket, drip, sent = qsizetype(0), all = body]() mutable {
                if (sent < all.size()) {
                    socket->write(all.mid(sent++, 1));
                } else {
                    drip->stop();
                }
            });
            drip->start(100);
        } else if (mode == Mode::Drop) {
            socket->write(body.left(body.size() / 2));
            socket->flush();
            socket->abort();
        } else {
            socket->write(QByteArray(1024, 'x'));  // and then nothing: the client gives up
        }
    }

    QTcpServer m_server;
};

}  // namespace

class TestSubscription : public QObject {
    Q_OBJECT
    const std::shared_ptr<WebFetcher> fetcher = WebFetcher::shared();
private Q_SLOTS:
    void feedFollowedAndItsLastGoodCopyKept() {
        QTemporaryDir dir;
        const QString data = dir.path() + "/data";
        const QDate today = QDate::currentDate();
        const QByteArray handMade = today.addDays(30).toString(Qt::ISODate).toLatin1() + ',' +
                                    today.addDays(30).toString(Qt::ISODate).toLatin1() + ",2,Exam day\r\n";
        QVERIFY(writeWholeFile(data + "/calendar.ini", handMade));
        SettingsStore store(data);
        SchoolCalendar calendar(&store);
        calendar.load();
        FeedServer server;
        server.etag = "\"v1\"";
        server.body = ics(today.addDays(10), "Winter break");
        QCOMPARE(calendar.subscribe(server.address(), "School board"), QString());

        CalendarFeeds feeds(data, fetcher.get());
        feeds.setSubscriptions(calendar.subscriptions(), calendar.exceptions());
        QSignalSpy fetched(&feeds, &CalendarFeeds::fetched);
        QSignalSpy updated(&feeds, &CalendarFeeds::updated);
        QSignalSpy problems(&feeds, &CalendarFeeds::problem);
        auto fetch = [&] {
            const qsizetype before = fetched.size();
            feeds.refreshAll();
            return fetched.wait(40000) && fetched.size() == before + 1 && fetched.last().at(1).toBool();
        };
        auto noBellsOn = [&](const QDate& day) {
            calendar.load();
            const auto e = calendar.exceptionOn(day);
            return e && e->what == corvalin::calendar::kNoBells;
        };

        QVERIFY(fetch());
        QCOMPARE(updated.size(), 1);
        QVERIFY(noBellsOn(today.addDays(10)));
        QCOMPARE(calendar.subscribed().size(), std::size_t(1));
        QCOMPARE(calendar.subscribed().front().subscription, QString("School board"));
        QCOMPARE(calendar.exceptions().size(), std::size_t(1));  // the hand-made one, kept apart
        QFile own(data + "/calendar.ini");
        QVERIFY(own.open(QIODevice::ReadOnly));
        QCOMPARE(own.readAll(), handMade);

        QVERIFY(fetch());
        QCOMPARE(server.notModified, 1);
        QCOMPARE(updated.size(), 1);

        server.etag = "\"v2\"";
        server.body = ics(today.addDays(20), "Spring break");
        QVERIFY(fetch());
        QCOMPARE(updated.size(), 2);
        QVERIFY(!noBellsOn(today.addDays(10)));
        QVERIFY(noBellsOn(today.addDays(20)));

        const QList<QPair<FeedServer::Mode, QByteArray>> failures{
            {FeedServer::Mode::Feed, "it is not a calendar that can be read"},
            {FeedServer::Mode::Drop, "Connection closed"},
            {FeedServer::Mode::Huge, "it is larger than 16 MB"},
            {FeedServer::Mode::Redirect, "the server sent it on to http://localhost:"}};
        for (const auto& [mode, reason] : failures) {
            server.mode = mode;
            server.etag = "\"v3\"";
            server.body = mode == FeedServer::Mode::Feed ? QByteArray("<html>Moved</html>") : ics(today.addDays(40), "Other");
            QVERIFY(!fetch());
            const QString said = problems.last().at(1).toString();
            QVERIFY2(said.contains(reason) && said.contains("the copy of") &&
                         said.contains("less than an hour old"),
                     qPrintable(said));
            QVERIFY(noBellsOn(today.addDays(20)));
            QVERIFY(!noBellsOn(today.addDays(40)));
        }
        QCOMPARE(updated.size(), 2);

        // After a restart: the subscription and its last good copy, from data/.
        SettingsStore again(data);
        SchoolCalendar restarted(&again);
        restarted.load();
        QCOMPARE(restarted.subscriptions().size(), std::size_t(1));
        QVERIFY(restarted.exceptionOn(today.addDays(20)).has_value());
    }

    // A subscription made in the calendar reaches the bells' fetcher as a value, from the
    // calendar's owner through the core, and is fetched at once: the fetcher reads no
    // subscriptions.ini (here gone as soon as it was written).
    void aNewSubscriptionIsHandedToTheFetcher() {
        QTemporaryDir dir;
        const QString data = dir.path() + "/data";
        SettingsStore store(data);
        SchoolCalendar calendar(&store);
        calendar.load();
        FakeClock clock;
        FakeBellOutput bell;
        FakeMixer mixer;
        FakeSystemClock systemClock;
        FakePower power;
        BellStation station({&clock, &bell, &mixer, &systemClock, &power}, dir.path(), true);
        BellsClient client(&station, nullptr, {});
        BellsCore core(store, calendar, client);
        core.tell();
        QSignalSpy fetched(&client, &BellsClient::feedFetched);
        FeedServer server;
        server.body = ics(QDate::currentDate().addDays(10), "Winter break");

        // The fetcher's thread waits until the file is gone.
        QSemaphore gone;
        QMetaObject::invokeMethod(station.feeds(), [&gone] { gone.acquire(); });
        QCOMPARE(calendar.subscribe(server.address(), "School board"), QString());
        QVERIFY(QFile::remove(data + "/subscriptions.ini"));
        gone.release();
        QVERIFY(fetched.wait(20000));
        const FeedCopy copy = loadFeedCopy(data, cleanAddress(server.address()));
        QVERIFY(copy.exists);
        QCOMPARE(copy.exceptions.size(), std::size_t(1));
    }

    void aFeedSilencingAYearIsAProblemAndNamedOnEachDay() {
        QTemporaryDir dir;
        const QString data = dir.path() + "/data";
        SettingsStore store(data);
        SchoolCalendar calendar(&store);
        calendar.load();
        FeedServer server;
        server.body = ics(QDate::currentDate().addDays(-1), "Whole year", 400);
        QCOMPARE(calendar.subscribe(server.address(), "School board"), QString());
        CalendarFeeds feeds(data, fetcher.get());
        feeds.setSubscriptions(calendar.subscriptions(), calendar.exceptions());
        QSignalSpy fetched(&feeds, &CalendarFeeds::fetched);
        QSignalSpy problems(&feeds, &CalendarFeeds::problem);
        QSignalSpy ended(&feeds, &CalendarFeeds::problemEnded);
        const QString topic = "silence " + cleanAddress(server.address());

        feeds.refreshAll();
        QVERIFY(fetched.wait(20000));
        QVERIFY(fetched.last().at(1).toBool());
        QCOMPARE(problems.size(), 1);
        QCOMPARE(problems.last().at(0).toString(), topic);
        const QString said = problems.last().at(1).toString();
        QVERIFY2(said.contains("\"School board\"") && said.contains("school days in a row without bells") &&
                     said.contains("\"Whole year\""),
                 qPrintable(said));
        // Each day it decides names the event and the subscription, as the ring log's day note does.
        calendar.load();
        QDate weekday = QDate::currentDate().addDays(2);
        while (weekday.dayOfWeek() > 5) {
            weekday = weekday.addDays(1);
        }
        BellCalendar bells;
        bells.setDays(storedDays(store, calendar));
        const auto day = bells.day(weekday);
        QVERIFY(day.exception && day.replacement);
        QCOMPARE(QString::fromStdString(corvalin::calendar::summaryText(*day.exception)),
                 QString("Whole year (subscribed: School board): no bells"));
        QVERIFY(calendar.subscriptionState(0).contains("silences"));

        // A feed of one day three weeks ahead is no such problem: the problem ends.
        server.body = ics(QDate::currentDate().addDays(21), "Sports day");
        feeds.refreshAll();
        QVERIFY(fetched.wait(20000));
        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended.last().at(0).toString(), topic);
        QCOMPARE(problems.size(), 1);
    }

    void aTricklingServerIsGivenUp() {
        QTemporaryDir dir;
        const QString data = dir.path() + "/data";
        SettingsStore store(data);
        SchoolCalendar calendar(&store);
        FeedServer server;
        server.mode = FeedServer::Mode::Trickle;
        server.body = ics(QDate::currentDate().addDays(10), "Winter break");
        QCOMPARE(calendar.subscribe(server.address(), "School board"), QString());
        CalendarFeeds feeds(data, fetcher.get());
        feeds.setSubscriptions(calendar.subscriptions(), calendar.exceptions());
        feeds.setLongestFetch(2000);
        QSignalSpy fetched(&feeds, &CalendarFeeds::fetched);
        QSignalSpy problems(&feeds, &CalendarFeeds::problem);

        feeds.refreshAll();
        QVERIFY(fetched.wait(15000));
        QVERIFY(!fetched.last().at(1).toBool());
        QVERIFY2(problems.last().at(1).toString().contains("the server had not sent it after 2 seconds"),
                 qPrintable(problems.last().at(1).toString()));
        // The next Refresh is not skipped as if the fetch were still under way.
        server.mode = FeedServer::Mode::Feed;
        feeds.refreshAll();
        QVERIFY(fetched.wait(15000));
        QVERIFY(fetched.last().at(1).toBool());
    }

    void outsideTextsReachTheLogClean() {
        QTemporaryDir dir;
        const QString data = dir.path() + "/data";
        FeedServer server;
        server.mode = FeedServer::Mode::Status;
        // A label edited into the file and a reason phrase, each with an escape sequence and a
        // carriage return that would forge a line of the ring log.
        // The address with a user name and password, which stay in subscriptions.ini.
        const QString address =
            QString(server.address()).replace("http://", "http://school%20bells:s3cr%40t@");
        QVERIFY(writeWholeFile(data + "/subscriptions.ini",
                               address.toUtf8() + " Board\x1b[2K\r2026-12-07 09:00:00.000 scheduled\r\n"));
        server.statusLine = "HTTP/1.1 503 Busy\x1b[2K\r2026-12-07 09:00:00.000 scheduled";
        CalendarFeeds feeds(data, fetcher.get());
        feeds.setSubscriptions(loadSubscriptions(data), {});
        QSignalSpy fetched(&feeds, &CalendarFeeds::fetched);
        QSignalSpy problems(&feeds, &CalendarFeeds::problem);
        feeds.refreshAll();
        QVERIFY(fetched.wait(20000));
        QVERIFY(!problems.isEmpty());
        const QString said = problems.last().at(1).toString();
        QVERIFY2(!hasControl(said) && said.contains("Board [2K 2026-12-07") &&
                     said.contains("Busy [2K 2026-12-07") && !said.contains("s3cr"),
                 qPrintable(said));
        const QString kept = loadFeedProblem(data, address).reason;
        QVERIFY2(!hasControl(kept) && kept.contains("Busy") && !kept.contains("s3cr"), qPrintable(kept));
        // A reason phrase with an answer the fetch does not take as an error.
        server.statusLine = "HTTP/1.1 202 Taken\x1b[2K\rscheduled";
        feeds.refreshAll();
        QVERIFY(fetched.wait(20000));
        QVERIFY2(!hasControl(problems.last().at(1).toString()) && problems.last().at(1).toString().contains("202 Taken [2K scheduled"),
                 qPrintable(problems.last().at(1).toString()));
    }
};

QTEST_GUILESS_MAIN(TestSubscription)
#include "test_subscription.moc"
