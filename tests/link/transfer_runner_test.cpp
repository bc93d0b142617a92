// Whole transfers through the real serial driver on a pseudo-terminal, with
// the virtual receiver answering on the master side in a thread.
#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "channel_reader.h"
#include "transfer_runner.h"
#include "transfer_test_files.h"
#include "virtual_receiver.h"

using namespace velmora;
using namespace velmora::link;
using velmora::test::makeFile;
using velmora::test::refusing;
using velmora::test::judging;
using velmora::test::serving;
using namespace std::chrono_literals;

namespace {

class Line {
public:
    explicit Line(VirtualReceiver::Options o, ReceiverLine line = {}) : box(std::move(o)) {
        EXPECT_TRUE(pty.open()) << pty.error;
        line.heldSlave = pty.slave;
        line.requestInterval = 0.05;
        thread = std::thread([this, line] { result = serveReceiver(pty.master, box, line, &stop); });
    }
    ~Line() { finish(); }
    void finish() {
        stop = true;
        if (thread.joinable()) thread.join();
    }

    PseudoTerminal pty;
    VirtualReceiver box;
    std::atomic<bool> stop{false};
    std::atomic<int> result{-1};
    std::thread thread;
};

std::string tempPath(const char* name) {
    return (std::filesystem::temp_directory_path() / (std::string("velmora_runner_") + std::to_string(::getpid()) + name))
        .string();
}

RunReport download(Line& line, const Bytes& file, std::vector<std::uint32_t>* progress = nullptr,
                   std::chrono::milliseconds silence = 5s) {
    PortSession session;
    std::string error;
    EXPECT_TRUE(session.open(line.pty.slavePath, 115200, error)) << error;
    DownloadMachine m;
    m.arm(prepareDownload(file));
    RunHooks hooks;
    if (progress) hooks.progress = [&](std::uint32_t v) { progress->push_back(v); };
    return runDownload(session, m, silence, hooks);
}

}  // namespace

TEST(RunnerDownload, capacitySizedFileArrivesWhole) {
    const Bytes file = makeFile(1012899);
    Line line({});
    std::vector<std::uint32_t> progress;
    const RunReport r = download(line, file, &progress);
    EXPECT_EQ(r.status, RunStatus::Succeeded);
    EXPECT_EQ(r.detail, "Download OK");
    EXPECT_EQ(exitCodeFor(r.status), 0);
    line.finish();
    ASSERT_GE(line.box.received().size(), file.size());
    EXPECT_TRUE(std::equal(file.begin(), file.end(), line.box.received().begin()));
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.front(), 1088u);
    EXPECT_EQ(progress.back(), file.size() - 64);
}

TEST(RunnerDownload, refusalAndBadVerdictEndWithExitCodeOne) {
    {
        Line line(refusing(VirtualReceiver::Refusal::Model));
        const RunReport r = download(line, makeFile(5000));
        EXPECT_EQ(r.status, RunStatus::Refused);
        EXPECT_EQ(r.detail, "Model ID error");
        EXPECT_EQ(exitCodeFor(r.status), 1);
    }
    {
        Line line(judging(VirtualReceiver::Verdict::Verify));
        const RunReport r = download(line, makeFile(5000));
        EXPECT_EQ(r.status, RunStatus::Failed);
        EXPECT_EQ(r.detail, "Verify error");
    }
}

TEST(RunnerDownload, silentPeerTimesOutAndVanishedPeerIsAPortError) {
    {
        // A receiver that never asks: nobody on the master side reads or writes.
        PseudoTerminal pty;
        ASSERT_TRUE(pty.open());
        PortSession session;
        std::string error;
        ASSERT_TRUE(session.open(pty.slavePath, 115200, error)) << error;
        DownloadMachine m;
        m.arm(prepareDownload(makeFile(2000)));
        const RunReport r = runDownload(session, m, 300ms, {});
        EXPECT_EQ(r.status, RunStatus::TimedOut);
        EXPECT_EQ(exitCodeFor(r.status), 3);
        EXPECT_FALSE(session.flags().downloadArmed.load());
    }
    {
        auto pty = std::make_unique<PseudoTerminal>();
        ASSERT_TRUE(pty->open());
        PortSession session;
        std::string error;
        ASSERT_TRUE(session.open(pty->slavePath, 115200, error)) << error;
        std::thread closer([&] {
            std::this_thread::sleep_for(100ms);
            pty.reset();
        });
        DownloadMachine m;
        m.arm(prepareDownload(makeFile(2000)));
        const RunReport r = runDownload(session, m, 5s, {});
        closer.join();
        EXPECT_EQ(r.status, RunStatus::PortError);
        EXPECT_EQ(exitCodeFor(r.status), 2);
    }
}

TEST(RunnerUpload, servedFileIsStoredByteExactAndMismatchIsAFailure) {
    const std::string out = tempPath("up.bin");
    {
        const Bytes file = makeFile(64 + 300 * 1024, {.usageType = 3});
        Line line(serving(file));
        PortSession session;
        std::string error;
        ASSERT_TRUE(session.open(line.pty.slavePath, 115200, error)) << error;
        UploadMachine m;
        FileHeader seen{};
        RunHooks hooks;
        hooks.replaceHeader = [&](const FileHeader& h) { seen = h; };
        const RunReport r = runUpload(session, m, out, 5s, hooks);
        EXPECT_EQ(r.status, RunStatus::Succeeded);
        EXPECT_EQ(r.detail, "UpLoad Complete(C)!!");
        EXPECT_EQ(seen.dataLength, 300u * 1024);
        Bytes stored;
        std::string e;
        ASSERT_TRUE(readWholeFile(out, stored, e));
        EXPECT_EQ(stored, file);
    }
    {
        Line line(serving(makeFile(3000, {.usageType = 2, .validChecksum = false})));
        PortSession session;
        std::string error;
        ASSERT_TRUE(session.open(line.pty.slavePath, 115200, error)) << error;
        UploadMachine m;
        const RunReport r = runUpload(session, m, out, 5s, {});
        EXPECT_EQ(r.status, RunStatus::Failed);
        EXPECT_EQ(r.detail, "Checksum error");
    }
    std::remove(out.c_str());
}

TEST(RunnerUpload, outputThatCannotBeCreatedFailsWithoutWriting) {
    Line line(serving(makeFile(3000)));
    PortSession session;
    std::string error;
    ASSERT_TRUE(session.open(line.pty.slavePath, 115200, error)) << error;
    UploadMachine m;
    const RunReport r = runUpload(session, m, "/nonexistent-dir/out.bin", 5s, {});
    EXPECT_EQ(r.status, RunStatus::FileError);
    EXPECT_EQ(exitCodeFor(r.status), 2);
    EXPECT_EQ(r.detail, "Cannot create the file /nonexistent-dir/out.bin\nNo such file or directory");
    EXPECT_FALSE(std::filesystem::exists("/nonexistent-dir/out.bin"));
}
