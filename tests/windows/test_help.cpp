// The operator's manual: every page is inside the program, every link between its pages and every
// anchor a link names is there, and the warnings page has an anchor for every kind of lasting
// problem the program can report.
#include <QDirIterator>
#include <QRegularExpression>
#include <QtTest>

#include "ui/help/helpwindow.h"

namespace {

QString readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList captured(const QRegularExpression& pattern, const QString& text) {
    QStringList all;
    for (const auto& match : pattern.globalMatch(text)) {
        all.append(match.captured(1));
    }
    return all;
}

}  // namespace

class TestHelp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pagesAndLinks() {
        const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
        const QRegularExpression name(QStringLiteral("name=\"([^\"]*)\""));
        QStringList pages;
        QDirIterator it(QStringLiteral(":/help"), {QStringLiteral("*.html")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            pages.append(it.next());
        }
        for (const QString& listed : HelpWindow::pages()) {
            QVERIFY2(pages.contains(QStringLiteral(":/help/en/") + listed), qPrintable(listed));
        }
        QStringList broken;
        for (const QString& page : pages) {
            const QUrl at(QStringLiteral("qrc") + page);
            HelpBrowser browser;
            browser.setSource(at);
            if (browser.document()->isEmpty() || browser.documentTitle().isEmpty()) {
                broken.append(page + QStringLiteral(": no text or no title"));
            }
            for (const QString& link : captured(href, readAll(page))) {
                const QUrl target = at.resolved(QUrl(link));
                if (target.scheme() != QLatin1String("qrc")) {
                    continue;  // opened in the desktop's browser
                }
                const QString file = QLatin1Char(':') + target.path();
                if (!QFile::exists(file)) {
                    broken.append(page + QStringLiteral(" -> ") + link);
                } else if (target.hasFragment() && !captured(name, readAll(file)).contains(target.fragment())) {
                    broken.append(page + QStringLiteral(" -> ") + link + QStringLiteral(" (no such anchor)"));
                }
            }
        }
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QStringLiteral("\n"))));
    }

    // The topics are read from the sources: the literal a topic is made of, where a variable or a
    // function named ...topic... gets it, or where lastingProblem() is given it. A literal ending
    // in a space is followed by an address or a file name.
    void everyLastingProblemHasItsAnchor() {
        const QRegularExpression made(QStringLiteral(
            "\\w*[Tt]opic\\w*\\s*(?:\\([^)]*\\)\\s*(?:const\\s*)?\\{\\s*return\\s+|=\\s*)QStringLiteral\\(\"([^\"]*)\"\\)"));
        const QRegularExpression given(QStringLiteral("lastingProblem\\(\\s*QStringLiteral\\(\"([^\"]*)\"\\)"));
        QStringList topics;
        for (const char* folder : {"/src/core", "/src/app"}) {
            QDirIterator it(QStringLiteral(CORVALIN_SOURCE_DIR) + QLatin1String(folder),
                            {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString source = readAll(it.next());
                topics += captured(made, source) + captured(given, source);
            }
        }
        topics.removeDuplicates();
        QVERIFY2(topics.size() >= 15, qPrintable(topics.join(QStringLiteral(", "))));
        QStringList missing;
        for (const QString& topic : topics) {
            const QString slug =
                topic.toLower().replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
            const QString expected = QStringLiteral("topic-") + slug.section(QLatin1Char('-'), 0, -1,
                                                                             QString::SectionSkipEmpty);
            const QString told = topic.endsWith(QLatin1Char(' ')) ? topic + QStringLiteral("https://example.org/a.ics")
                                                                  : topic;
            if (warningAnchor(told) != expected) {
                missing.append(QStringLiteral("\"%1\": %2, not %3").arg(told, warningAnchor(told), expected));
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral("\n"))));
    }
};

QTEST_MAIN(TestHelp)
#include "test_help.moc"
