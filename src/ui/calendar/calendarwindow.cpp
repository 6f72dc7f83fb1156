// The calendar window.
#include "ui/calendar/calendarwindow.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QTextCharFormat>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <utility>

#include "core/ports/clock.h"
#include "ui/calendar/datebox.h"
#include "core/calendar/icalimport.h"
#include "ui/calendar/icspreview.h"
#include "core/calendar/schoolcalendar.h"
#include "ui/widgets/dialogs.h"

namespace cal = corvalin::calendar;

namespace {

// Larger files are not calendars a school publishes. Importing one of this size made of the
// costliest lines the import's bounds let through peaks at 263 MiB resident, the file included
// (bench/bench_import); before those bounds libical alone took 2.9 GB for 16 MB of repeat rules.
constexpr qint64 kLargestIcs = 16 * 1024 * 1024;

template <typename T>
T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QDateEdit* dateBox(const char* name, QWidget* parent) {
    auto* box = named(new DateBox(parent), name);
    box->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    box->setCalendarPopup(true);
    box->setMinimumDate(QDate(2000, 1, 1));
    box->setMaximumDate(QDate(9999, 12, 31));
    return box;
}

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

QString date(const cal::Date& day) {
    return text(cal::formatDate(day));
}

}  // namespace

QString CalendarWindow::actionShown(int what) {
    if (what == cal::kNoBells) {
        //: What happens on the exception's days: no bell rings
        return tr("no bells");
    }
    //: "ring template %1": the bells of stored time list %1 ring
    return tr("ring templet %1").arg(what);
}

QString CalendarWindow::daysShown(const cal::DateException& e) {
    //: From one day to another, both included (the days are written yyyy-MM-dd)
    return e.first == e.last ? date(e.first) : tr("%1 to %2").arg(date(e.first), date(e.last));
}

QString CalendarWindow::summaryShown(const cal::DateException& e) {
    //: An exception's label, then what happens on its days
    return e.label.empty() ? actionShown(e.what) : tr("%1: %2").arg(text(e.label), actionShown(e.what));
}

