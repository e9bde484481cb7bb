#include "platform/MessageBoxNotifier.h"

#include <QMessageBox>

namespace tervalo::platform {

namespace {
QMessageBox::StandardButton standardButton(MsgResult result) {
    switch (result) {
        case MsgResult::Cancel:
            return QMessageBox::Cancel;
        case MsgResult::Yes:
            return QMessageBox::Yes;
        case MsgResult::No:
            return QMessageBox::No;
        default:
            return QMessageBox::Ok;
    }
}
}  // namespace

MsgResult MessageBoxNotifier::show(QWidget* parent, const QString& text, const QString& title, MsgIcon icon,
                                   MsgButtons buttons) {
    return run(parent, text, title, icon, buttons, nullptr);
}

MsgResult MessageBoxNotifier::ask(QWidget* parent, const QString& text, const QString& title, MsgIcon icon,
                                  MsgButtons buttons, MsgResult defaultButton) {
    return run(parent, text, title, icon, buttons, &defaultButton);
}

MsgResult MessageBoxNotifier::run(QWidget* parent, const QString& text, const QString& title, MsgIcon icon,
                                  MsgButtons buttons, const MsgResult* defaultButton) {
    QMessageBox box(parent);
    box.setWindowTitle(title.isEmpty() ? kProgramTitle : title);
    box.setText(text);
    switch (icon) {
        case MsgIcon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case MsgIcon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case MsgIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MsgIcon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case MsgIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
    }
    switch (buttons) {
        case MsgButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MsgButtons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case MsgButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case MsgButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    if (defaultButton) box.setDefaultButton(standardButton(*defaultButton));
    switch (box.exec()) {
        case QMessageBox::Cancel:
            return MsgResult::Cancel;
        case QMessageBox::Yes:
            return MsgResult::Yes;
        case QMessageBox::No:
            return MsgResult::No;
        default:
            return MsgResult::Ok;
    }
}

}  // namespace tervalo::platform
