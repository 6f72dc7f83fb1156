// The staff web page's dialog.
#include "ui/staffpage/staffpagedialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <sodium.h>

#include "core/control/commands.h"
#include "core/control/webface.h"
#include "core/web/staffaccounts.h"

namespace {

template <typename T>
T* named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

}  // namespace

StaffPageDialog::StaffPageDialog(CommandRunner& commands, WebFace& web, QWidget* parent)
    : QDialog(parent), m_commands(commands), m_web(web) {
    setWindowTitle(tr("Staff web page"));
    auto* layout = new QVBoxLayout(this);
    auto* about = new QLabel(tr("Staff raise alarms and see the bells from a phone or a classroom PC, in "
                                "a browser, on this school's network."),
                             this);
    about->setWordWrap(true);
    layout->addWidget(about);

    //: The staff web page, as served
    auto* serving = new QGroupBox(tr("Page"), this);
    auto* form = new QFormLayout(serving);
    m_serve = named(new QCheckBox(tr("Serve the staff web page (HTTPS)"), serving), "serveStaffPage");
    m_serve->setChecked(m_web.isOn());
    form->addRow(m_serve);
    m_listen = named(new QLineEdit(m_web.listen(), serving), "staffPageListen");
    m_listen->setPlaceholderText(tr("8443, or 192.0.2.10:8443"));
    m_listen->setMaxLength(64);
    m_listen->setAccessibleName(tr("Port, or address:port"));
    m_listen->setAccessibleDescription(tr("Where the page is served: a port, or an address and a port"));
    form->addRow(tr("Port, or address:port"), m_listen);
    m_state = named(new QLabel(serving), "staffPageState");
    m_state->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_state->setWordWrap(true);
    //: Where the page is served, or that it is not
    form->addRow(tr("Address"), m_state);
    m_fingerprint = named(new QLabel(serving), "staffPageFingerprint");
    m_fingerprint->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_fingerprint->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_fingerprint->setWordWrap(true);
    m_fingerprint->setToolTip(tr("Staff check that their browser shows this fingerprint for the page's "
                                 "certificate"));
    m_fingerprint->setAccessibleDescription(m_fingerprint->toolTip());
    form->addRow(tr("Certificate SHA-256"), m_fingerprint);
    auto* apply = named(new QPushButton(tr("Apply"), serving), "applyStaffPage");
    form->addRow(apply);
    layout->addWidget(serving);

    auto* staff = new QGroupBox(tr("Staff accounts"), this);
    auto* staffLayout = new QVBoxLayout(staff);
    auto* roles = new QLabel(rolesText(), staff);
    roles->setWordWrap(true);
    staffLayout->addWidget(roles);
    m_accounts = named(new QListWidget(staff), "staffAccounts");
    m_accounts->setAccessibleName(tr("Staff accounts"));
    m_accounts->setAccessibleDescription(roles->text());
    staffLayout->addWidget(m_accounts);
    auto* row = new QHBoxLayout;
    auto* add = named(new QPushButton(tr("Add..."), staff), "addStaffAccount");
    m_remove = named(new QPushButton(tr("Remove"), staff), "removeStaffAccount");
    m_remove->setAccessibleDescription(tr("Removes the account chosen in the list"));
    row->addWidget(add);
    row->addWidget(m_remove);
    row->addStretch();
    staffLayout->addLayout(row);
    layout->addWidget(staff);

    m_answer = named(new QLabel(this), "staffPageAnswer");
    m_answer->setWordWrap(true);
    layout->addWidget(m_answer);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    layout->addWidget(buttons);

    connect(apply, &QPushButton::clicked, this, &StaffPageDialog::apply);
    connect(add, &QPushButton::clicked, this, &StaffPageDialog::addAccount);
    connect(m_remove, &QPushButton::clicked, this, &StaffPageDialog::removeAccount);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_accounts, &QListWidget::currentRowChanged, this, [this](int row) { m_remove->setEnabled(row >= 0); });
    connect(&m_web, &WebFace::changed, this, [this] {
        showState();
        showAccounts();
    });
    showState();
    showAccounts();
}

