#include "tool_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include <gtest/gtest.h>

extern char** environ;

namespace marvane::testing {

namespace {

// An unlinked-on-destruction temporary file to capture one stream.
class CaptureFile {
public:
    CaptureFile() : path_(::testing::TempDir() + "marvane-count-XXXXXX") {
        const int fd = mkstemp(path_.data());
        if (fd < 0) {
            throw std::runtime_error("cannot create " + path_);
        }
        close(fd);
    }
    ~CaptureFile() { unlink(path_.c_str()); }
    const std::string& path() const { return path_; }
    std::string contents() const {
        std::ifstream in(path_, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

private:
    std::string path_;
};

}  // namespace

ToolRun runMarvaneCount(const std::vector<std::string>& arguments) {
    std::vector<std::string> words{MARVANE_COUNT_PATH};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    CaptureFile out;
    CaptureFile err;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.path().c_str(), O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err.path().c_str(), O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        throw std::runtime_error("cannot start " + words[0]);
    }

    int status = 0;
    waitpid(pid, &status, 0);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out.contents(), err.contents()};
}

}  // namespace marvane::testing
