#include "ui/peers/item_peers.h"

#include <QComboBox>
#include <QListWidget>

namespace zyntra {
namespace {

// Makes the widget hold count rows, adding empty ones or removing from the end.
void ResizeList(QListWidget& widget, int count) {
    while (widget.count() > count) {
        delete widget.takeItem(widget.count() - 1);
    }
    while (widget.count() < count) {
        widget.addItem(QString());
    }
}

} // namespace

ComboBoxPeer::ComboBoxPeer(ComboBox& combo, QComboBox& widget, const PeerContext& context)
    : WidgetPeer(combo, widget, context), combo_(combo), widget_(widget) {
    QObject::connect(&widget, &QComboBox::activated, this, [this](int index) {
        User([&] { combo_.UserSelectItem(index); });
        widget_.setCurrentIndex(combo_.ItemIndex());
    });
}

void ComboBoxPeer::Mirror(const ControlChange& change) {
    if (Affects(change, ControlProperty::Style)) {
        widget_.setEditable(combo_.Style() == ComboStyle::DropDown);
    }
    if (Affects(change, ControlProperty::Items)) {
        MirrorItems(change.property == ControlProperty::All ? -1 : change.index);
    }
    if (Affects(change, ControlProperty::ItemIndex) || Affects(change, ControlProperty::Items)) {
        widget_.setCurrentIndex(combo_.ItemIndex());
    }
}

void ComboBoxPeer::MirrorItems(int index) {
    if (index >= 0 && index < widget_.count() && index < combo_.ItemCount()) {
        widget_.setItemText(index, ToQt(combo_.Items()[static_cast<std::size_t>(index)]));
        return;
    }
    QStringList texts;
    for (const std::string& item : combo_.Items()) {
        texts.append(ToQt(item));
    }
    widget_.clear();
    widget_.addItems(texts);
}

ListBoxPeer::ListBoxPeer(ListBox& list, QListWidget& widget, const PeerContext& context)
    : WidgetPeer(list, widget, context), list_(list), widget_(widget) {
    widget.setSelectionMode(QAbstractItemView::SingleSelection);
    QObject::connect(&widget, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) {
            User([&] { list_.UserSelectItem(row); });
            MirrorIndex();
        }
    });
}

void ListBoxPeer::Mirror(const ControlChange& change) {
    if (Affects(change, ControlProperty::Items)) {
        MirrorItems(change.property == ControlProperty::All ? -1 : change.index);
    }
    if (Affects(change, ControlProperty::ItemIndex) || Affects(change, ControlProperty::Items)) {
        MirrorIndex();
    }
}

void ListBoxPeer::MirrorItems(int index) {
    if (index < 0 || index >= widget_.count()) {
        ResizeList(widget_, list_.ItemCount());
        for (int i = 0; i < list_.ItemCount(); ++i) {
            widget_.item(i)->setText(ToQt(list_.Items()[static_cast<std::size_t>(i)]));
        }
    } else if (index < list_.ItemCount()) {
        widget_.item(index)->setText(ToQt(list_.Items()[static_cast<std::size_t>(index)]));
    }
}

void ListBoxPeer::MirrorIndex() {
    const bool blocked = widget_.blockSignals(true);
    widget_.setCurrentRow(list_.ItemIndex());
    if (list_.ItemIndex() < 0) {
        widget_.clearSelection();
    }
    widget_.blockSignals(blocked);
}

CheckListPeer::CheckListPeer(CheckList& list, QListWidget& widget, const PeerContext& context)
    : WidgetPeer(list, widget, context), list_(list), widget_(widget) {
    widget.setSelectionMode(QAbstractItemView::SingleSelection);
    QObject::connect(&widget, &QListWidget::itemChanged, this,
                     [this](QListWidgetItem* item) { ItemChanged(item); });
    QObject::connect(&widget, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!Mirroring()) {
            list_.SetItemIndex(row);
        }
    });
}

void CheckListPeer::ItemChanged(QListWidgetItem* item) {
    if (Mirroring()) {
        return;
    }
    const int row = widget_.row(item);
    const bool checked = item->checkState() == Qt::Checked;
    if (row >= 0 && checked != list_.Checked(row)) {
        User([&] { list_.UserToggle(row); });
    }
    MirrorChecks(row);
}

void CheckListPeer::Mirror(const ControlChange& change) {
    if (Affects(change, ControlProperty::Items)) {
        MirrorItems(change.property == ControlProperty::All ? -1 : change.index);
        MirrorChecks(-1);
    }
    if (change.property == ControlProperty::Checked) {
        MirrorChecks(change.index);
    }
    if (Affects(change, ControlProperty::ItemIndex)) {
        widget_.setCurrentRow(list_.ItemIndex());
    }
}

void CheckListPeer::MirrorItems(int index) {
    if (index < 0 || index >= widget_.count()) {
        ResizeList(widget_, list_.ItemCount());
    }
    for (int i = 0; i < list_.ItemCount(); ++i) {
        if (index < 0 || i == index) {
            QListWidgetItem* item = widget_.item(i);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            item->setText(ToQt(list_.Item(i).caption));
        }
    }
}

void CheckListPeer::MirrorChecks(int index) {
    for (int i = 0; i < list_.ItemCount() && i < widget_.count(); ++i) {
        if (index < 0 || i == index) {
            const Qt::CheckState state = list_.Checked(i) ? Qt::Checked : Qt::Unchecked;
            if (widget_.item(i)->checkState() != state) {
                widget_.item(i)->setCheckState(state);
            }
        }
    }
}

} // namespace zyntra
