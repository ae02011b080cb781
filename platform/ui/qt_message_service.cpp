#include "platform/ui/qt_message_service.h"

#include <QApplication>
#include <QMessageBox>

namespace ranvik {

MessageAnswer QtMessageService::Show(const ShownMessage& message) {
    QMessageBox box(QApplication::activeWindow());
    box.setText(QString::fromStdString(message.text));
    box.setWindowTitle(QString::fromStdString(message.title));
    switch (message.icon) {
        case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
        case MessageIcon::Critical: box.setIcon(QMessageBox::Critical); break;
        case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
        case MessageIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    }
    switch (message.buttons) {
        case MessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case MessageButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        case MessageButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case MessageButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes: return MessageAnswer::Yes;
        case QMessageBox::No: return MessageAnswer::No;
        case QMessageBox::Cancel: return MessageAnswer::Cancel;
        default: return MessageAnswer::Ok;
    }
}

void QtMessageService::Beep() { QApplication::beep(); }

}  // namespace ranvik
