// Export and import of the set-up from the command line.
#include "app/setupcommand.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

#include "app/startup.h"
#include "base/programpaths.h"
#include "bells/linux/instanceguard_local.h"
#include "schedule/setuparchive.h"

namespace setup = corvalin::setup;

namespace {

const QString kExport = QStringLiteral("export");
const QString kImport = QStringLiteral("import");

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
    if (const QString why = setup::applySetup(paths, contents); !why.isEmpty()) {
        return fail(QStringLiteral("%1: %2").arg(shown(file), why));
    }
    print(stdout, QStringLiteral("The set-up in %1 was imported into %2.\n%3")
                      .arg(shown(file), QDir::toNativeSeparators(paths.own), description));
    return 0;
}

}  // namespace

bool asksForSetup(const QCommandLineParser& parser) {
    return parser.isSet(kExport) || parser.isSet(kImport);
}

int runSetupCommand(const QCommandLineParser& parser, const ProgramPaths& paths) {
    if (parser.isSet(kExport) && parser.isSet(kImport)) {
        return fail(QStringLiteral("--export and --import cannot be given together; nothing was done."));
    }
    if (parser.isSet(kImport)) {
        return importSetup(parser.value(kImport), paths);
    }
    const QString file = parser.value(kExport);
    recoverSetup(paths);  // never the files of an import half made
    if (const QString why = setup::exportSetup(paths, file); !why.isEmpty()) {
        return fail(QStringLiteral("The set-up was not exported: ") + why);
    }
    print(stdout, QStringLiteral("The set-up in %1 was exported to %2.")
                      .arg(QDir::toNativeSeparators(paths.own), shown(file)));
    return 0;
}
