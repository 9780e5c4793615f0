// Window transcripts: every window opened as on a first visit and walked on its real widgets —
// the pointer onto each control, a press of each button, Tab once round and a Space — written as
// the player sees it and as a screen reader hears it, and compared with the checked-in
// tests/transcripts/windows/<window>.txt. BRANKOR_REWRITE_TRANSCRIPTS=1 writes the files anew.
#include "ui/placeregistry.h"
#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

const char* const kIcons[] = {"no icon", "exclamation", "question", "information", "error"};

/// Buttons that take the player out of a window, beyond "<< Назад" and "Выход": pressed last.
const std::map<QString, QStringList> kLeaving = {
    {"frmFirst", {"cmdOK", "cmdOkAbout", "cmdExit"}},
    {"frmTheEnd", {"cmdOK"}},
    {"frmHelp", {"cmdAbout", "cmdOk"}},
    {"frmParty", {"cmdRuletka", "cmdRuletka2", "cmdAr"}},
    {"frmVirus", {"cmdKill", "cmdLive"}},
    {"frmDiary", {"cmdClose"}},
};

/// Buttons the walk leaves alone: they open the desktop's file dialog.
const QStringList kNotPressed = {"cmdSavePicture"};

/// The windows of the main window's menu that are not places: the menu item that opens each.
const std::map<QString, QString> kMenuWindows = {{"frmDiary", "Diary"}, {"frmCareer", "Career"}};

QString quoted(QString text) {
    text.replace('\\', "\\\\").replace('"', "\\\"").replace('\n', "\\n").replace('\r', "\\r");
    return '"' + text.replace('\t', "\\t") + '"';
}

bool named(const QObject* o) {
    return !o->objectName().isEmpty() && !o->objectName().startsWith("qt_");
}

/// The name a transcript gives a widget: its own, or that of the control it is a part of.
QString nameOf(QWidget* w) {
    while (w && !named(w)) w = w->parentWidget();
    return w ? w->objectName() : QStringLiteral("(none)");
}

/// What the player and a screen reader get of one widget.
struct Seen {
    QString kind, text, picture, heard, description, role, labelledBy, placed;
    bool enabled = true, shown = true, unheard = false;
    bool operator==(const Seen&) const = default;
};

Seen see(QWidget* w, QWidget* window) {
    static const QStringList kinds =
        QString(
            "QRadioButton=option;QToolButton=picture button;QPushButton=button;QLineEdit=text "
            "box;QPlainTextEdit=text area;QGroupBox=frame;QMenu=menu;QLabel=label")
            .split(';');
    const auto kind = std::find_if(kinds.begin(), kinds.end(), [w](const QString& k) {
        return w->inherits(k.section('=', 0, 0).toLatin1());
    });
    Seen s{kind == kinds.end() ? w->metaObject()->className() : kind->section('=', 1)};
    auto* label = qobject_cast<QLabel*>(w);
    auto* button = qobject_cast<QAbstractButton*>(w);
    if (label) s.text = label->text();
    if (button) s.text = button->text();
    if (auto* line = qobject_cast<QLineEdit*>(w)) s.text = line->text();
    if (auto* area = qobject_cast<QPlainTextEdit*>(w)) s.text = area->toPlainText();
    if (auto* frame = qobject_cast<QGroupBox*>(w)) s.text = frame->title();
    if (auto* menu = qobject_cast<QMenu*>(w)) s.text = menu->title();
    // A tree: its rows, each with its last column (the career guide's verdicts).
    if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
        QStringList rows;
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* row = tree->topLevelItem(i);
            rows << row->text(0) + " — " + row->text(tree->columnCount() - 1);
        }
        s.text = rows.join(" / ");
    }
    // A table: its column headers, then its rows (the diary's days).
    if (auto* table = qobject_cast<QTableView*>(w); table && table->model()) {
        const QAbstractItemModel& m = *table->model();
        QStringList rows, cells;
        for (int column = 0; column < m.columnCount(); ++column)
            cells << m.headerData(column, Qt::Horizontal).toString();
        rows << cells.join(" | ");
        for (int row = 0; row < m.rowCount(); ++row, rows << cells.join(" | "))
            for (cells.clear(); cells.size() < m.columnCount();)
                cells << m.index(row, static_cast<int>(cells.size())).data().toString();
        s.text = rows.join(" / ");
    }
    // The generic window marks the picture it shows with the picture's name.
    const QString art = w->property("art").toString();
    if ((label && !label->pixmap().isNull()) || (button && !button->icon().isNull()))
        s.picture = art.isEmpty() ? "(unnamed)" : art;
    if (label && !label->pixmap().isNull()) s.kind = "picture";
    s.enabled = w->isEnabled();
    s.shown = w->isVisibleTo(window);
    // Widgets placed by hand (the rules move some of them, in twips): where they are.
    if (!w->isWindow() && w->parentWidget() && !w->parentWidget()->layout()) {
        const QRect g = w->geometry();
        s.placed = QString("at %1,%2 %3x%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
    }
    if (QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(w)) {
        s.heard = reader->text(QAccessible::Name);
        s.description = reader->text(QAccessible::Description);
        s.role = QMetaEnum::fromType<QAccessible::Role>().valueToKey(reader->role());
        s.unheard = s.shown && reader->state().invisible;
        QStringList labels;
        for (const auto& [by, relation] : reader->relations(QAccessible::Label))
            labels << (named(by->object()) ? by->object()->objectName()
                                           : quoted(by->text(QAccessible::Name)));
        s.labelledBy = labels.join(", ");
    }
    return s;
}

