#include "CurrentSelection.h"

#include "data/DataSource.h"
#include "data/DbError.h"

bool CurrentSelection::querybtn(const QString& query) {
    if (!source)
        return false;
    source->setRecordSource(query);
    return tryStep([&] { source->refresh(); });
}
