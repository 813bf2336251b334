#pragma once

#include "ui/ValueLabel.h"

#include <QLabel>
#include <QScrollArea>
#include <QString>

// Small helpers every window uses to build its controls.
namespace Widgets {

// Gives a control its name, the one tests and the learner's tools find it by.
template <class W> W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

// A named label that shows its text as it is, never as markup.
inline QLabel* label(const QString& text, const QString& name, QWidget* parent) {
    auto* l = named(new QLabel(text, parent), name);
    l->setTextFormat(Qt::PlainText);
    return l;
}

// A named label for a value, heard with its caption; a live one is announced when it changes.
inline ValueLabel* valueLabel(const QString& caption, const QString& name, QWidget* parent,
                              bool live = false) {
    return named(new ValueLabel(caption, parent, live), name);
}

// An area without a frame that scrolls its content when the window is too small for it (a
// large scale, a small screen); the focus moving through it keeps the control in view.
inline QScrollArea* scrolling(QLayout* content, QWidget* parent) {
    auto* page = new QWidget;
    page->setLayout(content);
    auto* area = new QScrollArea(parent);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setFocusPolicy(Qt::NoFocus);
    area->setProperty("surface", QStringLiteral("clear"));
    area->setWidget(page);
    return area;
}

} // namespace Widgets
