#include "core/settings_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <set>

#include "core/program_state.h"
#include "platform/runtime/message_service.h"
#include "tests/support/test_support.h"

namespace ranvik {
namespace {

// Every key of the extended panel with its box, design value and frame, in
// the order the loader reads them: a swapped box or key must fail here.
TEST(SettingKeyTable, EveryPanelKeyBelongsToItsBox) {
    const struct {
        std::string_view key, box, design, frame;
    } expected[] = {
        {"IdoSampleD1=", "Text20", "5", "移動平均(売買代金も)"},
        {"IdoSampleD2=", "Text21", "25", "移動平均(売買代金も)"},
        {"IdoSampleD3=", "Text22", "75", "移動平均(売買代金も)"},
        {"IdoSampleW1=", "Text23", "13", "移動平均(売買代金も)"},
        {"IdoSampleW2=", "Text24", "26", "移動平均(売買代金も)"},
        {"IdoSampleW3=", "Text25", "52", "移動平均(売買代金も)"},
        {"IdoSampleM1=", "Text75", "12", "移動平均(売買代金も)"},
        {"IdoSampleM2=", "Text76", "24", "移動平均(売買代金も)"},
        {"IdoSampleM3=", "Text77", "48", "移動平均(売買代金も)"},
        {"DKIdoSampD1=", "Text32", "5", "出来高移動平均"},
        {"DKIdoSampD2=", "Text33", "25", "出来高移動平均"},
        {"DKIdoSampW1=", "Text34", "5", "出来高移動平均"},
        {"DKIdoSampW2=", "Text35", "26", "出来高移動平均"},
        {"MACDD1=", "Text26", "12", "MACD"},
        {"MACDD2=", "Text27", "26", "MACD"},
        {"MACDD3=", "Text28", "9", "MACD"},
        {"MACDW1=", "Text29", "13", "MACD"},
        {"MACDW2=", "Text30", "26", "MACD"},
        {"MACDW3=", "Text31", "9", "MACD"},
        {"EnvelopeD1=", "Text36", "25", "ｴﾝﾍﾞﾛｰﾌﾟ"},
        {"EnvelopeD2=", "Text37", "5", "ｴﾝﾍﾞﾛｰﾌﾟ"},
        {"EnvelopeW1=", "Text38", "13", "ｴﾝﾍﾞﾛｰﾌﾟ"},
        {"EnvelopeW2=", "Text39", "10", "ｴﾝﾍﾞﾛｰﾌﾟ"},
        {"BolinjerD1=", "Text68", "25", "ﾎﾞﾘﾝｼﾞｬﾊﾞﾝﾄﾞ"},
        {"BolinjerW1=", "Text69", "13", "ﾎﾞﾘﾝｼﾞｬﾊﾞﾝﾄﾞ"},
        {"PerOscillatorD1=", "Text40", "25", "%Rｵｼﾚｰﾀ"},
        {"PerOscillatorW1=", "Text41", "13", "%Rｵｼﾚｰﾀ"},
        {"MomentumD1=", "Text42", "25", "ﾓﾒﾝﾀﾑ"},
        {"MomentumW1=", "Text43", "13", "ﾓﾒﾝﾀﾑ"},
        {"RSID1=", "Text44", "15", "RSI"},
        {"RSIW1=", "Text45", "13", "RSI"},
        {"RCID1=", "Text46", "15", "RCI"},
        {"RCIW1=", "Text47", "13", "RCI"},
        {"StocasD1=", "Text48", "25", "ｽﾄｷｬｽﾃｨｸｽ"},
        {"StocasW1=", "Text49", "13", "ｽﾄｷｬｽﾃｨｸｽ"},
        {"OBVD1=", "Text50", "25", "OBV"},
        {"OBVW1=", "Text51", "13", "OBV"},
        {"ConverseWatchD1=", "Text52", "25", "逆ｳｫｯﾁ"},
        {"ConverseWatchW1=", "Text53", "13", "逆ｳｫｯﾁ"},
        {"HLbandD1=", "Text54", "20", "HLﾊﾞﾝﾄﾞ"},
        {"HLbandW1=", "Text55", "13", "HLﾊﾞﾝﾄﾞ"},
        {"Vol12phycoD1=", "Text56", "25", "ﾎﾞﾘｭｰﾑ/ｻｲｺﾛｼﾞ"},
        {"Vol12phycoW1=", "Text57", "13", "ﾎﾞﾘｭｰﾑ/ｻｲｺﾛｼﾞ"},
        {"IchimokuD1=", "Text58", "9", "一目均衡線"},
        {"IchimokuD2=", "Text59", "26", "一目均衡線"},
        {"IchimokuW1=", "Text60", "2", "一目均衡線"},
        {"IchimokuW2=", "Text61", "5", "一目均衡線"},
        {"SenkeiKaikiD1=", "Text62", "25", "線形回帰ﾄﾚﾝﾄﾞ"},
        {"SenkeiKaikiD2=", "Text63", "75", "線形回帰ﾄﾚﾝﾄﾞ"},
        {"SenkeiKaikiW1=", "Text64", "5", "線形回帰ﾄﾚﾝﾄﾞ"},
        {"SenkeiKaikiW2=", "Text65", "13", "線形回帰ﾄﾚﾝﾄﾞ"},
        {"InYohAshiD1=", "Text66", "3", "陰陽足"},
        {"InYohAshiW1=", "Text67", "5", "陰陽足"},
        {"InYohAshiM1=", "Text78", "3", "陰陽足"},
        {"Days3D1=", "Text79", "3", "三日平均"},
        {"Days3W1=", "Text80", "3", "三日平均"},
        {"VectorD1=", "Text71", "25", "ﾍﾞｸﾄﾙ"},
        {"VectorW1=", "Text72", "13", "ﾍﾞｸﾄﾙ"},
        {"KagiAshi=", "Text73", "3", "カギ足"},
        {"PandF=", "Text74", "1", "Ｐ＆Ｆ"},
    };
    ASSERT_EQ(PanelSettingKeys().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const SettingKey& k = PanelSettingKeys()[i];
        EXPECT_EQ(k.key, expected[i].key) << i;
        EXPECT_EQ(k.box, expected[i].box) << expected[i].key;
        EXPECT_EQ(k.designValue, expected[i].design) << expected[i].key;
        EXPECT_EQ(k.frame, expected[i].frame) << expected[i].key;
    }
    // The single settings, with the その他機能 item each flag stores.
    const std::pair<std::string_view, int> singles[] = {
        {"WindowState=", 0}, {"mnuColorItem=", 0}, {"mnuDekiIdou=", 0}, {"FixAMT=", 2},
        {"PrinterDate=", 3}, {"mnuChartExplain=", 4}, {"CrossKabuka=", 5},
    };
    ASSERT_EQ(SingleSettingKeys().size(), std::size(singles));
    for (const auto& [key, item] : singles) {
        const SettingKey* k = FindSettingKey(key);
        ASSERT_NE(k, nullptr) << key;
        EXPECT_EQ(k->funcExItem, item) << key;
        EXPECT_TRUE(k->box.empty()) << key;
    }
}

class SettingsFileTest : public testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        Program().app.AppDir = folder.Path();
    }
    void TearDown() override { ResetProgramState(); }

