#include "diarytable.h"

#include <array>

#include "framework/number.h"

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
    const Diary& diary = m_game.diary;
    const int rows = static_cast<int>(diary.midnights().size()) + 1;
    const auto dropped = static_cast<int>(diary.droppedDays() - m_dropped);
    if (m_rows == 0 || diary.generation() != m_generation || dropped >= m_rows) {
        beginResetModel();
        m_rows = rows;
        m_generation = diary.generation();
        m_dropped = diary.droppedDays();
        endResetModel();
        return;
    }
    if (dropped > 0) {
        beginRemoveRows({}, 0, dropped - 1);
        m_rows -= dropped;
        m_dropped = diary.droppedDays();
        endRemoveRows();
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
