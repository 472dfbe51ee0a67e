#pragma once

#include "app/action.h"
#include "core/catalogue.h"

#include <vector>

namespace spawnsmith {

class Frame;

// Where an input box of a creator screen sits.
enum class Placement {
    Coordinates, // inside the "Coordinates" frame (X, Y, Z)
    Column,      // in the column beside the list, label above the box
    Short,       // in the column, label and a short box side by side
    ShortLast,   // as Short, but last in the tab order, after every button
};

// An input box of a creator screen, with its label and the field of the line it holds.
struct InputField {
    const char* labelName;
    const char* label;
    const char* box;
    Field field;
    Placement placement;
    const char* toolTip = nullptr;
};

// How a creator screen's "Generate My Code" treats its list and boxes.
enum class Generation {
    Assemble,       // read the selected row and its fields, write the line into the result
    ShowResultOnly, // move to the empty result screen without reading anything
};

// A creator screen: its catalogue list, its input boxes in tab order, its generate button and
// the back buttons and "Exit" from left to right; and the result screen it fills.
struct CreatorScreen {
    WindowId id;
    const char* caption; // the whole window caption
    int widthTwips;
    int heightTwips;
    const char* list;
    const char* listAccessibleName;
    Catalogue catalogue;
    const char* coordinatesFrame;
    std::vector<InputField> inputs;
    const char* generateButton;
    std::vector<Button> buttons;
    WindowId result;
    Generation generation = Generation::Assemble;
};

// The usual inputs of a creator screen.
InputField coordinate(const char* box, Field axis);
InputField codeName(const char* box);
InputField ammo(const char* box);
InputField alarm(const char* labelName, const char* box);
InputField doorLock(const char* labelName, const char* box, const char* toolTip = nullptr);
InputField angle();

// Registers the creator screen with the frame. Its "Generate My Code" shows the result screen,
// writes the selected row's text into its box and unloads the creator screen.
void addCreatorScreen(Frame& frame, const CreatorScreen& screen);

} // namespace spawnsmith
