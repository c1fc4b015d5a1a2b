#pragma once

#include <QIcon>

namespace zyntra {

// The image lists of the window, drawn at run time: no picture files are shipped.
enum class ImageList {
    Categories,    // 0..6 the content categories, 7..13 the same ones chosen
    ComputerTools, // 0 Up, 1 Refresh, 2 View, 3 Cut, 4 Copy, 5 Paste, 6 Delete, 7 Download
    DeviceTools,   // the same; 7 Upload
    EditorTools,   // 0 New, 1 Save, 2 Delete, 3 Sync, 4 Authority, 5 Clear, 6 Copy, 7 Paste
    TreeNodes,     // 0 desktop, 1 computer, 2 personal, 3 folder, 4 drive, 5 device, 6 card
};

class IconLibrary {
public:
    // An empty icon for an index the list does not have.
    QIcon Icon(ImageList list, int index, int size = 16) const;

    // The category picture of a content list's row.
    QIcon CategoryIcon(int category, int size) const;
};

} // namespace zyntra
