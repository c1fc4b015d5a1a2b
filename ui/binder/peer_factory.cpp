#include "ui/binder/peer_factory.h"

#include "kit/controls.h"
#include "ui/peers/bar_peers.h"
#include "ui/peers/button_peers.h"
#include "ui/peers/edit_peers.h"
#include "ui/peers/form_peer.h"
#include "ui/peers/item_peers.h"
#include "ui/peers/list_view_peer.h"
#include "ui/peers/page_peers.h"
#include "ui/peers/picker_peers.h"
#include "ui/peers/splitter_peer.h"
#include "ui/peers/static_peers.h"
#include "ui/peers/string_grid_peer.h"
#include "ui/peers/tree_view_peer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimeEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>

namespace zyntra {
namespace {

struct Request {
    Control& control;
    QWidget& widget;
    const PeerContext& context;
    ImageList images;
    std::string& problem;
};

// The peer when the control is a C and the widget a W; with a C and another widget, the
// problem names the class the layout should have used.
template <class C, class W, class Make>
bool Try(Request& request, const char* widgetClass, std::unique_ptr<WidgetPeer>& peer, Make make) {
    auto* control = dynamic_cast<C*>(&request.control);
    if (control == nullptr) {
        return false;
    }
    auto* widget = qobject_cast<W*>(&request.widget);
    if (widget == nullptr) {
        request.problem = std::string("is ") + request.widget.metaObject()->className() +
                          ", needs " + widgetClass;
        return true;
    }
    peer = make(*control, *widget);
    return true;
}

bool IsTabPage(const QWidget& widget) {
    const QWidget* stack = widget.parentWidget();
    return qobject_cast<const QStackedWidget*>(stack) != nullptr && stack->parentWidget() &&
           qobject_cast<const QTabWidget*>(stack->parentWidget()) != nullptr;
}

std::unique_ptr<WidgetPeer> MakeContainerPeer(Request& r) {
    std::unique_ptr<WidgetPeer> peer;
    const PeerContext& c = r.context;
    if (Try<Form, QMainWindow>(
            r, "QMainWindow", peer,
            [&](Form& f, QMainWindow& w) { return std::make_unique<FormPeer>(f, w, c); }) ||
        Try<StatusBar, QStatusBar>(r, "QStatusBar", peer,
                                   [&](StatusBar& b, QStatusBar& w) {
                                       return std::make_unique<StatusBarPeer>(b, w, c);
                                   }) ||
        Try<CoolBar, QWidget>(
            r, "QWidget", peer,
            [&](CoolBar& b, QWidget& w) { return std::make_unique<CoolBarPeer>(b, w, c); }) ||
        Try<PageControl, QTabWidget>(r, "QTabWidget", peer,
                                     [&](PageControl& p, QTabWidget& w) {
                                         return std::make_unique<PageControlPeer>(p, w, c);
                                     }) ||
        Try<TabSheet, QWidget>(r, "a page of a QTabWidget", peer,
                               [&](TabSheet& p, QWidget& w) -> std::unique_ptr<WidgetPeer> {
                                   if (!IsTabPage(w)) {
                                       r.problem = "is not a page of a QTabWidget";
                                       return nullptr;
                                   }
                                   return std::make_unique<TabSheetPeer>(p, w, c);
                               }) ||
        Try<GroupBox, QGroupBox>(
            r, "QGroupBox", peer,
            [&](GroupBox& g, QGroupBox& w) { return std::make_unique<GroupBoxPeer>(g, w, c); }) ||
        Try<Panel, QWidget>(
            r, "QWidget", peer,
            [&](Panel& p, QWidget& w) { return std::make_unique<PanelPeer>(p, w, c); }) ||
        Try<Splitter, QWidget>(r, "QWidget", peer, [&](Splitter& s, QWidget& w) {
            return std::make_unique<SplitterPeer>(s, w, c);
        })) {
        return peer;
    }
    return nullptr;
}

std::unique_ptr<WidgetPeer> MakeViewPeer(Request& r) {
    std::unique_ptr<WidgetPeer> peer;
    const PeerContext& c = r.context;
    if (Try<ListView, QTreeView>(r, "QTreeView", peer,
                                 [&](ListView& l, QTreeView& w) -> std::unique_ptr<WidgetPeer> {
                                     if (qobject_cast<QTreeWidget*>(&w) != nullptr) {
                                         r.problem = "is QTreeWidget, needs QTreeView";
                                         return nullptr;
                                     }
                                     return std::make_unique<ListViewPeer>(l, w, c);
                                 }) ||
        Try<TreeView, QTreeWidget>(
            r, "QTreeWidget", peer,
            [&](TreeView& t, QTreeWidget& w) { return std::make_unique<TreeViewPeer>(t, w, c); }) ||
        Try<StringGrid, QTableWidget>(r, "QTableWidget", peer,
                                      [&](StringGrid& g, QTableWidget& w) {
                                          return std::make_unique<StringGridPeer>(g, w, c);
                                      }) ||
        Try<CheckList, QListWidget>(r, "QListWidget", peer,
                                    [&](CheckList& l, QListWidget& w) {
                                        return std::make_unique<CheckListPeer>(l, w, c);
                                    }) ||
        Try<ListBox, QListWidget>(
            r, "QListWidget", peer,
            [&](ListBox& l, QListWidget& w) { return std::make_unique<ListBoxPeer>(l, w, c); }) ||
        Try<ComboBox, QComboBox>(r, "QComboBox", peer, [&](ComboBox& b, QComboBox& w) {
            return std::make_unique<ComboBoxPeer>(b, w, c);
        })) {
        return peer;
    }
    return nullptr;
}

std::unique_ptr<WidgetPeer> MakeInputPeer(Request& r) {
    std::unique_ptr<WidgetPeer> peer;
    const PeerContext& c = r.context;
    if (Try<MultiLineEdit, QPlainTextEdit>(r, "QPlainTextEdit", peer,
                                           [&](MultiLineEdit& e, QPlainTextEdit& w) {
                                               return std::make_unique<MultiLineEditPeer>(e, w, c);
                                           }) ||
        Try<EditField, QLineEdit>(
            r, "QLineEdit", peer,
            [&](EditField& e, QLineEdit& w) { return std::make_unique<EditFieldPeer>(e, w, c); }) ||
        Try<DatePicker, QDateEdit>(r, "QDateEdit", peer,
                                   [&](DatePicker& p, QDateEdit& w) {
                                       return std::make_unique<DatePickerPeer>(p, w, c);
                                   }) ||
        Try<TimePicker, QTimeEdit>(r, "QTimeEdit", peer,
                                   [&](TimePicker& p, QTimeEdit& w) {
                                       return std::make_unique<TimePickerPeer>(p, w, c);
                                   }) ||
        Try<CheckBox, QCheckBox>(
            r, "QCheckBox", peer,
            [&](CheckBox& b, QCheckBox& w) { return std::make_unique<CheckBoxPeer>(b, w, c); }) ||
        Try<RadioButton, QRadioButton>(r, "QRadioButton", peer,
                                       [&](RadioButton& b, QRadioButton& w) {
                                           return std::make_unique<RadioButtonPeer>(b, w, c);
                                       }) ||
        Try<ButtonControl, QToolButton>(r, "QToolButton", peer,
                                        [&](ButtonControl& b, QToolButton& w) {
                                            return std::make_unique<ToolButtonPeer>(b, w, c,
                                                                                    r.images);
                                        }) ||
        Try<Label, QLabel>(r, "QLabel", peer, [&](Label& l, QLabel& w) {
            return std::make_unique<LabelPeer>(l, w, c);
        })) {
        return peer;
    }
    return nullptr;
}

} // namespace

std::unique_ptr<WidgetPeer> MakeWidgetPeer(Control& control, QWidget& widget,
                                           const PeerContext& context, ImageList buttonImages,
                                           std::string& problem) {
    Request request{control, widget, context, buttonImages, problem};
    for (auto make : {MakeContainerPeer, MakeViewPeer, MakeInputPeer}) {
        if (auto peer = make(request)) {
            return peer;
        }
        if (!problem.empty()) {
            return nullptr;
        }
    }
    problem = "has a type no widget shows";
    return nullptr;
}

} // namespace zyntra
