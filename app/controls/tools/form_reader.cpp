#include "app/controls/tools/form_reader.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <expat.h>
#include <map>
#include <optional>
#include <stdexcept>

namespace zyntra::forms {
namespace {

constexpr std::array<const char*, 4> kRectFields{"x", "y", "width", "height"};

bool IsIdentifier(std::string_view name) {
    if (name.empty() || (name[0] >= '0' && name[0] <= '9')) {
        return false;
    }
    return std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '_';
    });
}

const char* Attribute(const XML_Char** attributes, const char* wanted) {
    for (int i = 0; attributes[i] != nullptr; i += 2) {
        if (std::strcmp(attributes[i], wanted) == 0) {
            return attributes[i + 1];
        }
    }
    return nullptr;
}

// Walks a form and keeps the widgets that carry their own rectangle. Faults are kept and the
// parser stopped, never thrown: expat is C and must not be unwound through.
class FormWalker {
public:
    explicit FormWalker(std::vector<PlacedWidget>& placed) : placed_(placed) {}

    void Parse(std::string_view xml) {
        XML_Parser parser = XML_ParserCreate("UTF-8");
        parser_ = parser;
        XML_SetUserData(parser, this);
        XML_SetElementHandler(parser, &FormWalker::Start, &FormWalker::End);
        XML_SetCharacterDataHandler(parser, &FormWalker::Text);
        const bool parsed =
            XML_Parse(parser, xml.data(), static_cast<int>(xml.size()), XML_TRUE) == XML_STATUS_OK;
        if (!parsed && fault_.empty()) {
            Fail(XML_ErrorString(XML_GetErrorCode(parser)));
        }
        XML_ParserFree(parser);
        if (!fault_.empty()) {
            throw std::runtime_error(fault_);
        }
    }

private:
    struct Element {
        std::string name;
        bool geometry = false; // a widget's own "geometry" property
    };

    struct Widget {
        std::string name;
        bool placed = false;
        std::array<std::optional<int>, 4> rect;
    };

    static void Start(void* self, const XML_Char* name, const XML_Char** attributes) {
        static_cast<FormWalker*>(self)->Open(name, attributes);
    }
    static void End(void* self, const XML_Char*) { static_cast<FormWalker*>(self)->Close(); }
    static void Text(void* self, const XML_Char* text, int length) {
        static_cast<FormWalker*>(self)->text_.append(text, static_cast<std::size_t>(length));
    }

    void Fail(const std::string& why) {
        if (fault_.empty()) {
            fault_ = "line " + std::to_string(XML_GetCurrentLineNumber(parser_)) + ": " + why;
            XML_StopParser(parser_, XML_FALSE);
        }
    }

    std::string_view ParentElement() const {
        return elements_.empty() ? std::string_view() : std::string_view(elements_.back().name);
    }

    void Open(const std::string& name, const XML_Char** attributes) {
        text_.clear();
        Element element{name};
        if (name == "widget") {
            OpenWidget(attributes);
        } else if (name == "property") {
            const char* property = Attribute(attributes, "name");
            element.geometry = ParentElement() == "widget" && property != nullptr &&
                               std::strcmp(property, "geometry") == 0;
        }
        elements_.push_back(std::move(element));
    }

    // Only a widget that stands directly in a widget (or is the form's root) is placed by its
    // rectangle; one in a layout's item is not.
    void OpenWidget(const XML_Char** attributes) {
        const char* name = Attribute(attributes, "name");
        if (name == nullptr || !IsIdentifier(name)) {
            Fail(std::string("a widget needs a name that is an identifier, not \"") +
                 (name == nullptr ? "" : name) + "\"");
            return;
        }
        const std::string_view parent = ParentElement();
        widgets_.push_back({name, parent == "widget" || parent == "ui", {}});
    }

    void Close() {
        if (elements_.empty()) {
            return;
        }
        const Element element = std::move(elements_.back());
        elements_.pop_back();
        if (element.name == "widget") {
            CloseWidget();
        } else if (InGeometryRect()) {
            StoreRectField(element.name);
        }
        text_.clear();
    }