CalendarWindow::CalendarWindow(SchoolCalendar* calendar, Dialogs* dialogs, Clock* clock, QWidget* parent)
    : QDialog(parent), m_calendar(calendar), m_dialogs(dialogs), m_clock(clock) {
    setObjectName(QStringLiteral("calendar"));
    setWindowTitle(tr("Calendar"));

    monthView = named(new QCalendarWidget(this), "monthView");
    monthView->setGridVisible(true);
    monthView->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    monthView->setAccessibleName(tr("Month"));
    monthView->setAccessibleDescription(tr("Exception days are marked; choosing a day chooses the exception that "
                                           "decides it, or puts the day into the first and last day boxes"));
    exceptionList = named(new QTreeWidget(this), "exceptionList");
    //: Column heads of the list of date exceptions: the days, what happens on them, their label
    exceptionList->setHeaderLabels({tr("Days"), tr("What"), tr("Label")});
    exceptionList->setRootIsDecorated(false);
    exceptionList->setUniformRowHeights(true);
    exceptionList->setSelectionMode(QAbstractItemView::SingleSelection);
    exceptionList->header()->setStretchLastSection(true);
    exceptionList->setMinimumWidth(480);
    subscriptionList = named(new QTreeWidget(this), "subscriptionList");
    //: Column heads of the list of subscribed calendars
    subscriptionList->setHeaderLabels({tr("Subscription"), tr("Address"), tr("State")});
    subscriptionList->setRootIsDecorated(false);
    subscriptionList->setUniformRowHeights(true);
    subscriptionList->setSelectionMode(QAbstractItemView::SingleSelection);
    subscriptionList->header()->setStretchLastSection(true);
    subscriptionList->setMaximumHeight(110);

    firstDay = dateBox("firstDay", this);
    lastDay = dateBox("lastDay", this);
    what = named(new QComboBox(this), "what");
    what->addItem(actionShown(cal::kNoBells));
    for (int k = 1; k <= cal::kLastTemplate; ++k) {
        what->addItem(actionShown(k));
    }
    label = named(new QLineEdit(this), "label");
    label->setMaxLength(cal::kLongestLabel);
    label->setPlaceholderText(tr("for example Winter holidays"));

    //: Adds a date exception
    addException = named(new QPushButton(tr("Add"), this), "addException");
    //: Changes the chosen date exception
    changeException = named(new QPushButton(tr("Change"), this), "changeException");
    //: Deletes the chosen date exception
    deleteException = named(new QPushButton(tr("Delete"), this), "deleteException");
    importIcs = named(new QPushButton(tr("Import iCalendar..."), this), "importIcs");
    subscribeFeed = named(new QPushButton(tr("Subscribe..."), this), "subscribeFeed");
    //: Fetches the subscribed calendars again
    refreshFeeds = named(new QPushButton(tr("Refresh"), this), "refreshFeeds");
    refreshFeeds->setToolTip(tr("Fetch the subscribed calendars again now"));
    refreshFeeds->setAccessibleDescription(refreshFeeds->toolTip());
    unsubscribeFeed = named(new QPushButton(tr("Unsubscribe"), this), "unsubscribeFeed");
    unsubscribeFeed->setToolTip(tr("End the subscription chosen in the list and delete its days"));
    unsubscribeFeed->setAccessibleDescription(unsubscribeFeed->toolTip());
    closeCalendar = named(new QPushButton(tr("Close"), this), "closeCalendar");

    // The editors' labels name them for a screen reader, as the lists' labels do.
    auto buddy = [this](const QString& caption, QWidget* control) {
        auto* tag = new QLabel(caption, this);
        tag->setBuddy(control);
        control->setAccessibleName(caption);
        return tag;
    };
    auto* editor = new QGridLayout;
    editor->addWidget(buddy(tr("First day"), firstDay), 0, 0);
    editor->addWidget(firstDay, 0, 1);
    editor->addWidget(buddy(tr("Last day"), lastDay), 0, 2);
    editor->addWidget(lastDay, 0, 3);
    //: What happens on the exception's days
    editor->addWidget(buddy(tr("What"), what), 0, 4);
    editor->addWidget(what, 0, 5);
    //: The exception's own name, such as "Winter holidays"
    editor->addWidget(buddy(tr("Label"), label), 1, 0);
    editor->addWidget(label, 1, 1, 1, 6);
    editor->setColumnStretch(6, 1);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {addException, changeException, deleteException}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    for (QPushButton* button : {importIcs, subscribeFeed, refreshFeeds, closeCalendar}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }

    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(buddy(tr("Date exceptions"), exceptionList));
    listColumn->addWidget(exceptionList, 1);
    auto* subscriptionRow = new QHBoxLayout;
    subscriptionRow->addWidget(buddy(tr("Subscriptions"), subscriptionList), 1);
    unsubscribeFeed->setAutoDefault(false);
    subscriptionRow->addWidget(unsubscribeFeed);
    listColumn->addLayout(subscriptionRow);
    listColumn->addWidget(subscriptionList);
    auto* top = new QHBoxLayout;
    top->addWidget(monthView);
    top->addLayout(listColumn, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(editor);
    layout->addLayout(buttons);
    // Unsubscribe acts on the subscription list: it comes right after it.
    setTabOrder(subscriptionList, unsubscribeFeed);
    setTabOrder(unsubscribeFeed, firstDay);

    connect(addException, &QPushButton::clicked, this, &CalendarWindow::addException_Click);
    connect(changeException, &QPushButton::clicked, this, &CalendarWindow::changeException_Click);
    connect(deleteException, &QPushButton::clicked, this, &CalendarWindow::deleteException_Click);
    connect(importIcs, &QPushButton::clicked, this, &CalendarWindow::importIcs_Click);
    connect(subscribeFeed, &QPushButton::clicked, this, &CalendarWindow::subscribeFeed_Click);
    connect(refreshFeeds, &QPushButton::clicked, this, &CalendarWindow::refreshRequested);
    connect(unsubscribeFeed, &QPushButton::clicked, this, &CalendarWindow::unsubscribeFeed_Click);
    connect(closeCalendar, &QPushButton::clicked, this, &QWidget::hide);
    connect(exceptionList, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        exceptionList_Change(exceptionList->indexOfTopLevelItem(item));
    });
    connect(monthView, &QCalendarWidget::clicked, this, &CalendarWindow::monthView_Click);
    // From the keyboard: the arrow keys move to a day, Enter chooses it as a click does.
    connect(monthView, &QCalendarWidget::activated, this, &CalendarWindow::monthView_Click);
    connect(monthView, &QCalendarWidget::currentPageChanged, this, &CalendarWindow::markMonth);
    connect(m_calendar, &SchoolCalendar::changed, this, &CalendarWindow::showExceptions);

    const QDate today = m_clock->now().date();
    monthView->setSelectedDate(today);
    firstDay->setDate(today);
    lastDay->setDate(today);
    showExceptions();
}

