#pragma once

#include <QString>

#include <functional>

namespace spawnsmith {

class Frame;

// What a button (or menu entry) does. Every button of the wizard is one of the frame operations;
// the few that do more (generate, send e-mail, open a web site) carry their own routine.
struct Action {
    enum class Op { Navigate, OpenDialog, CloseDialog, EndProgram, Run, None };
    Op op = Op::None;
    QString target; // Navigate/OpenDialog: the window to show; CloseDialog: the window to unlock
    std::function<void(Frame&)> run = {};
};

inline Action navigateTo(const char* screen) {
    return {Action::Op::Navigate, QLatin1String(screen)};
}
inline Action openDialog(const char* dialog) {
    return {Action::Op::OpenDialog, QLatin1String(dialog)};
}
inline Action closeDialogTo(const char* owner) {
    return {Action::Op::CloseDialog, QLatin1String(owner)};
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

// A command button of a window: its object name, caption and action.
struct Button {
    const char* name;
    const char* caption;
    Action action;
};

} // namespace spawnsmith
