#include "game/savegame/writelist.h"

#include <limits>

namespace brankor {
namespace {

constexpr std::string_view kTrue = "#TRUE#";
constexpr std::string_view kFalse = "#FALSE#";

bool endsLine(char c) {
    return c == '\r' || c == '\n';
}

/// Walks a line item by item.
class ListReader {
  public:
    explicit ListReader(std::string_view text) : m_text(text) {}

    Outcome<std::vector<ListItem>> read(std::size_t count) {
        std::vector<ListItem> items;
        for (std::size_t index = 0; index < count; ++index) {
            if (index > 0) {
                skipBlanks();
                if (atLineEnd()) return itemFailure(index, "файл кончился раньше времени");
                if (m_text[m_pos] != ',') return itemFailure(index - 1, "лишние символы");
                ++m_pos;
            }
            skipBlanks();
            Outcome<ListItem> item = readItem(index);
            if (!item) return Failure{item.reason()};
            items.push_back(std::move(item.value()));
        }
        return items;
    }

  private:
    Outcome<ListItem> readItem(std::size_t index) {
        if (atLineEnd()) return itemFailure(index, "файл кончился раньше времени");
        const char first = m_text[m_pos];
        if (first == '"') return readText(index);
        if (first == '#') return readBoolean(index);
        if (first == '-' || isDigit(first)) return readInteger(index);
        return itemFailure(index, "непонятный символ");
    }

    Outcome<ListItem> readText(std::size_t index) {
        const std::size_t start = m_pos + 1;
        std::size_t end = start;
        while (end < m_text.size() && m_text[end] != '"') {
            if (endsLine(m_text[end])) break;
            ++end;
        }
        if (end >= m_text.size() || m_text[end] != '"')
            return itemFailure(index, "незакрытая кавычка");
        m_pos = end + 1;
        return ListItem(std::string(m_text.substr(start, end - start)));
    }

    Outcome<ListItem> readBoolean(std::size_t index) {
        for (const auto& [word, value] : {std::pair{kTrue, true}, std::pair{kFalse, false}}) {
            if (m_text.substr(m_pos).starts_with(word)) {
                m_pos += word.size();
                return ListItem(value);
            }
        }
        return itemFailure(index, "неверное логическое значение");
    }

    Outcome<ListItem> readInteger(std::size_t index) {
        const bool negative = m_text[m_pos] == '-';
        if (negative) ++m_pos;
        if (m_pos >= m_text.size() || !isDigit(m_text[m_pos]))
            return itemFailure(index, "не число");
        long long value = 0;
        bool tooBig = false;
        for (; m_pos < m_text.size() && isDigit(m_text[m_pos]); ++m_pos) {
            value = value * 10 + (m_text[m_pos] - '0');
            if (value > 100000) {
                tooBig = true;
                value = 100000;
            }
        }
        if (negative) value = -value;
        if (tooBig || value < std::numeric_limits<std::int16_t>::min() ||
            value > std::numeric_limits<std::int16_t>::max())
            return itemFailure(index, "число не помещается в 16 бит");
        return ListItem(static_cast<std::int16_t>(value));
    }

    static bool isDigit(char c) { return c >= '0' && c <= '9'; }
    bool atLineEnd() const { return m_pos >= m_text.size() || endsLine(m_text[m_pos]); }
    void skipBlanks() {
        while (m_pos < m_text.size() && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t')) ++m_pos;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

}  // namespace

Failure itemFailure(std::size_t index, std::string_view what) {
    return Failure{"Элемент " + std::to_string(index + 1) + ": " + std::string(what)};
}

Outcome<std::string> writeListLine(std::span<const ListItem> items) {
    std::string line;
    for (std::size_t index = 0; index < items.size(); ++index) {
        if (index > 0) line += ',';
        const ListItem& item = items[index];
        if (const auto* text = std::get_if<std::string>(&item)) {
            if (text->find_first_of(std::string_view("\"\r\n\0", 4)) != std::string::npos)
                return itemFailure(index, "текст с кавычкой или переводом строки");
            line += '"' + *text + '"';
        } else if (const auto* number = std::get_if<std::int16_t>(&item)) {
            line += std::to_string(*number);
        } else {
            line += std::get<bool>(item) ? kTrue : kFalse;
        }
    }
    return line + "\r\n";
}

Outcome<std::vector<ListItem>> readListLine(std::string_view text, std::size_t count) {
    return ListReader(text).read(count);
}

}  // namespace brankor
