// alarms.ini: what a missing, emptied or damaged file gives.
#include <QtTest>

#include "engine/schedule/alarmsignals.h"

namespace alarms = corvalin::alarms;

namespace {

QByteArray said(const std::vector<alarms::Signal>& set) {
    QByteArray text;
    for (const auto& s : set) {
        text += QByteArray::fromStdString(s.name + "," + s.sound + "," + std::to_string(s.times) + "; ");
    }
    return text;
}

}  // namespace

class TestAlarmSignals : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A missing file gives the three signals a program folder starts with; a file the operator
    // emptied of every signal stays empty; a damaged line, a second signal of a name (other letter
    // case) and a fourth signal are left out, and what is kept is written back as read.
    void readingTheFile() {
        QCOMPARE(said(alarms::parseFile({})), said(alarms::defaults()));
        QCOMPARE(alarms::defaults().size(), std::size_t(3));
        QCOMPARE(said(alarms::parseFile(alarms::formatFile({}))), QByteArray());

        const std::vector<std::string> lines{"Lockdown,tone-lockdown.wav,0",
                                             "",
                                             "no commas at all",
                                             "Fire,bell.wav,x",
                                             "Fire,bell.wav,100",
                                             "Fire,bell.wav,-1",
                                             "Fire,bell.wav,",
                                             " Fire,bell.wav,1",
                                             ",bell.wav,1",
                                             "A name far longer than any button,bell.wav,1",
                                             "LOCKDOWN,other.wav,1",
                                             "Fire,bell.wav,3",
                                             "Drill,a,b.wav,1",
                                             "Flood,flood.wav,1",
                                             "Fourth,fourth.wav,1"};
        const auto kept = alarms::parseFile(lines);
        QCOMPARE(said(kept),
                 QByteArray("Lockdown,tone-lockdown.wav,0; Fire,bell.wav,3; Flood,flood.wav,1; "));
        QCOMPARE(said(alarms::parseFile(alarms::formatFile(kept))), said(kept));
    }
};

QTEST_APPLESS_MAIN(TestAlarmSignals)
#include "test_alarmsignals.moc"
