// The operator's manual in a window of its own: the contents on the left, the page on the right.
// The pages are inside the program (:/help/<language>/page.html, from assets/help/), so they are
// read without a network and without files beside the program.
#pragma once

#include <QDialog>
#include <QTextBrowser>
#include <functional>

class QLabel;
class QListWidget;
class QToolButton;

// A browser of the manual's pages: a page missing in the language in use is shown in English.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    using QTextBrowser::QTextBrowser;

protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;
};

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows `page` ("warnings.html"; the start page when empty), scrolled to `anchor` when given.
    void showPage(const QString& page, const QString& anchor = QString());
    QTextBrowser* browser() const { return m_browser; }
    QListWidget* contents() const { return m_contents; }

    // The pages of the contents list, in their order, the start page first.
    static QStringList pages();

private:
    void showCurrentInContents();

    QListWidget* m_contents;
    HelpBrowser* m_browser;
    QToolButton* m_back;
    QToolButton* m_forward;
    QToolButton* m_home;
};

// Opens the manual at `page` and `anchor` (the start page when empty): one window, brought to the
// front when it is open already.
void showHelp(QWidget* parent, const QString& page = QString(), const QString& anchor = QString());

// The address of a page of the manual in the language in use, else in English:
// "qrc:/help/de/today.html".
QUrl helpPageUrl(const QString& page);

// The anchor of the warnings page for the problem of `topic` ("bell card",
// "feed https://example.org/school.ics"): the page names one anchor per kind of lasting problem,
// "topic-" and the topic's fixed words, lower case, with a hyphen for any other character
// ("topic-bell-card", "topic-feed"). Empty for a problem of a moment or a topic the page lacks.
QString warningAnchor(const QString& topic);

// A small "What to do?" button at the right end of the warning line that opens the warnings page
// at the anchor of the topic `topicShown` gives (the page's top for a problem of a moment).
QToolButton* addWarningHelp(QLabel* warningLine, std::function<QString()> topicShown);
