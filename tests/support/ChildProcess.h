#pragma once

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

// Runs a child process with its standard output and error in pipes, and
// collects both to their end: that is, until every process holding them has
// gone, so output of the child's own children (a crash report started by a
// crashing child) is collected too.
struct ChildProcess {
    int status = 0;  // as waitpid gives it
    std::string out;
    std::string err;
    bool timedOut = false;

    bool KilledBy(int signal) const { return WIFSIGNALED(status) && WTERMSIG(status) == signal; }

    // Forks; the child runs body with its output in the pipes and then exits 0.
    static ChildProcess Fork(const std::function<void()>& body, std::chrono::seconds limit) {
        int out[2];
        int err[2];
        if (pipe(out) != 0 || pipe(err) != 0) {
            return Failed();
        }
        const pid_t pid = fork();
        if (pid == 0) {
            dup2(out[1], 1);
            dup2(err[1], 2);
            for (int fd : {out[0], out[1], err[0], err[1]}) {
                close(fd);
            }
            body();
            _exit(0);
        }
        return Collect(pid, out, err, limit);
    }

    // Starts the program with exactly this environment ("NAME=value" each).
    static ChildProcess Spawn(const std::vector<std::string>& arguments,
                              const std::vector<std::string>& environment,
                              std::chrono::seconds limit) {
        int out[2];
        int err[2];
        if (pipe(out) != 0 || pipe(err) != 0) {
            return Failed();
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_adddup2(&actions, err[1], 2);
        for (int fd : {out[0], out[1], err[0], err[1]}) {
            posix_spawn_file_actions_addclose(&actions, fd);
        }
        std::vector<char*> argv = Pointers(arguments);
        std::vector<char*> envp = Pointers(environment);
        pid_t pid = -1;
        const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
        posix_spawn_file_actions_destroy(&actions);
        if (failed != 0) {
            for (int fd : {out[0], out[1], err[0], err[1]}) {
                close(fd);
            }
            return Failed();
        }
        return Collect(pid, out, err, limit);
    }

private:
    static ChildProcess Failed() {
        ChildProcess result;
        result.status = -1;
        result.err = "could not start the child process";
        return result;
    }

    static std::vector<char*> Pointers(const std::vector<std::string>& strings) {
        std::vector<char*> pointers;
        for (const std::string& text : strings) {
            pointers.push_back(const_cast<char*>(text.c_str()));
        }
        pointers.push_back(nullptr);
        return pointers;
    }

    static ChildProcess Collect(pid_t pid, int out[2], int err[2], std::chrono::seconds limit) {
        close(out[1]);
        close(err[1]);
        ChildProcess result;
        const auto deadline = std::chrono::steady_clock::now() + limit;
        pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
        std::string* texts[2] = {&result.out, &result.err};
        int open = 2;
        while (open > 0) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) {
                result.timedOut = true;
                kill(pid, SIGKILL);
                break;
            }
            if (poll(fds, 2, static_cast<int>(left.count())) <= 0) {
                continue;
            }
            for (int i = 0; i < 2; ++i) {
                if (fds[i].fd < 0 || fds[i].revents == 0) {
                    continue;
                }
                char buffer[4096];
                const ssize_t got = read(fds[i].fd, buffer, sizeof(buffer));
                if (got > 0) {
                    texts[i]->append(buffer, static_cast<size_t>(got));
                } else if (got < 0 && errno == EINTR) {
                    continue;
                } else {
                    close(fds[i].fd);
                    fds[i].fd = -1;
                    --open;
                }
            }
        }
        for (const pollfd& fd : fds) {
            if (fd.fd >= 0) {
                close(fd.fd);
            }
        }
        waitpid(pid, &result.status, 0);
        return result;
    }
};
