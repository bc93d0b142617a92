// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "atomic_file.h"
#include "channel_reader.h"
#include "channel_writer.h"
#include "test_files.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

std::size_t filesIn(const fs::path& dir) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

// A disk that fills up after a number of bytes, like a full filesystem.
std::size_t gBytesLeft = 0;
ssize_t writeUntilFull(int fd, const void* data, std::size_t size) {
    if (gBytesLeft == 0) {
        errno = ENOSPC;
        return -1;
    }
    const std::size_t n = std::min(size, gBytesLeft);
    gBytesLeft -= n;
    return ::write(fd, data, n);
}

class AtomicSave : public ::testing::Test {
protected:
    void SetUp() override {
        target = tmp.path("list.bin");
        old = test::sampleFile();
        test::writeBytes(target, old);
        ::chmod(target.c_str(), 0640);
        fresh = test::sampleFile(SampleOptions{.tv = 300});
    }
    void TearDown() override { detail::setWriteFunctionForTesting(nullptr); }

    test::TempDir tmp;
    std::string target;
    Bytes old, fresh;
};

TEST_F(AtomicSave, replacesTheFileAndKeepsItsPermissions) {
    const SaveResult r = writeFileAtomically(target, fresh);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(test::readBytes(target), fresh);
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(filesIn(tmp.dir()), 1u);  // no temporary left behind
}

TEST_F(AtomicSave, savingThroughASymlinkReplacesItsTargetAndKeepsTheLink) {
    const std::string link = tmp.path("link.bin");
    fs::create_symlink(target, link);
    ASSERT_TRUE(writeFileAtomically(link, fresh).ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(test::readBytes(target), fresh);
}

TEST_F(AtomicSave, aDiskThatFillsUpLeavesTheOldFileIntact) {
    for (std::size_t budget : {std::size_t{0}, std::size_t{1}, std::size_t{4096}, fresh.size() - 1}) {
        gBytesLeft = budget;
        detail::setWriteFunctionForTesting(writeUntilFull);
        const SaveResult r = writeFileAtomically(target, fresh);
        detail::setWriteFunctionForTesting(nullptr);
        EXPECT_FALSE(r.ok) << budget;
        EXPECT_EQ(r.error, "No space left on device");
        EXPECT_EQ(test::readBytes(target), old) << budget;
        EXPECT_EQ(filesIn(tmp.dir()), 1u) << budget;
    }
}

TEST_F(AtomicSave, aRealFileSizeLimitFailsTheSaveAndKeepsTheOldFile) {
    // RLIMIT_FSIZE makes write() fail for real, without a full disk.
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 2000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const SaveResult r = writeFileAtomically(target, fresh);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.empty());
    EXPECT_EQ(test::readBytes(target), old);
    EXPECT_EQ(filesIn(tmp.dir()), 1u);
}

TEST_F(AtomicSave, aReadOnlyFolderFailsWithTheReason) {
    ::chmod(tmp.dir().c_str(), 0555);
    SaveResult r;
    if (::geteuid() == 0) {
        // Root ignores folder permissions: try as an ordinary user in a child,
        // on a file that user could write in place.
        ::chmod(target.c_str(), 0666);
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(3);
            const SaveResult child = writeFileAtomically(target, fresh);
            ::_exit(child.ok ? 0 : (child.error == "Permission denied" ? 1 : 2));
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        ASSERT_NE(WEXITSTATUS(status), 3) << "cannot drop privileges";
        r.ok = WEXITSTATUS(status) == 0;
        r.error = WEXITSTATUS(status) == 1 ? "Permission denied" : "other";
    } else {
        r = writeFileAtomically(target, fresh);
    }
    ::chmod(tmp.dir().c_str(), 0755);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "Permission denied");
    EXPECT_EQ(test::readBytes(target), old);
    EXPECT_EQ(filesIn(tmp.dir()), 1u);
}

TEST_F(AtomicSave, aMissingFolderOrAFolderAsTargetFails) {
    EXPECT_FALSE(writeFileAtomically(tmp.path("no/such/folder/x.bin"), fresh).ok);
    fs::create_directory(tmp.path("dir.bin"));
    EXPECT_FALSE(writeFileAtomically(tmp.path("dir.bin"), fresh).ok);
    EXPECT_TRUE(fs::is_directory(tmp.path("dir.bin")));
}

TEST_F(AtomicSave, writeChannelFileReportsFailureAndTheOldFileStillLoads) {
    ChannelDatabase db;
    ASSERT_TRUE(loadChannelFile(target, db).ok());
    gBytesLeft = 100;
    detail::setWriteFunctionForTesting(writeUntilFull);
    const SaveResult r = writeChannelFile(target, db, SaveOptions{});
    detail::setWriteFunctionForTesting(nullptr);
    EXPECT_FALSE(r.ok);
    ChannelDatabase again;
    EXPECT_TRUE(loadChannelFile(target, again).ok());
    EXPECT_EQ(test::readBytes(target), old);
}

TEST_F(AtomicSave, moreSatellitesThanTheCountByteHoldsAreRefused) {
    ChannelDatabase db;
    ASSERT_TRUE(loadChannelFile(target, db).ok());
    db.satelliteCount = kMaxSatellitesInFile + 1;
    EXPECT_FALSE(writeChannelFile(target, db, SaveOptions{}).ok);
    EXPECT_EQ(test::readBytes(target), old);
}

}  // namespace
}  // namespace velmora
