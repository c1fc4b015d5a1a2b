#include "tests/exchange/exchange_test_support.h"

#include <fstream>
#include <iterator>

namespace zyntra::test {

std::string ReadFixture(const std::string& name) {
    std::ifstream in(std::string(ZYNTRA_EXCHANGE_FIXTURES) + name, std::ios::binary);
    EXPECT_TRUE(in.good()) << name;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string InCharset(const std::string& utf8, const std::string& charset) {
    const CharsetConverter converter(charset, "UTF-8");
    std::optional<std::string> converted = converter.Convert(utf8);
    EXPECT_TRUE(converted.has_value()) << utf8 << " in " << charset;
    return converted.value_or("");
}

std::map<std::string, ExchangeValue> ValueMap(const ExchangeRecord& record) {
    std::map<std::string, ExchangeValue> values;
    for (const auto& [name, value] : record.values) {
        EXPECT_TRUE(values.emplace(name, value).second) << "twice: " << name;
    }
    return values;
}

bool Noted(const std::vector<std::string>& notes, const std::string& part) {
    for (const std::string& note : notes)
        if (note.find(part) != std::string::npos)
            return true;
    return false;
}

} // namespace zyntra::test
