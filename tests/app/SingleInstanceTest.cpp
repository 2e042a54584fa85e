#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Real copies of the program on Qt's offscreen platform, with a runtime and
// a configuration folder of the test's own.
class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("quillsong-single-" + std::to_string(getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder / "run");
        fs::permissions(folder / "run", fs::perms::owner_all);
        fs::create_directories(folder / "config");
    }
    void TearDown() override {
        for (const pid_t pid : started) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        fs::remove_all(folder);
    }
    // Starts the program; its standard error goes to the named file.
    pid_t Start(const std::string& errors) {
        const pid_t pid = fork();
        if (pid == 0) {
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
            setenv("XDG_RUNTIME_DIR", (folder / "run").c_str(), 1);
            setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
            const std::string err = (folder / errors).string();
            if (freopen(err.c_str(), "w", stderr) == nullptr) {
                _exit(127);
            }
            execl(QUILLSONG_BINARY, QUILLSONG_BINARY, static_cast<char*>(nullptr));
            _exit(127);
        }
        started.push_back(pid);
        return pid;
    }
    // The exit code once the process ended within the time, else -1.
    static int ExitWithin(pid_t pid, std::chrono::milliseconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        int status = 0;
        while (std::chrono::steady_clock::now() < deadline) {
            if (waitpid(pid, &status, WNOHANG) == pid) {
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
            }
            std::this_thread::sleep_for(20ms);
        }
        return -1;
    }
    bool LockTaken() const { return fs::exists(folder / "run" / "Quillsong.lock"); }
    void WaitForLock() const {
        const auto deadline = std::chrono::steady_clock::now() + 20s;
        while (!LockTaken() && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(20ms);
        }
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(folder / name);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path folder;
    std::vector<pid_t> started;
};

TEST_F(SingleInstanceTest, ASecondCopyIsRefusedAndAStaleLockIsNot) {
    const pid_t first = Start("first.txt");
    WaitForLock();
    ASSERT_TRUE(LockTaken());
    const pid_t second = Start("second.txt");
    EXPECT_EQ(ExitWithin(second, 20s), 1);
    EXPECT_NE(Read("second.txt").find("Quillsong is already running"), std::string::npos);
    EXPECT_EQ(ExitWithin(first, 100ms), -1) << "the first copy goes on";

    // A copy that crashed leaves its lock behind; the next start takes it.
    kill(first, SIGKILL);
    waitpid(first, nullptr, 0);
    started.erase(started.begin());
    ASSERT_TRUE(LockTaken());
    const pid_t third = Start("third.txt");
    EXPECT_EQ(ExitWithin(third, 1500ms), -1) << Read("third.txt");
}

}  // namespace
