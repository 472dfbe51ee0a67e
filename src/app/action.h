#pragma once

#include "app/windowid.h"

#include <functional>

namespace spawnsmith {

class Frame;

// What a button (or menu entry) does. Every button of the wizard is one of the frame operations;
// the few that do more (generate, send e-mail, open a web site) carry their own routine.
struct Action {
    enum class Op { Navigate, OpenDialog, CloseDialog, EndProgram, Run, None };
    Op op = Op::None;
    // Navigate/OpenDialog: the window to show; CloseDialog: the window to unlock; unused by the
    // other operations.
    WindowId target = {};
    std::function<void(Frame&)> run = {};
};

inline Action navigateTo(WindowId screen) {
    return {Action::Op::Navigate, screen};
}
inline Action openDialog(WindowId dialog) {
    return {Action::Op::OpenDialog, dialog};
}
inline Action closeDialogTo(WindowId owner) {
    return {Action::Op::CloseDialog, owner};
}
inline Action endProgram() {
    return {Action::Op::EndProgram, {}};
}
inline Action noAction() {
    return {};
}
inline Action runRoutine(std::function<void(Frame&)> routine) {
    return {Action::Op::Run, {}, std::move(routine)};
}

// What a button is to its window beyond its action.
enum class ButtonRole {
    Plain,
    CloseBox, // the title bar's close box presses this button (while it is enabled)
};

// A command button of a window: its object name, caption, action and role.
struct Button {
    const char* name;
    const char* caption;
    Action action;
    ButtonRole role = ButtonRole::Plain;
};

} // namespace spawnsmith
