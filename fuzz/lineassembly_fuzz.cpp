// Line assembly on any fragment and field texts: it must not crash, must ask for the shape's
// fields in reading order, must start with the shape's opcode, the code name and the fragment,
// must end with the coordinates (a pickup) or the pair's second line, and must hold nothing
// but its fixed literals and the texts it was given (the literals being what the line holds
// when every field is empty). The exact literals of every row are checked by the suites
// against tests/data/lines.tsv.

#include "fuzzinput.h"

#include "core/lineassembly.h"

#include <QMap>

#include <cstdio>
#include <cstdlib>

using namespace spawnsmith;

namespace {

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "line assembly: %s\n", what);
        std::abort();
    }
}

const char* opcodeOf(Shape shape) {
    switch (shape) {
    case Shape::Pickup:
        return "0213: $";
    case Shape::WeaponPickup:
    case Shape::Jetpack:
        return "032B: $";
    case Shape::CarGenerator:
    case Shape::CarGeneratorFixedDoorLock:
        return "014B: $";
    }
    return "";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Input input = fuzz::readInput(data, size, 9);
    const auto shape = static_cast<Shape>(input.selector % 5);
    const QString& fragment = input.texts[0];
    QMap<Field, QString> fields;
    for (int i = 0; i < 8; ++i)
        fields[static_cast<Field>(i)] = input.texts[i + 1];

    QList<Field> asked;
    const QString line = assembleLine(shape, fragment, [&](Field field) {
        asked.append(field);
        return fields.value(field);
    });
    const QString skeleton = assembleLine(shape, fragment, [](Field) { return QString(); });

    check(asked == fieldsRead(shape), "fields asked for out of reading order");
    const QString code = fields.value(Field::CodeName);
    check(line.startsWith(QLatin1String(opcodeOf(shape)) + code + fragment),
          "does not start with its opcode, code name and fragment");
    qsizetype typed = 0;
    for (const Field field : asked)
        typed += fields.value(field).size();
    check(line.size() == skeleton.size() + typed, "holds more or less than literals and texts");
    const QString xyz =
        fields.value(Field::X) + u' ' + fields.value(Field::Y) + u' ' + fields.value(Field::Z);
    const bool pair = shape == Shape::CarGenerator || shape == Shape::CarGeneratorFixedDoorLock;
    check(pair ? line.endsWith("\r\n014C: set_parked_car_generator $" + code +
                               " cars_to_generate_to  101")
               : line.endsWith(xyz),
          "does not end as its shape does");
    return 0;
}
