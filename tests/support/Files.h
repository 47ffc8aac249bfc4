#pragma once

#include <QByteArray>
#include <QString>

class QLineEdit;

// Files, settings and typing as the tests see them.
namespace TestSupport {

// Points the XDG folders at fresh temporary ones first, so no test touches the user's settings.
void isolateUserFolders();

// The file's bytes; "<missing>" when it cannot be read.
QByteArray bytesOf(const QString& path);
// Writes the file whole (a test fails when it cannot).
void writeBytes(const QString& path, const QByteArray& bytes);

// The settings file of an application name ("tintwell" or "Tintwell").
QString settingsFile(const QString& app);
// A stored setting, "app/section/key", read from disk by a fresh reader; empty when absent.
QString stored(const QString& path);
void store(const QString& path, const QString& value);
void forgetSettings();

// Replaces a box's whole text the way a user does: select it with the keyboard, then type.
void typeInto(QLineEdit* box, const QString& text);

} // namespace TestSupport
