// Ringing and stopping bells, the repeat option and the default card's mute during a bell.
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>

#include "app/dialogs.h"
#include "app/imagebutton.h"
#include "app/mainwindow.h"
#include "sound/belloutput.h"
#include "sound/mixer.h"

void MainWindow::RingBell(const QString& soundName, BellKind kind) {
    Q_UNUSED(kind);
    m_ports.bell->stop();
    m_ports.bell->play(QString(), soundFolder() + QLatin1Char('/') + soundName, bellRepeat->isChecked());
}

void MainWindow::StopBell() {
    m_ports.bell->stop();
    m_ports.mixer->setMute(false);
}

void MainWindow::bellRepeat_Click() {
    bellStop->setVisible(bellRepeat->isChecked());
    SaveOptions();
}

void MainWindow::sound_zero_Click() {
    SaveOptions();
    if (loadPhase == 2 && sound_zero->isChecked()) {
        m_ports.dialogs->message(
            this, QString(),
            QStringLiteral("Because, this function purge computer default soundcard at bell time, so, computer lings "
                           "only Corvalin at bell time.\n\n"
                           "벨소리 재생이 끝난 후 컴퓨터 기본 사운드카드를 다시 활성화시킵니다. \n\n"
                           "컴퓨터로 음악을 내보내는 곳(카페나 편의점등의 상점)에서 필요한 기능입니다."),
            Dialogs::Icon::None, Dialogs::Buttons::Ok);
    }
}

void MainWindow::FillSoundList() {
    File1->clear();
    const QDir folder(soundFolder());
    File1->addItems(folder.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void MainWindow::ShowSoundCard() {
    const auto devices = m_ports.bell->devices();
    const int entry = soundCardIndex + 2;  // the list shows device entries 2 and up
    if (soundCardIndex < 0) {
        SndCardText->setText(devices.isEmpty() ? QString() : devices.first().description + QStringLiteral("(0)"));
    } else if (entry <= devices.size()) {
        SndCardText->setText(devices.at(entry - 1).description + QLatin1Char('(') +
                             QString::number(soundCardIndex + 1) + QLatin1Char(')'));
    } else {
        SndCardText->clear();
    }
}
