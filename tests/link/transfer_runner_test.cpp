// SPDX-License-Identifier: GPL-3.0-or-later
// Whole transfers through the real serial driver on a pseudo-terminal, with
// the virtual receiver answering on the master side in a thread.
#include <gtest/gtest.h>

#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <thread>

#include "atomic_file.h"
#include "channel_reader.h"
#include "test_files.h"
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

// ------------------------------------------------------------ how an upload ends

namespace {

// Writes fail with `gWriteError` once `gWritesLeft` writes have succeeded.
int gWritesLeft = 0, gWriteError = 0;
ssize_t failingWrite(int fd, const void* data, std::size_t size) {
    if (gWritesLeft-- > 0) return ::write(fd, data, size);
    errno = gWriteError;
    return -1;
}

std::atomic<bool> gRunOver{false};  // the PC's side has finished

bool awaitByte(int fd, std::uint8_t want) {
    for (auto end = std::chrono::steady_clock::now() + 5s; !gRunOver && std::chrono::steady_clock::now() < end;) {
        pollfd pf{fd, POLLIN, 0};
        std::uint8_t b = 0;
        if (::poll(&pf, 1, 20) > 0 && ::read(fd, &b, 1) == 1 && b == want) return true;
    }
    return false;
}

enum class PeerEnd { Complete, HangUp, Silence };

// The receiver's side of an upload of `file`, by hand: `blocks` blocks (the
// padded file's, then 0xFF), each after the PC's 0x10, then the given end.
void uploadPeer(std::unique_ptr<PseudoTerminal>& pty, const Bytes& file, std::size_t blocks, PeerEnd end) {
    const int fd = pty->master;
    if (!awaitByte(fd, code::kRequest)) return;
    Bytes image = file;
    image.resize(64 + blocks * kBlockDataSize, 0xFF);
    Bytes header{code::kHeaderLead};
    header.insert(header.end(), image.begin(), image.begin() + 64);
    (void)!::write(fd, header.data(), header.size());
    for (std::size_t k = 0; k < blocks && awaitByte(fd, code::kAccept); ++k) {
        const DataBlock b = makeDataBlock(std::span<const std::uint8_t, 1024>(image.data() + 64 + k * 1024, 1024));
        for (std::size_t done = 0; done < b.size();) {
            const ssize_t n = ::write(fd, b.data() + done, b.size() - done);
            if (n > 0) done += static_cast<std::size_t>(n);
            else std::this_thread::sleep_for(1ms);
        }
    }
    if (end == PeerEnd::Complete && awaitByte(fd, code::kAccept)) (void)!::write(fd, "\x03", 1);
    if (end == PeerEnd::HangUp) pty.reset();
}

}  // namespace

TEST(RunnerUpload, onlyACompletedUploadChangesTheChosenFile) {
    const Bytes good = makeFile(64 + 4 * 1024 + 100, {.usageType = 2});
    const Bytes badSum = makeFile(64 + 4 * 1024 + 100, {.usageType = 2, .validChecksum = false});
    const Bytes huge = makeFile(64 + 1000 * 1024, {.usageType = 0x80});
    const std::string kept = "\nThe previous file was kept.";
    const struct {
        const Bytes& file;
        std::size_t blocks;
        PeerEnd end;
        int writeError;
        RunStatus status;
        std::string detail;  // OUT: the chosen file; the last line only where a file stood under its name
    } endings[] = {
        {good, 2, PeerEnd::HangUp, 0, RunStatus::PortError, "the port was lost"},
        {good, 2, PeerEnd::Silence, 0, RunStatus::TimedOut, "no answer from the receiver"},
        {badSum, 5, PeerEnd::Complete, 0, RunStatus::Failed, "Checksum error"},
        {good, 5, PeerEnd::Complete, ENOSPC, RunStatus::FileError,
         "Cannot write the file OUT\nNo space left on device" + kept},
        {huge, 995, PeerEnd::Silence, 0, RunStatus::Failed,
         "The receiver sent more than the largest channel file (990 blocks); the upload was stopped." + kept},
        {good, 5, PeerEnd::Complete, 0, RunStatus::Succeeded, "UpLoad Complete(C)!!"},
    };
    for (const auto& e : endings) {
        for (bool existed : {true, false}) {
            SCOPED_TRACE(e.detail + (existed ? ", over a file" : ", new file"));
            test::TempDir dir;
            const std::string out = dir.path("list.bin");
            const Bytes old(3000, 0x5A);
            if (existed) {
                test::writeBytes(out, old);
                ::chmod(out.c_str(), 0604);
            }
            auto pty = std::make_unique<PseudoTerminal>();
            ASSERT_TRUE(pty->open()) << pty->error;
            PortSession session;
            std::string error;
            ASSERT_TRUE(session.open(pty->slavePath, 115200, error)) << error;
            gRunOver = false;
            std::thread peer([&] { uploadPeer(pty, e.file, e.blocks, e.end); });
            gWritesLeft = 3;
            gWriteError = e.writeError;
            if (e.writeError) detail::setWriteFunctionForTesting(failingWrite);
            UploadMachine m;
            const RunReport r = runUpload(session, m, out, e.end == PeerEnd::Silence ? 400ms : 5s, {});
            detail::setWriteFunctionForTesting(nullptr);
            gRunOver = true;
            peer.join();

            std::string detail = e.detail;
            if (const auto at = detail.find("OUT"); at != std::string::npos) detail.replace(at, 3, out);
            if (!existed && detail.ends_with(kept)) detail.resize(detail.size() - kept.size());
            EXPECT_EQ(std::pair(r.status, r.detail), std::pair(e.status, detail));
            Bytes expect = existed ? old : Bytes{};
            if (e.status == RunStatus::Succeeded) (expect = e.file).resize(64 + e.blocks * kBlockDataSize, 0xFF);
            EXPECT_EQ(std::filesystem::exists(out) ? test::readBytes(out) : Bytes{}, expect);
            struct stat st {};
            EXPECT_TRUE(!existed || (::stat(out.c_str(), &st) == 0 && (st.st_mode & 07777) == 0604u)) << "permissions";
            const auto files = std::distance(std::filesystem::directory_iterator(dir.dir()), {});
            EXPECT_EQ(files, existed || r.status == RunStatus::Succeeded) << "a temporary file was left";
        }
    }
}
