#include "shell/dialogs/AboutDialog.h"

#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace pictavo {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(uiText(sid::AboutTitle));
    auto* text = new QVBoxLayout;
    auto addLine = [&](const QString& line, const char* name) {
        auto* label = new QLabel(line, this);
        label->setObjectName(QLatin1String(name));
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        text->addWidget(label);
        return label;
    };
    QLabel* version = addLine(versionText(), "version");
    QFont bold = version->font();
    bold.setBold(true);
    version->setFont(bold);
    addLine(uiText(sid::AboutText), "description");
    addLine(uiText(sid::AboutQtVersion).arg(QLatin1String(qVersion())), "qtVersion");
    text->addStretch();

    auto* top = new QHBoxLayout;
    const QIcon icon = QApplication::windowIcon();
    if (!icon.isNull()) {
        auto* iconLabel = new QLabel(this);
        iconLabel->setObjectName(QStringLiteral("icon"));
        iconLabel->setPixmap(icon.pixmap(64, 64));
        top->addWidget(iconLabel, 0, Qt::AlignTop);
    }
    top->addLayout(text, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(uiText(sid::Ok), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

QString AboutDialog::versionText() {
    return uiText(sid::AboutVersion).arg(QStringLiteral(PICTAVO_VERSION));
}

void showAboutDialog(QWidget* parent) {
    AboutDialog dialog(parent);
    dialog.exec();
}

}  // namespace pictavo
