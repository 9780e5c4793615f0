#include "qtports.h"

#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>

#include "gamesettings.h"

namespace brankor::ui {

Answer QtMessageBoxes::show(const Message& message) {
    if (m_beforeShow) m_beforeShow();
    const std::unique_ptr<DialogLease> parent = m_parents.leaseParent();
    // On the heap and watched: should the box's window go while it is open, the box goes with it
    // (exec() then returns as if it had been cancelled) and nothing on the stack is freed.
    QPointer<QMessageBox> owned = new QMessageBox(parent->widget());
    const auto release = qScopeGuard([&owned] { delete owned.data(); });
    QMessageBox& box = *owned;
    box.setObjectName(QStringLiteral("messageBox"));
    box.setWindowTitle(QString::fromStdString(message.title));
    box.setText(QString::fromStdString(message.text));
    box.setTextFormat(Qt::PlainText);
    switch (message.icon) {
        case Icon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case Icon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case Icon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Icon::Error:
            box.setIcon(QMessageBox::Critical);
            break;
    }
    if (message.buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("&Да"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&Нет"));
        box.setDefaultButton(QMessageBox::Yes);
        const int answer = box.exec();
        return owned && answer == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
    return Answer::Ok;
}

Date QtSystemClock::today() const {
    const QDate date = QDate::currentDate();
    return {date.year(), date.month(), date.day()};
}

TimeOfDay QtSystemClock::now() const {
    const QTime time = QTime::currentTime();
    return {time.hour(), time.minute(), time.second(), time.msec()};
}

std::int64_t QtSystemClock::milliseconds() const {
    return m_steady.elapsed();
}

QtRandom::QtRandom() {
    randomize();
}

void QtRandom::randomize() {
    m_engine.seed(static_cast<std::mt19937::result_type>(QDateTime::currentMSecsSinceEpoch()));
}

double QtRandom::rnd() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine);
}

std::optional<std::string> QtFileDialogs::choose(FileDialogKind kind) {
    const std::unique_ptr<DialogLease> parent = m_parents.leaseParent();
    // On the heap and watched, as the message boxes are.
    QPointer<QFileDialog> owned = new QFileDialog(parent->widget(), QString(), savedGamesFolder(),
                                                  QStringLiteral("Бранкор (*.brk)"));
    const auto release = qScopeGuard([&owned] { delete owned.data(); });
    owned->setObjectName(QStringLiteral("fileDialog"));
    if (kind == FileDialogKind::Save) {
        owned->setAcceptMode(QFileDialog::AcceptSave);
        owned->setDefaultSuffix(QStringLiteral("brk"));
    } else {
        owned->setAcceptMode(QFileDialog::AcceptOpen);
        owned->setFileMode(QFileDialog::ExistingFile);
    }
    if (owned->exec() != QDialog::Accepted || !owned || owned->selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = owned->selectedFiles().front();
    if (path.isEmpty()) return std::nullopt;
    rememberSavedGamesFolder(QFileInfo(path).absolutePath());
    return path.toStdString();
}

}  // namespace brankor::ui
