#include "tools/close_buttons.h"

#include <QDialogButtonBox>
#include <QPushButton>

QWidget* CloseButtons(QWidget* window) {
    auto* buttons = new QDialogButtonBox;
    QPushButton* close = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::RejectRole);
    close->setAutoDefault(false);
    close->setDefault(false);
    QObject::connect(close, &QPushButton::clicked, window, &QWidget::close);
    return buttons;
}
