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

}  // namespace

CalendarWindow::CalendarWindow(SchoolCalendar* calendar, Dialogs* dialogs, Clock* clock, QWidget* parent)
    : QDialog(parent), m_calendar(calendar), m_dialogs(dialogs), m_clock(clock) {
    setObjectName(QStringLiteral("calendar"));
    setWindowTitle(QStringLiteral("Calendar"));

    monthView = named(new QCalendarWidget(this), "monthView");
    monthView->setGridVisible(true);
    monthView->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    exceptionList = named(new QTreeWidget(this), "exceptionList");
    exceptionList->setHeaderLabels({QStringLiteral("Days"), QStringLiteral("What"), QStringLiteral("Label")});
    exceptionList->setRootIsDecorated(false);
    exceptionList->setUniformRowHeights(true);
    exceptionList->setSelectionMode(QAbstractItemView::SingleSelection);
    exceptionList->header()->setStretchLastSection(true);
    exceptionList->setMinimumWidth(480);
    subscriptionList = named(new QTreeWidget(this), "subscriptionList");
    subscriptionList->setHeaderLabels({QStringLiteral("Subscription"), QStringLiteral("Address"), QStringLiteral("State")});
    subscriptionList->setRootIsDecorated(false);
    subscriptionList->setUniformRowHeights(true);
    subscriptionList->setSelectionMode(QAbstractItemView::SingleSelection);
    subscriptionList->header()->setStretchLastSection(true);
    subscriptionList->setMaximumHeight(110);

    firstDay = dateBox("firstDay", this);
    lastDay = dateBox("lastDay", this);
    what = named(new QComboBox(this), "what");
    what->addItem(text(cal::actionText(cal::kNoBells)));
    for (int k = 1; k <= cal::kLastTemplate; ++k) {
        what->addItem(text(cal::actionText(k)));
    }
    label = named(new QLineEdit(this), "label");
    label->setMaxLength(cal::kLongestLabel);
    label->setPlaceholderText(QStringLiteral("for example Winter holidays"));

    addException = named(new QPushButton(QStringLiteral("Add"), this), "addException");
    changeException = named(new QPushButton(QStringLiteral("Change"), this), "changeException");
    deleteException = named(new QPushButton(QStringLiteral("Delete"), this), "deleteException");
    importIcs = named(new QPushButton(QStringLiteral("Import iCalendar..."), this), "importIcs");
    subscribeFeed = named(new QPushButton(QStringLiteral("Subscribe..."), this), "subscribeFeed");
    refreshFeeds = named(new QPushButton(QStringLiteral("Refresh"), this), "refreshFeeds");
    refreshFeeds->setToolTip(QStringLiteral("Fetch the subscribed calendars again now"));
    unsubscribeFeed = named(new QPushButton(QStringLiteral("Unsubscribe"), this), "unsubscribeFeed");
    unsubscribeFeed->setToolTip(QStringLiteral("End the subscription chosen in the list and delete its days"));
    closeCalendar = named(new QPushButton(QStringLiteral("Close"), this), "closeCalendar");

    auto* editor = new QGridLayout;
    editor->addWidget(new QLabel(QStringLiteral("First day"), this), 0, 0);
    editor->addWidget(firstDay, 0, 1);
    editor->addWidget(new QLabel(QStringLiteral("Last day"), this), 0, 2);
    editor->addWidget(lastDay, 0, 3);
    editor->addWidget(new QLabel(QStringLiteral("What"), this), 0, 4);
    editor->addWidget(what, 0, 5);
    editor->addWidget(new QLabel(QStringLiteral("Label"), this), 1, 0);
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
    listColumn->addWidget(new QLabel(QStringLiteral("Date exceptions"), this));
    listColumn->addWidget(exceptionList, 1);
    auto* subscriptionRow = new QHBoxLayout;
    subscriptionRow->addWidget(new QLabel(QStringLiteral("Subscriptions"), this), 1);
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
        new QTreeWidgetItem(exceptionList,
                            {text(cal::daysText(e)), text(cal::actionText(e.what)), text(e.label)});
    }
    // The subscribed days, as the feed has them: they change with the feed, not here.
    for (const auto& s : m_calendar->subscribed()) {
        auto* row = new QTreeWidgetItem(exceptionList, {text(cal::daysText(s.exception)),
                                                        text(cal::actionText(s.exception.what)),
                                                        QStringLiteral("%1 (subscribed: %2)")
                                                            .arg(text(s.exception.label), s.subscription)});
        row->setForeground(0, palette().brush(QPalette::Disabled, QPalette::Text));
        row->setForeground(1, palette().brush(QPalette::Disabled, QPalette::Text));
        row->setForeground(2, palette().brush(QPalette::Disabled, QPalette::Text));
        row->setToolTip(2, QStringLiteral("From the subscription \"%1\"; it changes when the feed does").arg(s.subscription));
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
        m_dialogs->warning(this, QStringLiteral("Select the subscription to end in the list."));
        return;
    }
    endSubscription(static_cast<std::size_t>(row));
}

