#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>
#include <utility>

// The text of a settings file, in the INI form Qt's settings classes read and write, away from
// the disk: "[group]" headers, "key=value" lines, keys with characters other than letters, digits
// and "_-." written as %XX ("RGB%20or%20HSB"), values with ";,=" or blanks at either end in double
// quotes with "\" escapes. Groups and keys match exactly, letter case included.
namespace SettingsText {

using Values = QList<std::pair<QString, QString>>;

// A key's value, or nothing when the group or key is missing. A value that reads as a list (a
// hand-edited "a, b") comes back joined with ", ".
std::optional<QString> value(const QByteArray& text, const QString& group, const QString& key);

// The text with each key set to its value: an existing key's line is replaced, a new key follows
// the group's last key, a new group goes at the end. Every other line keeps its bytes.
QByteArray withValues(const QByteArray& text, const QString& group, const Values& values);

} // namespace SettingsText
