#include "qtports.h"

#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>

namespace brankor::ui {

Answer QtMessageBoxes::show(const Message& message) {
    if (m_beforeShow) m_beforeShow();
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent) parent = QApplication::activeWindow();
    // On the heap and watched: a death while the box is open closes the window the box belongs
    // to, and the box goes with it (exec() then returns as if it had been cancelled).
    QPointer<QMessageBox> owned = new QMessageBox(parent);
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
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Answer::Ok;
}

Date QtSystemClock::today() const {
    const QDate date = QDate::currentDate();
    return {date.year(), date.month(), date.day()};
}

TimeOfDay QtSystemClock::now() const {
    const QTime time = QTime::currentTime();
    return {time.hour(), time.minute(), time.second()};
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
    const QString filter = QStringLiteral("Бранкор (*.brk)");
    QWidget* parent = QApplication::activeWindow();
    QString path;
    if (kind == FileDialogKind::Save) {
        QFileDialog dialog(parent, QString(), QString(), filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("brk"));
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            path = dialog.selectedFiles().front();
    } else {
        path = QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
    }
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

}  // namespace brankor::ui
