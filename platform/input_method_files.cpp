// Readers of the installed input-method descriptions of IBus and fcitx5.
#include "platform/input_methods.h"

#include <algorithm>
#include <expat.h>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace zyntra {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> FilesEndingWith(const std::string& folder, std::string_view extension) {
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (it->path().extension() == extension && it->is_regular_file(error))
            files.push_back(it->path());
    std::sort(files.begin(), files.end());
    return files;
}

std::string ReadWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Collects the texts of <name>, <longname> and <language> directly inside
// each <engine>.
class EngineCollector {
public:
    explicit EngineCollector(std::vector<EngineDescription>& engines) : engines_(engines) {}

    void Parse(const std::string& xml) {
        XML_Parser parser = XML_ParserCreate("UTF-8");
        XML_SetUserData(parser, this);
        XML_SetElementHandler(parser, &EngineCollector::Start, &EngineCollector::End);
        XML_SetCharacterDataHandler(parser, &EngineCollector::Text);
        // A broken file still gives the engines completed before the fault.
        XML_Parse(parser, xml.data(), static_cast<int>(xml.size()), XML_TRUE);
        XML_ParserFree(parser);
    }

private:
    static void Start(void* self, const XML_Char* name, const XML_Char**) {
        auto& collector = *static_cast<EngineCollector*>(self);
        collector.path_.emplace_back(name);
        collector.text_.clear();
        if (collector.path_.back() == "engine")
            collector.current_ = EngineDescription{};
    }

    static void End(void* self, const XML_Char*) { static_cast<EngineCollector*>(self)->Close(); }

    static void Text(void* self, const XML_Char* text, int length) {
        static_cast<EngineCollector*>(self)->text_.append(text, static_cast<std::size_t>(length));
    }

    void Close() {
        const std::string element = path_.back();
        path_.pop_back();
        bool inEngine = !path_.empty() && path_.back() == "engine";
        if (element == "engine" && !current_.engine.empty())
            engines_.push_back(current_);
        else if (inEngine && element == "name")
            current_.engine = Trimmed(text_);
        else if (inEngine && element == "longname")
            current_.displayName = Trimmed(text_);
        else if (inEngine && element == "language")
            current_.language = Trimmed(text_);
        text_.clear();
    }

    static std::string Trimmed(const std::string& text) {
        std::size_t first = text.find_first_not_of(" \t\r\n");
        if (first == std::string::npos)
            return {};
        return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
    }

    std::vector<EngineDescription>& engines_;
    std::vector<std::string> path_;
    std::string text_;
    EngineDescription current_;
};

std::string TrimmedLine(std::string line) {
    std::size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

EngineDescription ReadFcitx5File(const fs::path& path) {
    EngineDescription method{path.stem().string(), {}, {}};
    std::istringstream lines(ReadWhole(path));
    std::string section;
    for (std::string line; std::getline(lines, line);) {
        line = TrimmedLine(line);
        if (line.empty() || line[0] == '#' || line[0] == ';')
            continue;
        if (line.front() == '[') {
            section = line;
            continue;
        }
        std::size_t equals = line.find('=');
        if (section != "[InputMethod]" || equals == std::string::npos)
            continue;
        std::string key = TrimmedLine(line.substr(0, equals));
        std::string value = TrimmedLine(line.substr(equals + 1));
        // Name[zh_CN]= and the like are translations; the plain key is used.
        if (key == "Name")
            method.displayName = value;
        else if (key == "LangCode")
            method.language = value;
    }
    return method;
}

} // namespace

std::vector<EngineDescription> ReadIBusEngines(const std::string& folder) {
    std::vector<EngineDescription> engines;
    if (folder.empty())
        return engines;
    for (const auto& file : FilesEndingWith(folder, ".xml"))
        EngineCollector(engines).Parse(ReadWhole(file));
    std::erase_if(engines, [](const EngineDescription& e) { return e.engine.starts_with("xkb:"); });
    for (auto& engine : engines)
        if (engine.displayName.empty())
            engine.displayName = engine.engine;
    return engines;
}

std::vector<EngineDescription> ReadFcitx5InputMethods(const std::string& folder) {
    std::vector<EngineDescription> methods;
    if (folder.empty())
        return methods;
    for (const auto& file : FilesEndingWith(folder, ".conf")) {
        methods.push_back(ReadFcitx5File(file));
        if (methods.back().displayName.empty())
            methods.back().displayName = methods.back().engine;
    }
    return methods;
}

} // namespace zyntra
