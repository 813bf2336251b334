#pragma once

#include <functional>
#include <QString>

class QPrinter;
class QWidget;

// The print preview and the print dialog, in one place so that tests can stand in for the
// learner at either of them.
namespace PrintDialogs {

// Paints every page onto the printer; false when the printer could not be painted on.
using Painter = std::function<bool(QPrinter& printer)>;
// Prepares a fresh printer (margins, ...) before either window shows it.
using SetUp = std::function<void(QPrinter& printer)>;

// Shows the preview of the pages, modal; the learner prints from it.
void preview(QWidget* parent, const QString& title, const SetUp& setUp, const Painter& paint);

enum class Outcome { Printed, Cancelled, Failed };
// The print dialog, then all pages to the chosen printer.
Outcome print(QWidget* parent, const SetUp& setUp, const Painter& paint);

// Tests: called instead of showing either window, with the printer as it would be shown.
// Returning true prints on that printer (from the preview: the learner's print button),
// false closes the window without printing.
enum class Kind { Preview, Print };
using Handler = std::function<bool(Kind kind, QPrinter& printer)>;
void setHandler(Handler handler);

} // namespace PrintDialogs
