#pragma once
// The kind token under which "Translations.txt" finds a Qt object ("en_TLabel_LbChiffre=...").
//
// A window marks a widget whose class alone does not tell its kind with the dynamic property
// "kindToken": "TSpeedButton" for a flat button with a picture, "TBitBtn" for a push button with
// a picture, "TPanel" for a frame used as a panel. The property always wins, so it can also
// re-label a widget, or keep it untranslated with an empty token. Otherwise the class decides:
//
//   QLabel -> TLabel, QGroupBox -> TGroupBox, QCheckBox -> TCheckBox, QRadioButton -> TRadioButton,
//   QMenu -> TMenuItem, QAction owned by a QMenu (a menu entry) -> TMenuItem,
//   any other QAction (a command owned by its window) -> TAction,
//   a page of a QTabWidget -> TTabSheet,
//   a window whose class derives directly from QWidget, QDialog or QMainWindow -> its class name.
//
// Anything else (plain push buttons, edits, lists, ...) has no token and is never translated.

#include <QString>

class QObject;
class QTabWidget;
class QWidget;

namespace services {

inline constexpr char kKindTokenProperty[] = "kindToken";

QString KindToken(const QObject* object);

// The tab widget whose page this widget is, or null.
QTabWidget* TabWidgetOfPage(const QWidget* page);

} // namespace services
