#include "core/lineassembly.h"

#include <span>
#include <variant>

namespace spawnsmith {
namespace {

struct RowFragment {};
using Segment = std::variant<const char*, Field, RowFragment>;

constexpr RowFragment fragment{};
constexpr const char* crlf = "\r\n";
constexpr const char* secondLineStart = "014C: set_parked_car_generator $";
constexpr const char* secondLineEnd = " cars_to_generate_to  101";

using enum Field;

constexpr Segment pickup[] = {"0213: $", CodeName, fragment, X, " ", Y, " ", Z};
constexpr Segment weaponPickup[] = {"032B: $", CodeName, fragment, Ammo, " at ", X, " ", Y, " ", Z};
constexpr Segment jetpack[] = {"032B: $", CodeName, fragment, X, " ", Y, " ", Z};
constexpr Segment carGenerator[] = {"014B: $",
                                    CodeName,
                                    fragment,
                                    Alarm,
                                    " door_lock  ",
                                    DoorLock,
                                    "  0  10000 at  ",
                                    X,
                                    " ",
                                    Y,
                                    " ",
                                    Z,
                                    " angle  ",
                                    Angle,
                                    crlf,
                                    secondLineStart,
                                    CodeName,
                                    secondLineEnd};
constexpr Segment carGeneratorFixedDoorLock[] = {"014B: $",
                                                 CodeName,
                                                 fragment,
                                                 Alarm,
                                                 " door_lock  0  0  10000 at  ",
                                                 X,
                                                 " ",
                                                 Y,
                                                 " ",
                                                 Z,
                                                 " angle  ",
                                                 Angle,
                                                 crlf,
                                                 secondLineStart,
                                                 CodeName,
                                                 secondLineEnd};

std::span<const Segment> segmentsOf(Shape shape) {
    switch (shape) {
    case Shape::Pickup:
        return pickup;
    case Shape::WeaponPickup:
        return weaponPickup;
    case Shape::Jetpack:
        return jetpack;
    case Shape::CarGenerator:
        return carGenerator;
    case Shape::CarGeneratorFixedDoorLock:
        return carGeneratorFixedDoorLock;
    }
    return {};
}

} // namespace

QString assembleLine(Shape shape, const QString& rowFragment, const FieldSource& field) {
    QString line;
    for (const Segment& segment : segmentsOf(shape)) {
        if (const auto* literal = std::get_if<const char*>(&segment))
            line += QLatin1String(*literal);
        else if (const auto* input = std::get_if<Field>(&segment))
            line += field(*input);
        else
            line += rowFragment;
    }
    return line;
}

QList<Field> fieldsRead(Shape shape) {
    QList<Field> fields;
    for (const Segment& segment : segmentsOf(shape))
        if (const auto* input = std::get_if<Field>(&segment))
            fields.append(*input);
    return fields;
}

} // namespace spawnsmith
