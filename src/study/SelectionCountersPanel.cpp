#include "SelectionCountersPanel.h"

#include "ui/Look.h"
#include "ui/Widgets.h"

#include <QHBoxLayout>
#include <QLabel>

using Widgets::label;

SelectionCountersPanel::SelectionCountersPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("counterStrip"));
    setProperty("surface", QStringLiteral("strip"));
    auto* selectionCaption = label(tr("Current Selection:"), QStringLiteral("Label5"), this);
    auto* selectionUnit = label(tr("words"), QStringLiteral("Label21"), this);
    auto* refinedCaption = label(tr("Refined Selection"), QStringLiteral("Label3"), this);
    refinedCaption->setToolTip(tr("These number of words that you can use"));
    auto* refinedUnit = label(tr("words"), QStringLiteral("Label23"), this);
    auto* positionCaption = label(tr("Word No.:"), QStringLiteral("Label7"), this);
    refinedCount_ = Widgets::valueLabel(tr("Refined Selection"), QStringLiteral("Label10_0"), this);
    position_ = Widgets::valueLabel(tr("Word No."), QStringLiteral("Label10_1"), this);
    selectionCount_ =
        Widgets::valueLabel(tr("Current Selection"), QStringLiteral("Label10_2"), this);
    for (QLabel* caption : {selectionCaption, selectionUnit, refinedCaption, refinedUnit,
                            positionCaption})
        Look::setTextSize(caption, 11, false);
    for (QLabel* value : {refinedCount_, position_, selectionCount_}) {
        value->setProperty("value", true);
        Look::setTextSize(value, 13, true);
    }

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 6, 14, 6);
    layout->addWidget(selectionCaption);
    layout->addWidget(selectionCount_);
    layout->addWidget(selectionUnit);
    layout->addStretch();
    layout->addWidget(refinedCaption);
    layout->addWidget(refinedCount_);
    layout->addWidget(refinedUnit);
    layout->addStretch();
    layout->addWidget(positionCaption);
    layout->addWidget(position_);
}

void SelectionCountersPanel::showCounts(const StudySession::Counts& counts) {
    const auto text = [](std::optional<int> n) { return n ? QString::number(*n) : QString(); };
    selectionCount_->setText(QString::number(counts.selection));
    refinedCount_->setText(text(counts.refined));
    position_->setText(text(counts.position));
}
