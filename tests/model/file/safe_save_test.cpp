#include "model/file/safe_save.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <map>

#include "model/file/save_document.h"
#include "spf_test_support.h"

namespace spf {
namespace {

namespace fs = std::filesystem;

// The real file system, with the n-th operation (cleanup removals aside) failing.
class FaultyOps final : public FileOps {
public:
    int failAt = -1;
    int error = ENOSPC;
    int calls = 0;
    std::string failedOperation;

    int Status(const std::string& p, FileStatus& s) override {
        if (const int err = Step("Status")) return err;
        return real_.Status(p, s);
    }
    int ReadLink(const std::string& p, std::string& t) override {
        if (const int err = Step("ReadLink")) return err;
        return real_.ReadLink(p, t);
    }
    int ReadFile(const std::string& p, std::string& b) override {
        if (const int err = Step("ReadFile")) return err;
        return real_.ReadFile(p, b);
    }
    int CreateTemp(std::string& p, int mode, int& fd) override {
        if (const int err = Step("CreateTemp")) return err;
        return real_.CreateTemp(p, mode, fd);
    }
    int Write(int fd, std::string_view b) override {
        if (const int err = Step("Write")) return err;
        return real_.Write(fd, b);
    }
    int Sync(int fd) override {
        if (const int err = Step("Sync")) return err;
        return real_.Sync(fd);
    }
    int Close(int fd) override {
        // A failed close still releases the descriptor, as close(2) does.
        const int err = Step("Close");
        const int real = real_.Close(fd);
        return err ? err : real;
    }
    int Rename(const std::string& a, const std::string& b) override {
        if (const int err = Step("Rename")) return err;
        return real_.Rename(a, b);
    }
    int Remove(const std::string& p) override { return real_.Remove(p); }
    int SyncFolder(const std::string& f) override {
        if (const int err = Step("SyncFolder")) return err;
        return real_.SyncFolder(f);
    }

private:
    int Step(const char* name) {
        if (calls++ != failAt) return 0;
        failedOperation = name;
        return error;
    }
    PosixFileOps real_;
};

class SafeSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "spf-save-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    void Put(const std::string& name, const std::string& bytes) const {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }
    // Every file of the folder with its contents (links as "-> target").
    std::map<std::string, std::string> Folder() const {
        std::map<std::string, std::string> files;
        for (const auto& e : fs::recursive_directory_iterator(dir_))
            files[e.path().lexically_relative(dir_).string()] =
                e.is_symlink() ? "-> " + fs::read_symlink(e.path()).string()
                               : test::ReadBytes(e.path().string());
        return files;
    }

