// Following a set-up published at a web address.
#include "ui/mainwindow/followpanel.h"

#include <QAction>
#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/bells/bellsclient.h"
#include "core/control/commands.h"
#include "core/follow/setupfollower.h"
#include "core/schedule/bellscore.h"
#include "core/schedule/settingsstore.h"
#include "core/schedule/setuparchive.h"
#include "ui/widgets/dialogs.h"
#include "ui/widgets/elidedlabel.h"

FollowPanel::FollowPanel(const PanelServices& services, QWidget* window, QMenu* setupMenu)
    : QObject(window), m_services(services), m_window(window), m_setupMenu(setupMenu) {
    // One line, however long the address: the whole of it in the tooltip.
    followText = new ElidedLabel(1, window);
    followText->setObjectName(QStringLiteral("followText"));
    followText->setStyleSheet(QStringLiteral("background: #fff3c4; color: #4a3b00; padding: 2px 10px;"));
    followText->hide();
    setupMenu->addSeparator();
    followAction = setupMenu->addAction(tr("Follow a set-up..."));
    followAction->setObjectName(QStringLiteral("followAction"));
    connect(followAction, &QAction::triggered, this, &FollowPanel::onFollowTriggered);
    refreshFollowAction = setupMenu->addAction(tr("Refresh the followed set-up"));
    refreshFollowAction->setObjectName(QStringLiteral("refreshFollowAction"));
    connect(refreshFollowAction, &QAction::triggered, this, [this] {
        if (SetupFollower* follower = m_services.follower) {
            follower->refresh();
        }
    });
    unfollowAction = setupMenu->addAction(tr("Stop following"));
    unfollowAction->setObjectName(QStringLiteral("unfollowAction"));
    connect(unfollowAction, &QAction::triggered, this, [this] {
        if (SetupFollower* follower = m_services.follower) {
            follower->unfollow();
        }
    });
    if (SetupFollower* follower = m_services.follower) {
        connect(follower, &SetupFollower::followingChanged, this, [this] { showFollowing(); });
        follower->setApplier(
            [this](const corvalin::setup::Contents& contents) { return applyFollowedSetup(contents); });
    }
}

QWidget* FollowPanel::line() const {
    return followText;
}

void FollowPanel::start() {
    showFollowing();
    if (SetupFollower* follower = m_services.follower) {
        follower->start();
    }
}

QString FollowPanel::followed() const {
    return m_services.follower ? m_services.follower->address() : QString();
}

void FollowPanel::showFollowing() {
    const QString address = followed();
    const bool following = !address.isEmpty();
    //: %1: the web address the set-up is followed from
    followText->setText(tr("Managed from %1; change it there").arg(address));
    followText->setToolTip(followText->text());
    followText->setVisible(following);
    refreshFollowAction->setEnabled(following);
    unfollowAction->setEnabled(following);
    // What a set-up carries is changed where it is published.
    for (const QString& name : {QStringLiteral("importSetupAction"), QStringLiteral("alarmSignalsAction"),
                                QStringLiteral("bellOffsetAction")}) {
        for (QAction* action : m_setupMenu->actions()) {
            if (action->objectName() == name) {
                action->setEnabled(!following);
            }
        }
    }
    Q_EMIT followingChanged(following);
}

QString FollowPanel::applyFollowedSetup(const corvalin::setup::Contents& contents) {
    // As an import from the menu, with no question: the bells stop and start again with it, at a
    // moment when no bell is due.
    const bool running = m_services.bells->isRunning();
    if (running) {
        m_services.commands->run(QStringLiteral("Stop"), {}, CommandRunner::byWindow());
    }
    const QString why = m_services.store->importSetup(contents);  // shown by the window as an import
    auto startAgain = [this, running] {
        if (!running) {
            return;
        }
        m_services.core->start(
            [this](const QString& refusal) {
                if (!refusal.isEmpty()) {
                    m_services.bells->problem(
                        QStringLiteral("the bells did not start again with the followed set-up: ") + refusal);
                }
            },
            true);
    };
    if (why.isEmpty()) {
        // After the settings are shown: the store's word on the new files came first.
        m_services.bells->refreshSoundsNow(this, startAgain);
    } else {
        startAgain();
    }
    return why;
}

void FollowPanel::onFollowTriggered() {
    QDialog dialog(m_window);
    dialog.setWindowTitle(tr("Follow a set-up"));
    auto* text = new QLabel(
        tr("This computer takes its set-up from a web address, as it is published there and signed "
           "by its publisher, and keeps it up to date (at start and every 15 minutes). Its settings "
           "are then changed only there."),
        &dialog);
    text->setWordWrap(true);
    auto* address = new QLineEdit(&dialog);
    address->setObjectName(QStringLiteral("followAddress"));
    address->setPlaceholderText(QStringLiteral("https://server/bells/setup.zip"));
    auto* key = new QLineEdit(&dialog);
    key->setObjectName(QStringLiteral("followKey"));
    key->setPlaceholderText(QStringLiteral("corvalin-ed25519:..."));
    address->setAccessibleName(tr("Address"));
    key->setAccessibleName(tr("Publisher's public key"));
    if (SetupFollower* follower = m_services.follower) {
        address->setText(follower->address());
        key->setText(follower->publicKey());
    }
    auto* refusal = new QLabel(&dialog);
    refusal->setObjectName(QStringLiteral("followRefusal"));
    refusal->setStyleSheet(QStringLiteral("color: #b00020;"));
    refusal->setWordWrap(true);
    refusal->hide();
    //: Starts following the set-up at the address
    auto* ok = new QPushButton(tr("Follow"), &dialog);
    ok->setObjectName(QStringLiteral("followOk"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), &dialog);
    cancel->setObjectName(QStringLiteral("followCancel"));
    connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    connect(ok, &QPushButton::clicked, &dialog, [&] {
        SetupFollower* follower = m_services.follower;
        const QString why = follower ? follower->follow(address->text(), key->text())
                                     : tr("this copy cannot follow a set-up");
        if (why.isEmpty()) {
            dialog.accept();
            return;
        }
        refusal->setText(why);
        refusal->show();
    });
    auto* form = new QFormLayout;
    form->addRow(tr("Address:"), address);
    form->addRow(tr("Publisher's public key:"), key);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(text);
    layout->addLayout(form);
    layout->addWidget(refusal);
    layout->addLayout(buttons);
    dialog.resize(520, dialog.sizeHint().height());
    m_services.dialogs->showModal(&dialog);
}
