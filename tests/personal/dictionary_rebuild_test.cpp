#include "kit/message_box.h"
#include "personal/dictionary_rebuild.h"
#include "tests/personal/engine_fixture.h"
#include "tests/support/ui_doubles.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>

namespace zyntra {
namespace {

using test::Append;
using test::HeadwordRow;
using test::MakeEntry;
using test::QueryRows;
using test::ReadHeadwords;

class DictionaryRebuildTest : public test::ProgramFolderTest {
protected:
    DictionaryRebuildTest() {
        test::MakeDatabaseImage(ec_, 2);
        test::MakeDatabaseImage(ce_, 3);
    }

    bool RebuildEC(int mode) {
        test::WriterSession session(ec_, messages_, mode);
        return RebuildECUser(session.Context(), ecList_);
    }
    bool RebuildCE(int mode) {
        test::WriterSession session(ce_, messages_, mode);
        return RebuildCEUser(session.Context(), ceList_);
    }

    static std::vector<std::string> Names(const std::vector<HeadwordRow>& rows) {
        std::vector<std::string> names;
        for (const HeadwordRow& row : rows)
            names.push_back(std::to_string(row.hw_id) + " " + row.hw_name);
        return names;
    }

    // Rows of one headword come in no defined order.
    static std::multiset<std::string> Entries(const std::vector<HeadwordRow>& rows) {
        std::multiset<std::string> entries;
        for (const HeadwordRow& row : rows)
            entries.insert(row.hw_name + "=" + row.exp);
        return entries;
    }

    static std::string WorkTables(const std::string& path) {
        return test::FixtureDatabase(path).QueryText(
            "select group_concat(name) from sqlite_master where name in ('tmp', 'temp')");
    }

    std::string ec_ = folder_.File("image/ec.db");
    std::string ce_ = folder_.File("image/ce.db");
    RecordList<ECUSER> ecList_;
    RecordList<CEUSER> ceList_;
    RecordingMessageBox messages_;
};

TEST_F(DictionaryRebuildTest, RebuildSortsEachDictionaryItsWayAndNumbersFromOne) {
    test::InsertHeadword(ec_, {9, "kiwi", "kiwi", "n.", "a fruit", 71});
    for (const char* word : {"Zebra", "apple", "Mango"}) {
        Append(ecList_, MakeEntry<ECUSER>(word, "n.", "a word"));
        Append(ceList_, MakeEntry<CEUSER>(word, "n.", "a word"));
    }
    ASSERT_TRUE(RebuildEC(2));
    ASSERT_TRUE(RebuildCE(2));

    auto ec = ReadHeadwords(ec_);
    EXPECT_EQ(Names(ec), (std::vector<std::string>{"1 apple", "2 kiwi", "3 Mango", "4 Zebra"}));
    EXPECT_EQ(ec[2].hw_match, "mango");
    EXPECT_EQ(ec[3].dict_id, 71);
    auto ce = ReadHeadwords(ce_);
    EXPECT_EQ(Names(ce), (std::vector<std::string>{"1 Mango", "2 Zebra", "3 apple"}));
    EXPECT_EQ(ce[0].hw_match, "Mango");
    EXPECT_EQ(ce[0].dict_id, 72);
    EXPECT_EQ(WorkTables(ec_), "");
    EXPECT_EQ(WorkTables(ce_), "");
    EXPECT_TRUE(messages_.Shown().empty());
}

TEST_F(DictionaryRebuildTest, QuotesAndPercentSignsAreStoredAsTyped) {
    Append(ecList_, MakeEntry<ECUSER>("don't", "v.", "100% sure, isn't it"));
    Append(ecList_, MakeEntry<ECUSER>("ice cream", "n.", "%s%n%d"));
    ASSERT_TRUE(RebuildEC(0));
    ASSERT_TRUE(RebuildEC(2)); // a second run finds both as they are

    auto rows = ReadHeadwords(ec_);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].hw_name, "don't");
    EXPECT_EQ(rows[0].hw_match, "don't");
    EXPECT_EQ(rows[0].exp, "100% sure, isn't it");
    EXPECT_EQ(rows[1].hw_name, "ice cream");
    EXPECT_EQ(rows[1].hw_match, "icecream");
    EXPECT_EQ(rows[1].exp, "%s%n%d");
    EXPECT_TRUE(messages_.Shown().empty());
}

TEST_F(DictionaryRebuildTest, AnExistingHeadwordIsReplacedKeptOrAddedByMode) {
    std::vector<std::vector<HeadwordRow>> results;
    for (int mode = 0; mode < 3; ++mode) {
        test::MakeDatabaseImage(ec_, 2);
        test::InsertHeadword(ec_, {1, "bank", "bank", "n.", "river side"});
        test::InsertHeadword(ec_, {2, "bank", "bank", "n.", "money house"});
        test::InsertHeadword(ec_, {3, "cat", "cat", "n.", "pet"});
        ecList_.clear();
        Append(ecList_, MakeEntry<ECUSER>("cat", "n.", "small lion"));
        // Equal to the second of two rows with its headword: already there.
        Append(ecList_, MakeEntry<ECUSER>("bank", "n.", "money house"));
        ASSERT_TRUE(RebuildEC(mode));
        results.push_back(ReadHeadwords(ec_));
    }
    using Set = std::multiset<std::string>;
    EXPECT_EQ(Entries(results[0]), (Set{"bank=money house", "bank=river side", "cat=small lion"}));
    EXPECT_EQ(Entries(results[1]), (Set{"bank=money house", "bank=river side", "cat=pet"}));
    EXPECT_EQ(Entries(results[2]),
              (Set{"bank=money house", "bank=river side", "cat=pet", "cat=small lion"}));
}

TEST_F(DictionaryRebuildTest, AMissingHeadwordTableIsCreatedWithItsIndexes) {
    std::filesystem::remove(ce_);
    test::FixtureDatabase(ce_).Exec("create table other(x);");
    Append(ceList_, MakeEntry<CEUSER>("shui", "n.", "water"));
    ASSERT_TRUE(RebuildCE(2));

    auto rows = ReadHeadwords(ce_);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].hw_id, 1);
    EXPECT_EQ(rows[0].dict_id, 72);
    EXPECT_EQ(test::FixtureDatabase(ce_).QueryText(
                  "select group_concat(name) from (select name from sqlite_master where "
                  "type = 'index' order by name)"),
              "i_headword1,i_headword2,i_headword3");
}

TEST_F(DictionaryRebuildTest, AFailureInsideTheRebuildLeavesTheDatabaseAsItWas) {
    test::InsertHeadword(ec_, {1, "cat", "cat", "n.", "pet"});
    test::FixtureDatabase(ec_).Exec("create trigger refuse before insert on headword "
                                    "begin select raise(abort, 'refused'); end;");
    const auto before = QueryRows(ec_, "select * from headword");
    Append(ecList_, MakeEntry<ECUSER>("dog", "n.", "pet"));

    EXPECT_FALSE(RebuildEC(0));

    EXPECT_EQ(QueryRows(ec_, "select * from headword"), before);
    EXPECT_EQ(WorkTables(ec_), "");
}

} // namespace
} // namespace zyntra
