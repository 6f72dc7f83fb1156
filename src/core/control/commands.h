// The commands every face gives the bells, each defined once: its verb on the command line, its
// method on the D-Bus interface, its arguments, who may call it and what it does and answers. The
// window, the tray, the D-Bus interface and with it the command line all run a command through
// CommandRunner, so that it follows one rule wherever it comes from.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>
#include <functional>
#include <vector>

class BellsClient;
class CommandRunner;
class SetupFollower;
struct BellsStatus;

namespace corvalin::control {

// Where a command's argument comes from on the command line.
enum class From {
    Value,      // the option's own value: --skip 10:15
    Word,       // a word after it: the 10:45 of --move 10:15 10:45
    MaybeWord,  // a word after it that may be left out: --ring-now [SOURCE]
    Key,        // the value of --key, which goes with the verb
    Option,     // the value of the option of the argument's name, which goes with the verb: --role
    Secret,     // a password the command line reads from standard input and sends as its hash
};
// What the method is given for it.
enum class As {
    Text,
    Time,  // a time of day, "hh:mm": text to the bus, checked where it is given
    Number,
    NumberOrAll,  // "all" is -1
};
// The longest argument taken, in bytes: a time, a sound's or an alarm signal's name, a key; and a
// web address.
inline constexpr qsizetype kLongest = 255;
inline constexpr qsizetype kLongestAddress = 2048;

struct Argument {
    const char* name;  // as --help and the refusals name it
    const char* what;  // as a refusal of an overlong one names it: "the time"
    From from = From::Value;
    As as = As::Text;
    qsizetype longest = kLongest;
    const char* field = nullptr;  // its name in the web page's request, when not `name`
};

// Who may call a command: everyone who may sound an alarm, or only those who run the office.
enum class Role { Alarm, Office };
// Whether a command changes something, or only reads (callers are allowed more reads).
enum class Calls { Changes, Reads };

struct Command {
    using Done = std::function<void(const QString& refusal, const QVariant& said)>;
    const char* verb;    // the command line's --verb
    const char* method;  // the D-Bus method
    const char* route;   // the staff web page's POST /api/ROUTE; none where the page does not offer it
    std::vector<Argument> arguments;
    Role role;
    Calls calls;
    const char* help;  // what --help says of it
    // Runs it with its arguments (as `method` takes them), for `by` (as the ring log names who).
    void (*run)(::CommandRunner& runner, const QVariantList& arguments, const QString& by, Done done);
};

// The staff web page, as the commands that switch it and keep its accounts reach it.
class StaffPage {
public:
    virtual ~StaffPage() = default;
    // Serves the page on "[[ADDRESS:]PORT]" (every address on 8443 when empty) from now on and at
    // every start; the reason when it does not serve.
    virtual QString switchOn(const QString& listen) = 0;
    virtual QString switchOff() = 0;
    // Where staff open it ("https://192.0.2.10:8443"); empty while it is not served.
    virtual QString address() const = 0;
    // The SHA-256 fingerprint of its certificate; empty before it has one.
    virtual QString fingerprint() const = 0;
    // The status's "web": the address, "off", or "off: " and why it cannot be served.
    virtual QString state() const = 0;
    // `hash` is the password's Argon2id hash (the password itself never reaches the copy).
    virtual QString addStaff(const QString& name, const QString& role, const QString& hash) = 0;
    virtual QString removeStaff(const QString& name) = 0;
    // "NAME ROLE" for each account.
    virtual QStringList staff(QString* problem) const = 0;
};

// Every command, in the order --help lists them.
const std::vector<Command>& commands();
// The command of that D-Bus method, or of that verb; none when there is none.
const Command* commandCalled(const QString& methodOrVerb);

}  // namespace corvalin::control

// Runs the commands of one copy. Made on the thread of its faces (the window's, or the only one of
// the copy with no window), over the bells' client and what differs between the copies.
class CommandRunner : public QObject {
    Q_OBJECT
public:
    // What differs between the copy with a window and the one without.
    struct Copy {
        QString kind;  // "window" or "no window", for the status
        // Start and stop the bell service as this copy does (see BellsCore): the start is answered
        // with the reason it did not start, empty when it did.
        std::function<void(std::function<void(const QString&)>)> start;
        std::function<void()> stop;
        // Whether this copy rings the bells now (the copy with no window waits while a window
        // copy rings them).
        std::function<bool()> holdsBells;
        // The set-up followed from a web address; none where this copy follows none.
        SetupFollower* follower = nullptr;
    };

    CommandRunner(BellsClient& bells, Copy copy, QObject* parent = nullptr);

    // Runs the command `method` (or verb) with `arguments` for `by`; `done` hears what happened or
    // why it was refused. An unknown command is refused.
    void run(const QString& method, const QVariantList& arguments, const QString& by, corvalin::control::Command::Done done);
    // The same, answered with the refusal alone (a face that shows nothing when it is done).
    void run(const QString& method, const QVariantList& arguments, const QString& by,
             std::function<void(const QString&)> answered = {});

    BellsClient& bells() const { return m_bells; }
    // The staff web page this copy serves; none where it serves none.
    void setStaffPage(corvalin::control::StaffPage* page) { m_staffPage = page; }
    corvalin::control::StaffPage* staffPage() const { return m_staffPage; }
    const Copy& copy() const { return m_copy; }
    // The status the Status command answers with (see control/controlbus.h for its keys).
    QVariantMap status(const BellsStatus& bells) const;

    // Who the ring log names for what comes from each face.
    static QString byWindow() { return QStringLiteral("the window"); }
    static QString byTray() { return QStringLiteral("the tray"); }
    static QString byCommandLine() { return QStringLiteral("the command line"); }

private:
    BellsClient& m_bells;
    Copy m_copy;
    corvalin::control::StaffPage* m_staffPage = nullptr;
};
