#pragma once

class QWidget;
class StudySession;

// "Print It!": asks how many words to print and whether to preview, then lays the refined
// selection out page by page and shows the preview or the print dialog.
namespace PrintWordListDialog {
void run(StudySession& session, QWidget* parent);
}
