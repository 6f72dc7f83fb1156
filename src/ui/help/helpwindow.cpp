// The operator's manual: its window, its pages in the language in use, and the way from a warning
// to what to do about it.
#include "ui/help/helpwindow.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kFolder = QStringLiteral(":/help/");
const QString kEnglish = QStringLiteral("en");
const QString kStartPage = QStringLiteral("index.html");
const QString kWarningsPage = QStringLiteral("warnings.html");

struct Page {
    const char* file;
    const char* title;
};

// The contents list, in the order of the start page's contents.
const Page kPages[] = {
    //: The manual's start page: its contents and the point of caution
    {"index.html", QT_TRANSLATE_NOOP("HelpWindow", "Start page")},
    {"week.html", QT_TRANSLATE_NOOP("HelpWindow", "Set up a week of bells")},
    {"interval.html", QT_TRANSLATE_NOOP("HelpWindow", "A day made from lessons")},
    {"today.html", QT_TRANSLATE_NOOP("HelpWindow", "Today's changes")},
    {"alarms.html", QT_TRANSLATE_NOOP("HelpWindow", "Alarm signals")},
    {"staffpage.html", QT_TRANSLATE_NOOP("HelpWindow", "The staff web page")},
    {"calendar.html", QT_TRANSLATE_NOOP("HelpWindow", "Calendar and feeds")},
    {"backup.html", QT_TRANSLATE_NOOP("HelpWindow", "Backup and moving to another PC")},
    {"follow.html", QT_TRANSLATE_NOOP("HelpWindow", "Following a district's set-up")},
    {"options.html", QT_TRANSLATE_NOOP("HelpWindow", "Options")},
    {"warnings.html", QT_TRANSLATE_NOOP("HelpWindow", "Warnings")},
};

// The two-letter code of the language in use: the one the installed translation names, else the
// locale's.
QString helpLanguage() {
    //: The folder of the operator's manual in this translation's language, its two-letter code
    //: (assets/help/<code>/): "de" for German. Left as it is, the desktop's language decides.
    const QString named = QCoreApplication::translate("HelpWindow", "help-language");
    return named != QLatin1String("help-language") ? named : QLocale().name().left(2);
}

// The page's file name from its address: "today.html" from "qrc:/help/de/today.html".
QString pageOf(const QUrl& url) {
    return url.path().section(QLatin1Char('/'), -1);
}

// "today's bells" -> "today-s-bells".
QString slugOf(const QString& text) {
    QString slug;
    bool apart = false;
    for (const QChar c : text.toLower()) {
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9'))) {
            if (apart && !slug.isEmpty()) {
                slug += QLatin1Char('-');
            }
            apart = false;
            slug += c;
        } else {
            apart = true;
        }
    }
    return slug;
}

// The topics the warnings page has an anchor for, as slugs; the English page names them all.
const QStringList& warningTopics() {
    static const QStringList topics = [] {
        QStringList found;
        QFile page(kFolder + kEnglish + QLatin1Char('/') + kWarningsPage);
        if (page.open(QIODevice::ReadOnly)) {
            static const QRegularExpression anchor(QStringLiteral("name=\"topic-([a-z0-9-]+)\""));
            for (const auto& match : anchor.globalMatch(QString::fromUtf8(page.readAll()))) {
                found.append(match.captured(1));
            }
        }
        return found;
    }();
    return topics;
}

QPointer<HelpWindow>& openWindow() {
    static QPointer<HelpWindow> window;
    return window;
}

}  // namespace

QUrl helpPageUrl(const QString& page) {
    const QString name = page.isEmpty() ? kStartPage : page;
    const QString language = helpLanguage();
    const bool translated = !language.isEmpty() && QFile::exists(kFolder + language + QLatin1Char('/') + name);
    return QUrl(QStringLiteral("qrc") + QLatin1Char(':') + kFolder.mid(1) + (translated ? language : kEnglish) +
                QLatin1Char('/') + name);
}

void HelpBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
    QUrl url = name;
    // A link of a translated page to a page not translated yet leads to the English one.
    if (url.scheme() == QLatin1String("qrc") && url.path().startsWith(kFolder.mid(1)) &&
        !QFile::exists(QLatin1Char(':') + url.path())) {
        const QString fragment = url.fragment();
        url = helpPageUrl(pageOf(url));
        if (!fragment.isEmpty()) {
            url.setFragment(fragment);
        }
    }
    QTextBrowser::doSetSource(url, type);
}

