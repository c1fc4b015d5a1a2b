#include "bench/timed_process.h"

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <malloc.h>
#include <poll.h>
#include <signal.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace zyntra::bench {
namespace {

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

std::string ReadAll(int fd) {
    std::string text;
    char buffer[4096];
    lseek(fd, 0, SEEK_SET);
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    return text;
}

// Only async-signal-safe calls between fork and exec.
[[noreturn]] void StartChild(int out, int err, char** argv, char** envp, bool searchPath) {
    dup2(out, STDOUT_FILENO);
    dup2(err, STDERR_FILENO);
    int in = open("/dev/null", O_RDONLY);
    dup2(in, STDIN_FILENO);
    if (searchPath)
        execvpe(argv[0], argv, envp);
    else
        execve(argv[0], argv, envp);
    _exit(127);
}

// Waits for the child until the time limit, then kills it. A pidfd wakes the wait the moment
// the child ends, so the limit costs the timing nothing.
bool StopAtLimit(pid_t child, double timeLimit) {
    if (timeLimit <= 0)
        return false;
    const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, child, 0));
    if (pidfd < 0)
        return false;
    pollfd ended{pidfd, POLLIN, 0};
    const bool expired = poll(&ended, 1, static_cast<int>(timeLimit * 1000)) == 0;
    close(pidfd);
    if (expired)
        kill(child, SIGKILL);
    return expired;
}

} // namespace

ProcessTiming RunTimed(const TimedCommand& command) {
    std::vector<std::string> argTexts{command.program};
    argTexts.insert(argTexts.end(), command.args.begin(), command.args.end());
    std::vector<std::string> envTexts = command.environment;
    std::vector<char*> argv = Pointers(argTexts);
    std::vector<char*> envp = Pointers(envTexts);
    char** environment = command.environment.empty() ? environ : envp.data();

    int out = command.outputFile.empty()
                  ? open("/dev/null", O_WRONLY)
                  : open(command.outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    FILE* errFile = std::tmpfile();
    if (out < 0 || errFile == nullptr)
        throw std::runtime_error("cannot open the output of " + command.program);
    const bool searchPath = command.program.find('/') == std::string::npos;

    // A child's ru_maxrss starts from what the bench holds when it forks (Linux keeps the peak
    // of the copied memory across exec): give back the heap that earlier work left free.
    malloc_trim(0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = fork();
    if (child < 0)
        throw std::runtime_error("cannot start " + command.program);
    if (child == 0)
        StartChild(out, fileno(errFile), argv.data(), environment, searchPath);
    const bool stopped = StopAtLimit(child, command.timeLimit);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();

    ProcessTiming timing;
    timing.seconds = std::chrono::duration<double>(end - start).count();
    timing.peakRssKb = usage.ru_maxrss;
    timing.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    timing.errors = ReadAll(fileno(errFile));
    timing.stopped = stopped;
    std::fclose(errFile);
    close(out);
    return timing;
}

ProcessTiming RunChecked(const TimedCommand& command) {
    ProcessTiming timing = RunTimed(command);
    if (timing.exitCode != 0 && !timing.stopped) {
        std::string line = command.program;
        for (const std::string& arg : command.args)
            line += " " + arg;
        throw std::runtime_error(line + " exited with " + std::to_string(timing.exitCode) +
                                 ": " + timing.errors);
    }
    return timing;
}

} // namespace zyntra::bench
