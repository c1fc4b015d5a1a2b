#include "exchange/address_vcard.h"
#include "tests/exchange/exchange_test_support.h"

#include <gtest/gtest.h>

namespace zyntra::test {
namespace {

// The fields no vCard carries: the row id, the device's photo file and the stamp of the write.
const std::initializer_list<std::string_view> kNotExchanged = {"id", "photo_name", "stamp_time"};

std::vector<ExchangeRecord> ReadAll(const std::string& text) {
    VCards cards = ReadVCards(text);
    EXPECT_EQ(cards.error, "");
    std::vector<ExchangeRecord> records;
    for (const VCard& card : cards.cards)
        records.push_back(AddressOfVCard(card));
    return records;
}

ADDRESSBOOK FullEntry(const std::string& charset, bool simplified) {
    auto in = [&](const std::string& utf8) { return InCharset(utf8, charset); };
    ADDRESSBOOK e;
    e.name = in(simplified ? "王小明" : "陳大文");
    e.category = 3;
    e.email = in("wang\"x\"@example.cn");
    e.mobile1 = in("0912,345;678");
    e.mobile2 = in("0987\\654");
    e.home_phone = in("02-2345-6789");
    e.home_fax = in("02-2345-6780");
    e.home_address =
        in(simplified ? "北京市海淀区, 中关村大街1号; 3楼" : "臺北市信義路五段7號, 3樓; 後門");
    e.office_name = in(simplified ? "科技公司; 研发部" : "科技公司; 研發部");
    e.office_title = in(simplified ? "经理" : "經理");
    e.office_phone = in("02-8765-4321");
    e.office_fax = in("02-8765-4320");
    e.office_address = in(simplified ? "上海市浦东新区" : "高雄市前鎮區");
    e.note =
        in("say \"hi\", then; C:\\tools\\\nsecond line " +
           std::string(simplified ? "这是一段很长的备注用来折行" : "這是一段很長的備註用來折行"));
    e.locked = 1;
    return e;
}

TEST(VCardRoundTrip, EveryFieldThroughBothVersionsInBothInterfaceCharsets) {
    for (const auto& [charset, simplified] : {std::pair{"BIG5", false}, {"GB2312", true}}) {
        const CharsetConverter toUtf8("UTF-8", charset);
        ADDRESSBOOK empty; // an empty name and nothing else
        empty.category = 5;
        for (VCardVersion version : {VCardVersion::V40, VCardVersion::V30}) {
            SCOPED_TRACE(std::string(charset) + " vCard " + VCardVersionName(version));
            const ADDRESSBOOK full = FullEntry(charset, simplified);
            const std::string text =
                VCardOf(full, version, toUtf8) + VCardOf(empty, version, toUtf8);
            EXPECT_NE(text.find(std::string("VERSION:") + VCardVersionName(version) + "\r\n"),
                      std::string::npos);
            std::vector<ExchangeRecord> read = ReadAll(text);
            ASSERT_EQ(read.size(), 2u);
            for (const ExchangeRecord& record : read)
                EXPECT_TRUE(record.unmapped.empty()) << record.unmapped.front();
            ExpectSameMembers(full, RecordOf(read[0], kAddressBookFields, charset),
                              kAddressBookFields, kNotExchanged);
            ExpectSameMembers(empty, RecordOf(read[1], kAddressBookFields, charset),
                              kAddressBookFields, kNotExchanged);
        }
    }
}

TEST(VCardRoundTrip, WrittenLinesAreFoldedUtf8WithCrLf) {
    const CharsetConverter toUtf8("UTF-8", "BIG5");
    const std::string text = VCardOf(FullEntry("BIG5", false), VCardVersion::V40, toUtf8);
    EXPECT_EQ(InCharset(text, "UTF-8"), text); // well-formed UTF-8
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find("\r\n", at);
        ASSERT_NE(end, std::string::npos);
        EXPECT_LE(end - at, 75u) << text.substr(at, end - at);
        EXPECT_EQ(text.substr(at, end - at).find('\n'), std::string::npos);
        at = end + 2;
    }
    EXPECT_NE(text.find("CATEGORIES:Colleague\r\n"), std::string::npos);
    EXPECT_NE(text.find("X-ZYNTRA-LOCKED:1\r\n"), std::string::npos);
    EXPECT_NE(text.find("TEL;TYPE=cell:0912\\,345\\;678\r\n"), std::string::npos);
}

// A file read, written again in both versions and read back keeps every mapped field.
void ExpectNoLossThroughOurFiles(const std::vector<ExchangeRecord>& first) {
    const CharsetConverter toUtf8("UTF-8", "UTF-8");
    for (VCardVersion version : {VCardVersion::V40, VCardVersion::V30}) {
        std::string text;
        for (const ExchangeRecord& record : first)
            text += VCardOf(RecordOf(record, kAddressBookFields, "UTF-8"), version, toUtf8);
        std::vector<ExchangeRecord> again = ReadAll(text);
        ASSERT_EQ(again.size(), first.size());
        for (std::size_t i = 0; i < first.size(); ++i) {
            std::map<std::string, ExchangeValue> expected = ValueMap(first[i]);
            expected.try_emplace("category", 0LL); // always written
            std::map<std::string, ExchangeValue> actual = ValueMap(again[i]);
            EXPECT_EQ(actual, expected)
                << "record " << i << ", vCard " << VCardVersionName(version);
        }
    }
}

TEST(VCardFixtures, ThunderbirdFourPointZero) {
    std::vector<ExchangeRecord> read = ReadAll(ReadFixture("thunderbird.vcf"));
    ASSERT_EQ(read.size(), 2u);
    const std::map<std::string, ExchangeValue> alice = {
        {"name", "Alice Example"},
        {"email", "alice@example.com"},
        {"mobile1", "+1 555 0100"},
        {"home_phone", "+1 555 0101"},
        {"office_phone", "+1-555-0102"},
        {"home_fax", "+1 555 0103"},
        {"home_address", "12 Main Street, Springfield, IL, 62701, USA"},
        {"office_address", "1 Office Park, Suite 4, Springfield, IL, 62702, USA"},
        {"office_name", "Example Corp, Research"},
        {"office_title", "Engineer"},
        {"note",
         "Met at the conference; likes tea, not coffee. Uses C:\\tools daily.\nSecond line."},
        {"category", 1LL}};
    EXPECT_EQ(ValueMap(read[0]), alice);
    const std::vector<std::string>& notes = read[0].unmapped;
    EXPECT_TRUE(Noted(notes, "EMAIL \"alice.work@example.org\" (a second e-mail)"));
    EXPECT_TRUE(Noted(notes, "URL"));
    EXPECT_TRUE(Noted(notes, "BDAY \"19800102\""));
    EXPECT_EQ(notes.size(), 3u) << "UID, PRODID and N are the file's own or the name again";

    const std::map<std::string, ExchangeValue> bob = {{"name", "Bob O'Brien"},
                                                      {"email", "\"bob\"@example.com"},
                                                      {"mobile1", "0911"},
                                                      {"mobile2", "0922"},
                                                      {"locked", 1LL}};
    EXPECT_EQ(ValueMap(read[1]), bob);
    EXPECT_TRUE(Noted(read[1].unmapped, "TEL \"0933\" (a phone of a kind"));
    ExpectNoLossThroughOurFiles(read);
}

TEST(VCardFixtures, EvolutionThreePointZeroFoldedInsideACharacter) {
    std::vector<ExchangeRecord> read = ReadAll(ReadFixture("evolution.vcf"));
    ASSERT_EQ(read.size(), 1u);
    const std::map<std::string, ExchangeValue> wang = {
        {"name", "王小明"},
        {"email", "wang@example.cn"},
        {"mobile1", "0912-345-678"},
        {"mobile2", "0987-654-321"},
        {"home_phone", "02-2345-6789"},
        {"home_fax", "02-2345-6780"},
        {"office_phone", "02-8765-4321"},
        {"office_fax", "02-8765-4320"},
        {"home_address", "信義路五段7號, 台北市, 110, 台灣"},
        {"office_address", "敦化南路二段1號, 台北市, 106, 台灣"},
        {"office_name", "台灣科技, 研發部"},
        {"office_title", "經理"},
        {"note", "喜歡爬山、喝茶。這是一段比較長的備註，用來讓這一行超過七十五個位元組而被折行，"
                 "折行的地方在一個字的中間也沒關係。"},
        {"category", 3LL}};
    EXPECT_EQ(ValueMap(read[0]), wang);
    EXPECT_TRUE(Noted(read[0].unmapped, "TEL \"0955-000-111\" (a third mobile)"));
    EXPECT_TRUE(Noted(read[0].unmapped, "the category \"VIP\""));
    EXPECT_TRUE(Noted(read[0].unmapped, "X-EVOLUTION-FILE-AS"));
    ExpectNoLossThroughOurFiles(read);
}

TEST(VCardFixtures, PhoneTwoPointOneWithQuotedPrintableAndCharsets) {
    std::vector<ExchangeRecord> read = ReadAll(ReadFixture("phone.vcf"));
    ASSERT_EQ(read.size(), 2u);
    const std::map<std::string, ExchangeValue> chen = {
        {"name", "陳大文"},
        {"mobile1", "0911222333"},
        {"home_phone", "0223456789"},
        {"email", "chen@example.tw"},
        {"note", "喜歡爬山，週末有空；電話請先傳訊息"}};
    EXPECT_EQ(ValueMap(read[0]), chen);
    EXPECT_TRUE(Noted(read[0].unmapped, "item1.TEL \"+886 2 1234 5678\""));
    EXPECT_TRUE(Noted(read[0].unmapped, "item1.X-ABLABEL \"Office\""));
    EXPECT_TRUE(Noted(read[0].unmapped, "PHOTO"));
    const std::map<std::string, ExchangeValue> mueller = {
        {"name", "Jürgen Müller"},
        {"office_address", "Hauptstraße 1;Hof, Berlin, 10115"},
        {"office_fax", "030 123456"}};
    EXPECT_EQ(ValueMap(read[1]), mueller);
    EXPECT_TRUE(read[1].unmapped.empty());
    ExpectNoLossThroughOurFiles(read);
}

TEST(VCardFixtures, NameFromItsPartsWhenNoFullName) {
    std::vector<ExchangeRecord> read =
        ReadAll("BEGIN:VCARD\nVERSION:3.0\nN:Smith;John;Q.;Dr.;Jr.\nEND:VCARD\n");
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(ValueMap(read[0]).at("name"), ExchangeValue("Dr. John Q. Smith Jr."));
}

struct Malformed {
    const char* what;
    std::string text;
    const char* message;
};

TEST(VCardMalformed, AFaultAnywhereRefusesTheWholeFileWithItsLine) {
    const std::string good = "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Good\r\nEND:VCARD\r\n";
    const std::vector<Malformed> cases = {
        {"missing END", good + "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Cut\r\n",
         "line 5: BEGIN:VCARD has no END:VCARD"},
        {"10 MB line",
         good + "BEGIN:VCARD\r\nVERSION:4.0\r\nNOTE:" + std::string(10u * 1024 * 1024, 'x') +
             "\r\nEND:VCARD\r\n",
         "line 7: the line is longer than"},
        {"folded past the limit",
         good + "BEGIN:VCARD\r\nVERSION:4.0\r\nNOTE:x" +
             [] {
                 std::string s;
                 for (int i = 0; i < 70000; ++i)
                     s += "\r\n " + std::string(73, 'y');
                 return s;
             }() +
             "\r\nEND:VCARD\r\n",
         "line 7: the line is longer than"},
        {"no colon", "BEGIN:VCARD\nVERSION:4.0\nFN Alice\nEND:VCARD\n", "line 3: no ':'"},
        {"bad name", "BEGIN:VCARD\nVERSION:4.0\nF N:Alice\nEND:VCARD\n", "line 3:"},
        {"version", "BEGIN:VCARD\nVERSION:5.0\nFN:A\nEND:VCARD\n", "line 2: vCard version 5.0"},
        {"no version", "BEGIN:VCARD\nFN:A\nEND:VCARD\n", "line 1: the vCard has no VERSION"},
        {"bad quoted-printable",
         "BEGIN:VCARD\nVERSION:2.1\nFN;ENCODING=QUOTED-PRINTABLE:=G1\nEND:VCARD\n", "line 3:"},
        {"unknown charset", "BEGIN:VCARD\nVERSION:2.1\nFN;CHARSET=NOPE-9:A\nEND:VCARD\n",
         "line 3: the charset NOPE-9 is unknown"},
        {"not UTF-8", "BEGIN:VCARD\nVERSION:3.0\nFN:M\xFCller\nEND:VCARD\n",
         "line 3: the value is not UTF-8"},
        {"crossed blocks", "BEGIN:VCARD\nVERSION:4.0\nEND:VCALENDAR\n", "line 3: END:VCALENDAR"},
        {"outside a card", good + "FN:Stray\r\n", "line 5: FN stands outside"},
        {"not a card", "BEGIN:VCALENDAR\nEND:VCALENDAR\n", "line 1: BEGIN:VCALENDAR is no vCard"},
        {"continuation first", " FN:A\n", "line 1:"},
    };
    for (const Malformed& c : cases) {
        SCOPED_TRACE(c.what);
        VCards read = ReadVCards(c.text);
        EXPECT_NE(read.error.find(c.message), std::string::npos) << read.error;
        EXPECT_TRUE(read.cards.empty());
    }
}

} // namespace
} // namespace zyntra::test
