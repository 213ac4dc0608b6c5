#pragma once

#include <QString>

// Each logs its own failure, once, with the system's text for it.
namespace System {

// Restarts the computer for a driver change; false when the system refused.
bool rebootComputer();
// Opens a file, folder or program as the desktop would.
bool openPath(const QString& path, const QString& arguments = QString());
// Shows the file manager with the item selected.
bool showInExplorer(const QString& path);
// Puts text on the system clipboard when there is one.
bool copyToClipboard(const QString& text);
// Lower-case hexadecimal SHA-1 of the file's content; empty when unreadable.
QString fileSha1(const QString& path);

}  // namespace System
