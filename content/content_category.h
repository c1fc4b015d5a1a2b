#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zyntra {

// The number indexes every per-category table; the tool buttons stand in this order.
enum class ContentCategory { Ebook, Mp3Music, EAlbum, DigitalContents, Flash, Writer, Recorder };

inline constexpr int kCategoryCount = 7;

// Which lists of a side a listing fills again: all seven, or the current category's only.
enum class ListScope { AllCategories, CurrentCategory };

struct CategoryInfo {
    ContentCategory category;
    const char* toolButton;
    // Extensions joined by ";", each with its dot, in lower case.
    const char* filter;
    // Row of the device's content index (FILE_INFO) whose hw_name is the category's folder.
    int deviceFolderRow;
    const char* treeSuffix;
    // Ending that replaces a file's last three characters to name its companion; "" for none.
    const char* companionEnding;
};

inline constexpr std::array<CategoryInfo, kCategoryCount> kCategories{{
    {ContentCategory::Ebook, "btnEbook", ".dbk", 7, "( E-Book )", ""},
    {ContentCategory::Mp3Music, "btnMp3Music", ".mp3", 1, "( Music )", "lrc"},
    {ContentCategory::EAlbum, "btnEAlbum", ".bmp;.jpg;.png", 4, "( Album )", ""},
    {ContentCategory::DigitalContents, "btnDigitalContents", ".avi;.wmv;.mp4", 2, "( Multi-media )",
     "srt"},
    {ContentCategory::Flash, "btnFlash", ".swf", 3, "( Flash )", ""},
    {ContentCategory::Writer, "btnWriter", ".txt", 6, "( Writer )", ""},
    {ContentCategory::Recorder, "btnRecorder", ".wav", 5, "( Recorder )", ""},
}};

inline constexpr const char* kAllCategoriesFilter =
    ".dbk;.mp3;.bmp;.jpg;.png;.avi;.wmv;.mp4;.swf;.txt;.wav";

inline int CategoryNumber(ContentCategory category) {
    return static_cast<int>(category);
}

const CategoryInfo& InfoOf(ContentCategory category);

// The category whose filter holds this extension (lower case, with its dot), if any.
std::optional<ContentCategory> CategoryOfExtension(std::string_view extension);

// Whether a ";"-joined filter holds this extension exactly.
bool FilterHolds(std::string_view filter, std::string_view extension);

// The extension of a file name from its last dot on, dot included, with ASCII letters in lower
// case; "" when the name has no dot.
std::string LowerExtension(std::string_view fileName);

// The companion's path (fullPath with its last three characters replaced), or "" when the
// category has no companion.
std::string CompanionPath(ContentCategory category, std::string_view fullPath);

} // namespace zyntra
