#include "game/savegame/codepage.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace brankor {
namespace {

constexpr const char* kCodePage = "WINDOWS-1251";

/// One pass of iconv over the whole input; fails when a character has no counterpart.
Outcome<std::string> convert(const char* to, const char* from, std::string_view input) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return Failure{"Нет перекодировки Windows-1251"};
    // One byte of Windows-1251 never needs more than three bytes of UTF-8.
    std::vector<char> in(input.begin(), input.end());
    std::vector<char> out(input.size() * 3 + 1);
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    const std::size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    const bool flushed = iconv(cd, nullptr, nullptr, &outPtr, &outLeft) != static_cast<size_t>(-1);
    iconv_close(cd);
    if (done == static_cast<std::size_t>(-1) || inLeft != 0 || !flushed)
        return Failure{"Символ вне кодировки Windows-1251"};
    return std::string(out.data(), static_cast<std::size_t>(outPtr - out.data()));
}

}  // namespace

Outcome<std::string> toWindows1251(std::string_view utf8) {
    return convert(kCodePage, "UTF-8", utf8);
}

Outcome<std::string> fromWindows1251(std::string_view bytes) {
    return convert("UTF-8", kCodePage, bytes);
}

bool isUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int length = 0;
        char32_t code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07u;
        } else {
            return false;
        }
        if (bytes.size() - i < static_cast<std::size_t>(length)) return false;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0u) != 0x80u) return false;
            code = (code << 6) | (next & 0x3Fu);
        }
        const char32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
        if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        i += static_cast<std::size_t>(length);
    }
    return true;
}

Outcome<std::string> savedGameText(std::string_view bytes) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.remove_prefix(kByteOrderMark.size());
        if (!isUtf8(bytes)) return Failure{"Файл испорчен: неверный UTF-8"};
        return std::string(bytes);
    }
    if (isUtf8(bytes)) return std::string(bytes);
    return fromWindows1251(bytes);
}

}  // namespace brankor
