#pragma once

#include <QString>

class ProgramLauncher;

// Starting the guided tour, a program of its own that lies beside Verbaloom.
namespace TourLaunch {

inline const QString ProgramName = QStringLiteral("VerbaloomTour");

enum class Outcome { Started, Missing, Failed };

QString programPath(const QString& folder);

// Starts the tour from the given program folder, in that folder, without waiting for it.
Outcome start(ProgramLauncher& launcher, const QString& folder);

// What the learner is told when it did not start; empty when it did.
QString message(Outcome outcome, const QString& folder);

} // namespace TourLaunch
