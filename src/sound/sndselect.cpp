// Dedicated sound card dialog.
#include "sound/sndselect.h"

#include <QComboBox>
#include <QGroupBox>
#include <QVBoxLayout>

#include "app/imagebutton.h"
#include "sound/belloutput.h"

SndSelect::SndSelect(BellOutput* output, const QString& imageFolder, QWidget* parent)
    : QDialog(parent),
      Frame1(new QGroupBox(QStringLiteral("Select dedicated soundcard"), this)),
      ComboSndSound(new QComboBox(Frame1)),
      SndSet(new ImageButton(QStringLiteral("Set"), imageFolder, QStringLiteral("set.gif"), QStringLiteral("set1.gif"),
                             QString(), this)),
      m_output(output) {
    setObjectName(QStringLiteral("SndSelect"));
    setWindowTitle(QStringLiteral("Select dedicated soundcard"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    ComboSndSound->setObjectName(QStringLiteral("ComboSndSound"));
    ComboSndSound->setMinimumWidth(320);
    SndSet->setObjectName(QStringLiteral("SndSet"));
    (new QVBoxLayout(Frame1))->addWidget(ComboSndSound);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(SndSet, 0, Qt::AlignHCenter);
}

void SndSelect::Form_Load(int index) {
    m_loaded = true;
    ComboSndSound->clear();
    const auto devices = m_output->devices();
    for (int i = 2; i <= devices.size(); ++i) {
        ComboSndSound->addItem(devices.at(i - 1).description + QLatin1Char('(') + QString::number(i - 1) +
                               QLatin1Char(')'));
    }
    // A card chosen earlier that has gone since leaves the list without a selection.
    ComboSndSound->setCurrentIndex(index < ComboSndSound->count() ? index : -1);
}
