// SPDX-License-Identifier: GPL-3.0-or-later
// End to end: `velmora send` and `velmora receive` against `velmora receiver
// --pty`, as separate processes talking over a pseudo-terminal.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string kVelmora = VELMORA_BIN;

struct Result {
    int exitCode = -1;
    std::string err;
};

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

class CliTransfer : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("velmora_cli_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
    }
    void TearDown() override {
        stopReceiver();
        fs::remove_all(dir);
    }

    pid_t spawn(const std::vector<std::string>& args, int outFd, int errFd) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            if (outFd >= 0) ::dup2(outFd, STDOUT_FILENO);
            if (errFd >= 0) ::dup2(errFd, STDERR_FILENO);
            std::vector<char*> argv;
            for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        return pid;
    }

    Result run(std::vector<std::string> args) {
        args.insert(args.begin(), kVelmora);
        const fs::path errPath = dir / "cmd.err";
        const int errFd = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const pid_t pid = spawn(args, -1, errFd);
        ::close(errFd);
        int status = 0;
        ::waitpid(pid, &status, 0);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(errPath)};
    }

    // Starts `velmora receiver --pty ...` and returns the device it printed.
    std::string startReceiver(std::vector<std::string> extra) {
        std::vector<std::string> args{kVelmora, "receiver", "--pty", "--request-interval", "0.05"};
        args.insert(args.end(), extra.begin(), extra.end());
        int pipeFds[2];
        EXPECT_EQ(::pipe(pipeFds), 0);
        const int errFd = ::open((dir / "receiver.err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        receiverPid = spawn(args, pipeFds[1], errFd);
        ::close(pipeFds[1]);
        ::close(errFd);
        std::string device;
        char c;
        while (::read(pipeFds[0], &c, 1) == 1 && c != '\n') device += c;
        receiverOut = pipeFds[0];
        return device;
    }

    int stopReceiver() {
        if (receiverPid <= 0) return -1;
        ::kill(receiverPid, SIGTERM);
        int status = 0;
        ::waitpid(receiverPid, &status, 0);
        receiverPid = -1;
        ::close(receiverOut);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    fs::path sample(const std::vector<std::string>& extra) {
        const fs::path p = dir / "sample.bin";
        std::vector<std::string> args{"sample", "-o", p.string()};
        args.insert(args.end(), extra.begin(), extra.end());
        EXPECT_EQ(run(args).exitCode, 0);
        return p;
    }

    fs::path dir;
    pid_t receiverPid = -1;
    int receiverOut = -1;
};

// The file followed by 0xFF bytes only.
void expectPaddedCopy(const std::string& got, const std::string& file) {
    ASSERT_GE(got.size(), file.size());
    EXPECT_EQ((got.size() - 64) % 1024, 0u);
    EXPECT_TRUE(got.compare(0, file.size(), file) == 0);
    EXPECT_EQ(got.find_first_not_of('\xFF', file.size()), std::string::npos);
}

}  // namespace

TEST_F(CliTransfer, sendCapacitySizedFileArrivesByteExact) {
    const fs::path file = sample({"--max"});
    const fs::path stored = dir / "stored.bin";
    const std::string dev = startReceiver({"--store", stored.string()});
    ASSERT_FALSE(dev.empty());
    const Result r = run({"send", file.string(), "--port", dev, "--timeout", "10"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find("Download OK"), std::string::npos) << r.err;
    expectPaddedCopy(slurp(stored), slurp(file));
}

TEST_F(CliTransfer, receiveCapacitySizedFileArrivesByteExact) {
    const fs::path file = sample({"--max"});
    const fs::path out = dir / "out.bin";
    const std::string dev = startReceiver({"--serve", file.string()});
    const Result r = run({"receive", out.string(), "--port", dev, "--timeout", "10"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find("UpLoad Complete(C)!!"), std::string::npos) << r.err;
    expectPaddedCopy(slurp(out), slurp(file));
}

TEST_F(CliTransfer, sentFileComesBackUnchanged) {
    const fs::path file = sample({});
    const std::string dev = startReceiver({});
    ASSERT_EQ(run({"send", file.string(), "--port", dev}).exitCode, 0);
    const fs::path back = dir / "back.bin";
    const Result r = run({"receive", back.string(), "--port", dev});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    expectPaddedCopy(slurp(back), slurp(file));
}

TEST_F(CliTransfer, refusalsAndVerdictsGiveTheirTextAndExitOne) {
    const fs::path file = sample({});
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"--refuse", "hw"}, "H/W version error"},
        {{"--refuse", "sw"}, "S/W version error"},
        {{"--refuse", "model"}, "Model ID error"},
        {{"--verdict", "checksum"}, "Checksum error"},
        {{"--verdict", "verify"}, "Verify error"},
    };
    for (const auto& [opts, text] : cases) {
        const std::string dev = startReceiver(opts);
        const Result r = run({"send", file.string(), "--port", dev});
        EXPECT_EQ(r.exitCode, 1) << text;
        EXPECT_NE(r.err.find(text), std::string::npos) << r.err;
        stopReceiver();
    }
}

