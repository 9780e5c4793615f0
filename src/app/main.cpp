#include <QApplication>
#include <QCommandLineParser>

#include "ui/application.h"

int main(int argc, char* argv[]) {
    brankor::ui::Application::prepareQt();
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(BRANKOR_VERSION));
    brankor::ui::Application::setUpQt();  // also Qt's Russian texts for the parser's own options

    // `brankor FILE`, as the file manager opens a saved game; --help and --version end here.
    QCommandLineParser arguments;
    arguments.setApplicationDescription(QStringLiteral("Бранкор — симулятор жизни компьютерщика."));
    arguments.addHelpOption();
    arguments.addVersionOption();
    arguments.addPositionalArgument(QStringLiteral("ФАЙЛ"),
                                    QStringLiteral("Сохранённая игра (*.brk), с которой начать."),
                                    QStringLiteral("[ФАЙЛ]"));
    arguments.process(app);

    brankor::ui::Application game;
    const QStringList files = arguments.positionalArguments();
    if (files.isEmpty())
        game.start();
    else
        game.open(files.first().toStdString());
    return QApplication::exec();
}
