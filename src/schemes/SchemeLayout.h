#pragma once

#include "Twips.h"
#include "cpvButton.h"

#include <QLabel>

// The schemes windows are laid out in twips, relative to the window for frames and to the frame
// for the controls inside it.
namespace SchemeLayout {

using Twips::place;

inline cpvButton* button(QWidget* parent, const QString& caption)
{
    return new cpvButton(caption, parent);
}

inline QLabel* label(QWidget* parent, const QString& caption)
{
    auto* result = new QLabel(caption, parent);
    result->setTextFormat(Qt::PlainText);
    return result;
}

} // namespace SchemeLayout
