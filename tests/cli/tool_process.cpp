// SPDX-License-Identifier: MIT
#include "tests/cli/tool_process.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace marvane::testing {

namespace {

using TempFile = std::unique_ptr<std::FILE, decltype(&std::fclose)>;

std::string contentsOf(std::FILE* file) {
    std::string text;
    std::rewind(file);
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
        text += static_cast<char>(c);
    }
    return text;
}

}  // namespace

ToolRun runMarvaneCount(const std::vector<std::string>& arguments) {
    std::vector<std::string> words{MARVANE_COUNT_PATH};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    argv.reserve(words.size() + 1);
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    const TempFile out(std::tmpfile(), &std::fclose);
    const TempFile err(std::tmpfile(), &std::fclose);
    if (!out || !err) {
        throw std::runtime_error("cannot create a temporary file");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fileno(out.get()), STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fileno(err.get()), STDERR_FILENO);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || waitpid(pid, &status, 0) != pid) {
        throw std::runtime_error("cannot run " + words[0]);
    }
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, contentsOf(out.get()),
            contentsOf(err.get())};
}

}  // namespace marvane::testing
