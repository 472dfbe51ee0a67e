#include "platform/detachedprocess.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace spawnsmith {

namespace {

// The folders of PATH that are absolute: a relative entry (".", say) would run whatever lies in
// the current folder under the program's name.
QStringList absoluteSearchPath() {
    QStringList folders;
    for (const QString& folder : qEnvironmentVariable("PATH").split(QDir::listSeparator()))
        if (QDir::isAbsolutePath(folder))
            folders.append(folder);
    return folders;
}

} // namespace

// Not QProcess::startDetached: it takes the arguments as text and hands them on in UTF-8 (a URL
// in Windows-1252 would not arrive byte for byte), and answers only true or false, so the
// E2BIG that sends a long URL to the desktop portal instead would be lost.
int startDetachedProcess(const QByteArray& program, const QList<QByteArray>& arguments) {
    const QString found =
        QStandardPaths::findExecutable(QFile::decodeName(program), absoluteSearchPath());
    if (found.isEmpty())
        return ENOENT;
    const QByteArray path = QFile::encodeName(found);
    // Everything the child needs is ready before the fork: after it, in a process with
    // threads, the child may only make async-signal-safe calls.
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.constData()));
    for (const QByteArray& argument : arguments)
        argv.push_back(const_cast<char*>(argument.constData()));
    argv.push_back(nullptr);

    // The grandchild reports a failed exec through this pipe; a successful exec closes its end.
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        return errno;
    const pid_t child = fork();
    if (child < 0) {
        const int error = errno;
        close(report[0]);
        close(report[1]);
        return error;
    }
    if (child == 0) {
        // The child starts the program in a grandchild and ends at once, so the program is
        // adopted by init and never waits for this process to collect it.
        close(report[0]);
        const pid_t grandchild = fork();
        if (grandchild == 0) {
            setsid();
            execv(path.constData(), argv.data());
            const int error = errno;
            [[maybe_unused]] const ssize_t written = write(report[1], &error, sizeof error);
            _exit(127);
        }
        _exit(grandchild < 0 ? 1 : 0);
    }
    close(report[1]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got = 0;
    do {
        got = read(report[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    close(report[0]);
    if (got == static_cast<ssize_t>(sizeof error))
        return error;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return ECHILD; // the second fork failed
    return 0;
}

} // namespace spawnsmith