/// One widget's line; against `before`, an unchanged long text is not repeated.
QString describe(const QString& name, const Seen& s, const Seen* before = nullptr) {
    const bool same = before && before->text == s.text && s.text.size() > 40;
    QString line = "  " + name + " " + s.kind + " " + (same ? "(same text)" : quoted(s.text));
    if (!s.picture.isEmpty()) line += " picture=" + s.picture;
    if (before && s.picture.isEmpty() && !before->picture.isEmpty()) line += " no picture";
    if (!s.placed.isEmpty()) line += " " + s.placed;
    if (!s.enabled) line += " disabled";
    if (before && s.enabled && !before->enabled) line += " enabled";
    if (!s.shown) line += " hidden";
    if (before && s.shown && !before->shown) line += " shown";
    if (!s.shown) return line;  // a reader does not find it
    line += " | reader: " + s.role + " " + (s.heard == s.text ? "(its text)" : quoted(s.heard));
    if (!s.description.isEmpty()) line += " description " + quoted(s.description);
    if (!s.labelledBy.isEmpty()) line += " labelled by " + s.labelledBy;
    if (s.unheard) line += " unheard";
    return line;
}

/// Plays one window and writes what happens.
class Walk {
  public:
    Walk(UiGame& game, QString window) : g(game), m_name(std::move(window)) {
        QObject::connect(&g.nav(), &ui::Navigator::shown, &m_context, [this](const QString& w) {
            if (w == m_name && !m_window) {
                QTimer::singleShot(0, &m_context, [this] { play(); });
            } else if (w != m_name) {
                // Another window: noted, and closed at once so that this one's walk goes on.
                QWidget* other = w == "frmMain" ? static_cast<QWidget*>(g.main())
                                                : g.nav().dialog(w.toStdString());
                m_opened << "  window " + w + " " + quoted(other->windowTitle()) + " shown";
                if (auto* place = qobject_cast<ui::PlaceDialog*>(other))
                    QTimer::singleShot(0, place, [place] { place->done(QDialog::Rejected); });
            }
        });
    }
    /// Plays the window once it is shown: `window`, or the place or main window of that name.
    void play(QWidget* window = nullptr) {
        ui::MainWindow* home = g.main();
        m_window = window                ? window
                   : m_name == "frmMain" ? static_cast<QWidget*>(home)
                                         : g.nav().dialog(m_name.toStdString());
        header();
        m_timers = m_window->findChildren<QTimer*>(Qt::FindDirectChildrenOnly);
        for (const QString& line : timerLines()) m_out += line + "\n";
        // No timer fires during the walk, which would make the transcript depend on the
        // machine's speed: the game's clock stops, and the window's own timers stay as the rules
        // set them but are not heard.
        if (home) home->stopTime();
        for (QTimer* timer : m_timers) timer->blockSignals(true);
        // What a place does to the status panel is written too, as changes.
        for (QWidget* w :
             home&& m_window != home ? home->findChildren<QWidget*>() : QList<QWidget*>{})
            if (named(w) && w->window() == home)
                m_watched.push_back({"frmMain." + w->objectName(), w, false, see(w, home)});
        walk();
        if (auto* place = qobject_cast<ui::PlaceDialog*>(m_window.data()); place && !m_ended)
            place->done(QDialog::Rejected);
    }

