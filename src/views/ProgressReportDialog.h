#pragma once

#include "schedule/ScheduleStore.h"
#include "views/ProgressReport.h"

#include <array>
#include <optional>
#include <QDialog>
#include <QPointer>

class NoteWindow;
class QFrame;
class QLabel;
class QProgressBar;
class ReviewPlanPanel;

// "Progress Report": how far the whole word list has been studied, group by group. The
// "Give Me Such Words" links open a note telling how to select that group's words.
class ProgressReportDialog : public QDialog {
    Q_OBJECT
public:
    explicit ProgressReportDialog(QWidget* parent = nullptr);

    // Writes the counts, percentages and bars; a group whose count failed stays as it was.
    void fill(const std::array<std::optional<ProgressReport::Counts>, ProgressReport::GroupCount>&
                  counts);
    // The review plan: what is due, reviewed and recalled, with its two charts.
    void fillReviews(const ScheduleStore::Report& report);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One group's controls: its name, the two counts with their captions, the percentage
    // with its bar, and for the three levels the advice link.
    struct GroupRow {
        QLabel* heading = nullptr;
        QLabel* totalCaption = nullptr;
        QLabel* secondCaption = nullptr;
        QLabel* total = nullptr;
        QLabel* second = nullptr;
        QLabel* percent = nullptr;
        QProgressBar* bar = nullptr;
        QLabel* advice = nullptr;
    };

    void buildGroups();
    void layOut();
    void showAdvice(ProgressReport::Group group);

    QLabel* pictureLabel_ = nullptr;
    QLabel* titleLabel_ = nullptr;
    QFrame* allWordsFrame_ = nullptr;
    QFrame* levelsFrame_ = nullptr;
    QLabel* recommendationLabel_ = nullptr;
    std::array<GroupRow, ProgressReport::GroupCount> groups_{};
    ReviewPlanPanel* reviewPlan_ = nullptr;
    QPointer<NoteWindow> note_;
};
