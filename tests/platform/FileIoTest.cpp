#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/FileIo.h"
#include "support/TempDir.h"

namespace korvo {
namespace {

using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

TEST(FileIo, SavingReplacesWholeFilesOnly) {
    test::TempDir dir;
    const std::string path = dir.File("font.dat");
    test::WriteBytes(path, Bytes(100, 7));
    ::chmod(path.c_str(), 0640);

    const Bytes next = {1, 2, 3};
    ASSERT_EQ(SaveFileAtomically(path, next), FileSaveResult::Saved);
    EXPECT_EQ(test::ReadBytes(path), next);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u) << "the replaced file keeps its permissions";

    // A new file gets the permissions the process's umask allows, as any other new file would.
    const mode_t previous = ::umask(027);
    ASSERT_EQ(SaveFileAtomically(dir.File("new.dat"), next), FileSaveResult::Saved);
    ::umask(previous);
    ASSERT_EQ(::stat(dir.File("new.dat").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    // Saving through a link replaces the file it points at and keeps the link.
    const std::string link = dir.File("link.dat");
    fs::create_symlink(path, link);
    ASSERT_EQ(SaveFileAtomically(link, Bytes{9}), FileSaveResult::Saved);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(test::ReadBytes(path), Bytes{9});

    EXPECT_EQ(SaveFileAtomically(dir.File("no/such/folder.dat"), next),
              FileSaveResult::CannotCreate);
    // A folder in the way: the temporary file is written but cannot take the folder's place.
    fs::create_directory(dir.File("taken"));
    fs::create_directory(dir.File("taken/inside"));
    EXPECT_EQ(SaveFileAtomically(dir.File("taken"), next), FileSaveResult::WriteFailed);

    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.Path())) {
        ++files;
    }
    EXPECT_EQ(files, 4u) << "no temporary file is left behind";
}

TEST(FileIo, LoadingReportsWhatWentWrong) {
    test::TempDir dir;
    Bytes bytes;
    EXPECT_EQ(LoadWholeFile(dir.File("missing.dat"), bytes), FileLoadResult::CannotOpen);
    EXPECT_EQ(LoadWholeFile(dir.Path().string(), bytes), FileLoadResult::CannotOpen);
    test::WriteBytes(dir.File("empty.dat"), {});
    EXPECT_EQ(LoadWholeFile(dir.File("empty.dat"), bytes), FileLoadResult::Loaded);
    EXPECT_TRUE(bytes.empty());
}

}  // namespace
}  // namespace korvo