    std::string IniPath() const { return folder.File("Ranvikchart.ini"); }
    std::string BackupPath() const { return folder.File("Ranvikchart.org.txt"); }
    void WriteIni(std::string_view bytes) const { test::WriteBytes(IniPath(), bytes); }
    std::string Ini() const { return test::ReadBytes(IniPath()); }
    static std::string Read(std::string_view key) {
        ReadIniValue(key);
        return Program().settings.IniValue;
    }
    ino_t IniInode() const {
        struct stat st {};
        ::stat(IniPath().c_str(), &st);
        return st.st_ino;
    }

    test::TempFolder folder;
};

// The delivered form: the version line and every key with its design value.
std::string DesignIni() {
    std::string out = "Version=4.4.5\r\n";
    for (const auto& entry : SettingKeys()) {
        std::string value(entry.designValue);
        value.resize(3, ' ');
        out += std::string(entry.key) + "'" + value + "'\r\n";
    }
    return out;
}

TEST(SettingKeyTable, HoldsTheSixtySevenKeysInLoadingOrder) {
    ASSERT_EQ(SettingKeys().size(), 67u);
    ASSERT_EQ(SingleSettingKeys().size(), 7u);
    ASSERT_EQ(PanelSettingKeys().size(), 60u);
    EXPECT_EQ(SettingKeys().front().key, "WindowState=");
    EXPECT_EQ(PanelSettingKeys().front().key, "IdoSampleD1=");
    EXPECT_EQ(PanelSettingKeys().front().box, "Text20");
    EXPECT_EQ(PanelSettingKeys()[6].box, "Text75");  // monthly averages follow the weekly ones
    EXPECT_EQ(PanelSettingKeys().back().key, "PandF=");
    EXPECT_EQ(PanelSettingKeys().back().box, "Text74");

    std::set<std::string_view> keys, boxes;
    for (const auto& entry : PanelSettingKeys()) {
        EXPECT_TRUE(boxes.insert(entry.box).second) << entry.box;
        EXPECT_FALSE(entry.designValue.empty()) << entry.key;
    }
    // Text20 to Text80, except Text70 (parabolic), which has no key.
    EXPECT_EQ(boxes.size(), 60u);
    EXPECT_EQ(boxes.count("Text70"), 0u);
    for (const auto& entry : SettingKeys()) {
        EXPECT_TRUE(keys.insert(entry.key).second) << entry.key;
        EXPECT_EQ(entry.key.back(), '=');
    }
    // A key's line is the first line containing its text: no key may stand
    // inside another.
    for (const auto& a : SettingKeys())
        for (const auto& b : SettingKeys())
            if (&a != &b) {
                EXPECT_EQ(b.key.find(a.key), std::string_view::npos) << a.key << " in " << b.key;
            }
    int flags = 0;
    for (const auto& entry : SingleSettingKeys()) flags += entry.funcExItem != 0;
    EXPECT_EQ(flags, 4);
}

