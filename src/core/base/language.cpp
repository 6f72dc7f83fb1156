#include "core/base/language.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include "core/base/wholefile.h"

namespace corvalin::language {

namespace {

QString fileOf(const QString& dataFolder) {
    return dataFolder + QStringLiteral("/language");
}

bool isShipped(const QString& code) {
    for (const Shipped& language : shipped()) {
        if (language.code == code) {
            return true;
        }
    }
    return false;
}

// "de_AT.UTF-8@euro" -> "de"; "C", "POSIX" and empty name no language.
QString codeOf(QString locale) {
    locale = locale.trimmed();
    const qsizetype end = locale.indexOf(QRegularExpression(QStringLiteral("[_.@-]")));
    if (end >= 0) {
        locale.truncate(end);
    }
    return locale.toLower();
}

}  // namespace

const QList<Shipped>& shipped() {
    static const QList<Shipped> languages{
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("ko"), QStringLiteral("한국어")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("es"), QStringLiteral("Español")},
    };
    return languages;
}

QString fromSystem(const QProcessEnvironment& environment) {
    // LANGUAGE is a list of preferences that comes first, also with a C locale (gettext would
    // ignore it there; a person who sets it means it).
    QStringList asked = environment.value(QStringLiteral("LANGUAGE")).split(u':', Qt::SkipEmptyParts);
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = environment.value(QString::fromLatin1(name));
        if (!value.isEmpty()) {
            asked << value;
            break;
        }
    }
    for (const QString& one : std::as_const(asked)) {
        const QString code = codeOf(one);
        if (isShipped(code)) {
            return code;
        }
    }
    return QStringLiteral("en");
}

QString chosen(const QString& dataFolder) {
    const std::optional<QByteArray> kept = readWholeFile(fileOf(dataFolder), 64);
    if (!kept) {
        return {};
    }
    const QString code = QString::fromLatin1(kept->trimmed());
    return code == QLatin1String(kOriginal) || isShipped(code) ? code : QString();
}

bool choose(const QString& dataFolder, const QString& code, QString* why) {
    if (code.isEmpty()) {
        QFile file(fileOf(dataFolder));
        if (file.exists() && !file.remove()) {
            if (why) {
                *why = file.errorString();
            }
            return false;
        }
        return true;
    }
    if (code != QLatin1String(kOriginal) && !isShipped(code)) {
        if (why) {
            *why = QStringLiteral("no translation for \"%1\" comes with the program").arg(code);
        }
        return false;
    }
    return replaceWholeFile(fileOf(dataFolder), code.toLatin1() + '\n', why);
}

QString inUse(const QString& dataFolder, const QProcessEnvironment& environment) {
    const QString choice = chosen(dataFolder);
    return choice.isEmpty() ? fromSystem(environment) : choice;
}

QStringList translationFolders(const QString& sharedFolder) {
    return {sharedFolder + QStringLiteral("/translations")};
}

namespace {
QString g_installed = QString::fromLatin1(kOriginal);
}

QString installed() {
    return g_installed;
}

bool install(QCoreApplication& app, const QString& code, const QStringList& folders) {
    g_installed = code.isEmpty() ? QString::fromLatin1(kOriginal) : code;
    if (code == QLatin1String(kOriginal) || code.isEmpty()) {
        return true;
    }
    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    auto* own = new QTranslator(&app);
    for (const QString& folder : folders) {
        if (own->load(QStringLiteral("corvalin_") + code, folder)) {
            QCoreApplication::installTranslator(own);
            return true;
        }
    }
    delete own;
    return false;
}

}  // namespace corvalin::language
