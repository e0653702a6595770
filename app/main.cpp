#include <QApplication>

#include "MainForm.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pathsum"));
    pathsum::MainForm form;
    form.show();
    return QApplication::exec();
}
