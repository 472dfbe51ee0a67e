#pragma once

// The generated text as the line-shape rules define it, written out literal by literal. It
// shares nothing with the program's assembly but the Shape and Field names.

#include "core/lineassembly.h"

#include <QMap>
#include <QString>

namespace spawnsmith::model {

using FieldTexts = QMap<Field, QString>;

inline QString expectedText(Shape shape, const QString& fragment, const FieldTexts& f) {
    const auto code = f.value(Field::CodeName);
    const QString xyz = f.value(Field::X) + " " + f.value(Field::Y) + " " + f.value(Field::Z);
    const QString secondLine =
        "\r\n014C: set_parked_car_generator $" + code + " cars_to_generate_to  101";
    switch (shape) {
    case Shape::Pickup:
        return "0213: $" + code + fragment + xyz;
    case Shape::WeaponPickup:
        return "032B: $" + code + fragment + f.value(Field::Ammo) + " at " + xyz;
    case Shape::Jetpack:
        return "032B: $" + code + fragment + xyz;
    case Shape::CarGenerator:
        return "014B: $" + code + fragment + f.value(Field::Alarm) + " door_lock  " +
               f.value(Field::DoorLock) + "  0  10000 at  " + xyz + " angle  " +
               f.value(Field::Angle) + secondLine;
    case Shape::CarGeneratorFixedDoorLock:
        return "014B: $" + code + fragment + f.value(Field::Alarm) +
               " door_lock  0  0  10000 at  " + xyz + " angle  " + f.value(Field::Angle) +
               secondLine;
    }
    return {};
}

// Text typed or pasted into a multi-line box: a CR LF pair, a lone CR and a lone LF each make
// one line break, and the box gives its text back with CR LF between lines.
inline QString asShownInMultiLineBox(const QString& text) {
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        shown += c == u'\r' || c == u'\n' ? QStringLiteral("\r\n") : QString(c);
    }
    return shown;
}

// Generated text written into a result box: its CR LF pairs are line breaks first, so a CR
// just before one stands alone.
inline QString asShownInTextArea(QString text) {
    return asShownInMultiLineBox(text.replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

} // namespace spawnsmith::model
