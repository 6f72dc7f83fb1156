// Whole-file replacement.
#include "base/wholefile.h"

#include <QSaveFile>

bool replaceWholeFile(const QString& path, const QByteArray& bytes, QString* why) {
    QSaveFile file(path);
    auto failed = [&] {
        if (why) {
            *why = file.errorString();
        }
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly)) {
        return failed();
    }
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        return failed();
    }
    if (!file.commit()) {
        if (why) {
            *why = file.errorString();
        }
        return false;
    }
    return true;
}
