// Dedicated sound card dialog.
#include "ui/sound/sndselect.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/widgets/imagebutton.h"

SndSelect::SndSelect(const QString& imageFolder, QWidget* parent)
    : QDialog(parent),
      Frame1(new QGroupBox(tr("Select dedicated soundcard"), this)),
      ComboSndSound(new QComboBox(Frame1)),
      SndDefault(new QPushButton(tr("Default output"), Frame1)),
      //: Stores the chosen sound card
      SndSet(new ImageButton(tr("Set"), imageFolder, QStringLiteral("set.gif"),
                             QStringLiteral("set1.gif"), QString(), this)) {
    setObjectName(QStringLiteral("SndSelect"));
    setWindowTitle(tr("Select dedicated soundcard"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    ComboSndSound->setObjectName(QStringLiteral("ComboSndSound"));
    ComboSndSound->setMinimumWidth(320);
    ComboSndSound->setAccessibleName(tr("Sound card"));
    ComboSndSound->setAccessibleDescription(tr("The sound card the bells play on; none chosen: the default output"));
    SndDefault->setAccessibleDescription(tr("Clears the choice: the bells follow the system's output"));
    SndSet->setObjectName(QStringLiteral("SndSet"));
    SndDefault->setObjectName(QStringLiteral("SndDefault"));
    SndDefault->setAutoDefault(false);
    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(ComboSndSound);
    frameLayout->addWidget(SndDefault, 0, Qt::AlignLeft);
    connect(SndDefault, &QPushButton::clicked, this, [this] { ComboSndSound->setCurrentIndex(-1); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(SndSet, 0, Qt::AlignHCenter);
}

void SndSelect::Form_Load(const QStringList& cards, const QStringList& ids, int index) {
    ComboSndSound->clear();
    for (qsizetype i = 0; i < cards.size(); ++i) {
        ComboSndSound->addItem(cards.at(i), ids.value(i));
    }
    ComboSndSound->setCurrentIndex(index < ComboSndSound->count() ? index : -1);
}
