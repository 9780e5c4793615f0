// Renders the diary window after five scripted game days to a PNG file, for the documentation:
// the player shops, studies, goes out and uses the bank between the days, so the chart has lines
// to draw and the list has events. The date is fixed and nothing is written but the picture.
//   brankor_diary_picture FILE.png
#include <QApplication>
#include <QPushButton>
#include <cstdio>
#include <functional>

#include "framework/ports.h"
#include "game/savegame/recovery.h"
#include "ui/application.h"
#include "ui/diarywindow.h"
#include "ui/mainwindow.h"
#include "ui/placedialog.h"

namespace {

using namespace brankor;

/// Every box gets OK or No, unseen.
class AnsweredMessages : public MessageBoxes {
  public:
    Answer show(const Message& message) override {
        return message.buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
};

/// The same day every run, so the picture only changes when the window does.
class FixedClock : public SystemClock {
  public:
    Date today() const override { return {2026, 5, 9}; }
    TimeOfDay now() const override { return {12, 0, 0}; }
    std::int64_t milliseconds() const override { return 0; }
};

/// No recovery save: the player's data folder is left alone.
class NoRecovery : public RecoveryFile {
  public:
    bool exists() override { return false; }
    FileContents read(std::size_t) override { return {}; }
    void write(std::string) override {}
    void remove() override {}
    void log(const std::string&) override {}
};

/// Opens the place window `window`, lets `act` play in it as a player would, and closes it.
void visit(ui::Navigator& nav, const std::string& window, const std::function<void(Place&)>& act) {
    if (!nav.load(window)) return;
    ui::PlaceDialog* dialog = nav.dialog(window);
    dialog->dispatch([&] { act(dialog->place()); });
    nav.close(window);
    QApplication::processEvents();
}

/// The pointer onto a button, then a click on it.
void press(Place& place, const char* button) {
    place.onMouseMove(button);
    place.onClick(button);
}

/// An amount typed into a bank box and its OK pressed.
void bank(Place& place, const char* box, const char* button, const char* amount) {
    place[box].text = amount;
    place.onChange(box);
    place.onClick(button);
}

void liveAFewDays(ui::Navigator& nav) {
    const auto hours = [&nav](int count) {
        for (int hour = 0; hour < count; ++hour) nav.mainWindow()->advanceTime(1500);
    };
    hours(8);
    visit(nav, "frmShop", [](Place& p) { press(p, "cmdBuyClothes"), press(p, "cmdBuyDinner"); });
    hours(2);
    visit(nav, "frmStudy", [](Place& p) { press(p, "cmdEnglish"); });
    hours(20);
    visit(nav, "frmParty", [](Place& p) { press(p, "cmdDisco"); });
    hours(3);
    visit(nav, "frmBank", [](Place& p) { bank(p, "txtPut", "cmdPut", "60"); });
    hours(20);
    visit(nav, "frmFlat", [](Place& p) { press(p, "cmdBuyBath"); });
    visit(nav, "frmShop", [](Place& p) { press(p, "cmdBuyBrakfast"), press(p, "cmdBuySupper"); });
    hours(6);
    visit(nav, "frmComputer", [](Place& p) { press(p, "cmdBuyComp"); });
    hours(16);
    visit(nav, "frmStudy", [](Place& p) { press(p, "cmdEnglish"); });
    hours(9);
    visit(nav, "frmParty", [](Place& p) { press(p, "cmdVech"), press(p, "cmdDisco"); });
    hours(14);
    visit(nav, "frmBank", [](Place& p) { bank(p, "txtTake", "cmdTake", "20"); });
    hours(1);
    visit(nav, "frmShop", [](Place& p) { press(p, "cmdBuyDinner"); });
    hours(18);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.png\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ui::Application::installTranslations();
    ui::Application::applyStyle();

    AnsweredMessages answered;
    FixedClock clock;
    NoRecovery recovery;
    ui::ApplicationPorts ports;
    ports.messages = &answered;
    ports.clock = &clock;
    ports.recovery = &recovery;
    ports.quit = [] {};
    ui::Application game(ports);
    ui::Navigator& nav = game.navigator();
    game.start();
    ui::PlaceDialog* first = nav.dialog("frmFirst");
    if (!first) return 1;
    first->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    QApplication::processEvents();
    if (!nav.mainWindow()) return 1;

    liveAFewDays(nav);
    nav.mainWindow()->openDiary();
    QWidget* diary = nav.mainWindow()->diary();
    if (!diary) return 1;
    QApplication::processEvents();
    const QString file = QString::fromLocal8Bit(argv[1]);
    if (!diary->grab().save(file, "PNG")) {
        std::fprintf(stderr, "could not write %s\n", argv[1]);
        return 1;
    }
    std::printf("wrote %s (%dx%d)\n", argv[1], diary->width(), diary->height());
    return 0;
}