    bool played() const { return !m_out.isEmpty(); }
    /// The transcript, with the windows shown once this one had gone (a replacement).
    QString text() const { return m_out + (m_opened.isEmpty() ? "" : m_opened.join('\n') + '\n'); }

  private:
    /// A widget whose changes are written: one of the window's, or of the status panel.
    struct Watched {
        QString name;
        QPointer<QWidget> widget;
        bool own;
        Seen seen;
    };

    void header() {
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        m_out += "== " + m_name + " " + quoted(m_window->windowTitle()) + "\n";
        for (QWidget* w : m_window->findChildren<QWidget*>()) {
            if (!named(w)) continue;
            m_watched.push_back({w->objectName(), w, true, see(w, m_window)});
            m_out += describe(w->objectName(), m_watched.back().seen) + "\n";
        }
        for (const QAction* item : m_window->findChildren<QAction*>())
            if (named(item))
                m_out += "  menu item " + item->objectName() + " " + quoted(item->text()) + "\n";
        m_focus = nameOf(QApplication::focusWidget());
        m_out += "  focus " + m_focus + "\n";
    }

    void walk() {
        for (const Watched& w : m_watched)
            if (!m_ended && w.own && w.widget->isVisibleTo(m_window))
                step("point at " + w.name + over(w.widget), [&w] { pointInside(w.widget); });
        // Space on the first focused control that stays, then Tab once round the window.
        QSet<QWidget*> reached;
        bool spaced = false;
        for (QWidget* focus = QApplication::focusWidget();
             focus && !m_ended && !reached.contains(focus); focus = QApplication::focusWidget()) {
            if (!leaves(focus) && !std::exchange(spaced, true)) {
                step("Space on " + nameOf(focus),
                     [focus] { QTest::keyClick(focus, Qt::Key_Space); });
                continue;
            }
            reached << focus;
            step("Tab", [focus] { QTest::keyClick(focus, Qt::Key_Tab); });
        }
        for (const Watched& w : m_watched) {
            auto* button = qobject_cast<QAbstractButton*>(w.widget.data());
            if (!m_ended && w.own && button && !leaves(button)) press(button);
        }
        for (const QString& way : leavingButtons())
            if (!m_ended) press(m_window->findChild<QAbstractButton*>(way));
    }

    void press(QAbstractButton* button) {
        if (!button || !button->isVisibleTo(m_window) || !button->isEnabled() ||
            kNotPressed.contains(button->objectName()))
            return;
        step("click " + button->objectName(), [button] {
            pointInside(button);
            QTest::mouseClick(button, Qt::LeftButton);
        });
    }

    QStringList leavingButtons() const {
        const auto own = kLeaving.find(m_name);
        return (own == kLeaving.end() ? QStringList{} : own->second) +
               QStringList{"cmdBack", "cmdGoOut", "cmdExit"};
    }
    bool leaves(QWidget* w) const { return leavingButtons().contains(nameOf(w)); }

    /// Where the middle of `w` lies on another control of the window: " (over thatControl)".
    static QString over(QWidget* w) {
        const QString under = nameOf(w->childAt(w->rect().center()));
        return under == "(none)" || under == w->objectName() ? "" : " (over " + under + ")";
    }

    /// The pointer to the middle of `w`, delivered to the widget that lies there, as it would be.
    static void pointInside(QWidget* w) {
        const QPoint middle = w->rect().center();
        QWidget* under = w->childAt(middle);
        if (!under) under = w;
        pointAt(under, QPointF(under->mapFrom(w, middle)));
    }

    QStringList timerLines() const {
        // The window makes one QTimer per timer of the rules, in the order of their names.
        QStringList names;
        if (auto* place = qobject_cast<ui::PlaceDialog*>(m_window.data()))
            for (const auto& [name, timer] : place->place().timers())
                names << QString::fromStdString(name);
        // A coarse timer may fire 5 % late: the clocks and the games need precise ones.
        // The game clock's tick is re-armed from the time left to the next tick: no interval.
        const auto line = [](const QString& name, const QTimer& timer, bool interval = true) {
            return QString("  timer %1%2 %3 %4")
                .arg(name, interval ? QString(" %1 ms").arg(timer.interval()) : QString())
                .arg(timer.timerType() == Qt::PreciseTimer ? "precise" : "coarse")
                .arg(timer.isActive() ? "running" : "stopped");
        };
        QStringList lines;
        if (auto* main = qobject_cast<ui::MainWindow*>(m_window.data()))
            lines << line("tick", main->tickTimer(), false);
        for (qsizetype i = 0; i < m_timers.size(); ++i)
            lines << line(names.value(i, "?"), *m_timers[i]);
        return lines;
    }