void CalendarWindow::endSubscription(std::size_t index) {
    const Subscription& s = m_calendar->subscriptions()[index];
    const auto answer = m_dialogs->message(
        this, QStringLiteral("Delete"),
        QStringLiteral("These days come from the subscription \"%1\" (%2). End the subscription and "
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
        format.setToolTip(text(cal::summaryText(*e)));
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
        m_dialogs->warning(this, QStringLiteral("The last day must not be before the first day."));
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
        m_dialogs->warning(this, QStringLiteral("The calendar already holds %1 for %2.")
                                     .arg(text(cal::actionText(e->what)), text(cal::daysText(*e))));
        return;
    }
    const auto& all = m_calendar->exceptions();
    selectRow(static_cast<int>(std::find(all.begin(), all.end(), *e) - all.begin()));
}

void CalendarWindow::changeException_Click() {
    const int row = selectedRow();
    if (row < 0) {
        m_dialogs->warning(this, QStringLiteral("Select the exception to change in the list."));
        return;
    }
    if (const auto* fromFeed = subscribedRow(row)) {
        m_dialogs->warning(this, QStringLiteral("These days come from the subscription \"%1\" and change with "
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
        m_dialogs->warning(this, QStringLiteral("The calendar already holds %1 for %2.")
                                     .arg(text(cal::actionText(e->what)), text(cal::daysText(*e))));
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
        m_dialogs->warning(this, QStringLiteral("Select the exception to delete in the list."));
        return;
    }
    const auto& e = all[static_cast<std::size_t>(row)];
    const auto answer = m_dialogs->message(
        this, QStringLiteral("Delete"),
        QStringLiteral("Delete %1 (%2)?").arg(text(cal::summaryText(e)), text(cal::daysText(e))),
        Dialogs::Icon::Question, Dialogs::Buttons::YesNo);
    if (answer == Dialogs::Answer::Yes) {
        m_calendar->remove(static_cast<std::size_t>(row));
    }
}

void CalendarWindow::subscribeFeed_Click() {
    QDialog ask(this);
    ask.setObjectName(QStringLiteral("subscribeDialog"));
    ask.setWindowTitle(QStringLiteral("Subscribe to a calendar"));
    auto* address = named(new QLineEdit(&ask), "feedAddress");
    address->setPlaceholderText(QStringLiteral("https://... or webcal://... of an iCalendar feed"));
    address->setMinimumWidth(420);
    auto* name = named(new QLineEdit(&ask), "feedLabel");
    name->setMaxLength(cal::kLongestLabel);
    name->setPlaceholderText(QStringLiteral("for example School holidays"));
    auto* ok = named(new QPushButton(QStringLiteral("Subscribe"), &ask), "feedOk");
    auto* cancel = named(new QPushButton(QStringLiteral("Cancel"), &ask), "feedCancel");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, &ask, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, &ask, &QDialog::reject);
    auto* form = new QGridLayout(&ask);
    form->addWidget(new QLabel(QStringLiteral("Address"), &ask), 0, 0);
    form->addWidget(address, 0, 1, 1, 2);
    form->addWidget(new QLabel(QStringLiteral("Label"), &ask), 1, 0);
    form->addWidget(name, 1, 1, 1, 2);
    form->addWidget(new QLabel(QStringLiteral("All-day events of the calendar become days without bells. "
                                              "It is fetched now, at every start and once a day."),
                               &ask),
                    2, 0, 1, 3);
    form->addWidget(ok, 3, 1);
    form->addWidget(cancel, 3, 2);
    m_dialogs->showModal(&ask);
    if (ask.result() == QDialog::Accepted) {
        subscribe(address->text(), name->text());
    }
}

void CalendarWindow::subscribe(const QString& address, const QString& name) {
    if (const QString why = m_calendar->subscribe(address, name); !why.isEmpty()) {
        m_dialogs->warning(this, QStringLiteral("The calendar was not subscribed to: %1.").arg(why));
        return;
    }
    Q_EMIT subscribed(cleanAddress(address));
}

void CalendarWindow::importIcs_Click() {
    const QString path =
        m_dialogs->openFileName(this, QStringLiteral("Import iCalendar"),
                                QStringLiteral("iCalendar files (*.ics *.ical);;All files (*)"));
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
        result.refusal = QStringLiteral("it cannot be read (%1)").arg(file.errorString());
        return result;
    }
    if (file.size() > kLargestIcs) {
        result.refusal = QStringLiteral("it is larger than %1 MB").arg(kLargestIcs / (1024 * 1024));
        return result;
    }
    const QByteArray bytes = file.read(kLargestIcs + 1);
    if (bytes.size() > kLargestIcs) {  // it grew since it was measured
        result.refusal = QStringLiteral("it is larger than %1 MB").arg(kLargestIcs / (1024 * 1024));
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
    progress->setWindowTitle(QStringLiteral("Import iCalendar"));
    progress->setLabelText(QStringLiteral("Reading %1...").arg(job->name));
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
            this, QStringLiteral("%1 was not imported: %2. The calendar is unchanged.").arg(name, job.refusal));
        return;
    }
    const cal::IcsImport& found = job.found;
    QStringList leftOut;
    if (found.timedEvents > 0) {
        leftOut.append(QStringLiteral("%1 events with a time of day").arg(found.timedEvents));
    }
    if (found.outOfRange > 0) {
        leftOut.append(QStringLiteral("%1 events that have ended").arg(found.outOfRange));
    }
    const QString leftOutText = leftOut.isEmpty()
                                    ? QString()
                                    : QStringLiteral("Left out: ") + leftOut.join(QStringLiteral(", ")) + '.';
    if (found.exceptions.empty()) {
        m_dialogs->message(this, QStringLiteral("Import iCalendar"),
                           QStringLiteral("%1 holds no all-day events from today on; nothing was added. %2")
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
