// The language of what the program says to a person: the operator's choice kept in the data
// folder ("language"), else the system's (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG), else English.
// "Original texts" shows the texts as they stand in the code, with no translation.
// The ring log, the settings files, D-Bus names, the status keys and the web page's API fields are
// never translated: scripts and support read them.
#pragma once

#include <QList>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace corvalin::language {

// The code kept for "Original texts".
inline constexpr char kOriginal[] = "original";

struct Shipped {
    QString code;  // "en", "ko", "de", "fr", "es": corvalin_<code>.qm
    QString name;  // the language's own name, as its speakers write it
};
// The translations that come with the program, in the order a menu lists them.
const QList<Shipped>& shipped();

// The shipped language the environment asks for: LANGUAGE (a colon-separated list, each tried in
// turn), then LC_ALL, LC_MESSAGES and LANG; "de_AT.UTF-8" and "de" are both German. English when
// none of them names a shipped language (C and POSIX name none).
QString fromSystem(const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// The operator's choice kept in `dataFolder`: a shipped code or kOriginal; empty when there is none
// (or the file says something else), which is the system's language.
QString chosen(const QString& dataFolder);
// Keeps the choice (a shipped code or kOriginal; empty removes it, back to the system's language).
// False with `why` when it could not be kept.
bool choose(const QString& dataFolder, const QString& code, QString* why = nullptr);

// The language in use: the choice kept in `dataFolder`, else the system's.
QString inUse(const QString& dataFolder,
              const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// The folders the program's translations are looked for in, first found first: translations/ in
// the shared folder (beside the program, or the installed share folder).
QStringList translationFolders(const QString& sharedFolder);

// Installs the translators of `code` into `app`: the program's own corvalin_<code>.qm from the
// first of `folders` that has it, and Qt's own (qtbase_<code>.qm, for its dialogs and standard
// buttons). Nothing for kOriginal. Returns false when the program's own translation was not found;
// Qt's own then still follows the language.
bool install(QCoreApplication& app, const QString& code, const QStringList& folders);
// The language install() was last given ("original" before any), for what is made for others in
// it (the staff web page's texts).
QString installed();

}  // namespace corvalin::language