    // The element just closed stood in <rect> of a widget's geometry property.
    bool InGeometryRect() const {
        const std::size_t depth = elements_.size();
        return depth >= 2 && elements_[depth - 1].name == "rect" && elements_[depth - 2].geometry &&
               !widgets_.empty();
    }

    void StoreRectField(const std::string& field) {
        const auto slot = std::find_if(kRectFields.begin(), kRectFields.end(),
                                       [&](const char* known) { return field == known; });
        if (slot == kRectFields.end()) {
            return;
        }
        int value = 0;
        const char* first = text_.data();
        const char* last = first + text_.size();
        const auto [end, error] = std::from_chars(first, last, value);
        if (error != std::errc() || end != last) {
            Fail("widget " + widgets_.back().name + ": " + field + " \"" + text_ +
                 "\" is no whole number");
            return;
        }
        widgets_.back().rect[static_cast<std::size_t>(slot - kRectFields.begin())] = value;
    }

    void CloseWidget() {
        if (widgets_.empty()) {
            return;
        }
        const Widget widget = std::move(widgets_.back());
        widgets_.pop_back();
        const bool anyField = std::any_of(widget.rect.begin(), widget.rect.end(),
                                          [](const auto& field) { return field.has_value(); });
        if (!widget.placed || !anyField) {
            return;
        }
        for (std::size_t i = 0; i < kRectFields.size(); ++i) {
            if (!widget.rect[i]) {
                Fail("widget " + widget.name + ": geometry lacks " + kRectFields[i]);
                return;
            }
        }
        placed_.push_back({widget.name, widgets_.empty() ? std::string() : widgets_.back().name,
                           *widget.rect[0], *widget.rect[1], *widget.rect[2], *widget.rect[3]});
    }

    std::vector<PlacedWidget>& placed_;
    XML_Parser parser_ = nullptr;
    std::vector<Element> elements_;
    std::vector<Widget> widgets_;
    std::string text_;
    std::string fault_;
};

} // namespace

std::vector<PlacedWidget> ReadPlacedWidgets(std::string_view xml) {
    std::vector<PlacedWidget> placed;
    FormWalker(placed).Parse(xml);
    return placed;
}

std::vector<PlacedWidget> MergeForms(const std::vector<std::vector<PlacedWidget>>& forms) {
    std::vector<PlacedWidget> all;
    std::map<std::string, std::size_t> formOf;
    for (std::size_t form = 0; form < forms.size(); ++form) {
        for (const PlacedWidget& widget : forms[form]) {
            const auto [at, added] = formOf.emplace(widget.name, form);
            if (!added) {
                throw std::runtime_error("widget " + widget.name + " is placed in form " +
                                         std::to_string(at->second + 1) + " and in form " +
                                         std::to_string(form + 1));
            }
            all.push_back(widget);
        }
    }
    return all;
}

std::string GeometrySource(std::vector<PlacedWidget> widgets) {
    std::sort(widgets.begin(), widgets.end(),
              [](const PlacedWidget& a, const PlacedWidget& b) { return a.name < b.name; });
    std::string source = "// Generated from the window's forms at build time: change the forms, "
                         "not this file.\n"
                         "#include \"app/controls/form_geometry.h\"\n\n"
                         "namespace zyntra::layout {\n"
                         "namespace {\n\n"
                         "constexpr FormWidget kWidgets[] = {\n";
    for (const PlacedWidget& widget : widgets) {
        source += "    {\"" + widget.name + "\", \"" + widget.holder + "\", {" +
                  std::to_string(widget.x) + ", " + std::to_string(widget.y) + ", " +
                  std::to_string(widget.width) + ", " + std::to_string(widget.height) + "}},\n";
    }
    source += "};\n\n"
              "} // namespace\n\n"
              "std::span<const FormWidget> FormWidgets() {\n"
              "    return kWidgets;\n"
              "}\n\n"
              "} // namespace zyntra::layout\n";
    return source;
}

} // namespace zyntra::forms
