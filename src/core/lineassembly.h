#pragma once

#include <QList>
#include <QString>

#include <functional>

namespace spawnsmith {

// The input boxes a line can draw on.
enum class Field { CodeName, Ammo, X, Y, Z, Alarm, DoorLock, Angle };

// The forms a generated text can take; each catalogue row names one.
enum class Shape {
    Pickup,                    // "0213: $" code fragment X Y Z
    WeaponPickup,              // "032B: $" code fragment ammo " at " X Y Z
    CarGenerator,              // the two-line parked car generator pair
    CarGeneratorFixedDoorLock, // the pair with door-lock always 0 (door-lock box never read)
    Jetpack,                   // "032B: $" code fragment X Y Z: ammo and "at" live in the fragment
};

// Supplies the text of one input box. Called once per field segment, in segment order, so a
// shape reads exactly the boxes it uses and nothing else.
using FieldSource = std::function<QString(Field)>;

// Concatenates the shape's segments: fixed literals, the row fragment and the field texts,
// each exactly as given, with nothing in between.
QString assembleLine(Shape shape, const QString& fragment, const FieldSource& field);

// The fields a shape reads, in reading order (the code name twice for the pair).
QList<Field> fieldsRead(Shape shape);

// The most characters the input box of a field holds (0: any number): seven for a coordinate,
// three for the angle and the two percentages.
constexpr int fieldLimit(Field field) {
    switch (field) {
    case Field::X:
    case Field::Y:
    case Field::Z:
        return 7;
    case Field::Alarm:
    case Field::DoorLock:
    case Field::Angle:
        return 3;
    case Field::CodeName:
    case Field::Ammo:
        break;
    }
    return 0;
}

} // namespace spawnsmith
