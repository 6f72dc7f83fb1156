// Saves two different versions of a settings file in turns, as fast as it can, until killed.
// Used to show that a save cut off at any moment leaves a whole file behind.
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "core/schedule/settingsstore.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        return 2;
    }
    SettingsStore store(QString::fromLocal8Bit(argv[1]));
    const QStringList first{" 0 ", "-1 ", " 2 ", " 1 ", " 0 ", " 1 ", " 0 ", " 0 "};
    QStringList second;
    for (int i = 0; i < 400; ++i) {
        second.append(QStringLiteral("%1hr %2min/a rather long bell sound name number %3.wav")
                          .arg(i % 24, 2, 10, QLatin1Char('0'))
                          .arg(i % 60, 2, 10, QLatin1Char('0'))
                          .arg(i));
    }
    store.write(QStringLiteral("data.ini"), first);
    std::puts("ready");
    std::fflush(stdout);
    for (unsigned long n = 0;; ++n) {
        store.write(QStringLiteral("data.ini"), n % 2 ? first : second);
    }
}
