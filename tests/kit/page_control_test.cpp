#include "kit/controls.h"
#include "tests/kit/recording_peer.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zyntra {
namespace {

// The shape of the main window: a page control whose second page holds another page control.
class PageControlTest : public ::testing::Test {
protected:
    PageControlTest()
        : form(set.Add<Form>("dfmMain")), main(set.Add<PageControl>("pgcMain", &form)),
          files(set.Add<TabSheet>("tabFile", &main)), data(set.Add<TabSheet>("tabDataSet", &main)),
          dataPages(set.Add<PageControl>("pgcDataSet", &data)),
          userData(set.Add<TabSheet>("tabUserData", &dataPages)),
          sync(set.Add<TabSheet>("tabSyncSet", &dataPages)) {
        for (TabSheet* page : {&files, &data, &userData, &sync}) {
            page->OnShow = [this, page] { log.push_back("show " + page->Name()); };
            page->OnHide = [this, page] { log.push_back("hide " + page->Name()); };
        }
        main.OnChange = [this] { log.push_back("change pgcMain"); };
        dataPages.OnChange = [this] { log.push_back("change pgcDataSet"); };
    }

    ControlSet set;
    Form& form;
    PageControl& main;
    TabSheet& files;
    TabSheet& data;
    PageControl& dataPages;
    TabSheet& userData;
    TabSheet& sync;
    std::vector<std::string> log;
};

TEST_F(PageControlTest, ChangingPagesFromCodeHidesShowsThenReportsTheChange) {
    EXPECT_EQ(main.ActivePageIndex(), 0);
    EXPECT_TRUE(files.IsShowing());
    EXPECT_FALSE(userData.IsShowing());

    main.SetActivePageIndex(1);
    main.SetActivePageIndex(1); // already active: nothing
    main.SetActivePageIndex(5); // no such page: nothing

    // The inner page that is active in its own page control starts showing with its parent.
    EXPECT_EQ(log, (std::vector<std::string>{"hide tabFile", "show tabDataSet", "show tabUserData",
                                             "change pgcMain"}));
    log.clear();

    dataPages.SetActivePage(sync);
    main.SetActivePage(files);
    EXPECT_EQ(log, (std::vector<std::string>{"hide tabUserData", "show tabSyncSet",
                                             "change pgcDataSet", "hide tabSyncSet",
                                             "hide tabDataSet", "show tabFile", "change pgcMain"}));
}

TEST_F(PageControlTest, UserTabClickMayBeRefusedAndThePeerIsPutBack) {
    test::RecordingPeer peer;
    main.AttachPeer(&peer);
    bool allow = false;
    int asked = 0;
    main.OnChanging = [&](bool& allowChange) {
        ++asked;
        allowChange = allow;
    };

    main.UserSelectPage(1);
    EXPECT_EQ(main.ActivePageIndex(), 0);
    EXPECT_EQ(peer.Count(ControlProperty::ActivePage), 1);
    EXPECT_TRUE(log.empty());

    allow = true;
    main.UserSelectPage(1);
    EXPECT_EQ(main.ActivePageIndex(), 1);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(log.back(), "change pgcMain");

    main.SetActivePageIndex(0); // code is not asked
    EXPECT_EQ(asked, 2);
}

TEST_F(PageControlTest, HidingTheWindowOrAPageMovesShowingAndFocus) {
    auto& list = set.Add<ListView>("lvAddrList", &userData);
    main.SetActivePageIndex(1);
    ASSERT_TRUE(list.SetFocus());
    log.clear();

    dataPages.SetActivePageIndex(1);
    EXPECT_FALSE(list.Focused()) << "a control on a page that stops showing loses the focus";
    EXPECT_FALSE(list.SetFocus());

    form.SetVisible(false);
    form.SetVisible(true);
    EXPECT_EQ(log,
              (std::vector<std::string>{"hide tabUserData", "show tabSyncSet", "change pgcDataSet",
                                        "hide tabSyncSet", "hide tabDataSet", "show tabDataSet",
                                        "show tabSyncSet"}));
}

TEST_F(PageControlTest, ShowHandlerThatSwitchesPagesSettlesOnTheLastChoice) {
    data.OnShow = [this] {
        log.push_back("show tabDataSet");
        dataPages.SetActivePage(sync); // the page opens on its second sub-page
    };

    main.SetActivePage(data);

    EXPECT_TRUE(sync.IsShowing());
    EXPECT_FALSE(userData.IsShowing());
    // The sub-page that the handler switched away from never reports showing.
    EXPECT_EQ(std::count(log.begin(), log.end(), "show tabSyncSet"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "show tabUserData"), 0);
    EXPECT_EQ(std::count(log.begin(), log.end(), "hide tabUserData"), 0);
}

TEST_F(PageControlTest, RemovingTheActivePageActivatesTheNextOne) {
    auto& third = set.Add<TabSheet>("tabThird", &main);
    third.OnShow = [this] { log.push_back("show tabThird"); };
    main.SetActivePage(data);
    log.clear();

    data.SetParent(nullptr);

    EXPECT_EQ(main.PageCount(), 2);
    EXPECT_EQ(main.ActivePage(), &third);
    EXPECT_EQ(third.PageIndex(), 1);
    // The removed page stands alone now, as a window of its own would, so it keeps showing.
    EXPECT_EQ(log, (std::vector<std::string>{"show tabThird"}));
}

} // namespace
} // namespace zyntra