    /// Does `act`, then writes what changed, the boxes shown and the windows opened; a run of
    /// pointer moves that change nothing shares one line.
    void step(const QString& what, const std::function<void()>& act) {
        const std::size_t boxes = g.messages.shown.size();
        const QStringList timers = timerLines();
        act();
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
        m_ended = !m_window || !m_window->isVisible();
        // Offscreen, nothing gives the window back its activation when a box or window over it
        // closes; a desktop would.
        if (!m_ended && !m_window->isActiveWindow() && !QApplication::activeModalWidget()) {
            m_window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(m_window));
        }
        QString seen;
        for (Watched& w : m_watched) {
            if ((w.own && m_ended) || !w.widget) continue;
            const Seen now = see(w.widget, w.widget->window());
            if (now == w.seen) continue;
            seen +=
                (w.own ? describe(w.name, now, &w.seen) : "  " + w.name + " " + quoted(now.text)) +
                "\n";
            w.seen = now;
        }
        if (!m_ended) {
            for (const QString& line : timerLines())
                if (!timers.contains(line)) seen += line + "\n";
            if (const QString focus = nameOf(QApplication::focusWidget()); focus != m_focus)
                seen += "  focus " + (m_focus = focus) + "\n";
        }
        for (std::size_t i = boxes; i < g.messages.shown.size(); ++i) {
            const Message& box = g.messages.shown[i];
            seen += QString("  box %1 %2 %3 %4\n")
                        .arg(kIcons[static_cast<int>(box.icon)],
                             quoted(QString::fromStdString(box.title)),
                             quoted(QString::fromStdString(box.text)),
                             box.buttons == Buttons::YesNo ? "[Yes No]" : "[OK]");
        }
        for (const QString& line : std::exchange(m_opened, {})) seen += line + "\n";
        if (m_ended) seen += "  window closed\n";
        const bool pointing = what.startsWith("point at ");
        if (pointing && seen.isEmpty() && m_quietPointing) {
            m_out.insert(m_out.size() - 1, ", " + what.mid(9));  // after "point at "
            return;
        }
        m_quietPointing = pointing && seen.isEmpty();
        m_out += "> " + what + "\n" + seen;
    }

    UiGame& g;
    QString m_name;
    QObject m_context;
    QPointer<QWidget> m_window;
    std::vector<Watched> m_watched;
    QList<QTimer*> m_timers;
    QString m_focus;
    QStringList m_opened;
    QString m_out;
    bool m_ended = false;
    bool m_quietPointing = false;
};

/// Whether the widget can show what the rules keep for `control`: a text box is an editable or
/// scrolling text, a button a button, a picture a label or a painted field, a frame a frame.
bool fits(const QWidget& widget, const std::string& control, const Control& state) {
    const auto is = [&widget](std::initializer_list<const char*> classes) {
        for (const char* c : classes)
            if (widget.inherits(c)) return true;
        return false;
    };
    const auto prefix = [&control](std::initializer_list<const char*> prefixes) {
        for (const char* p : prefixes)
            if (control.starts_with(p)) return true;
        return false;
    };
    if (prefix({"cmd", "Command"})) return is({"QAbstractButton"});
    if (prefix({"opt"})) return is({"QRadioButton"});
    if (prefix({"txt", "Text", "an"})) return is({"QLineEdit", "QPlainTextEdit", "QTextEdit"});
    if (prefix({"lbl", "Label", "cap"})) return is({"QLabel"});
    if (prefix({"fra", "grp", "Frame", "Shape"}))
        return is({"QGroupBox", "QFrame"}) && !is({"QLabel"});
    // A painted field of the game's own (the arcade's, the slot machine's reels) shows pictures.
    const bool ours = QByteArray(widget.metaObject()->className()).startsWith("brankor::");
    if (!state.picture.empty() || prefix({"img", "pic", "Picture"}))
        return ours || is({"QLabel", "QAbstractButton", "QFrame"});
    return true;
}

