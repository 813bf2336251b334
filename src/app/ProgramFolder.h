#pragma once

#include <QString>

// The folder the program was started from: the tips file, the licence notices and the
// tour program lie beside the executable, wherever the working directory is.
namespace ProgramFolder {

// The executable's folder, or the folder a test put in its place.
QString path();
// Points the program at another folder (tests); an empty text restores the real one.
void setPath(const QString& folder);
// A file in that folder.
QString file(const QString& name);

} // namespace ProgramFolder
