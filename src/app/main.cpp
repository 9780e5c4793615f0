#include <QApplication>

#include "ui/application.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Бранкор"));
    QApplication::setDesktopFileName(QStringLiteral("brankor"));
    QApplication::setQuitOnLastWindowClosed(false);
    brankor::ui::Application::installTranslations();
    brankor::ui::Application::applyStyle();
    brankor::ui::Application game;
    game.start();
    return QApplication::exec();
}
