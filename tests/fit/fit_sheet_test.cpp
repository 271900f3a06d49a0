// tolvo-fit --sheet: the calculation sheet as an A4 SVG page that an XML
// parser reads, holding the query's texts; standard output as without it.
#include <gtest/gtest.h>

#include <QXmlStreamReader>
#include <filesystem>
#include <random>

#include "core/texts_ja.h"
#include "tests/fit/run_program.h"

namespace tolvo::fit_test {
namespace {

TEST(FitSheet, WritesAnA4SvgPageAndLeavesStandardOutputAsItWas) {
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("tolvo-fit-sheet-" + std::to_string(std::random_device()()) + ".svg");
    struct Case {
        std::vector<std::string> query;
        std::vector<std::string> texts;  // among the page's texts
    };
    const Case cases[] = {
        {{"25", "H7/g6"},
         {"基準寸法 ： φ25 mm", "許容差 ： 21 / 0 μm ( H7 )", "最大すきま ： 0.041 mm", "g6",
          "φ25H7(+0.021/0) φ25g6(-0.007/-0.020)"}},
        {{"--json", "30", "GEN:m/+0.02,-0.01", "30.5"},
         {"穴 ： 基準寸法 φ30 mm　普通公差 中級", "軸 ： 基準寸法 φ30.5 mm　自由入力 +0.02 / -0.01 mm"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> withSheet = {"--sheet", file.string()};
        withSheet.insert(withSheet.end(), c.query.begin(), c.query.end());
        const ProgramRun plain = RunFit(c.query);
        const ProgramRun run = RunFit(withSheet);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, plain.out);
        const std::string svg = ReadFile(file);
        QXmlStreamReader xml(QByteArray::fromStdString(svg));
        ASSERT_TRUE(xml.readNextStartElement());
        EXPECT_EQ(xml.name(), QStringLiteral("svg"));
        EXPECT_EQ(xml.attributes().value(QStringLiteral("width")), QStringLiteral("210mm"));
        EXPECT_EQ(xml.attributes().value(QStringLiteral("height")), QStringLiteral("297mm"));
        EXPECT_EQ(xml.attributes().value(QStringLiteral("viewBox")), QStringLiteral("0 0 840 1188"));
        QStringList texts;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QStringLiteral("text"))
                texts << xml.readElementText();
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        std::vector<std::string> expected = c.texts;
        expected.push_back(std::string(ja::kSheetTitle));
        expected.push_back(std::string(ja::kMessageCaption));
        for (const std::string& text : expected)
            EXPECT_TRUE(texts.contains(QString::fromStdString(text))) << text;
    }
    std::filesystem::remove(file);
}

}  // namespace
}  // namespace tolvo::fit_test
