// The safe file writer against what a user's folder may hold: old files,
// folders, devices, links, read-only files, a link planted where a careless
// writer puts its temporary file, and contents or disks that fail half-way.
#include "platform/file_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <set>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#endif

namespace tolvo {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kNew = "<svg>the new diagram</svg>\n";
constexpr std::string_view kOld = "the old file";

std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Put(const fs::path& file, std::string_view text) {
    std::ofstream(file, std::ios::binary) << text;
}

std::set<std::string> Names(const fs::path& folder) {
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

bool WholeContent(FileSink& sink) {
    return sink.Write(kNew);
}

struct WriteCase {
    const char* name;
    // Fills the folder; answers the target to write.
    std::function<fs::path(const fs::path& folder)> prepare;
    FileContent content;
    FileWriteProblem expected;
    // What the folder holds afterwards, besides the names it held before.
    std::function<void(const fs::path& folder)> check;
    std::vector<std::string> newNames;
};

std::vector<WriteCase> Cases() {
    std::vector<WriteCase> cases = {
        {"NewFile",
         [](const fs::path& f) { return f / "zones.svg"; },
         WholeContent,
         FileWriteProblem::None,
         [](const fs::path& f) { EXPECT_EQ(Read(f / "zones.svg"), kNew); },
         {"zones.svg"}},
        {"OldFileReplaced",
         [](const fs::path& f) {
             Put(f / "zones.svg", kOld);
             return f / "zones.svg";
         },
         WholeContent,
         FileWriteProblem::None,
         [](const fs::path& f) { EXPECT_EQ(Read(f / "zones.svg"), kNew); },
         {}},
        {"Folder",
         [](const fs::path& f) {
             fs::create_directory(f / "zones.svg");
             Put(f / "zones.svg" / "inside.txt", kOld);
             return f / "zones.svg";
         },
         WholeContent,
         FileWriteProblem::Folder,
         [](const fs::path& f) { EXPECT_EQ(Read(f / "zones.svg" / "inside.txt"), kOld); },
         {}},
        {"Device",
#ifdef _WIN32
         [](const fs::path&) { return fs::path("NUL"); },
#else
         [](const fs::path&) { return fs::path("/dev/null"); },
#endif
         WholeContent,
         FileWriteProblem::NotRegularFile,
         [](const fs::path&) {
#ifndef _WIN32
             EXPECT_TRUE(fs::is_character_file("/dev/null"));
#endif
         },
         {}},
        {"ReadOnly",
         [](const fs::path& f) {
             Put(f / "zones.svg", kOld);
             fs::permissions(f / "zones.svg",
                             fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
             return f / "zones.svg";
         },
         WholeContent,
         FileWriteProblem::ReadOnly,
         [](const fs::path& f) { EXPECT_EQ(Read(f / "zones.svg"), kOld); },
         {}},
        {"MissingFolder",
         [](const fs::path& f) { return f / "missing" / "zones.svg"; },
         WholeContent,
         FileWriteProblem::CannotCreate,
         [](const fs::path&) {},
         {}},
        {"ContentFailsHalfWay",
         [](const fs::path& f) {
             Put(f / "zones.svg", kOld);
             return f / "zones.svg";
         },
         [](FileSink& sink) {
             sink.Write(kNew.substr(0, 10));
             return false;  // as a renderer that runs out of memory
         },
         FileWriteProblem::WriteFailed,
         [](const fs::path& f) { EXPECT_EQ(Read(f / "zones.svg"), kOld); },
         {}},
    };
#ifndef _WIN32
    const std::vector<WriteCase> links = {
        {"LinkWrittenThrough",
         [](const fs::path& f) {
             Put(f / "real.svg", kOld);
             fs::create_symlink("real.svg", f / "zones.svg");
             return f / "zones.svg";
         },
         WholeContent,
         FileWriteProblem::None,
         [](const fs::path& f) {
             EXPECT_TRUE(fs::is_symlink(f / "zones.svg"));
             EXPECT_EQ(fs::read_symlink(f / "zones.svg"), "real.svg");
             EXPECT_EQ(Read(f / "real.svg"), kNew);
         },
         {}},
        {"DanglingLinkCreatesItsFile",
         [](const fs::path& f) {
             fs::create_symlink("drawn.svg", f / "zones.svg");
             return f / "zones.svg";
         },
         WholeContent,
         FileWriteProblem::None,
         [](const fs::path& f) {
             EXPECT_TRUE(fs::is_symlink(f / "zones.svg"));
             EXPECT_EQ(Read(f / "drawn.svg"), kNew);
         },
         {"drawn.svg"}},
        {"PlantedTemporaryLinkLeftAlone",
         [](const fs::path& f) {
             Put(f / "victim.txt", kOld);
             fs::create_symlink(f / "victim.txt", f / "zones.svg.tmp");
             return f / "zones.svg";
         },
         WholeContent,
         FileWriteProblem::None,
         [](const fs::path& f) {
             EXPECT_EQ(Read(f / "victim.txt"), kOld);
             EXPECT_EQ(fs::read_symlink(f / "zones.svg.tmp"), f / "victim.txt");
             EXPECT_EQ(Read(f / "zones.svg"), kNew);
         },
         {"zones.svg"}},
        {"ReplacedFileKeepsItsPermissions",
         [](const fs::path& f) {
             Put(f / "zones.svg", kOld);
             fs::permissions(f / "zones.svg",
                             fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
             return f / "zones.svg";
         },
         WholeContent,
         FileWriteProblem::None,
         [](const fs::path& f) {
             EXPECT_EQ(Read(f / "zones.svg"), kNew);
             EXPECT_EQ(fs::status(f / "zones.svg").permissions(),
                       fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
         },
         {}},
        // The disk takes 4 KiB and refuses the rest (a file size limit stands
        // in for a full disk); the content itself says it is done.
        {"DiskFailsHalfWay",
         [](const fs::path& f) {
             Put(f / "zones.svg", kOld);
             return f / "zones.svg";
         },
         [](FileSink& sink) {
             const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
             rlimit previous{};
             getrlimit(RLIMIT_FSIZE, &previous);
             rlimit small = previous;
             small.rlim_cur = 4096;
             setrlimit(RLIMIT_FSIZE, &small);
             sink.Write(std::string(64 * 1024, 'x'));
             setrlimit(RLIMIT_FSIZE, &previous);
             std::signal(SIGXFSZ, previousSignal);
             return true;
         },
         FileWriteProblem::WriteFailed,
         [](const fs::path& f) { EXPECT_EQ(Read(f / "zones.svg"), kOld); },
         {}},
    };
    cases.insert(cases.end(), links.begin(), links.end());
#endif
    return cases;
}

class FileWriter : public ::testing::TestWithParam<WriteCase> {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("tolvo-file-writer-" + std::to_string(std::random_device()()) + "-" + GetParam().name);
        fs::create_directories(folder);
    }
    void TearDown() override {
        std::error_code ignored;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder, ignored))
            fs::permissions(entry.path(), fs::perms::owner_all,
                            fs::perm_options::add | fs::perm_options::nofollow, ignored);
        fs::remove_all(folder, ignored);
    }
    fs::path folder;
};

TEST_P(FileWriter, WritesWholeOrLeavesEverythingAsItWas) {
    const WriteCase& c = GetParam();
    const fs::path target = c.prepare(folder);
    std::set<std::string> expectedNames = Names(folder);
    expectedNames.insert(c.newNames.begin(), c.newNames.end());
    EXPECT_EQ(WriteFileReplacing(target, c.content), c.expected);
    c.check(folder);
    // No temporary file is left behind, whatever happened.
    EXPECT_EQ(Names(folder), expectedNames);
}

INSTANTIATE_TEST_SUITE_P(Targets, FileWriter, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<WriteCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace tolvo
