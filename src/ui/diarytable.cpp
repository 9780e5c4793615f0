#include "diarytable.h"

#include <array>

#include "core/number.h"

namespace brankor::ui {
namespace {

constexpr std::array<const char*, 5> kColumns = {"Дата", "Деньги", "Счёт в банке", "Настроение",
                                                 "Сытость"};

QString cell(const DiaryPoint& point, int column) {
    switch (column) {
        case 0:
            return QString::fromStdString(point.date);
        case 1:
            return QString::fromStdString(writeNumber(point.money));
        case 2:
            return QString::number(point.bankBalance);
        case 3:
            return QString::fromStdString(writeNumber(point.mood));
        default:
            return QString::fromStdString(writeNumber(point.satiety));
    }
}

}  // namespace

DiaryTable::DiaryTable(const Game& game, QObject* parent)
    : QAbstractTableModel(parent), m_game(game) {
    reload();
}

void DiaryTable::reload() {
    const int rows = static_cast<int>(m_game.diary.midnights().size()) + 1;
    if (m_rows == 0 || rows < m_rows || m_game.diary.firstDate() != m_firstDate) {
        beginResetModel();
        m_rows = rows;
        m_firstDate = m_game.diary.firstDate();
        endResetModel();
        return;
    }
    if (rows > m_rows) {
        beginInsertRows({}, m_rows - 1, rows - 2);
        m_rows = rows;
        endInsertRows();
    }
    emit dataChanged(index(rows - 1, 0), index(rows - 1, columnCount() - 1));
}

int DiaryTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int DiaryTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kColumns.size());
}

QVariant DiaryTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::TextAlignmentRole)) return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(index.column() == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                                       : Qt::AlignRight | Qt::AlignVCenter);
    const auto& midnights = m_game.diary.midnights();
    const auto row = static_cast<std::size_t>(index.row());
    if (row < midnights.size()) return cell(midnights[row], index.column());
    const DiaryPoint now = Diary::pointOf(m_game.state);
    if (index.column() == 0)
        return QStringLiteral("сейчас, %1").arg(QString::fromStdString(now.date));
    return cell(now, index.column());
}

QVariant DiaryTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    return QString::fromUtf8(kColumns[static_cast<std::size_t>(section)]);
}

}  // namespace brankor::ui
