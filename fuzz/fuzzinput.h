#pragma once

// Turns a fuzzer's bytes into texts. The first byte chooses how the rest is read: as UTF-8
// (malformed sequences included) or as raw UTF-16 code units (lone surrogates included), so
// every character a text box can hold is reachable. Texts are separated by U+001F.

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace spawnsmith::fuzz {

struct Input {
    std::uint8_t selector = 0; // free for the target: the high bits of the first byte
    QStringList texts;
};

inline Input readInput(const std::uint8_t* data, std::size_t size, int textCount) {
    Input input;
    if (size > 0) {
        input.selector = data[0] >> 1;
        const auto* rest = reinterpret_cast<const char*>(data + 1);
        const auto restSize = static_cast<qsizetype>(size - 1);
        // Raw code units are copied out first: the fuzzer's buffer need not be aligned.
        QString all;
        if (data[0] & 1) {
            all.resize(restSize / 2);
            std::memcpy(all.data(), rest, static_cast<std::size_t>(all.size()) * 2);
        } else {
            all = QString::fromUtf8(rest, restSize);
        }
        input.texts = all.split(QChar(0x1F));
    }
    while (input.texts.size() < textCount)
        input.texts.append(QString());
    return input;
}

} // namespace spawnsmith::fuzz
