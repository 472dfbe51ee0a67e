#pragma once

#include "app/action.h"
#include "generate/catalogue.h"

#include <vector>

namespace spawnsmith {

class Frame;

// Where an input box of a creator screen sits.
enum class Place {
    Coordinates, // inside the "Coordinates" frame (X, Y, Z)
    Column,      // in the column beside the list, label above the box
    Short,       // in the column, label and a short box side by side
    ShortLast,   // as Short, but last in the tab order, after every button
};

struct InputSpec {
    const char* labelName;
    const char* label;
    const char* box;
    Field field;
    int maxLength; // 0: no limit
    Place place;
    const char* toolTip = nullptr;
};

// How a creator screen's "Generate My Code" treats its list and boxes.
enum class Generation {
    Assemble,       // read the selected row and its fields, write the line into the result
    ShowResultOnly, // move to the empty result screen without reading anything
};

// A creator screen: its catalogue list, its input boxes in tab order, its generate button and
// the back buttons and "Exit" from left to right; and the result screen it fills.
struct CreatorSpec {
    const char* name;
    const char* caption; // the whole window caption
    int widthTwips;
    int heightTwips;
    const char* list;
    const char* listAccessibleName;
    Catalogue catalogue;
    const char* frame;
    std::vector<InputSpec> inputs;
    const char* generateButton;
    std::vector<ButtonSpec> buttons;
    const char* result;
    const char* resultBox;
    Generation generation = Generation::Assemble;
};

// A result screen: its text box and its four buttons from left to right.
struct ResultSpec {
    const char* name;
    const char* caption; // the whole window caption
    int widthTwips;
    int heightTwips;
    const char* box;
    std::vector<ButtonSpec> buttons;
    bool buttonsFirstInTabOrder = false; // tab order from "Exit" leftwards, the box last
};

// The usual inputs of a creator screen.
InputSpec coordinate(const char* box, Field axis);
InputSpec codeName(const char* box);
InputSpec ammo(const char* box);
InputSpec alarm(const char* labelName, const char* box);
InputSpec doorLock(const char* labelName, const char* box, const char* toolTip = nullptr);
InputSpec angle();

void addCreatorScreen(Frame& frame, const CreatorSpec& design);
void addResultScreen(Frame& frame, const ResultSpec& design);

// The generation protocol: show the result screen, write the selected row's text into its box,
// unload the creator screen.
void generate(Frame& frame, const CreatorSpec& design);

} // namespace spawnsmith