    fs::path dir_;
};

TEST_F(SafeSaveTest, ThePreviousVersionBecomesTheBackupBesideTheDocument) {
    PosixFileOps ops;
    const std::string doc = Path("roczne.spf");
    ASSERT_FALSE(SafeSave(doc, "first", ops));
    EXPECT_EQ(Folder(), (std::map<std::string, std::string>{{"roczne.spf", "first"}}));
    ASSERT_FALSE(SafeSave(doc, "second", ops));
    ASSERT_FALSE(SafeSave(doc, "third", ops));
    // The backup always holds the version before the last save.
    EXPECT_EQ(Folder(),
              (std::map<std::string, std::string>{{"roczne.spf", "third"}, {"roczne.BAK", "second"}}));
}

TEST_F(SafeSaveTest, KeepsThePermissionsOfTheDocument) {
    PosixFileOps ops;
    Put("a.spf", "old");
    fs::permissions(dir_ / "a.spf", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_FALSE(SafeSave(Path("a.spf"), "new", ops));
    EXPECT_EQ(fs::status(dir_ / "a.spf").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(SafeSaveTest, ALinkUpdatesItsTarget) {
    PosixFileOps ops;
    fs::create_directory(dir_ / "real");
    Put("real/doc.spf", "old");
    fs::create_symlink("real/doc.spf", dir_ / "link.spf");
    ASSERT_FALSE(SafeSave(Path("link.spf"), "new", ops));
    EXPECT_EQ(Folder(), (std::map<std::string, std::string>{{"link.spf", "-> real/doc.spf"},
                                                            {"real", ""},
                                                            {"real/doc.spf", "new"},
                                                            {"real/doc.BAK", "old"}}));
}

// Each operation of a save fails in turn; every failure is reported and
// leaves the folder exactly as it was.
TEST_F(SafeSaveTest, AFailureAtAnyStepChangesNothing) {
    struct Start {
        const char* name;
        std::map<std::string, std::string> files;
        const char* path;
    };
    fs::create_directory(dir_ / "t");  // keeps the link's target apart
    const Start starts[] = {
        {"new document", {}, "doc.spf"},
        {"document without backup", {{"doc.spf", "old"}}, "doc.spf"},
        {"document and backup", {{"doc.spf", "old"}, {"doc.BAK", "older"}}, "doc.spf"},
        {"through a link", {{"t/doc.spf", "old"}, {"t/doc.BAK", "older"}}, "link.spf"},
    };
    for (const Start& start : starts) {
        for (const auto& e : fs::directory_iterator(dir_)) fs::remove_all(e.path());
        fs::create_directory(dir_ / "t");
        for (const auto& [name, bytes] : start.files) Put(name, bytes);
        if (std::string(start.path) == "link.spf") fs::create_symlink("t/doc.spf", dir_ / "link.spf");
        const auto before = Folder();
        int failures = 0;
        for (int failAt = 0;; ++failAt) {
            FaultyOps ops;
            ops.failAt = failAt;
            const auto error = SafeSave(Path(start.path), "new", ops);
            if (!error) {
                EXPECT_GE(failures, 5) << start.name;
                break;
            }
            ++failures;
            SCOPED_TRACE(std::string(start.name) + ", failing " + ops.failedOperation);
            EXPECT_NE(error->reason.find("No space left on device"), std::string::npos) << error->reason;
            EXPECT_EQ(error->path, Path(start.path));
            EXPECT_EQ(Folder(), before);
            ASSERT_LT(failAt, 50);
        }
    }
}

TEST_F(SafeSaveTest, ReportsWhatTheSystemRefused) {
    FaultyOps readOnly;
    readOnly.failAt = 1;  // creating the temporary file
    readOnly.error = EROFS;
    auto error = SafeSave(Path("a.spf"), "x", readOnly);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Message(), Path("a.spf") + ": cannot create a temporary file in " + dir_.string() +
                                    ": Read-only file system");

    PosixFileOps ops;
    error = SafeSave(Path("missing/a.spf"), "x", ops);
    ASSERT_TRUE(error);
    EXPECT_NE(error->reason.find("No such file or directory"), std::string::npos) << error->reason;

    fs::create_directory(dir_ / "folder.spf");
    error = SafeSave(Path("folder.spf"), "x", ops);
    ASSERT_TRUE(error);
    EXPECT_EQ(Folder(), (std::map<std::string, std::string>{{"folder.spf", ""}}));
}

TEST(BackupPath, ReplacesTheExtensionOfTheFileName) {
    EXPECT_EQ(BackupPath("/home/k/roczne.spf"), "/home/k/roczne.BAK");
    EXPECT_EQ(BackupPath("roczne.2004.spf"), "roczne.2004.BAK");
    EXPECT_EQ(BackupPath("/home/k.d/roczne"), "/home/k.d/roczne.BAK");
    EXPECT_EQ(BackupPath("/home/k/.spf"), "/home/k/.spf.BAK");
}

TEST_F(SafeSaveTest, SavingADocumentMarksItSavedOnlyWhenItWorked) {
    Workbook wb;
    wb.Saved = false;
    wb.UndoJournal = {"edit"};
    FaultyOps failing;
    failing.failAt = 2;
    EXPECT_TRUE(SaveDocument(wb, Path("d.spf"), failing));
    EXPECT_FALSE(wb.Saved);
    EXPECT_EQ(wb.UndoJournal.size(), 1u);
    ASSERT_FALSE(SaveDocument(wb, Path("d.spf")));
    EXPECT_TRUE(wb.Saved);
    EXPECT_TRUE(wb.UndoJournal.empty());
    EXPECT_EQ(test::ReadBytes(Path("d.spf")).substr(0, 17), "[FileVersion=130]");
}

}  // namespace
}  // namespace spf
