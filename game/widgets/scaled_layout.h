#pragma once
// A layout drawn at fixed pixel geometries, grown as one: every piece keeps its designed rectangle
// and font, and shows them multiplied by a single scale.
//
// A piece is laid out by design when it and its parent carry names of ours (not Qt's "qt_"
// internals) and the parent has no layout: the pages of a tab widget are placed by the tab widget,
// their contents by design. A label showing a drawing (property "drawing": its resource) draws it
// anew at its new size; a button's picture grows with it. Windows (dialogs) keep their size.

#include <QRect>

class QWidget;

namespace game {

// rect times scale, each edge rounded so that neighbouring pieces keep their gaps.
QRect ScaledRect(const QRect& rect, double scale);

// Lays out root's children at scale, those directly on root moved by offset; the root's font grows
// too. kept is left as it is, with its children.
void LayOutScaled(QWidget* root, double scale, QPoint offset, const QWidget* kept);

// The rectangle a piece was designed at: the one LayOutScaled keeps, else its geometry.
QRect DesignGeometry(const QWidget* widget);

} // namespace game