TEST_F(SettingsFileTest, ReadsValuesOfEveryLineForm) {
    WriteIni(
        "Version=4.4.5\r\n"
        "IdoSampleD1='25 '\r\n"
        "IdoSampleD2='5'\r\n"
        "IdoSampleD3='1234'\r\n"
        "IdoSampleW1='   '\r\n"
        "KagiAshi=12 \r\n"
        "  note PandF='7  '\r\n"
        "RSID1='15 '\r\n"
        "RSID1='99 '\r\n");
    struct Case {
        const char* key;
        const char* value;
    } cases[] = {
        {"Version=", "4.4.5"},
        {"IdoSampleD1=", "25"},
        {"IdoSampleD2=", "5"},    // short form: the closing apostrophe is not part of the value
        {"IdoSampleD3=", "123"},  // at most three characters
        {"IdoSampleW1=", ""},
        {"KagiAshi=", "12"},  // without apostrophe: everything after "="
        {"PandF=", "7"},      // the key may stand anywhere in its line
        {"RSID1=", "15"},     // the first line holding the key
        {"RSIW1=", ""},       // no line
    };
    for (const auto& c : cases) EXPECT_EQ(Read(c.key), c.value) << c.key;
}

// A key's bytes that stand inside a double-byte character are not the key;
// and in a long file every key is still found (how fast is bench_settings'
// business, not a test's).
TEST_F(SettingsFileTest, KeyBytesInsideACharacterAreNoKeyAndLongFilesFindEveryKey) {
    WriteIni("Version=4.4.5\r\n\x83RSID1='42 '\r\nRSID1='15 '\r\n");
    EXPECT_EQ(Read("RSID1="), "15");
    std::string lines;
    for (int k = 0; k < 330000; ++k) lines += "a\r\n";
    WriteIni(lines + DesignIni());
    for (const SettingKey& key : SettingKeys()) EXPECT_EQ(Read(key.key), key.designValue) << key.key;
}

