#pragma once

#include "Twips.h"

#include <QLabel>
#include <QPushButton>

// The schemes windows are laid out in twips, relative to the window for frames and to the frame
// for the controls inside it.
namespace SchemeLayout {

using Twips::place;

// Enter in a box must reach the box's own handling, never a default button.
inline QPushButton* button(QWidget* parent, const QString& caption)
{
    auto* result = new QPushButton(caption, parent);
    result->setAutoDefault(false);
    return result;
}

inline QLabel* label(QWidget* parent, const QString& caption)
{
    auto* result = new QLabel(caption, parent);
    result->setTextFormat(Qt::PlainText);
    return result;
}

} // namespace SchemeLayout
