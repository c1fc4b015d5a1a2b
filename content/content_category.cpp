#include "content/content_category.h"

namespace zyntra {

const CategoryInfo& InfoOf(ContentCategory category) {
    return kCategories.at(static_cast<std::size_t>(CategoryNumber(category)));
}

bool FilterHolds(std::string_view filter, std::string_view extension) {
    while (!filter.empty()) {
        std::size_t end = filter.find(';');
        if (filter.substr(0, end) == extension)
            return true;
        if (end == std::string_view::npos)
            break;
        filter.remove_prefix(end + 1);
    }
    return false;
}

std::optional<ContentCategory> CategoryOfExtension(std::string_view extension) {
    if (extension.empty())
        return std::nullopt;
    for (const CategoryInfo& info : kCategories)
        if (FilterHolds(info.filter, extension))
            return info.category;
    return std::nullopt;
}

std::string LowerExtension(std::string_view fileName) {
    std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos)
        return "";
    std::string extension(fileName.substr(dot));
    for (char& c : extension)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return extension;
}

std::string CompanionPath(ContentCategory category, std::string_view fullPath) {
    std::string_view ending = InfoOf(category).companionEnding;
    if (ending.empty() || fullPath.size() < ending.size())
        return "";
    std::string path(fullPath.substr(0, fullPath.size() - ending.size()));
    return path.append(ending);
}

} // namespace zyntra