void CalendarWindow::showExceptions() {
    const QSignalBlocker quiet(exceptionList);
    exceptionList->clear();
    for (const auto& e : m_calendar->exceptions()) {
        new QTreeWidgetItem(exceptionList, {daysShown(e), actionShown(e.what), text(e.label)});
    }
    // The subscribed days, as the feed has them: they change with the feed, not here.
    for (const auto& s : m_calendar->subscribed()) {
        auto* row = new QTreeWidgetItem(
            exceptionList, {daysShown(s.exception), actionShown(s.exception.what),
                            //: A subscribed day's label, then the subscription's name
                            tr("%1 (subscribed: %2)").arg(text(s.exception.label), s.subscription)});
        row->setForeground(0, palette().brush(QPalette::Disabled, QPalette::Text));
        row->setForeground(1, palette().brush(QPalette::Disabled, QPalette::Text));
        row->setForeground(2, palette().brush(QPalette::Disabled, QPalette::Text));
        row->setToolTip(2, tr("From the subscription \"%1\"; it changes when the feed does").arg(s.subscription));
    }
    exceptionList->resizeColumnToContents(0);
    exceptionList->resizeColumnToContents(1);
    markMonth(monthView->yearShown(), monthView->monthShown());
    showSubscriptions();
}

void CalendarWindow::showSubscriptions() {
    const int chosen = subscriptionList->currentIndex().row();
    subscriptionList->clear();
    const auto& all = m_calendar->subscriptions();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const QString state = m_calendar->subscriptionState(i);
        auto* row = new QTreeWidgetItem(subscriptionList, {all[i].label, all[i].address, state});
        row->setToolTip(2, state);
        row->setToolTip(1, all[i].address);
    }
    subscriptionList->resizeColumnToContents(0);
    subscriptionList->setCurrentItem(subscriptionList->topLevelItem(chosen));
    unsubscribeFeed->setEnabled(!all.empty());
}

void CalendarWindow::unsubscribeFeed_Click() {
    QTreeWidgetItem* item = subscriptionList->currentItem();
    const int row = item && item->isSelected() ? subscriptionList->indexOfTopLevelItem(item) : -1;
    if (row < 0 || static_cast<std::size_t>(row) >= m_calendar->subscriptions().size()) {
        m_dialogs->warning(this, tr("Select the subscription to end in the list."));
        return;
    }
    endSubscription(static_cast<std::size_t>(row));
}

void CalendarWindow::endSubscription(std::size_t index) {
    const Subscription& s = m_calendar->subscriptions()[index];
    const auto answer = m_dialogs->message(
        this, tr("Delete"),
        tr("These days come from the subscription \"%1\" (%2). End the subscription and "
           "delete all its days?")
            .arg(s.label, s.address),
        Dialogs::Icon::Question, Dialogs::Buttons::YesNo);
    if (answer == Dialogs::Answer::Yes) {
        m_calendar->unsubscribe(index);
    }
}

// The days of the month on view, and the days of the months beside it that the grid shows.
void CalendarWindow::markMonth(int year, int month) {
    monthView->setDateTextFormat(QDate(), QTextCharFormat());
    const QDate first(year, month, 1);
    for (QDate d = first.addDays(-7); d <= first.addMonths(1).addDays(14); d = d.addDays(1)) {
        const auto e = m_calendar->exceptionOn(d);
        if (!e) {
            continue;
        }
        QTextCharFormat format;
        format.setFontWeight(QFont::Bold);
        format.setBackground(e->what == cal::kNoBells ? QColor(244, 199, 195) : QColor(255, 232, 163));
        format.setToolTip(summaryShown(*e));
        monthView->setDateTextFormat(d, format);
    }
}

int CalendarWindow::selectedRow() const {
    QTreeWidgetItem* item = exceptionList->currentItem();
    return item && item->isSelected() ? exceptionList->indexOfTopLevelItem(item) : -1;
}

void CalendarWindow::selectRow(int row) {
    QTreeWidgetItem* item = exceptionList->topLevelItem(row);
    exceptionList->setCurrentItem(item);
    if (!item) {
        exceptionList->clearSelection();
    }
}

