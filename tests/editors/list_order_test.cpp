#include "personal/editors/list_order.h"
#include "personal/editors/time_texts.h"

#include <gtest/gtest.h>

namespace zyntra {
namespace {

TEST(ListOrderTest, TextsCompareWithoutAsciiCaseAndOtherBytesUnsigned) {
    EXPECT_EQ(CompareListText("abc", "ABC"), 0);
    EXPECT_LT(CompareListText("Apple", "banana"), 0);
    EXPECT_LT(CompareListText("ab", "abc"), 0); // a text that begins a longer one comes first
    EXPECT_GT(CompareListText("abc", "ab"), 0);
    EXPECT_EQ(CompareListText("", ""), 0);
    // A Big5 lead byte (0xA4) sorts after every ASCII byte, as an unsigned value.
    EXPECT_GT(CompareListText("\xA4\x40", "zzz"), 0);
    EXPECT_LT(CompareListText("\xA4\x40", "\xA5\x40"), 0);
    // Capitals fold to small letters, so '_' (0x5F) sorts before every letter.
    EXPECT_LT(CompareListText("_", "a"), 0);
    EXPECT_LT(CompareListText("_", "Z"), 0);
}

TEST(ListOrderTest, SortingFollowsTheSelectedRecord) {
    RecordList<ADDRESSBOOK> list;
    for (const char* name : {"b", "C", "a"}) {
        list.push_back(std::make_unique<ADDRESSBOOK>());
        list.back()->name = name;
    }
    RecordComparison<ADDRESSBOOK> byName = [](const ADDRESSBOOK& x, const ADDRESSBOOK& y) {
        return CompareListText(x.name, y.name);
    };
    EXPECT_EQ(SortRecords(list, byName, true, 2), 2); // "a" ends last when descending
    EXPECT_EQ(list[0]->name, "C");
    EXPECT_EQ(SortRecords(list, byName, false, 0), 2); // "C" ends last when ascending
    EXPECT_EQ(list[0]->name, "a");
    EXPECT_EQ(SortRecords(list, byName, false, -1), -1);
}

TEST(TimeTextsTest, StoredFormsAndTheirReading) {
    EXPECT_EQ(DateText({2010, 5, 3}), "2010/05/03");
    EXPECT_EQ(TimeText(8, 5), "08:05");
    EXPECT_EQ(TwelveHourText(0, 5), "00:05 AM");
    EXPECT_EQ(TwelveHourText(12, 0), "12:00 PM");
    EXPECT_EQ(TwelveHourText(13, 30), "01:30 PM");
    EXPECT_EQ(RoundedParts({14, 37, 59}), (HourMinute{14, 35}));
    EXPECT_EQ(StampText({{2026, 12, 9}, {7, 8, 9}}), "2026/12/09 07:08:09");

    // The device may write other forms; they are read as well as they can be.
    EXPECT_EQ(ReadDateText("2024/03/05"), (PlainDate{2024, 3, 5}));
    EXPECT_EQ(ReadDateText("2024-3-5"), (PlainDate{2024, 3, 5}));
    EXPECT_EQ(ReadDateText("2024/02/30"), std::nullopt);
    EXPECT_EQ(ReadDateText("20240305"), (PlainDate{2024, 3, 5}));
    EXPECT_EQ(ReadDateText("202403"), std::nullopt);
    EXPECT_EQ(ReadDateText(""), std::nullopt);
    EXPECT_EQ(ReadTimeText("9:5"), (PlainTime{9, 5, 0}));
    EXPECT_EQ(ReadTimeText("17:30:45"), (PlainTime{17, 30, 0}));
    EXPECT_EQ(ReadTimeText("24:00"), std::nullopt);
    EXPECT_EQ(ReadTimeText("noon"), std::nullopt);
}

} // namespace
} // namespace zyntra
