// The text files delivered in the program folder, as the build made them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "core/program_state.h"
#include "core/settings_file.h"
#include "core/url_list.h"
#include "platform/runtime/ansi_text.h"
#include "platform/runtime/text_file.h"
#include "tests/support/test_support.h"

namespace ranvik {
namespace {

const std::string kProgramDir = std::string(RANVIK_PROGRAM_DIR) + "/";

class DeliveredTexts : public testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        Program().app.AppDir = kProgramDir;
    }
    void TearDown() override { ResetProgramState(); }
};

// The file's lines; every line ends in CR LF and the bytes are CP932.
std::vector<std::string> DeliveredLines(const std::string& name) {
    const std::string bytes = test::ReadBytes(kProgramDir + name);
    EXPECT_FALSE(bytes.empty()) << name;
    EXPECT_TRUE(bytes.size() >= 2 && bytes.compare(bytes.size() - 2, 2, "\r\n") == 0) << name;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << name << " byte " << i;
        }
        if (bytes[i] == '\r') {
            EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << name << " byte " << i;
        }
    }
    EXPECT_EQ(FromAnsi(bytes).find("\xEF\xBF\xBD"), std::string::npos) << name << " is not CP932";
    std::vector<std::string> lines;
    const auto read = ReadTextLines(kProgramDir + name);
    if (read) {
        for (const auto& line : *read) lines.push_back(line.text);
    }
    return lines;
}

TEST_F(DeliveredTexts, SettingsFileHoldsEveryKeyOnceWithItsDesignValue) {
    const auto lines = DeliveredLines("Ranvikchart.ini");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "Version=4.4.5");
    EXPECT_EQ(lines.size(), SettingKeys().size() + 1);
    for (const auto& entry : SettingKeys()) {
        const auto holding = std::count_if(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.find(entry.key) != std::string::npos;
        });
        EXPECT_EQ(holding, 1) << entry.key;
        ASSERT_TRUE(ReadIniValue(entry.key));
        EXPECT_EQ(Program().settings.IniValue, entry.designValue) << entry.key;
    }
    // Every setting line in the writer's form: key, apostrophe, three
    // characters, apostrophe.
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto quote = lines[i].find('\'');
        ASSERT_NE(quote, std::string::npos) << lines[i];
        EXPECT_EQ(lines[i].size(), quote + 5) << lines[i];
        EXPECT_EQ(lines[i].back(), '\'') << lines[i];
    }
    ASSERT_TRUE(ReadIniValue("WindowState="));
    EXPECT_EQ(Program().settings.IniValue, "2");
}

TEST_F(DeliveredTexts, SettingsBackupEqualsTheSettingsFile) {
    EXPECT_EQ(test::ReadBytes(kProgramDir + "Ranvikchart.org.txt"), test::ReadBytes(kProgramDir + "Ranvikchart.ini"));
}

TEST_F(DeliveredTexts, UrlListGivesAddressesAndLinksButNoAdministratorMode) {
    const auto lines = DeliveredLines("MyURL.txt");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "Version=4.4.24");
    EXPECT_EQ(lines.back(), "<END>");
    for (const auto& line : lines) EXPECT_NE(Trim(line).rfind("管理者", 0), 0u) << line;

    AddressBarList bar;
    LoadUrlList(bar);
    EXPECT_EQ(Program().app.AdminMode, kFalse);
    EXPECT_EQ(bar.text.rfind("https://", 0), 0u) << bar.text;
    EXPECT_GE(bar.items.size(), 3u);
    for (const auto& item : bar.items) EXPECT_EQ(item.rfind("https://", 0), 0u) << item;
    EXPECT_NE(Program().download.QuoteSiteUrl.find("quote/"), std::string::npos);
    EXPECT_FALSE(Program().download.InfoLink0.empty());
    EXPECT_FALSE(Program().download.InfoLink1.empty());
    // The address bar's address has parameters for the exchange rates.
    const std::string address = bar.text.substr(0, bar.text.find('?'));
    EXPECT_EQ(GetUrlParameter(kProgramDir, address, "0010"), "USDJPY=FX");
}

TEST_F(DeliveredTexts, TopicsListIsYearBlocksOfTopicLines) {
    const auto lines = DeliveredLines("チャートNEWS.etxt");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "<END>");
    int lastYear = 0;
    int topicsOfYear = 0;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (!line.empty() && line[0] == '-') {
            ASSERT_GT(lastYear, 0) << "topic before any year: " << line;
            EXPECT_GT(line.size(), 1u);
            ++topicsOfYear;
            continue;
        }
        ASSERT_EQ(line.size(), 4u) << line;
        ASSERT_TRUE(std::all_of(line.begin(), line.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
            << line;
        const int year = std::stoi(line);
        EXPECT_GT(year, lastYear) << "years ascend and appear once";
        if (lastYear > 0) {
            EXPECT_GT(topicsOfYear, 0) << lastYear;
        }
        lastYear = year;
        topicsOfYear = 0;
    }
    EXPECT_GT(topicsOfYear, 0) << lastYear;
}

}  // namespace
}  // namespace ranvik
