#include <QApplication>

#include "ui/application.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    mostaric::ui::prepareApplication(app);
    mostaric::ui::Application program;
    program.start();
    return QApplication::exec();
}
