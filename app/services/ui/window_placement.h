#pragma once
// Window positions in section "WindowPositions" of "Settings.ini": name + "Left"/"Top" are the
// screen coordinates of the client area, name + "Width"/"Height" the outer size, name + "State" 1
// for a maximised window. A window is known by its objectName. Windows are placed by their outer
// corner; the offset from that corner to the client area is learned per border style from the
// first window placed, so later windows land exactly.

#include <QPoint>

#include <array>

class QWidget;

namespace services {

class SettingsStore;

// Window border styles, the index of the learned offsets.
enum class BorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWindow };

class WindowPlacement {
public:
    // The store must outlive the placement.
    explicit WindowPlacement(SettingsStore& store) : store_(store) {}

    // Both do nothing while the SavePosWin setting is false.
    void Save(QWidget* window, bool withSize);
    void Restore(QWidget* window, bool withSize);

private:
    SettingsStore& store_;
    // Learned offset, per border style, from a window's outer corner to its client area.
    std::array<QPoint, 6> borderOffsets_{};
};

} // namespace services
