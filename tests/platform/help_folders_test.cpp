#include "platform/help_folders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "tools/driver/recording_host.h"
#include "ui/main_model.h"

namespace tolvo {
namespace {

namespace fs = std::filesystem;

// TOLVO_TEST_PROGRAM is this test program's file name, as the build names it.
TEST(ExecutableFolderTest, IsTheFolderOfTheRunningProgramWhateverArgv0Says) {
    for (const char* argv0 : {static_cast<const char*>(nullptr), "", "elsewhere/tolvo"}) {
        const fs::path folder = ExecutableFolder(argv0);
        EXPECT_TRUE(folder.is_absolute()) << folder;
        EXPECT_TRUE(fs::is_regular_file(folder / TOLVO_TEST_PROGRAM)) << folder;
    }
}

// An installation <prefix>/bin/tolvo with <prefix>/share/tolvo, started from
// another working directory; the folder names are not ASCII, as a user's may be.
class DefaultHelpSearchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        const std::string unique =
            std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" + test->name();
        prefix = fs::temp_directory_path() / fs::path(u8"tolvo-ヘルプ検索") / unique;
        for (const char* folder : {"bin", "share/tolvo", "作業"})
            fs::create_directories(prefix / fs::path(Utf8(folder)));
        previousDirectory = fs::current_path();
        fs::current_path(prefix / fs::path(u8"作業"));
    }
    void TearDown() override {
        fs::current_path(previousDirectory);
        fs::remove_all(prefix);
        std::error_code stillInUse;  // by another test process running beside this one
        fs::remove(prefix.parent_path(), stillInUse);
    }
    static std::u8string Utf8(const char* text) {
        return std::u8string(text, text + std::char_traits<char>::length(text));
    }
    void PutDocument(const char* folder) {
        std::ofstream(prefix / fs::path(Utf8(folder)) / "Tolvo.html") << "<html></html>";
    }

    fs::path prefix;
    fs::path previousDirectory;
};

TEST_F(DefaultHelpSearchTest, LooksBesideTheProgramThenInTheInstalledDataThenInTheWorkingDirectory) {
    struct Row {
        std::vector<const char*> documents;
        std::optional<const char*> opened;
    };
    const std::vector<Row> rows = {
        {{"bin", "share/tolvo", "作業"}, "bin"},
        {{"share/tolvo", "作業"}, "share/tolvo"},
        {{"作業"}, "作業"},
        {{}, std::nullopt},
    };
    for (const Row& row : rows) {
        for (const char* folder : {"bin", "share/tolvo", "作業"})
            fs::remove(prefix / fs::path(Utf8(folder)) / "Tolvo.html");
        for (const char* folder : row.documents) PutDocument(folder);
        RecordingHost host;
        const FolderHelpSearch search = DefaultHelpSearch(prefix / "bin");
        MainModel model(host, search);
        model.OnHelp();
        const std::vector<fs::path> opened = host.OpenedFiles();
        const std::vector<RecordingHost::Request> messages = host.Messages();
        if (row.opened) {
            ASSERT_EQ(opened.size(), 1u) << *row.opened;
            EXPECT_TRUE(fs::equivalent(opened[0], prefix / fs::path(Utf8(*row.opened)) / "Tolvo.html"))
                << opened[0];
            EXPECT_TRUE(messages.empty());
        } else {
            EXPECT_TRUE(opened.empty());
            ASSERT_EQ(messages.size(), 1u);
#if defined(_WIN32)
            const std::string program = "Tolvo.exe";
#else
            const std::string program = "tolvo";
#endif
            EXPECT_EQ(messages[0].text, "エラー：Tolvo.htmlが見つかりません．\nヘルプファイルは" + program +
                                            "と同じフォルダに保存して下さい．");
        }
    }
}

TEST_F(DefaultHelpSearchTest, WithoutAnExecutableFolderLooksOnlyInTheWorkingDirectory) {
    const FolderHelpSearch search = DefaultHelpSearch({});
    ASSERT_EQ(search.Folders().size(), 1u);
    EXPECT_TRUE(fs::equivalent(search.Folders()[0], prefix / fs::path(u8"作業")));
}

}  // namespace
}  // namespace tolvo