const SchoolCalendar::Subscribed* CalendarWindow::subscribedRow(int row) const {
    const auto own = static_cast<int>(m_calendar->exceptions().size());
    const auto& subscribed = m_calendar->subscribed();
    if (row < own || row - own >= static_cast<int>(subscribed.size())) {
        return nullptr;
    }
    return &subscribed[static_cast<std::size_t>(row - own)];
}

void CalendarWindow::exceptionList_Change(int row) {
    const auto& all = m_calendar->exceptions();
    const SchoolCalendar::Subscribed* fromFeed = subscribedRow(row);
    if (row < 0 || (static_cast<std::size_t>(row) >= all.size() && !fromFeed)) {
        return;
    }
    const auto& e = fromFeed ? fromFeed->exception : all[static_cast<std::size_t>(row)];
    firstDay->setDate(cal::toQDate(e.first));
    lastDay->setDate(cal::toQDate(e.last));
    what->setCurrentIndex(e.what);
    label->setText(text(e.label));
    monthView->setCurrentPage(static_cast<int>(e.first.year()), static_cast<int>(unsigned(e.first.month())));
}

void CalendarWindow::monthView_Click(const QDate& day) {
    const auto& all = m_calendar->exceptions();
    if (const auto index = cal::decidingException(all, cal::fromQDate(day))) {
        selectRow(static_cast<int>(*index));
        return;
    }
    std::vector<cal::DateException> subscribed;
    for (const auto& s : m_calendar->subscribed()) {
        subscribed.push_back(s.exception);
    }
    if (const auto index = cal::decidingException(subscribed, cal::fromQDate(day))) {
        selectRow(static_cast<int>(all.size() + *index));
        return;
    }
    selectRow(-1);
    firstDay->setDate(day);
    lastDay->setDate(day);
}

std::optional<cal::DateException> CalendarWindow::exceptionOnScreen() {
    // A day still being typed ("3", which may become 30) counts as typed.
    firstDay->interpretText();
    lastDay->interpretText();
    if (lastDay->date() < firstDay->date()) {
        m_dialogs->warning(this, tr("The last day must not be before the first day."));
        return std::nullopt;
    }
    return cal::DateException{cal::fromQDate(firstDay->date()), cal::fromQDate(lastDay->date()),
                              what->currentIndex(), cal::cleanLabel(label->text())};
}

void CalendarWindow::addException_Click() {
    const auto e = exceptionOnScreen();
    if (!e) {
        return;
    }
    if (!m_calendar->add(*e)) {
        //: Refuses a second exception with the same days: what it does, then its days
        m_dialogs->warning(this, tr("The calendar already holds %1 for %2.").arg(actionShown(e->what), daysShown(*e)));
        return;
    }
    const auto& all = m_calendar->exceptions();
    selectRow(static_cast<int>(std::find(all.begin(), all.end(), *e) - all.begin()));
}

void CalendarWindow::changeException_Click() {
    const int row = selectedRow();
    if (row < 0) {
        m_dialogs->warning(this, tr("Select the exception to change in the list."));
        return;
    }
    if (const auto* fromFeed = subscribedRow(row)) {
        m_dialogs->warning(this, tr("These days come from the subscription \"%1\" and change with "
                                    "it. Add an exception of your own for them instead: it "
                                    "decides before the subscription.")
                                     .arg(fromFeed->subscription));
        return;
    }
    const auto e = exceptionOnScreen();
    if (!e) {
        return;
    }
    if (!m_calendar->change(static_cast<std::size_t>(row), *e)) {
        //: Refuses a second exception with the same days: what it does, then its days
        m_dialogs->warning(this, tr("The calendar already holds %1 for %2.").arg(actionShown(e->what), daysShown(*e)));
        return;
    }
    const auto& all = m_calendar->exceptions();
    selectRow(static_cast<int>(std::find(all.begin(), all.end(), *e) - all.begin()));
}

void CalendarWindow::deleteException_Click() {
    const int row = selectedRow();
    const auto& all = m_calendar->exceptions();
    if (const auto* fromFeed = subscribedRow(row)) {
        // A subscribed day goes only with its whole subscription.
        const QString name = fromFeed->subscription;
        const auto& subscriptions = m_calendar->subscriptions();
        const auto found = std::find_if(subscriptions.begin(), subscriptions.end(),
                                        [&name](const Subscription& s) { return s.label == name; });
        if (found != subscriptions.end()) {
            endSubscription(static_cast<std::size_t>(found - subscriptions.begin()));
        }
        return;
    }
    if (row < 0 || static_cast<std::size_t>(row) >= all.size()) {
        m_dialogs->warning(this, tr("Select the exception to delete in the list."));
        return;
    }
    const auto& e = all[static_cast<std::size_t>(row)];
    const auto answer = m_dialogs->message(
        this, tr("Delete"),
        //: Asks before an exception is deleted: its label and what it does, then its days
        tr("Delete %1 (%2)?").arg(summaryShown(e), daysShown(e)),
        Dialogs::Icon::Question, Dialogs::Buttons::YesNo);
    if (answer == Dialogs::Answer::Yes) {
        m_calendar->remove(static_cast<std::size_t>(row));
    }
}

