// The staff web page's switch: two lines, "on" or "off", and where it listens ("8443",
// "192.0.2.1:8443").
#include "core/web/webswitch.h"

#include <QDir>

#include "core/base/wholefile.h"

namespace corvalin::web {

namespace {

QString pathIn(const QString& dataFolder) {
    return QDir(dataFolder).filePath(QLatin1String(kSwitchFile));
}

}  // namespace

WebSwitch readSwitch(const QString& dataFolder, QString* problem) {
    WebSwitch result;
    QString why;
    const auto bytes = readWholeFile(pathIn(dataFolder), 4096, &why);
    if (!bytes) {
        if (problem && !why.isEmpty()) {
            *problem = unreadFileText(pathIn(dataFolder), why);
        }
        return result;
    }
    const QStringList lines = QString::fromUtf8(*bytes).split(QLatin1Char('\n'));
    const auto listen = listenOf(lines.value(1), &why);
    if (!listen || (lines.value(0).trimmed() != QStringLiteral("on") && lines.value(0).trimmed() != QStringLiteral("off"))) {
        if (problem) {
            *problem = QStringLiteral("%1 is not as the program writes it: the staff web page stays off").arg(pathIn(dataFolder));
        }
        return result;
    }
    result.on = lines.value(0).trimmed() == QStringLiteral("on");
    result.listen = *listen;
    return result;
}

QString writeSwitch(const QString& dataFolder, const WebSwitch& webSwitch) {
    const QByteArray bytes = (webSwitch.on ? QByteArrayLiteral("on\n") : QByteArrayLiteral("off\n")) +
                             listenText(webSwitch.listen).toUtf8() + '\n';
    QString why;
    if (!makeFolder(dataFolder)) {
        return QStringLiteral("the data folder %1 could not be made").arg(dataFolder);
    }
    if (!replaceWholeFile(pathIn(dataFolder), bytes, &why, FileAccess::OwnerOnly)) {
        return QStringLiteral("%1 could not be written: %2").arg(pathIn(dataFolder), why);
    }
    return {};
}

}  // namespace corvalin::web
