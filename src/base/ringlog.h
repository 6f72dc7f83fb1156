// The ring log, data/ring.log: every bell rung and every problem, one CRLF line each, newest
// last. Lines older than 90 days are dropped once a day. A problem is also reported by a signal,
// for the window's warning line; so is a ring log that cannot be written (once, until it can).
#pragma once

#include <QDate>
#include <QObject>
#include <QString>

class Clock;

class RingLog : public QObject {
    Q_OBJECT
public:
    RingLog(QString path, Clock* clock, QObject* parent = nullptr);

    const QString& path() const { return m_path; }

    // A bell started now: scheduled (its minute is now's) or rung by hand.
    void bell(bool scheduled, const QString& sound, const QString& device);
    // Something that went wrong and that the operator should know.
    void problem(const QString& text);
    // Something worth a line that is no problem (the booked power-off, a clock step).
    void note(const QString& text);

    // Drops the lines older than 90 days.
    void prune();

Q_SIGNALS:
    void problemReported(const QDateTime& at, const QString& text);

private:
    void append(const std::string& line);

    QString m_path;
    Clock* m_clock;
    QDate m_pruned;
    bool m_failing = false;  // the last line could not be written, and the window was told
};
