// The ring log, data/ring.log: every bell rung and every problem, one CRLF line each, newest
// last. Lines older than 90 days are dropped once a day. A problem is also reported by a signal,
// for the window's warning line; so is a ring log that cannot be written (once, until it can).
// A problem that lasts (a sound server away, a card gone, a feed that cannot be fetched) is named
// by a topic, and its end is reported too, so that the warning line shows only what is still wrong.
#pragma once

#include <QDate>
#include <QObject>
#include <QString>
#include <optional>

#include "engine/base/ringlogline.h"

class Clock;

class RingLog : public QObject {
    Q_OBJECT
public:
    RingLog(QString path, Clock* clock, QObject* parent = nullptr);

    const QString& path() const { return m_path; }

    // A bell started now: scheduled (for the minute set below) or rung by hand.
    void bell(bool scheduled, const QString& sound, const QString& device);
    // The minute of the day that the scheduled bells rung from now on are for (-1: the minute
    // they start in): one that a step of the clock passed over rings after its minute.
    void setScheduledMinute(int minuteOfDay) { m_scheduledMinute = minuteOfDay; }
    // Something that went wrong and that the operator should know.
    void problem(const QString& text);
    // A problem that lasts until endProblem() with the same topic; said again under the same topic,
    // it takes the place of the one before on the warning line.
    void lastingProblem(const QString& topic, const QString& text);
    // The problem of `topic` has ended: `text` goes to the log as a note (none when empty), and the
    // warning line lets the problem go.
    void endProblem(const QString& topic, const QString& text);
    // Something worth a line that is no problem (the booked power-off, a clock step).
    void note(const QString& text);

    // The last bell line of `day` near the log's end (its last 256 KiB), as the ring log holds it;
    // none when there is none there, or the log cannot be read as a plain file.
    std::optional<corvalin::ringlog::BellEntry> lastBellOn(const QDate& day) const;

    // Drops the lines older than 90 days.
    void prune();

    // Reports again every problem still open: those that last and have not ended, and the last few
    // of a moment; for a window that comes after they were first reported.
    void reportOpen();

    // The topic under which a ring log that cannot be written is reported.
    static QString unwritableTopic() { return QStringLiteral("ring log"); }

Q_SIGNALS:
    // `topic` is empty for a problem of a moment (a bell not rung), which stays on the warning
    // line until the operator has seen it.
    void problemReported(const QDateTime& at, const QString& text, const QString& topic);
    void problemEnded(const QDateTime& at, const QString& topic);

private:
    void append(const std::string& line);
    void remember(const QDateTime& at, const QString& text, const QString& topic);

    QString m_path;
    Clock* m_clock;
    QDate m_pruned;
    bool m_failing = false;  // the last line could not be written, and the window was told
    struct Open {
        QDateTime at;
        QString text;
        QString topic;
    };
    QList<Open> m_open;  // the problems reportOpen() tells again, oldest first
    int m_scheduledMinute = -1;
};
