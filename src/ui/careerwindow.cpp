#include "careerwindow.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "game/windownames.h"
#include "zoom.h"

namespace brankor::ui {
namespace {

enum Column { kWhat, kRequired, kHave, kVerdict, kColumns };

const QColor kMetBackground(0xe3, 0xf4, 0xe1);
const QColor kMissingBackground(0xfb, 0xe3, 0xe0);
const QColor kNextBackground(0xff, 0xf3, 0xc4);

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

/// Sets a cell's text and what a screen reader says for it, touching nothing that is unchanged.
void setCell(QTreeWidgetItem& item, int column, const QString& shown, const QString& spoken) {
    if (item.text(column) != shown) item.setText(column, shown);
    if (item.data(column, Qt::AccessibleTextRole).toString() != spoken)
        item.setData(column, Qt::AccessibleTextRole, spoken);
}

void paint(QTreeWidgetItem& item, const QColor& background) {
    for (int column = 0; column < kColumns; ++column)
        item.setBackground(column, background.isValid() ? QBrush(background) : QBrush());
}

QString verdict(const GuideRow& row) {
    if (row.current) return QStringLiteral("ваша работа");
    if (row.qualifies) return QStringLiteral("✔ можно устроиться");
    const auto missing = std::count_if(row.cells.begin(), row.cells.end(),
                                       [](const GuideCell& c) { return !c.met; });
    return QStringLiteral("✘ не хватает: %1").arg(missing);
}

}  // namespace

CareerWindow::CareerWindow(Game& game, QWidget* mainWindow) : QDialog(mainWindow), m_game(game) {
    setObjectName(QString::fromLatin1(window::kCareer));
    setWindowTitle(QStringLiteral("Карьера"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setSizeGripEnabled(true);
    resize(840, 640);

    auto* intro = new QLabel(QStringLiteral(
        "Что требует каждая работа и что есть у вас сейчас. ✔ — выполнено, ✘ — не выполнено. "
        "Следующая цель выделена."));
    intro->setObjectName(QStringLiteral("lblIntro"));
    intro->setWordWrap(true);

    m_tree = new QTreeWidget;
    m_tree->setObjectName(QStringLiteral("treCareer"));
    m_tree->setAccessibleName(QStringLiteral("Работы и их требования"));
    m_tree->setColumnCount(kColumns);
    m_tree->setHeaderLabels({QStringLiteral("Работа и требования"), QStringLiteral("Требуется"),
                             QStringLiteral("У вас"), QStringLiteral("Итог")});
    m_tree->setRootIsDecorated(true);
    m_tree->setUniformRowHeights(true);
    m_tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Закрыть"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_tree, 1);
    layout->addWidget(buttons);
    refresh();
    m_tree->expandAll();
    Zoom::instance().follow(*this);
}

void CareerWindow::refresh() {
    std::vector<GuideRow> rows = careerGuide(m_game.state);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i < m_shown.size() && m_shown[i] == rows[i]) continue;
        QTreeWidgetItem* item = m_tree->topLevelItem(static_cast<int>(i));
        if (!item) item = new QTreeWidgetItem(m_tree);
        showRow(*item, rows[i]);
    }
    m_shown = std::move(rows);
}

void CareerWindow::showRow(QTreeWidgetItem& item, const GuideRow& row) {
    const Job& job = *row.job;
    QString name = text(job.caption);
    if (row.current) name += QStringLiteral(" — ваша работа");
    if (row.next) name += QStringLiteral(" — следующая цель");
    const QString salary = QStringLiteral("зарплата %1 $").arg(text(job.salary));
    QFont font = item.font(kWhat);
    font.setBold(row.current || row.next);
    for (int column = 0; column < kColumns; ++column) item.setFont(column, font);
    setCell(item, kWhat, name, name);
    setCell(item, kRequired, salary, salary);
    setCell(item, kHave, {}, {});
    setCell(item, kVerdict, verdict(row), verdict(row));
    paint(item, row.next ? kNextBackground : QColor());

    if (row.cells.empty() && item.childCount() == 0) {
        auto* none = new QTreeWidgetItem(&item);
        none->setText(kWhat, QStringLiteral("ничего не требуется"));
    }
    for (std::size_t c = 0; c < row.cells.size(); ++c) {
        const GuideCell& cell = row.cells[c];
        QTreeWidgetItem* child = item.child(static_cast<int>(c));
        if (!child) child = new QTreeWidgetItem(&item);
        const QString mark = cell.met ? QStringLiteral("✔ да") : QStringLiteral("✘ нет");
        setCell(*child, kWhat, text(cell.what), text(cell.spoken()));
        setCell(*child, kRequired, text(cell.required),
                QStringLiteral("требуется ") + text(cell.required));
        setCell(*child, kHave, text(cell.have), QStringLiteral("у вас ") + text(cell.have));
        setCell(*child, kVerdict, mark,
                cell.met ? QStringLiteral("выполнено") : QStringLiteral("не выполнено"));
        paint(*child, cell.met ? kMetBackground : kMissingBackground);
    }
}

}  // namespace brankor::ui