/// A widget the rules need not know: a caption, a frame around other widgets, a line, a page.
bool decoration(const QWidget& widget) {
    if (widget.property("role").toString() == QLatin1String("caption")) return true;
    if (widget.inherits("QGroupBox") || widget.inherits("QScrollBar")) return true;
    if (!widget.inherits("QLabel") && !widget.inherits("QAbstractButton") &&
        !widget.inherits("QLineEdit") && !widget.inherits("QAbstractScrollArea"))
        return true;  // a frame, a line, a page: containers and drawn lines
    return widget.property("decoration").toBool();
}

QString directory() {
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../transcripts/windows/";
}

}  // namespace

class WindowsTranscriptTest : public QObject {
    Q_OBJECT
  private slots:
    // The rules tie themselves to a form by the controls' names: a name the rules declare but
    // the form lacks would leave that control's changes unseen, and a widget of the wrong kind
    // would show them wrongly. The arcade's field paints the ball and the paddle itself, and its
    // two hidden boxes only hold the ball's speed. Every other named widget of a form is one the
    // rules declare, or decoration: a caption, a frame or a container of other widgets.
    void everyControlTheRulesDeclareIsOnItsFormAsAFittingWidget() {
        const QStringList notOnForms = {"frmAr.C1", "frmAr.P1", "frmAr.T1", "frmAr.T2"};
        UiGame g;
        QStringList wrong;
        for (const auto& [name, kind] : ui::placeKinds()) {
            const std::unique_ptr<Place> rules = kind.make(g.app.game());
            QDialog form;
            kind.setupUi(form);
            for (const auto& [control, state] : rules->controls()) {
                const auto full = QString::fromStdString(name + "." + control);
                const auto* widget = form.findChild<QWidget*>(QString::fromStdString(control));
                if (!widget && !notOnForms.contains(full)) wrong << full + " is not on the form";
                if (widget && !fits(*widget, control, state))
                    wrong << full + " is a " + widget->metaObject()->className();
            }
            for (const QWidget* widget : form.findChildren<QWidget*>()) {
                const std::string control = widget->objectName().toStdString();
                if (control.empty() || control.starts_with("qt_") || rules->has(control) ||
                    decoration(*widget))
                    continue;
                wrong << QString::fromStdString(name + "." + control) + " is not declared";
            }
        }
        for (const QString& line : wrong) qInfo("%s", qPrintable(line));
        QCOMPARE(wrong.join("\n"), QString());
    }

    void window_data() {
        QTest::addColumn<QString>("window");
        QTest::newRow("frmMain") << QString("frmMain");
        for (const auto& [name, kind] : ui::placeKinds())
            QTest::newRow(name.c_str()) << QString::fromStdString(name);
        for (const auto& [name, item] : kMenuWindows) QTest::newRow(qPrintable(name)) << name;
    }

    void window() {
        QFETCH(QString, window);
        UiGame g;
        if (window != "frmFirst") g.startGame();
        Walk walk(g, window);  // starts as soon as the window is shown
        if (window == "frmFirst") g.app.start();
        if (window == "frmMain") walk.play();
        if (const auto menu = kMenuWindows.find(window); menu != kMenuWindows.end()) {
            g.state().lblHungry = "25";  // mood and satiety told apart in the diary's table
            g.main()->findChild<QAction*>(menu->second)->trigger();
            walk.play(g.main()->findChild<QWidget*>(window));
        } else if (window != "frmFirst" && window != "frmMain") {
            g.nav().show(window.toStdString(), Modality::Modal);
        }
        QTRY_VERIFY_WITH_TIMEOUT(walk.played(), 5000);
        const QString path = directory() + window + ".txt";
        if (qEnvironmentVariable("BRANKOR_REWRITE_TRANSCRIPTS") == "1") {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(walk.text().toUtf8());
            return;
        }
        QFile in(path);
        QVERIFY2(in.open(QIODevice::ReadOnly), qPrintable(path + " is missing"));
        const QStringList want = QString::fromUtf8(in.readAll()).split('\n');
        const QStringList got = walk.text().split('\n');
        for (qsizetype i = 0; i < std::max(want.size(), got.size()); ++i) {
            if (want.value(i) == got.value(i)) continue;
            QFile actual(window + ".actual.txt");
            if (actual.open(QIODevice::WriteOnly)) actual.write(walk.text().toUtf8());
            qInfo("%s differs at line %lld; all of it is in %s", qPrintable(path),
                  static_cast<long long>(i + 1), qPrintable(actual.fileName()));
            QCOMPARE(got.value(i), want.value(i));
        }
    }
};

BRANKOR_WINDOW_TEST(WindowsTranscriptTest)
#include "windows_transcript_test.moc"
