#include "exchange/charset_codec.h"
#include "exchange/record_table.h"

#include <gtest/gtest.h>

namespace zyntra {
namespace {

std::string Described(RecordKind kind) {
    std::string text;
    for (const FieldInfo& field : FieldsOf(kind))
        text += std::string(text.empty() ? "" : ",") + field.name +
                (field.type == FieldType::Integer ? ":i" : ":t");
    return text;
}

// The command line's JSON keys and CSV header: scripts depend on the names and the order.
TEST(RecordTableFields, EachKindExchangesItsFieldsInTheRecordsOrder) {
    EXPECT_EQ(Described(RecordKind::AddressBook),
              "id:i,name:t,category:i,email:t,mobile1:t,mobile2:t,home_phone:t,home_fax:t,"
              "home_address:t,office_name:t,office_title:t,office_phone:t,office_fax:t,"
              "office_address:t,note:t,photo_name:t,locked:i,stamp_time:t");
    EXPECT_EQ(Described(RecordKind::Schedule),
              "id:i,date:t,start_time:t,end_time:t,content:t,alarm_BStime:i,locked:i,alarm:i,"
              "stamp_time:t");
    EXPECT_EQ(Described(RecordKind::ToDo),
              "id:i,date:t,content:t,category:i,priority:i,status:i,locked:i,stamp_time:t");
    EXPECT_EQ(Described(RecordKind::ClassTable),
              "weekday:i,class_no:i,abbreviation:t,course_name:t,teacher:t,place:t,note:t,"
              "color:i,locked:i,setting:i,stamp_time:t");
    EXPECT_EQ(Described(RecordKind::ECUser), "hw_name:t,type:t,exp:t");
    EXPECT_EQ(Described(RecordKind::CEUser), "hw_name:t,type:t,exp:t");
}

TEST(RecordTableImport, AnImportedHeadwordGetsItsStoredFormAndKey) {
    RecordLists lists;
    const std::vector<ImportedRecord> records = {
        {{{"hw_name", std::string("ice cream")}, {"exp", std::string("cold")}}}};
    ASSERT_EQ(ImportRecords(lists, RecordKind::ECUser, records, CharsetCodec("BIG5"), "", ""), "");

    ASSERT_EQ(lists.ECUserList.size(), 1u);
    EXPECT_EQ(lists.ECUserList[0]->storedHeadword, "ice cream");
    EXPECT_EQ(lists.ECUserList[0]->hw_match, "icecream");
    EXPECT_EQ(lists.ECUserList[0]->exp, "cold");
    // The key is made from the headword alone; it is no field of the exchange.
    const std::vector<ImportedRecord> withKey = {
        {{{"hw_name", std::string("tea")}, {"hw_match", std::string("tea")}}}};
    EXPECT_EQ(ImportRecords(lists, RecordKind::ECUser, withKey, CharsetCodec("BIG5"), "", ""),
              "record 1: unknown field \"hw_match\"");
}

} // namespace
} // namespace zyntra
