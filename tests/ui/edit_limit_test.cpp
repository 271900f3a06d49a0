// Every model's edits hold at most kEditTextLimit UTF-16 code units, as the
// platforms' edit controls do: a longer text is cut between characters and a
// keystroke beyond the limit is lost.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/help_folders.h"
#include "tools/driver/recording_host.h"
#include "tools/driver/user_events.h"
#include "ui/copy_model.h"
#include "ui/finder_model.h"
#include "ui/main_model.h"
#include "ui/report.h"

namespace tolvo {
namespace {

constexpr std::size_t kLimit = kEditTextLimit;

std::string Repeated(std::string_view piece, std::size_t count) {
    std::string text;
    for (std::size_t k = 0; k < count; ++k) text += piece;
    return text;
}

// One edit of one model: a text the user puts into it, and what it holds then.
struct EditUnderTest {
    const char* name;
    int id;
    std::function<std::string(const std::string& typed)> put;
};

class EditLimitTest : public ::testing::Test {
  protected:
    RecordingHost host;
    const FolderHelpSearch noHelp{{}, "tolvo"};
    MainModel main{host, noHelp};
    FinderModel finder{main};
    CopyModel copy{host, {}, DefaultReportOptions()};

    template <typename Model>
    static std::string Put(Model& model, int id, const std::string& text) {
        model.OnFocus(id);
        model.OnEditChanged(id, text);
        return model.Controls().At(id).text;
    }
    std::vector<EditUnderTest> Edits() {
        return {
            {"main window's hole size", main_dialog::kHoleBasicSize,
             [this](const std::string& t) { return Put(main, main_dialog::kHoleBasicSize, t); }},
            {"finder's measured holes", finder_dialog::kMeasuredHoles,
             [this](const std::string& t) { return Put(finder, finder_dialog::kMeasuredHoles, t); }},
            {"copy dialog's title", copy_dialog::kTitleEdit,
             [this](const std::string& t) { return Put(copy, copy_dialog::kTitleEdit, t); }},
        };
    }
};

TEST_F(EditLimitTest, ALongerTextIsCutBetweenCharactersCountedInUtf16Units) {
    const std::string zeros = Repeated("0", kLimit);
    const std::string beyond = "\xF0\x9F\x98\x80";  // two UTF-16 code units
    struct Case {
        const char* what;
        std::string text;
        std::string held;
    };
    const Case cases[] = {
        {"at the limit", zeros, zeros},
        {"a hundred over", zeros + Repeated("0", 100), zeros},
        {"a pair that ends on the limit", zeros.substr(2) + beyond + "5", zeros.substr(2) + beyond},
        {"a pair that would cross it", zeros.substr(1) + beyond, zeros.substr(1)},
        {"full-width digits, one unit each", Repeated("０", kLimit) + "1", Repeated("０", kLimit)},
        {"a stray byte, one unit", zeros.substr(1) + "\xFF" + "5", zeros.substr(1) + "\xFF"},
    };
    for (const EditUnderTest& edit : Edits()) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(edit.name) + ": " + c.what);
            edit.put("");
            EXPECT_EQ(edit.put(c.text), c.held);
        }
    }
}

TEST_F(EditLimitTest, AKeystrokeBeyondTheLimitIsLost) {
    const std::string full = Repeated("0", kLimit - 1);
    for (const EditUnderTest& edit : Edits()) {
        SCOPED_TRACE(edit.name);
        edit.put(full);
        EXPECT_EQ(edit.put(full + "12"), full + "1");
        EXPECT_EQ(edit.put(full + "13"), full + "1");
    }
    // Typed keys stop at the limit, however many follow.
    main.OnFocus(main_dialog::kHoleBasicSize);
    main.OnEditChanged(main_dialog::kHoleBasicSize, "");
    TypeKeys(main, Repeated("0", kLimit + 1000));
    EXPECT_EQ(main.Controls().At(main_dialog::kHoleBasicSize).text, Repeated("0", kLimit));
}

}  // namespace
}  // namespace tolvo