QString StaffPageDialog::rolesText() {
    //: "alarm" and "office" are the names of the two roles, typed as they are: keep them untranslated
    return tr("alarm: raise and stop alarms, see the bells. office: also today's "
              "changes, ring now, stop a bell, start and stop the bells.");
}

void StaffPageDialog::showState() {
    const QString state = m_web.state();
    m_state->setText(state == QStringLiteral("off") ? tr("not served") : state);
    const QString fingerprint = m_web.fingerprint();
    m_fingerprint->setText(fingerprint.isEmpty() ? tr("none yet: made when the page is first served") : fingerprint);
}

void StaffPageDialog::showAccounts() {
    m_accounts->clear();
    QString problem;
    for (const QString& line : m_web.staff(&problem)) {
        m_accounts->addItem(line);
    }
    m_remove->setEnabled(m_accounts->currentRow() >= 0);
    if (!problem.isEmpty()) {
        m_answer->setText(problem);
    }
}

void StaffPageDialog::answer(const QString& refusal) {
    m_answer->setText(refusal);
    showState();
    showAccounts();
}

void StaffPageDialog::apply() {
    if (m_serve->isChecked()) {
        m_commands.run(QStringLiteral("WebOn"), {m_listen->text()}, CommandRunner::byWindow(),
                       [this](const QString& refusal) { answer(refusal); });
    } else {
        m_commands.run(QStringLiteral("WebOff"), {}, CommandRunner::byWindow(),
                       [this](const QString& refusal) { answer(refusal); });
    }
}

void StaffPageDialog::addAccount() {
    QDialog ask(this);
    ask.setWindowTitle(tr("Add a staff account"));
    auto* form = new QFormLayout(&ask);
    auto* name = named(new QLineEdit(&ask), "staffName");
    name->setMaxLength(32);
    auto* role = named(new QComboBox(&ask), "staffRole");
    role->addItems({QStringLiteral("alarm"), QStringLiteral("office")});
    auto* password = named(new QLineEdit(&ask), "staffPassword");
    auto* again = named(new QLineEdit(&ask), "staffPasswordAgain");
    for (QLineEdit* box : {password, again}) {
        box->setEchoMode(QLineEdit::Password);
        box->setMaxLength(int(corvalin::web::StaffAccounts::kLongestPassword));
    }
    //: The staff member's account name
    form->addRow(tr("Name"), name);
    form->addRow(tr("Role"), role);
    form->addRow(tr("Password"), password);
    //: The password typed a second time
    form->addRow(tr("The same again"), again);
    name->setAccessibleName(tr("Name"));
    role->setAccessibleName(tr("Role"));
    role->setAccessibleDescription(rolesText());
    password->setAccessibleName(tr("Password"));
    again->setAccessibleName(tr("Password again"));
    auto* problem = new QLabel(&ask);
    form->addRow(problem);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &ask);
    form->addRow(buttons);
    QByteArray hash;
    connect(buttons, &QDialogButtonBox::rejected, &ask, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::accepted, &ask, [&] {
        if (const QString fault = corvalin::web::StaffAccounts::nameFault(name->text()); !fault.isEmpty()) {
            problem->setText(fault);
            return;
        }
        if (password->text() != again->text()) {
            problem->setText(tr("the two passwords differ"));
            return;
        }
        QByteArray typed = password->text().toUtf8();
        QString why;
        const auto made = corvalin::web::StaffAccounts::hash(typed, &why);
        sodium_memzero(typed.data(), std::size_t(typed.size()));
        if (!made) {
            problem->setText(why);
            return;
        }
        hash = *made;
        ask.accept();
    });
    if (ask.exec() != QDialog::Accepted) {
        return;
    }
    m_commands.run(QStringLiteral("StaffAdd"), {name->text(), role->currentText(), QString::fromLatin1(hash)},
                   CommandRunner::byWindow(), [this](const QString& refusal) { answer(refusal); });
}

void StaffPageDialog::removeAccount() {
    const QListWidgetItem* item = m_accounts->currentItem();
    if (!item) {
        return;
    }
    const QString name = item->text().section(QLatin1Char(' '), 0, 0);
    m_commands.run(QStringLiteral("StaffRemove"), {name}, CommandRunner::byWindow(),
                   [this](const QString& refusal) { answer(refusal); });
}
