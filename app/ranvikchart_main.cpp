// The chart program Ranvikチャート.
#include <QApplication>
#include <QMainWindow>

#include "platform/ui/qt_message_service.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ranvik::InstallMessageService(std::make_unique<ranvik::QtMessageService>());
    QMainWindow window;
    window.setWindowTitle(QString::fromUtf8("Ranvikチャート"));
    window.resize(1024, 768);
    window.show();
    return app.exec();
}