void CalendarWindow::subscribeFeed_Click() {
    QDialog ask(this);
    ask.setObjectName(QStringLiteral("subscribeDialog"));
    ask.setWindowTitle(tr("Subscribe to a calendar"));
    auto* address = named(new QLineEdit(&ask), "feedAddress");
    address->setPlaceholderText(tr("https://... or webcal://... of an iCalendar feed"));
    address->setMinimumWidth(420);
    auto* name = named(new QLineEdit(&ask), "feedLabel");
    name->setMaxLength(cal::kLongestLabel);
    name->setPlaceholderText(tr("for example School holidays"));
    auto* ok = named(new QPushButton(tr("Subscribe"), &ask), "feedOk");
    auto* cancel = named(new QPushButton(tr("Cancel"), &ask), "feedCancel");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, &ask, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, &ask, &QDialog::reject);
    auto* form = new QGridLayout(&ask);
    //: The web address of the calendar to subscribe to
    auto* addressTag = new QLabel(tr("Address"), &ask);
    //: The name the subscription goes by
    auto* nameTag = new QLabel(tr("Label"), &ask);
    addressTag->setBuddy(address);
    nameTag->setBuddy(name);
    address->setAccessibleName(addressTag->text());
    name->setAccessibleName(nameTag->text());
    form->addWidget(addressTag, 0, 0);
    form->addWidget(address, 0, 1, 1, 2);
    form->addWidget(nameTag, 1, 0);
    form->addWidget(name, 1, 1, 1, 2);
    auto* about = new QLabel(tr("All-day events of the calendar become days without bells. "
                                "It is fetched now, at every start and once a day."),
                             &ask);
    about->setWordWrap(true);
    address->setAccessibleDescription(about->text());
    form->addWidget(about, 2, 0, 1, 3);
    form->addWidget(ok, 3, 1);
    form->addWidget(cancel, 3, 2);
    m_dialogs->showModal(&ask);
    if (ask.result() == QDialog::Accepted) {
        subscribe(address->text(), name->text());
    }
}

void CalendarWindow::subscribe(const QString& address, const QString& name) {
    if (const QString why = m_calendar->subscribe(address, name); !why.isEmpty()) {
        m_dialogs->warning(this, tr("The calendar was not subscribed to: %1.").arg(why));
        return;
    }
    Q_EMIT subscribed(cleanAddress(address));
}

void CalendarWindow::importIcs_Click() {
    const QString path =
        m_dialogs->openFileName(this, tr("Import iCalendar"),
                                //: File dialog filters: keep the patterns in brackets as they are
                                tr("iCalendar files (*.ics *.ical);;All files (*)"));
    if (!path.isEmpty()) {
        importFile(path);
    }
}

namespace {

// What the worker makes of a file: refused (before libical saw it, or by the import) or read.
struct FileImport {
    QString refusal;
    cal::IcsImport found;
};

FileImport readAndImport(const QString& path, const cal::Date& today, const std::atomic<bool>* cancel,
                         std::chrono::steady_clock::time_point deadline) {
    FileImport result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        //: Why a file was not imported; %1 is the system's reason
        result.refusal = CalendarWindow::tr("it cannot be read (%1)").arg(file.errorString());
        return result;
    }
    if (file.size() > kLargestIcs) {
        //: Why a file was not imported
        result.refusal = CalendarWindow::tr("it is larger than %1 MB").arg(kLargestIcs / (1024 * 1024));
        return result;
    }
    const QByteArray bytes = file.read(kLargestIcs + 1);
    if (bytes.size() > kLargestIcs) {  // it grew since it was measured
        //: Why a file was not imported
        result.refusal = CalendarWindow::tr("it is larger than %1 MB").arg(kLargestIcs / (1024 * 1024));
        return result;
    }
    result.found = cal::importIcs(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                                  today, cancel, deadline);
    if (!result.found.error.empty()) {
        result.refusal = text(result.found.error);
    }
    return result;
}

}  // namespace