HelpWindow::HelpWindow(QWidget* parent)
    : QDialog(parent),
      m_contents(new QListWidget(this)),
      m_browser(new HelpBrowser(this)),
      m_back(new QToolButton(this)),
      m_forward(new QToolButton(this)),
      m_home(new QToolButton(this)) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(tr("Corvalin Help"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);

    m_contents->setObjectName(QStringLiteral("helpContents"));
    m_contents->setAccessibleName(tr("Contents"));
    m_contents->setAccessibleDescription(tr("The pages of the manual; choose one to read it"));
    for (const Page& page : kPages) {
        auto* item = new QListWidgetItem(tr(page.title), m_contents);
        item->setData(Qt::UserRole, QString::fromLatin1(page.file));
    }
    m_contents->setMinimumWidth(m_contents->sizeHintForColumn(0) + 2 * m_contents->frameWidth() + 8);

    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setAccessibleName(tr("Help page"));
    m_browser->setOpenExternalLinks(true);  // those open in the desktop's web browser
    m_browser->setTextInteractionFlags(Qt::TextBrowserInteraction);

    auto tool = [this](QToolButton* button, const char* name, const QString& text, QStyle::StandardPixmap icon,
                       const QKeySequence& key) {
        button->setObjectName(QString::fromLatin1(name));
        button->setText(text);
        button->setAccessibleName(text);
        button->setIcon(style()->standardIcon(icon));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setShortcut(key);
        button->setToolTip(QStringLiteral("%1 (%2)").arg(text, key.toString(QKeySequence::NativeText)));
        button->setFocusPolicy(Qt::StrongFocus);
    };
    tool(m_back, "helpBack", tr("Back"), QStyle::SP_ArrowBack, QKeySequence::Back);
    tool(m_forward, "helpForward", tr("Forward"), QStyle::SP_ArrowForward, QKeySequence::Forward);
    //: Goes to the manual's start page
    tool(m_home, "helpHome", tr("Start page"), QStyle::SP_DirHomeIcon, QKeySequence(Qt::ALT | Qt::Key_Home));
    m_back->setEnabled(false);
    m_forward->setEnabled(false);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("helpButtons"));

    auto* bar = new QHBoxLayout;
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addWidget(m_home);
    bar->addStretch();

    auto* split = new QSplitter(this);
    split->addWidget(m_contents);
    split->addWidget(m_browser);
    split->setStretchFactor(1, 1);
    split->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(split, 1);
    layout->addWidget(buttons);
    setTabOrder(m_contents, m_browser);
    setTabOrder(m_browser, m_back);
    setTabOrder(m_back, m_forward);
    setTabOrder(m_forward, m_home);
    setTabOrder(m_home, buttons->button(QDialogButtonBox::Close));

    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_home, &QToolButton::clicked, this, [this] { showPage(kStartPage); });
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::showCurrentInContents);
    connect(m_contents, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item && pageOf(m_browser->source()) != item->data(Qt::UserRole).toString()) {
            showPage(item->data(Qt::UserRole).toString());
        }
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    resize(860, 600);
    showPage(kStartPage);
}

QStringList HelpWindow::pages() {
    QStringList files;
    for (const Page& page : kPages) {
        files.append(QString::fromLatin1(page.file));
    }
    return files;
}

void HelpWindow::showPage(const QString& page, const QString& anchor) {
    QUrl url = helpPageUrl(page);
    const bool samePage = url == m_browser->source().adjusted(QUrl::RemoveFragment);
    if (!anchor.isEmpty()) {
        url.setFragment(anchor);
    }
    m_browser->setSource(url);
    if (samePage) {
        // The same page again: to its anchor, or back to its top.
        if (anchor.isEmpty()) {
            m_browser->moveCursor(QTextCursor::Start);
            m_browser->ensureCursorVisible();
        } else {
            m_browser->scrollToAnchor(anchor);
        }
    }
}

void HelpWindow::showCurrentInContents() {
    const QString page = pageOf(m_browser->source());
    for (int row = 0; row < m_contents->count(); ++row) {
        if (m_contents->item(row)->data(Qt::UserRole).toString() == page) {
            const QSignalBlocker quiet(m_contents);
            m_contents->setCurrentRow(row);
            return;
        }
    }
}

void showHelp(QWidget* parent, const QString& page, const QString& anchor) {
    QPointer<HelpWindow>& window = openWindow();
    if (!window) {
        window = new HelpWindow(parent);
        if (!parent) {
            window->setAttribute(Qt::WA_DeleteOnClose);
        }
    }
    window->showPage(page, anchor);
    if (window->isMinimized()) {
        window->showNormal();
    }
    window->show();
    window->raise();
    window->activateWindow();
}

QString warningAnchor(const QString& topic) {
    const QString slug = slugOf(topic);
    QString best;
    for (const QString& known : warningTopics()) {
        if ((slug == known || slug.startsWith(known + QLatin1Char('-'))) && known.size() > best.size()) {
            best = known;
        }
    }
    return best.isEmpty() ? QString() : QStringLiteral("topic-") + best;
}

QToolButton* addWarningHelp(QLabel* warningLine, std::function<QString()> topicShown) {
    auto* button = new QToolButton(warningLine);
    button->setObjectName(QStringLiteral("whatToDoButton"));
    button->setText(QCoreApplication::translate("HelpWindow", "What to do?"));
    button->setAccessibleName(button->text());
    button->setAccessibleDescription(
        QCoreApplication::translate("HelpWindow", "Opens the manual's page on this warning"));
    button->setCursor(Qt::PointingHandCursor);
    button->setAutoRaise(true);
    button->setStyleSheet(QStringLiteral(
        "QToolButton { color: #0b4f9c; text-decoration: underline; border: none; background: transparent; }"));
    // The button sits on the label, at its right end, and the text keeps clear of it.
    warningLine->setAttribute(Qt::WA_LayoutOnEntireRect);
    auto* row = new QHBoxLayout(warningLine);
    row->setSizeConstraint(QLayout::SetNoConstraint);
    row->setContentsMargins(0, 0, 6, 0);
    row->addStretch();
    row->addWidget(button, 0, Qt::AlignVCenter);
    QMargins margins = warningLine->contentsMargins();
    margins.setRight(margins.right() + button->sizeHint().width() + 6);
    warningLine->setContentsMargins(margins);
    QObject::connect(button, &QToolButton::clicked, warningLine, [warningLine, topicShown = std::move(topicShown)] {
        showHelp(warningLine->window(), kWarningsPage, warningAnchor(topicShown()));
    });
    return button;
}
