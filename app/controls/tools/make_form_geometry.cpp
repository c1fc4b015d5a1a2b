// Writes the table of control geometry that the headless control inventory reads, from the
// Designer forms of the main window:
//
//   zyntra_make_form_geometry OUTPUT.cpp FORM.ui...
//
// The output is written only when every form was read, so a faulty form fails the build
// instead of leaving half a table behind.

#include "app/controls/tools/form_reader.h"

#include <exception>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

std::string ReadWhole(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read it");
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: " << argv[0] << " OUTPUT.cpp FORM.ui...\n";
        return 2;
    }
    std::vector<std::vector<zyntra::forms::PlacedWidget>> forms;
    for (int i = 2; i < argc; ++i) {
        try {
            forms.push_back(zyntra::forms::ReadPlacedWidgets(ReadWhole(argv[i])));
        } catch (const std::exception& fault) {
            std::cerr << argv[i] << ": " << fault.what() << '\n';
            return 1;
        }
    }
    std::string source;
    try {
        const auto widgets = zyntra::forms::MergeForms(forms);
        if (widgets.empty()) {
            throw std::runtime_error("the forms place no widget");
        }
        source = zyntra::forms::GeometrySource(widgets);
    } catch (const std::exception& fault) {
        std::cerr << argv[0] << ": " << fault.what() << " (forms counted in the order given)\n";
        return 1;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << source;
    if (!out.flush()) {
        std::cerr << argv[1] << ": cannot write it\n";
        return 1;
    }
    return 0;
}