TEST_F(SettingsFileTest, ReadingAMissingFileGivesAnEmptyValueAndFails) {
    Program().settings.IniValue = "old";
    EXPECT_FALSE(ReadIniValue("IdoSampleD1="));
    EXPECT_EQ(Program().settings.IniValue, "");
}

TEST_F(SettingsFileTest, WritingReplacesOnlyTheKeysLine) {
    const std::string before =
        "Version=4.4.5\r\n"
        "WindowState='2  '\r\n"
        "IdoSampleD1='25 '\r\n"
        "IdoSampleD2='25 '\r\n";
    WriteIni(before);
    EXPECT_EQ(WriteIniValue("IdoSampleD1=", "5"), IniWriteResult::Written);
    EXPECT_EQ(test::Hex(Ini()), test::Hex("Version=4.4.5\r\n"
                                          "WindowState='2  '\r\n"
                                          "IdoSampleD1='5  '\r\n"
                                          "IdoSampleD2='25 '\r\n"));
    EXPECT_EQ(Read("IdoSampleD1="), "5");
}

TEST_F(SettingsFileTest, WritingTheStoredValueLeavesTheFileUntouched) {
    WriteIni("Version=4.4.5\r\nIdoSampleD1='25 '\r\nKagiAshi=3\r\n");
    const ino_t inode = IniInode();
    EXPECT_EQ(WriteIniValue("IdoSampleD1=", "25"), IniWriteResult::Unchanged);
    EXPECT_EQ(WriteIniValue("IdoSampleD1=", "２５"), IniWriteResult::Unchanged);
    EXPECT_EQ(WriteIniValue("KagiAshi=", "3"), IniWriteResult::Unchanged);
    EXPECT_EQ(Ini(), "Version=4.4.5\r\nIdoSampleD1='25 '\r\nKagiAshi=3\r\n");
    EXPECT_EQ(IniInode(), inode);  // not even rewritten with the same bytes
}

TEST_F(SettingsFileTest, ValuesAreNormalisedBeforeTheyAreStored) {
    struct Case {
        const char* value;
        const char* line;  // the stored line
        const char* read;  // what reads back
    } cases[] = {
        {"１２", "IdoSampleD1='12 '", "12"},
        {"abc", "IdoSampleD1='   '", ""},
        {"", "IdoSampleD1='   '", ""},
        {"12.5", "IdoSampleD1='12 '", "12"},
        {"1234", "IdoSampleD1='123'", "123"},
        {"0.02", "IdoSampleD1='0.0'", "0.0"},
        {" 7 ", "IdoSampleD1='7  '", "7"},
    };
    for (const auto& c : cases) {
        WriteIni("Version=4.4.5\r\nIdoSampleD1='25 '\r\nIdoSampleD2='26 '\r\n");
        EXPECT_EQ(WriteIniValue("IdoSampleD1=", c.value), IniWriteResult::Written) << c.value;
        EXPECT_EQ(Ini(), "Version=4.4.5\r\n" + std::string(c.line) + "\r\nIdoSampleD2='26 '\r\n") << c.value;
        EXPECT_EQ(Read("IdoSampleD1="), c.read) << c.value;
    }
}

