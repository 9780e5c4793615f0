#include <QApplication>

#include "ui/application.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    brankor::ui::Application::setUpQt();
    brankor::ui::Application game;
    game.start();
    return QApplication::exec();
}
