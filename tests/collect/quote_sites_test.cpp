#include "collect/quote_sites.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "collect/collection_panel.h"
#include "tests/core/main_window_fixture.h"

namespace ranvik {
namespace {

TEST(QuoteSiteKindTest, FragmentsAnywhereLetterCaseCountingInTheOrder12435) {
    ResetProgramState();
    const struct {
        const char* address;
        int kind;
        const char* collectUrl;
    } cases[] = {
        {"https://finance.yahoo.co.jp/quote/1301.T/history", 1, nullptr},
        {"https://minka.example/stock/history/dprice", 2, nullptr},
        {"https://nikke.example/quote/", 3, nullptr},
        {"https://kabuc.example/quote/", 4, nullptr},
        {"https://inves.example/quote/", 5, nullptr},
        {"https://kabuc.nikke.example/", 4, nullptr},    // site 4 is tested before site 3
        {"https://inves.minka.example/", 2, nullptr},
        {"https://minka.example/?ref=yahoo", 1, nullptr}, // anywhere in the address, site 1 first
        {"https://YAHOO.co.jp/quote/", 0, nullptr},       // letter case counts
        {"https://example.com/quote/", 0, nullptr},
        {"", 0, nullptr},
        // A remark after a blank beyond position 10 is cut off before the
        // fragments are looked for.
        {"https://example.com/q yahoo", 0, "https://example.com/q"},
        {"https://finance.yahoo.co.jp/ 予備", 1, "https://finance.yahoo.co.jp/"},
        // A first blank at positions 2 to 10 cuts nothing.
        {"http://ab yahoo", 1, "http://ab yahoo"},
        {"x yahoo   more", 1, "x yahoo   more"},
    };
    for (const auto& c : cases) {
        std::string collectUrl = "old";
        ClassifyAddressBar(c.address, collectUrl);
        EXPECT_EQ(CurrentQuoteSiteKind(), c.kind) << c.address;
        EXPECT_EQ(collectUrl, c.collectUrl ? c.collectUrl : c.address);
        const auto& f = Program().collection;
        const int set = (f.QuoteSiteKind1 != 0) + (f.QuoteSiteKind2 != 0) + (f.QuoteSiteKind3 != 0) +
                        (f.QuoteSiteKind4 != 0) + (f.QuoteSiteKind5 != 0);
        EXPECT_EQ(set, c.kind == 0 ? 0 : 1) << c.address;
    }
    // Kind 1 is the URL list's quote site.
    EXPECT_EQ(DefaultQuoteSiteFragments().kind1, "yahoo");

    // Fragments of a test's own stand in the path of a local address.
    SetQuoteSiteFragments({"one", "two", "three", "four", "five"});
    EXPECT_EQ(QuoteSiteKindOf("http://127.0.0.1:8080/five/quote/"), 5);
    EXPECT_EQ(QuoteSiteKindOf("http://127.0.0.1:8080/three-four/"), 4);
    EXPECT_EQ(QuoteSiteKindOf("https://finance.yahoo.co.jp/quote/"), 0);
    SetQuoteSiteFragments(DefaultQuoteSiteFragments());
    ResetProgramState();
}

class AddressBarTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        InstallCollectionPanelMaker();
    }
};

TEST_F(AddressBarTest, EveryChangeOfTheTextReclassifiesUnlessTheProgramWritesIt) {
    // The start-up text is classified.
    WriteUrlList({"株価データ=https://finance.yahoo.co.jp/quote/1301.T/history?  リスト"});
    Start();
    EXPECT_EQ(CurrentQuoteSiteKind(), 1);
    EXPECT_EQ(form->CollectUrl, "https://finance.yahoo.co.jp/quote/1301.T/history?");

    // Typing: each keystroke classifies what stands so far.
    form->Combo2->setEditText("");
    QLineEdit* edit = form->Combo2->lineEdit();
    QTest::keyClicks(edit, "https://ya");
    EXPECT_EQ(CurrentQuoteSiteKind(), 0);
    QTest::keyClicks(edit, "hoo");
    EXPECT_EQ(CurrentQuoteSiteKind(), 1);
    EXPECT_EQ(form->CollectUrl, "https://yahoo");

    // The program's own writes under the guard change nothing.
    auto& c = Program().collection;
    c.AddressBarGuard = kTrue;
    form->ShowInAddressBar("https://minka.example/history/dprice");
    c.AddressBarGuard = kFalse;
    EXPECT_EQ(CurrentQuoteSiteKind(), 1);
    EXPECT_EQ(form->CollectUrl, "https://yahoo");
    // A pick from the list is classified.
    form->Combo2->addItem("https://kabuc.example/quote/x");
    form->Combo2->setCurrentIndex(form->Combo2->count() - 1);
    emit form->Combo2->activated(form->Combo2->count() - 1);
    EXPECT_EQ(CurrentQuoteSiteKind(), 4);
    EXPECT_EQ(form->CollectUrl, "https://kabuc.example/quote/x");
}

}  // namespace
}  // namespace ranvik
