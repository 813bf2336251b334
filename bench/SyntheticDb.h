#pragma once

#include <QString>
#include <QTemporaryDir>

// A synthetic word database of the given size in a temporary folder that becomes the
// current directory, as the program expects dbnk.db there.
class SyntheticDb {
public:
    explicit SyntheticDb(int words);
    ~SyntheticDb();
    QString path() const { return dir_.path() + QStringLiteral("/dbnk.db"); }

private:
    QTemporaryDir dir_;
    QString previous_;
};