// A line shorter or longer than the usual form must not spill into the
// next line when it is rewritten.
TEST_F(SettingsFileTest, ALineOfAnotherLengthKeepsTheNextLineWhole) {
    struct Case {
        const char* before;
        const char* key;
        const char* value;
        const char* after;
    } cases[] = {
        {"IdoSampleD1='5'", "IdoSampleD1=", "12", "IdoSampleD1='12 '"},
        {"IdoSampleD1='5'", "IdoSampleD1=", "x", "IdoSampleD1='   '"},
        {"IdoSampleD1='1234'", "IdoSampleD1=", "7", "IdoSampleD1='7  '"},
        {"KagiAshi=3", "KagiAshi=", "12", "KagiAshi=12"},
        {"KagiAshi=123", "KagiAshi=", "4", "KagiAshi=4"},
        {"  KagiAshi=3  ", "KagiAshi=", "5", "KagiAshi=5"},
    };
    for (const auto& c : cases) {
        WriteIni("Version=4.4.5\r\n" + std::string(c.before) + "\r\nRSID1='15 '\r\nRSIW1='13 '\r\n");
        EXPECT_EQ(WriteIniValue(c.key, c.value), IniWriteResult::Written) << c.before;
        EXPECT_EQ(Ini(), "Version=4.4.5\r\n" + std::string(c.after) + "\r\nRSID1='15 '\r\nRSIW1='13 '\r\n")
            << c.before;
        EXPECT_EQ(Read("RSID1="), "15");
    }
}

TEST_F(SettingsFileTest, OtherBytesOfTheFileStayAsTheyWere) {
    // Lone line ends, a foreign line and a last line without line end are
    // all kept; only the key's own bytes change.
    const std::string before = std::string("Version=4.4.5\n") + "\x93\x8C\x8F\xD8 memo\r" +
                               "IdoSampleD1='25 '\r\n" + "RSID1='15 '";
    WriteIni(before);
    EXPECT_EQ(WriteIniValue("RSID1=", "9"), IniWriteResult::Written);
    EXPECT_EQ(test::Hex(Ini()), test::Hex(std::string("Version=4.4.5\n") + "\x93\x8C\x8F\xD8 memo\r" +
                                          "IdoSampleD1='25 '\r\n" + "RSID1='9  '"));
}

TEST_F(SettingsFileTest, AKeyWithoutALineIsNeverAdded) {
    WriteIni("Version=4.4.5\r\nIdoSampleD1='25 '\r\n");
    EXPECT_EQ(WriteIniValue("RSID1=", "9"), IniWriteResult::NoLine);
    EXPECT_EQ(Ini(), "Version=4.4.5\r\nIdoSampleD1='25 '\r\n");
}

TEST_F(SettingsFileTest, WritingWithoutASettingsFileCreatesNone) {
    EXPECT_EQ(WriteIniValue("RSID1=", "9"), IniWriteResult::Failed);
    struct stat st {};
    EXPECT_NE(::stat(IniPath().c_str(), &st), 0);
}

TEST_F(SettingsFileTest, StartUpLoadsWindowStateFlagsAndEveryBox) {
    std::string ini = DesignIni();
    // No line for RSID1=: its box is emptied.
    ini.erase(ini.find("RSID1="), std::string("RSID1='15 '\r\n").size());
    ini.replace(ini.find("FixAMT='0  '"), 12, "FixAMT='1  '");
    ini.replace(ini.find("PrinterDate='1  '"), 17, "PrinterDate='0  '");
    WriteIni(ini);

    SettingsValues target;
    target.boxText["Text44"] = "15";
    LoadPanelSettings(0, target);
    EXPECT_EQ(target.windowState, 2);
    EXPECT_EQ(target.funcExChecked, (std::map<int, bool>{{2, true}, {3, false}, {4, false}, {5, true}}));
    EXPECT_EQ(target.boxText.size(), 60u);
    EXPECT_EQ(target.boxText["Text44"], "");
    EXPECT_EQ(target.boxText["Text20"], "5");
    EXPECT_EQ(target.boxText["Text74"], "1");
    for (const auto& entry : PanelSettingKeys())
        if (entry.box != "Text44") {
            EXPECT_EQ(target.boxText[std::string(entry.box)], entry.designValue) << entry.key;
        }
}

