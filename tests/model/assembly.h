#pragma once

// The generated text as the line-shape rules define it, written out literal by literal. It
// shares nothing with the program's assembly but the Shape and Field names.

#include "generate/lineassembly.h"

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

// A multi-line result box shows every line break (CR LF, a lone CR or a lone LF) as one break
// and gives its text back with CR LF between lines.
inline QString asShownInResultBox(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
}

} // namespace spawnsmith::model
