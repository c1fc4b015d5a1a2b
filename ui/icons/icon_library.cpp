#include "ui/icons/icon_library.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <array>

namespace zyntra {
namespace {

constexpr int kCategoryCount = 7;

struct CategoryLook {
    QColor colour;
    const char* glyph;
};

const std::array<CategoryLook, kCategoryCount> kCategoryLooks{{
    {QColor(0x2f, 0x6f, 0xb8), "B"},      // e-book
    {QColor(0xc0, 0x3a, 0x8a), "\u266B"}, // music
    {QColor(0x2e, 0x9a, 0x58), "\u25A3"}, // album
    {QColor(0xd0, 0x6a, 0x1c), "\u25B6"}, // video
    {QColor(0xc8, 0x2a, 0x2a), "F"},      // flash
    {QColor(0x5a, 0x5a, 0x5a), "T"},      // writer
    {QColor(0x7a, 0x4c, 0xc0), "\u25CF"}, // recorder
}};

QPixmap Canvas(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap DrawCategory(int category, int size, bool chosen) {
    QPixmap pixmap = Canvas(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const CategoryLook& look = kCategoryLooks[static_cast<std::size_t>(category)];
    const QRectF box(size * 0.08, size * 0.08, size * 0.84, size * 0.84);
    painter.setPen(chosen ? QPen(QColor(0xff, 0xc0, 0x20), size / 10.0) : Qt::NoPen);
    painter.setBrush(chosen ? look.colour.lighter(125) : look.colour);
    painter.drawRoundedRect(box, size * 0.18, size * 0.18);
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPixelSize(static_cast<int>(size * 0.55));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(box, Qt::AlignCenter, QString::fromUtf8(look.glyph));
    return pixmap;
}

// A glyph in a soft disc: the tool pictures that no standard icon covers.
QPixmap DrawGlyph(const QString& glyph, const QColor& colour, int size) {
    QPixmap pixmap = Canvas(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(0.5, 0.5, size - 1.0, size - 1.0));
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPixelSize(static_cast<int>(size * 0.7));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, glyph);
    return pixmap;
}

QIcon Standard(QStyle::StandardPixmap which) {
    return QApplication::style()->standardIcon(which);
}

QIcon PaneTool(int index, int size) {
    switch (index) {
    case 0:
        return Standard(QStyle::SP_FileDialogToParent);
    case 1:
        return Standard(QStyle::SP_BrowserReload);
    case 2:
        return Standard(QStyle::SP_FileDialogListView);
    case 3:
        return QIcon(DrawGlyph(QString::fromUtf8("\u2702"), QColor(0x8a, 0x5a, 0x2a), size));
    case 4:
        return QIcon(DrawGlyph(QString::fromUtf8("\u2750"), QColor(0x2f, 0x6f, 0xb8), size));
    case 5:
        return QIcon(DrawGlyph(QString::fromUtf8("\u2398"), QColor(0x2e, 0x9a, 0x58), size));
    case 6:
        return Standard(QStyle::SP_TrashIcon);
    case 7:
        return Standard(QStyle::SP_ArrowDown);
    case 8:
        return Standard(QStyle::SP_ArrowUp);
    default:
        return {};
    }
}

QIcon EditorTool(int index, int size) {
    switch (index) {
    case 0:
        return Standard(QStyle::SP_FileIcon);
    case 1:
        return Standard(QStyle::SP_DialogSaveButton);
    case 2:
        return Standard(QStyle::SP_DialogDiscardButton);
    case 3:
        return Standard(QStyle::SP_BrowserReload);
    case 4:
        return QIcon(DrawGlyph(QString::fromUtf8("\u26BF"), QColor(0xb0, 0x80, 0x10), size));
    case 5:
        return Standard(QStyle::SP_DialogResetButton);
    case 6:
        return QIcon(DrawGlyph(QString::fromUtf8("\u2750"), QColor(0x2f, 0x6f, 0xb8), size));
    case 7:
        return QIcon(DrawGlyph(QString::fromUtf8("\u2398"), QColor(0x2e, 0x9a, 0x58), size));
    default:
        return {};
    }
}

QIcon TreeNode(int index) {
    switch (index) {
    case 0:
        return Standard(QStyle::SP_DesktopIcon);
    case 1:
        return Standard(QStyle::SP_ComputerIcon);
    case 2:
        return Standard(QStyle::SP_DirHomeIcon);
    case 3:
        return Standard(QStyle::SP_DirIcon);
    case 4:
        return Standard(QStyle::SP_DriveHDIcon);
    case 5:
        return Standard(QStyle::SP_DriveFDIcon);
    case 6:
        return Standard(QStyle::SP_DriveCDIcon);
    default:
        return {};
    }
}

} // namespace

QIcon IconLibrary::CategoryIcon(int category, int size) const {
    if (category < 0 || category >= kCategoryCount) {
        return {};
    }
    return QIcon(DrawCategory(category, size, false));
}

QIcon IconLibrary::Icon(ImageList list, int index, int size) const {
    switch (list) {
    case ImageList::Categories:
        if (index < 0 || index >= 2 * kCategoryCount) {
            return {};
        }
        return QIcon(DrawCategory(index % kCategoryCount, size, index >= kCategoryCount));
    case ImageList::ComputerTools:
        return PaneTool(index, size);
    case ImageList::DeviceTools:
        return PaneTool(index == 7 ? 8 : index, size);
    case ImageList::EditorTools:
        return EditorTool(index, size);
    case ImageList::TreeNodes:
        return TreeNode(index);
    }
    return {};
}

} // namespace zyntra
