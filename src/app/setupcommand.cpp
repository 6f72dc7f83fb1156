// Export, signing and import of the set-up from the command line.
#include "app/setupcommand.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/startup.h"
#include "core/base/programpaths.h"
#include "core/base/wholefile.h"
#include "core/bells/linux/instanceguard_local.h"
#include "core/follow/setupsignature.h"
#include "core/schedule/settingsstore.h"
#include "core/schedule/setuparchive.h"

namespace setup = corvalin::setup;
namespace follow = corvalin::follow;

namespace {

const QString kExport = QStringLiteral("export");
const QString kImport = QStringLiteral("import");
const QString kMakeKey = QStringLiteral("make-key");
const QString kSign = QStringLiteral("sign");
constexpr qint64 kMaxKeyFile = 4096;  // a secret key file is one short line

void print(std::FILE* to, const QString& text) {
    std::fprintf(to, "%s\n", text.toLocal8Bit().constData());
    std::fflush(to);
}

int fail(const QString& text) {
    print(stderr, text);
    return 1;
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

int importSetup(const QString& file, const ProgramPaths& paths) {
    // Held while importing: no copy starts ringing from a set-up half replaced.
    LocalInstanceGuard guard(LocalInstanceGuard::Role::Window);
    const int copies = guard.runningCopies();
    if (copies >= 2) {
        const QString user = guard.otherUser();
        return fail(
            QStringLiteral("Corvalin is running on this computer%1; end it before importing a set-up. "
                           "Nothing was imported.")
                .arg(user.isEmpty() ? QString() : QStringLiteral(", started by the user ") + user));
    }
    if (copies == 0) {
        return fail(QStringLiteral("Whether Corvalin is running cannot be told (%1); nothing was imported.")
                        .arg(guard.problem()));
    }
    recoverSetup(paths);  // an import that was interrupted is finished or undone first
    const setup::Contents contents = setup::readSetup(file);
    if (!contents.ok()) {
        return fail(contents.refusal + QStringLiteral(". Nothing was imported."));
    }
    const QString description = setup::describeSetup(paths, contents);
    // With no copy running, this process is the files' one owner while it imports.
    SettingsStore store(paths.dataFolder());
    if (const QString why = store.importSetup(contents); !why.isEmpty()) {
        return fail(QStringLiteral("%1: %2").arg(shown(file), why));
    }
    print(stdout, QStringLiteral("The set-up in %1 was imported into %2.\n%3")
                      .arg(shown(file), QDir::toNativeSeparators(paths.own), description));
    return 0;
}

// Writes a new key pair's secret key to `file`, which must not exist: made 0600 by the call that
// creates it, so that no one else can open it at any moment; removed again when it cannot be
// written whole.
int makeKey(const QString& file) {
    const follow::KeyPair pair = follow::makeKeyPair();
    if (pair.publicKey.isEmpty()) {
        return fail(QStringLiteral("No key was made: libsodium cannot start."));
    }
    const QByteArray name = QFile::encodeName(file);
    const int fd = ::open(name.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0) {
        const int code = errno;
        if (code == EEXIST) {
            return fail(
                QStringLiteral("%1 exists already, and a key file is never written over; no key was made.")
                    .arg(shown(file)));
        }
        return fail(QStringLiteral("No key was made: %1 cannot be made (%2).")
                        .arg(shown(file), QString::fromLocal8Bit(std::strerror(code))));
    }
    int code = 0;
    for (qsizetype done = 0; done < pair.secretFile.size() && code == 0;) {
        const ssize_t written = ::write(fd, pair.secretFile.constData() + done,
                                        static_cast<size_t>(pair.secretFile.size() - done));
        if (written > 0) {
            done += written;
        } else if (written < 0 && errno != EINTR) {
            code = errno;
        }
    }
    if (code == 0 && ::fsync(fd) != 0) {
        code = errno;
    }
    if (::close(fd) != 0 && code == 0) {
        code = errno;
    }
    if (code != 0) {
        ::unlink(name.constData());
        return fail(QStringLiteral("No key was made: %1 could not be written (%2).")
                        .arg(shown(file), QString::fromLocal8Bit(std::strerror(code))));
    }
    print(stdout,
          QStringLiteral(
              "A new signing key was written to %1, readable by you alone. Keep it secret and keep a copy "
              "in a safe place: whoever has it can sign set-ups that every PC following them applies, "
              "and without it no set-up can be signed for them again.\n"
              "The public key, for each PC that follows the set-ups signed with it:")
              .arg(shown(file)));
    print(stdout, pair.publicKey);
    return 0;
}

// The secret key file `file`, or the reason it cannot sign.
QByteArray readKeyFile(const QString& file, QString* why) {
    QFile key(file);
    if (!key.open(QIODevice::ReadOnly)) {
        *why = QStringLiteral("the key file %1 cannot be read (%2)").arg(shown(file), key.errorString());
        return QByteArray();
    }
    const QByteArray bytes = key.read(kMaxKeyFile + 1);
    if (!follow::parseSecretKeyFile(bytes)) {
        *why = QStringLiteral("%1 is not a Corvalin secret key (--make-key makes one)").arg(shown(file));
        return QByteArray();
    }
    return bytes;
}

// A plain export leaves no signature beside it: an older `file`.sig, which cannot match the new
// set-up, is removed, so that nobody publishes the two together.
int removeOldSignature(const QString& file) {
    const QString signatureName = file + QStringLiteral(".sig");
    const QByteArray name = QFile::encodeName(signatureName);
    struct stat info {};
    if (::lstat(name.constData(), &info) != 0) {
        return 0;
    }
    if (S_ISDIR(info.st_mode) || ::unlink(name.constData()) != 0) {
        const int code = S_ISDIR(info.st_mode) ? EISDIR : errno;
        return fail(
            QStringLiteral("%1, the signature of an older set-up, does not match the new one and could "
                           "not be removed (%2); remove it before publishing %3.")
                .arg(shown(signatureName), QString::fromLocal8Bit(std::strerror(code)), shown(file)));
    }
    print(stdout, QStringLiteral("%1, the signature of an older set-up, was removed: it does not match "
                                 "the new one.")
                      .arg(shown(signatureName)));
    return 0;
}

// Exports the set-up to `file` and, with a key file, writes its signature to `file`.sig, the two
// readable by all (they are made to be published); without one, the set-up is the user's alone
// and an older signature beside it is removed. A key file that cannot sign is refused before
// anything is written.
int exportSetup(const QString& file, const QString& keyFile, const ProgramPaths& paths) {
    QByteArray secretFile;
    if (!keyFile.isEmpty()) {
        QString why;
        secretFile = readKeyFile(keyFile, &why);
        if (secretFile.isEmpty()) {
            return fail(QStringLiteral("The set-up was not exported: %1.").arg(why));
        }
    }
    recoverSetup(paths);  // never the files of an import half made
    const FileAccess access = secretFile.isEmpty() ? FileAccess::OwnerOnly : FileAccess::Published;
    if (const QString why = setup::exportSetup(paths, file, access); !why.isEmpty()) {
        return fail(QStringLiteral("The set-up was not exported: ") + why);
    }
    print(stdout, QStringLiteral("The set-up in %1 was exported to %2.")
                      .arg(QDir::toNativeSeparators(paths.own), shown(file)));
    if (secretFile.isEmpty()) {
        return removeOldSignature(file);
    }
    // What is signed is what was written, read back.
    QFile written(file);
    if (!written.open(QIODevice::ReadOnly)) {
        return fail(QStringLiteral("The set-up was not signed: %1 cannot be read back (%2).")
                        .arg(shown(file), written.errorString()));
    }
    const QByteArray bytes = written.readAll();
    QString why;
    const QByteArray signature = follow::signatureFile(bytes, secretFile, &why);
    const QString signatureName = file + QStringLiteral(".sig");
    if (signature.isEmpty() || !replaceWholeFile(signatureName, signature, &why, FileAccess::Published)) {
        return fail(QStringLiteral("The set-up was not signed: %1 could not be written (%2).")
                        .arg(shown(signatureName), why));
    }
    print(stdout, QStringLiteral("Its signature was written to %1; the two files are readable by all, to be "
                                 "published side by side.\n"
                                 "SHA-256 of the set-up: %2")
                      .arg(shown(signatureName), follow::sha256Hex(bytes)));
    return 0;
}

}  // namespace

bool asksForSetup(const QCommandLineParser& parser) {
    return parser.isSet(kExport) || parser.isSet(kImport) || parser.isSet(kMakeKey) || parser.isSet(kSign);
}

int runSetupCommand(const QCommandLineParser& parser, const ProgramPaths& paths) {
    if (parser.isSet(kMakeKey)) {
        if (parser.isSet(kExport) || parser.isSet(kImport) || parser.isSet(kSign)) {
            return fail(QStringLiteral("--make-key is given alone; nothing was done."));
        }
        return makeKey(parser.value(kMakeKey));
    }
    if (parser.isSet(kExport) && parser.isSet(kImport)) {
        return fail(QStringLiteral("--export and --import cannot be given together; nothing was done."));
    }
    if (parser.isSet(kSign) && !parser.isSet(kExport)) {
        return fail(QStringLiteral("--sign signs an export: give it with --export FILE; nothing was done."));
    }
    if (parser.isSet(kImport)) {
        return importSetup(parser.value(kImport), paths);
    }
    return exportSetup(parser.value(kExport), parser.isSet(kSign) ? parser.value(kSign) : QString(), paths);
}