TEST_F(SettingsFileTest, OnlyAWindowStateOfZeroToTwoIsApplied) {
    struct Case {
        const char* line;
        std::optional<int> state;
    } cases[] = {
        {"WindowState='0  '", 0}, {"WindowState='1  '", 1}, {"WindowState='2  '", 2},
        {"WindowState='   '", std::nullopt}, {"WindowState='7  '", std::nullopt},
        {"WindowState='abc'", std::nullopt}, {"Version=4.4.5", std::nullopt},
    };
    for (const auto& c : cases) {
        WriteIni("Version=4.4.5\r\n" + std::string(c.line) + "\r\n");
        SettingsValues target;
        LoadPanelSettings(0, target);
        EXPECT_EQ(target.windowState, c.state) << c.line;
    }
}

TEST_F(SettingsFileTest, AfterARestoreOnlyTheBoxesAreLoaded) {
    WriteIni(DesignIni());
    SettingsValues target;
    LoadPanelSettings(1, target);
    EXPECT_FALSE(target.windowState.has_value());
    EXPECT_TRUE(target.funcExChecked.empty());
    EXPECT_EQ(target.boxText.size(), 60u);
}

TEST_F(SettingsFileTest, RestoreCopiesTheBackupAndReloadsTheBoxes) {
    WriteIni("Version=4.4.1\r\nIdoSampleD1='99 '\r\nWindowState='0  '\r\n");
    // The backup's lines may end in any way; the copy ends each with CR LF.
    std::string backup = DesignIni();
    backup.replace(backup.find("\r\n"), 2, "\n");
    backup.erase(backup.size() - 2);
    test::WriteBytes(BackupPath(), backup);

    ScopedRecordingMessages messages;
    SettingsValues target;
    target.windowState = 1;
    EXPECT_TRUE(RestoreSettingsFromBackup(0, target));
    EXPECT_EQ(Ini(), DesignIni());
    EXPECT_EQ(target.windowState, 1);  // window state and flags stay as they are
    EXPECT_TRUE(target.funcExChecked.empty());
    EXPECT_EQ(target.boxText.size(), 60u);
    EXPECT_EQ(target.boxText["Text20"], "5");
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, "330, 復元完了。");
    EXPECT_EQ(messages->shown[0].title, "Ranvikチャート");
    EXPECT_EQ(messages->shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(messages->shown[0].buttons, MessageButtons::Ok);
}

TEST_F(SettingsFileTest, QuietRestoreShowsNothing) {
    test::WriteBytes(BackupPath(), DesignIni());
    ScopedRecordingMessages messages;
    SettingsValues target;
    EXPECT_TRUE(RestoreSettingsFromBackup(1, target));  // the settings file need not exist
    EXPECT_EQ(Ini(), DesignIni());
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(SettingsFileTest, RestoreWithoutBackupShowsMessageAndChangesNothing) {
    for (int quiet : {0, 1}) {
        WriteIni("Version=4.4.1\r\nIdoSampleD1='99 '\r\n");
        ScopedRecordingMessages messages;
        SettingsValues target;
        EXPECT_FALSE(RestoreSettingsFromBackup(quiet, target));
        EXPECT_EQ(Ini(), "Version=4.4.1\r\nIdoSampleD1='99 '\r\n");
        EXPECT_TRUE(target.boxText.empty());
        ASSERT_EQ(messages->shown.size(), 1u);
        EXPECT_EQ(messages->shown[0].text, "331, 復元出来ません");
        EXPECT_EQ(messages->shown[0].title, "Ranvikチャート");
        EXPECT_EQ(messages->shown[0].icon, MessageIcon::Exclamation);
    }
}

}  // namespace
}  // namespace ranvik
