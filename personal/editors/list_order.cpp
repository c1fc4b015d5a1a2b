#include "personal/editors/list_order.h"

namespace zyntra {
namespace {

unsigned char Folded(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

} // namespace

int CompareListText(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char x = Folded(a[i]);
        const unsigned char y = Folded(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return CompareNumber(static_cast<int>(a.size()), static_cast<int>(b.size()));
}

int CompareNumber(int a, int b) {
    return a < b ? -1 : (a > b ? 1 : 0);
}

} // namespace zyntra