// One import: the worker that reads the file, what it made of it, and the busy box meanwhile.
struct CalendarWindow::Import {
    QString name;
    std::atomic<bool> cancel{false};
    // The worker's, read here once it has finished.
    QString refusal;
    cal::IcsImport found;
    QThread* worker = nullptr;
    QPointer<QProgressDialog> progress;
};

CalendarWindow::~CalendarWindow() {
    if (m_import) {
        // Stopped within milliseconds; what it found goes nowhere.
        m_import->cancel = true;
        m_import->worker->wait();
        delete m_import->worker;
    }
}

void CalendarWindow::hideEvent(QHideEvent* event) {
    // Closed during an import (not only minimised): nothing is added, and no list comes up later.
    if (m_import && !event->spontaneous()) {
        m_import->cancel = true;
    }
    QDialog::hideEvent(event);
}

void CalendarWindow::importFile(const QString& path) {
    if (m_import) {
        return;  // one import at a time
    }
    auto job = std::make_shared<Import>();
    job->name = QFileInfo(path).fileName();
    const cal::Date today = cal::fromQDate(m_clock->now().date());
    const auto deadline = std::chrono::steady_clock::now() + cal::kLongestImport;

    // The file is read on a worker while this thread goes on showing the windows; the busy box comes
    // up when it takes longer than a moment, and its Cancel stops the worker within milliseconds.
    auto* progress = new QProgressDialog(this);
    job->progress = progress;
    progress->setObjectName(QStringLiteral("importProgress"));
    progress->setWindowTitle(tr("Import iCalendar"));
    //: %1 is a file name
    progress->setLabelText(tr("Reading %1...").arg(job->name));
    progress->setWindowModality(Qt::WindowModal);
    progress->setRange(0, 0);
    progress->setMinimumDuration(300);
    progress->setValue(0);
    // Stays so even when the worker has just finished.
    connect(progress, &QProgressDialog::canceled, this, [job] { job->cancel = true; });

    job->worker = QThread::create([job, path, today, deadline] {
        FileImport outcome = readAndImport(path, today, &job->cancel, deadline);
        job->refusal = std::move(outcome.refusal);
        job->found = std::move(outcome.found);
    });
    job->worker->setObjectName(QStringLiteral("icsImport"));
    connect(job->worker, &QThread::finished, this, [this, job] { importRead(*job); });
    m_import = job;
    importIcs->setEnabled(false);
    job->worker->start();
}

void CalendarWindow::importRead(Import& job) {
    const auto ended = qScopeGuard([this] { Q_EMIT importEnded(); });
    const std::shared_ptr<Import> keep = std::exchange(m_import, nullptr);
    job.worker->wait();
    delete job.worker;
    delete job.progress;
    importIcs->setEnabled(true);
    if (job.cancel) {
        return;  // nothing changes
    }
    const QString& name = job.name;
    if (!job.refusal.isEmpty()) {
        m_dialogs->warning(
            //: %1 is a file name, %2 why it was not imported
            this, tr("%1 was not imported: %2. The calendar is unchanged.").arg(name, job.refusal));
        return;
    }
    const cal::IcsImport& found = job.found;
    QStringList leftOut;
    if (found.timedEvents > 0) {
        leftOut.append(tr("%1 events with a time of day").arg(found.timedEvents));
    }
    if (found.outOfRange > 0) {
        leftOut.append(tr("%1 events that have ended").arg(found.outOfRange));
    }
    //: The events of the file that were not imported, listed with commas between them
    const QString leftOutText = leftOut.isEmpty() ? QString() : tr("Left out: %1.").arg(leftOut.join(QStringLiteral(", ")));
    if (found.exceptions.empty()) {
        m_dialogs->message(this, tr("Import iCalendar"),
                           //: %1 is a file name, %2 what was left out of it, if anything
                           tr("%1 holds no all-day events from today on; nothing was added. %2")
                               .arg(name, leftOutText)
                               .trimmed(),
                           Dialogs::Icon::Information, Dialogs::Buttons::Ok);
        return;
    }
    IcsPreview preview(name, found.exceptions, m_calendar->exceptions(), leftOutText, this);
    m_dialogs->showModal(&preview);
    if (preview.result() == QDialog::Accepted) {
        m_calendar->addAll(found.exceptions);
    }
}
