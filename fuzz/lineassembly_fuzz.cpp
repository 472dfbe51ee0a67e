// Line assembly on any fragment and field texts: it must not crash, must start with the
// shape's opcode, must ask for the shape's fields in reading order, and must give exactly the
// concatenation the line-shape rules define.

#include "fuzzinput.h"

#include "core/lineassembly.h"
#include "support/model/assembly.h"

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
    model::FieldTexts fields;
    for (int i = 0; i < 8; ++i)
        fields[static_cast<Field>(i)] = input.texts[i + 1];

    QList<Field> asked;
    const QString line = assembleLine(shape, fragment, [&](Field field) {
        asked.append(field);
        return fields.value(field);
    });

    check(line.startsWith(QLatin1String(opcodeOf(shape))), "does not start with its opcode");
    check(asked == fieldsRead(shape), "fields asked for out of reading order");
    check(line == model::expectedText(shape, fragment, fields), "differs from the shape's rule");
    return 0;
}
