#include "tests/support/process_runner.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace zyntra::test {
namespace {

struct Pipe {
    int read = -1;
    int write = -1;
};

Pipe MakePipe() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        throw std::runtime_error(std::string("pipe2: ") + std::strerror(errno));
    return {fds[0], fds[1]};
}

void CloseFd(int& fd) {
    if (fd >= 0)
        close(fd);
    fd = -1;
}

std::vector<char*> CStrings(const std::string& first, const std::vector<std::string>& rest) {
    std::vector<char*> list;
    if (!first.empty())
        list.push_back(const_cast<char*>(first.c_str()));
    for (const std::string& s : rest)
        list.push_back(const_cast<char*>(s.c_str()));
    list.push_back(nullptr);
    return list;
}

pid_t Spawn(const ProcessRequest& request, const Pipe& in, const Pipe& out, const Pipe& err) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in.read, 0);
    if (request.outputFile.empty())
        posix_spawn_file_actions_adddup2(&actions, out.write, 1);
    else
        posix_spawn_file_actions_addopen(&actions, 1, request.outputFile.c_str(), O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, err.write, 2);
    // The runner ignores SIGPIPE; the child must get the usual dispositions and mask.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t all, none;
    sigfillset(&all);
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    std::vector<char*> argv = CStrings(request.program, request.args);
    std::vector<char*> envp = CStrings("", request.environment);
    pid_t pid = -1;
    const int rc =
        posix_spawn(&pid, request.program.c_str(), &actions, &attributes, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (rc != 0)
        throw std::runtime_error("cannot start " + request.program + ": " + std::strerror(rc));
    return pid;
}

// Feeds standard input and drains both outputs together, so that a child
// that fills one pipe while the other is unread never stalls.
void Exchange(const std::string& input, int& inFd, int& outFd, int& errFd, ProcessResult& result) {
    std::size_t written = 0;
    if (input.empty())
        CloseFd(inFd);
    else
        fcntl(inFd, F_SETFL, fcntl(inFd, F_GETFL) | O_NONBLOCK);
    while (inFd >= 0 || outFd >= 0 || errFd >= 0) {
        pollfd fds[3] = {{inFd, POLLOUT, 0}, {outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
        if (poll(fds, 3, -1) < 0) {
            if (errno == EINTR)
                continue;
            throw std::runtime_error(std::string("poll: ") + std::strerror(errno));
        }
        if (inFd >= 0 && fds[0].revents != 0) {
            ssize_t n = write(inFd, input.data() + written, input.size() - written);
            if (n > 0)
                written += static_cast<std::size_t>(n);
            if ((n < 0 && errno != EAGAIN && errno != EINTR) || written == input.size())
                CloseFd(inFd);
        }
        std::string* sinks[2] = {&result.out, &result.err};
        int* sources[2] = {&outFd, &errFd};
        for (int i = 0; i < 2; ++i) {
            if (*sources[i] < 0 || fds[i + 1].revents == 0)
                continue;
            char buffer[4096];
            ssize_t n = read(*sources[i], buffer, sizeof buffer);
            if (n > 0)
                sinks[i]->append(buffer, static_cast<std::size_t>(n));
            else if (n == 0 || (errno != EINTR && errno != EAGAIN))
                CloseFd(*sources[i]);
        }
    }
}

} // namespace

ProcessResult RunProcess(const ProcessRequest& request) {
    static const bool sigpipeIgnored = [] {
        std::signal(SIGPIPE, SIG_IGN);
        return true;
    }();
    (void)sigpipeIgnored;
    Pipe in = MakePipe(), out = MakePipe(), err = MakePipe();
    pid_t pid = -1;
    try {
        pid = Spawn(request, in, out, err);
    } catch (...) {
        for (int* fd : {&in.read, &in.write, &out.read, &out.write, &err.read, &err.write})
            CloseFd(*fd);
        throw;
    }
    CloseFd(in.read);
    CloseFd(out.write);
    CloseFd(err.write);
    ProcessResult result;
    Exchange(request.input, in.write, out.read, err.read, result);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status))
        result.exitCode = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        result.exitCode = 128 + WTERMSIG(status);
    return result;
}

} // namespace zyntra::test
