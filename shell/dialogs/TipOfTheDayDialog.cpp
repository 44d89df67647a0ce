#include "shell/dialogs/TipOfTheDayDialog.h"

#include "core/DataFolder.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVBoxLayout>

namespace pictavo {

TipOfTheDayDialog::TipOfTheDayDialog(SettingsStore& store, const QString& tipsPath,
                                     quint32 randomValue, QWidget* parent)
    : QDialog(parent),
      store_(store),
      tips_(TipsFile::read(tipsPath)),
      tip_(new QLabel(uiText(sid::TipsLost), this)),
      next_(new QPushButton(uiText(sid::TipNext), this)),
      close_(new QPushButton(uiText(sid::Ok), this)),
      showAtStartup_(new QCheckBox(uiText(sid::TipShowAtStartup), this)) {
    setWindowTitle(uiText(sid::TipTitle));
    auto* heading = new QLabel(uiText(sid::TipHeading), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    tip_->setWordWrap(true);
    tip_->setMinimumSize(360, 90);
    tip_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    tip_->setTextFormat(Qt::PlainText);
    tip_->setFrameShape(QFrame::StyledPanel);
    tip_->setMargin(8);
    showAtStartup_->setChecked(store_.showTipsAtStartup());
    close_->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(showAtStartup_);
    buttons->addStretch();
    buttons->addWidget(next_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(tip_, 1);
    layout->addLayout(buttons);

    connect(next_, &QPushButton::clicked, this, &TipOfTheDayDialog::showNextTip);
    connect(close_, &QPushButton::clicked, this, &TipOfTheDayDialog::closeWithButton);
    showTip(tips_.firstIndex(randomValue));
}

QString TipOfTheDayDialog::shownTip() const {
    return tip_->text();
}

void TipOfTheDayDialog::showTip(int index) {
    if (!tips_.hasTips())
        return;
    current_ = index;
    const QString text = tips_.tip(index);
    if (!text.isEmpty())
        tip_->setText(text);  // an empty line keeps the tip shown
}

void TipOfTheDayDialog::showNextTip() {
    showTip(tips_.nextIndex(current_));
}

void TipOfTheDayDialog::closeWithButton() {
    (void)store_.saveShowTipsAtStartup(showAtStartup_->isChecked());
    accept();
}

QString tipsFilePath() {
    return dataFolder() + QStringLiteral("/doc/") + uiText(sid::TipsFileName);
}

void showTipOfTheDay(SettingsStore& store, QWidget* parent) {
    TipOfTheDayDialog dialog(store, tipsFilePath(), QRandomGenerator::global()->generate(), parent);
    dialog.exec();
}

}  // namespace pictavo
