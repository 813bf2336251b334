#pragma once

#include <memory>
#include <QString>

class DataSource;
class Recordset;

// The set of words everything practises on: the main data source's source text and result
// set, with the refinement filter and the counts around them.
struct CurrentSelection {
    inline static const QString AllWords = QStringLiteral("select * from words");
    // Intelli Select's reset: passes every row.
    inline static const QString NoRefinement = QStringLiteral("bookmark = 1  or bookmark = 0 ");

    DataSource* source = nullptr; // the main window's Adodc1
    QString refineFilter;         // empty: no refinement
    int selectionCount = 0;       // words in the selection before refining
    bool selectionChanging = false;
    std::shared_ptr<Recordset> savedSelection;

    // Replaces the source and re-runs it: first row, no filter. A statement the database
    // refuses changes nothing and returns false.
    bool querybtn(const QString& query);
};
