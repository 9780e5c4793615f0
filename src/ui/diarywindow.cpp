#include "diarywindow.h"

#include <QAbstractScrollArea>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QToolTip>
#include <QVBoxLayout>

#include "diaryplot.h"
#include "diarytable.h"
#include "framework/number.h"
#include "game/windownames.h"
#include "zoom.h"

namespace brankor::ui {
namespace {

/// "Дневник.png" in the player's pictures folder, else in the home folder.
QString suggestedPicturePath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("Дневник.png"));
}

/// The tooltip over a plotted day: its date (the present moment's marked "сейчас") and its four
/// numbers.
QString tipOf(const DiaryPoint& day, bool present) {
    const QString date = QString::fromStdString(day.date);
    return QStringLiteral("%1\nДеньги: %2\nСчёт в банке: %3\nНастроение: %4\nСытость: %5")
        .arg(present ? QStringLiteral("сейчас, %1").arg(date) : date,
             QString::fromStdString(writeNumber(day.money)), QString::number(day.bankBalance),
             QString::fromStdString(writeNumber(day.mood)),
             QString::fromStdString(writeNumber(day.satiety)));
}

/// The widget the pointer moves over: a view's viewport, else the widget itself.
QWidget* pointerArea(QWidget* view) {
    auto* scrolled = qobject_cast<QAbstractScrollArea*>(view);
    return scrolled ? scrolled->viewport() : view;
}

}  // namespace

DiaryWindow::DiaryWindow(Game& game, UnloadGuard& mainGuard, QWidget* mainWindow)
    : QDialog(mainWindow), m_game(game), m_mainGuard(mainGuard) {
    setObjectName(QString::fromLatin1(window::kDiary));
    setWindowTitle(QStringLiteral("Дневник"));
    connect(this, &QDialog::finished, this, [this] {
        if (m_pictureDialog) m_pictureDialog->reject();
        m_unload.unload();
    });
    setModal(false);
    setSizeGripEnabled(true);
    resize(760, 600);

    m_plot = createDiaryPlot();
    m_chartView =
        m_plot ? m_plot->widget() : new QLabel(QStringLiteral("График не удалось загрузить."));
    m_chartView->setObjectName(QStringLiteral("chtLife"));
    m_chartView->setAccessibleName(
        QStringLiteral("График: деньги, счёт в банке, настроение и сытость по дням"));
    m_chartView->setMinimumSize(420, 280);
    pointerArea(m_chartView)->setMouseTracking(true);
    pointerArea(m_chartView)->installEventFilter(this);

    m_table = new DiaryTable(game, this);
    m_tableView = new QTableView;
    m_tableView->setObjectName(QStringLiteral("tblLife"));
    m_tableView->setModel(m_table);
    m_tableView->setAccessibleName(
        QStringLiteral("Таблица: деньги, счёт в банке, настроение и сытость по дням"));
    m_tableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tableView->setAlternatingRowColors(true);
    m_tableView->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_tableView->verticalHeader()->setDefaultSectionSize(22);

    auto* tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("tabDiary"));
    tabs->addTab(m_chartView, QStringLiteral("&График"));
    tabs->addTab(m_tableView, QStringLiteral("&Таблица"));

    auto* eventsCaption = new QLabel(QStringLiteral("&События:"));
    eventsCaption->setObjectName(QStringLiteral("lblEvents"));
    m_events = new QListWidget;
    m_events->setObjectName(QStringLiteral("lstEvents"));
    m_events->setAccessibleName(QStringLiteral("События"));
    m_events->setMaximumHeight(130);
    eventsCaption->setBuddy(m_events);

    auto* buttons = new QDialogButtonBox;
    QPushButton* save =
        buttons->addButton(QStringLiteral("Сохранить картинку…"), QDialogButtonBox::ActionRole);
    save->setObjectName(QStringLiteral("cmdSavePicture"));
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setText(QStringLiteral("Закрыть"));
    for (QPushButton* button : {save, close}) button->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &DiaryWindow::savePicture);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs, 1);
    layout->addWidget(eventsCaption);
    layout->addWidget(m_events);
    layout->addWidget(buttons);
    refresh();
    Zoom::instance().follow(*this);
}

void DiaryWindow::refresh() {
    const DiaryPoint now = Diary::pointOf(m_game.state);
    if (m_drawn && m_game.diary.revision() == m_shownRevision && now == m_shownNow) return;
    m_drawn = true;
    m_shownRevision = m_game.diary.revision();
    m_shownNow = now;
    if (m_plot) m_plot->draw(m_game.diary, now);
    m_table->reload();
    showEvents();
}

void DiaryWindow::showEvents() {
    const Diary& diary = m_game.diary;
    const auto& events = diary.events();
    // New events are added below the ones listed and dropped ones leave from the top, so the
    // line a reader is on stays put.
    for (; m_eventsDropped < diary.droppedEvents(); ++m_eventsDropped) delete m_events->takeItem(0);
    if (diary.generation() != m_eventsGeneration || m_nothingYet ||
        static_cast<std::size_t>(m_events->count()) > events.size()) {
        m_events->clear();
        m_eventsGeneration = diary.generation();
        m_eventsDropped = diary.droppedEvents();
        m_nothingYet = events.empty();
        if (m_nothingYet) m_events->addItem(QStringLiteral("Пока ничего не случилось."));
    }
    if (m_nothingYet || static_cast<std::size_t>(m_events->count()) == events.size()) return;
    for (auto e = events.begin() + m_events->count(); e != events.end(); ++e)
        m_events->addItem(QStringLiteral("%1, %2 ч — %3")
                              .arg(QString::fromStdString(e->date), QString::fromStdString(e->hour),
                                   QString::fromStdString(e->text)));
    m_events->scrollToBottom();
}

bool DiaryWindow::eventFilter(QObject* watched, QEvent* event) {
    if (m_plot && watched == pointerArea(m_chartView) && event->type() == QEvent::MouseMove) {
        const auto* move = static_cast<QMouseEvent*>(event);
        bool present = false;
        if (const DiaryPoint* day = m_plot->dayAt(move->position().toPoint(), present))
            QToolTip::showText(move->globalPosition().toPoint(), tipOf(*day, present),
                               pointerArea(m_chartView));
        else
            QToolTip::hideText();
    }
    return QDialog::eventFilter(watched, event);
}

bool DiaryWindow::writePicture(const QString& path) const {
    const QPixmap picture = m_chartView->grab();
    return !picture.isNull() && picture.save(path, "PNG");
}

void DiaryWindow::savePicture() {
    // A death while the dialog is open closes the main window, and this one and the dialog with
    // it: both windows stay until the dialog has gone.
    UnloadGuard::Handling mainHandling(m_mainGuard);
    UnloadGuard::Handling handling(m_unload);
    QPointer<QFileDialog> dialog = m_pictureDialog =
        new QFileDialog(this, QStringLiteral("Сохранить картинку"), suggestedPicturePath(),
                        QStringLiteral("Картинка PNG (*.png)"));
    const auto release = qScopeGuard([&dialog] { delete dialog.data(); });
    dialog->setObjectName(QStringLiteral("pictureDialog"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("png"));
    if (dialog->exec() != QDialog::Accepted || !dialog || dialog->selectedFiles().isEmpty()) return;
    const QString path = dialog->selectedFiles().front();
    if (!writePicture(path))
        m_game.tell("Дневник", "Не удалось сохранить картинку в файл " + path.toStdString(),
                    Icon::Error);
}

}  // namespace brankor::ui
