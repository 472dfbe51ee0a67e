#pragma once

#include <QByteArray>
#include <QList>

namespace spawnsmith {

// Starts a program found on PATH as a new process that is not the caller's child, without a
// shell and without waiting for it, handing it each argument byte for byte (QProcess would
// first decode them as text). Returns 0 once the program is running, or the errno of why it
// could not be started (ENOENT: no such program; E2BIG: an argument longer than the system
// allows).
int startDetachedProcess(const QByteArray& program, const QList<QByteArray>& arguments);

} // namespace spawnsmith