TEST_F(CliTransfer, timeoutBadFileAndBadPortExitCodes) {
    // A receiver with nothing to serve ignores the upload request.
    const std::string dev = startReceiver({});
    const Result silent = run({"receive", (dir / "x.bin").string(), "--port", dev, "--timeout", "0.5"});
    EXPECT_EQ(silent.exitCode, 3) << silent.err;

    std::ofstream(dir / "junk.bin") << "not a channel file at all, not even close to sixty-four bytes long......";
    const Result junk = run({"send", (dir / "junk.bin").string(), "--port", dev});
    EXPECT_EQ(junk.exitCode, 2);
    EXPECT_NE(junk.err.find("Invalid Data Format!!!"), std::string::npos) << junk.err;

    EXPECT_EQ(run({"send", (dir / "missing.bin").string(), "--port", dev}).exitCode, 2);
    EXPECT_EQ(run({"send", sample({}).string(), "--port", (dir / "no-such-tty").string()}).exitCode, 2);
    EXPECT_EQ(run({"receiver"}).exitCode, 2);  // neither --port nor --pty
}

TEST_F(CliTransfer, receiverOnceExitsWithTheTransferResult) {
    const fs::path file = sample({});
    const std::string dev = startReceiver({"--once"});
    ASSERT_EQ(run({"send", file.string(), "--port", dev}).exitCode, 0);
    int status = 0;
    ASSERT_EQ(::waitpid(receiverPid, &status, 0), receiverPid);
    receiverPid = -1;
    ::close(receiverOut);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST_F(CliTransfer, timeoutsBeyondTheClockMeanWaitingAsLongAsItGoes) {
    const fs::path file = sample({});
    const std::string dev = startReceiver({});
    for (const char* t : {"1e300", "1e20", "1e10", "9.3e9", "inf"}) {
        const Result r = run({"send", file.string(), "--port", dev, "--timeout", t});
        EXPECT_EQ(r.exitCode, 0) << t << ": " << r.err;
    }
}

TEST_F(CliTransfer, theReceiverAnswersAFreshRequestAfterAnInterruptedTransfer) {
    const fs::path file = sample({"--tv", "2000"});
    const fs::path out = dir / "out.bin";
    std::ofstream(out) << "the user's previous file";
    // Paced so that the transfers are still running when they are interrupted.
    const std::string dev = startReceiver({"--serve", file.string(), "--pace", "460800"});
    for (const char* verb : {"receive", "send"}) {
        const std::string target = verb == std::string("send") ? file.string() : out.string();
        const int errFd = ::open((dir / "cut.err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const pid_t pid = spawn({kVelmora, verb, target, "--port", dev}, -1, errFd);
        ::close(errFd);
        // Interrupted once its progress shows, however loaded the machine is.
        const std::string shown = verb == std::string("send") ? "download " : "upload ";
        for (int i = 0; i < 500 && slurp(dir / "cut.err").find(shown) == std::string::npos; ++i) ::usleep(20000);
        ::kill(pid, SIGINT);
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 130) << verb << ": " << slurp(dir / "cut.err");
        const Result again = run({verb, target, "--port", dev, "--timeout", "10"});
        EXPECT_EQ(again.exitCode, 0) << verb << ": " << again.err;
    }
    expectPaddedCopy(slurp(out), slurp(file));
    for (const auto& e : fs::directory_iterator(dir)) EXPECT_NE(e.path().extension(), ".tmp") << e.path();
}

TEST_F(CliTransfer, aDownloadTheReceiverCannotStoreIsAVerifyError) {
    const fs::path file = sample({});
    fs::create_directory(dir / "gone");
    const std::string dev = startReceiver({"--store", (dir / "gone" / "s.bin").string()});
    fs::remove(dir / "gone");
    const Result r = run({"send", file.string(), "--port", dev});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Verify error"), std::string::npos) << r.err;
}
