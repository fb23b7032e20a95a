#include "game/widgets/scaled_layout.h"

#include <QAbstractButton>
#include <QIcon>
#include <QLabel>
#include <QLayout>

namespace game {

namespace {

// What a piece was designed with, kept on the piece the first time it is laid out.
constexpr const char* kDesignGeometry = "designGeometry";
constexpr const char* kDesignFont = "designFont";
constexpr const char* kDesignIconSize = "designIconSize";

bool NamedByUs(const QObject* object) {
    const QString name = object->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

bool PlacedByDesign(const QWidget* widget, const QWidget* root) {
    const QWidget* parent = widget->parentWidget();
    return NamedByUs(widget) && (parent == root || NamedByUs(parent)) &&
           parent->layout() == nullptr;
}

// Every widget under parent but windows and kept, parents before their children.
template <typename Visit> void Walk(QWidget* parent, const QWidget* kept, const Visit& visit) {
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || child == kept)
            continue;
        visit(child);
        Walk(child, kept, visit);
    }
}

void Remember(QWidget* widget, const char* name, const QVariant& value) {
    if (!widget->property(name).isValid())
        widget->setProperty(name, value);
}

QFont ScaledFont(QFont font, double scale) {
    if (font.pixelSize() > 0)
        font.setPixelSize(qRound(font.pixelSize() * scale));
    else
        font.setPointSizeF(font.pointSizeF() * scale);
    // Whole, so that a later change of the parent's font does not leak in.
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}

} // namespace

QRect ScaledRect(const QRect& rect, double scale) {
    const auto at = [scale](int coordinate) { return qRound(coordinate * scale); };
    return {QPoint(at(rect.left()), at(rect.top())),
            QPoint(at(rect.right() + 1) - 1, at(rect.bottom() + 1) - 1)};
}

void LayOutScaled(QWidget* root, double scale, QPoint offset, const QWidget* kept) {
    // Everything is remembered before anything changes: a font a child did not set comes from
    // its parent.
    Remember(root, kDesignFont, root->font());
    Walk(root, kept, [root](QWidget* widget) {
        if (PlacedByDesign(widget, root))
            Remember(widget, kDesignGeometry, widget->geometry());
        if (widget->testAttribute(Qt::WA_SetFont))
            Remember(widget, kDesignFont, widget->font());
        if (const auto* button = qobject_cast<QAbstractButton*>(widget);
            button != nullptr && !button->icon().isNull())
            Remember(widget, kDesignIconSize, button->iconSize());
    });

    root->setFont(ScaledFont(root->property(kDesignFont).value<QFont>(), scale));
    Walk(root, kept, [&](QWidget* widget) {
        if (const QVariant design = widget->property(kDesignGeometry); design.isValid())
            widget->setGeometry(
                ScaledRect(design.toRect(), scale)
                    .translated(widget->parentWidget() == root ? offset : QPoint()));
        if (const QVariant design = widget->property(kDesignFont); design.isValid())
            widget->setFont(ScaledFont(design.value<QFont>(), scale));
        if (const QVariant design = widget->property(kDesignIconSize); design.isValid())
            static_cast<QAbstractButton*>(widget)->setIconSize(design.toSize() * scale);
        if (const QVariant drawing = widget->property("drawing"); drawing.isValid())
            static_cast<QLabel*>(widget)->setPixmap(
                QIcon(drawing.toString()).pixmap(widget->size()));
    });
}

QRect DesignGeometry(const QWidget* widget) {
    const QVariant design = widget->property(kDesignGeometry);
    return design.isValid() ? design.toRect() : widget->geometry();
}

} // namespace game
