#include "QuizOptionsPanel.h"

#include "ui/Look.h"
#include "ui/Widgets.h"

#include <cmath>
#include <QButtonGroup>
#include <QPainter>
#include <QScrollArea>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <QVBoxLayout>

using Widgets::named;

namespace {

constexpr int kIndicatorGap = 8;
constexpr int kMargin = 3;
constexpr int kNarrowestText = 40;
constexpr int kWidestHint = 560;

// Stored meanings may break lines with CR LF; a text layout breaks only at its own mark.
QString withLineBreaks(const QString& text) {
    QString out = text;
    out.replace(QLatin1String("\r\n"), QString(QChar::LineSeparator));
    out.replace(u'\n', QChar::LineSeparator);
    out.replace(u'\r', QChar::LineSeparator);
    return out;
}

// Lays the text out in lines of the given width: at word boundaries, and inside a word only
// when it is longer than a line. Returns the height the lines take.
int layOut(QTextLayout& layout, int width) {
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    return int(std::ceil(y));
}

} // namespace

// ---- QuizOption ----

QuizOption::QuizOption(QWidget* parent) : QRadioButton(parent) {
    QSizePolicy p(QSizePolicy::Preferred, QSizePolicy::Preferred);
    p.setHeightForWidth(true);
    setSizePolicy(p);
}

void QuizOption::setVerdict(std::optional<Look::Colour> verdict) {
    verdict_ = verdict;
    setAccessibleDescription(!verdict              ? QString()
                             : *verdict == Look::Colour::Right ? tr("The right meaning")
                                                               : tr("Not the right meaning"));
    updateGeometry();
    update();
}

QColor QuizOption::textColour() const {
    return verdict_ ? Look::colour(*verdict_) : QColor();
}

QString QuizOption::mark() const {
    if (!verdict_)
        return {};
    return *verdict_ == Look::Colour::Right ? QStringLiteral("\u2713 ") : QStringLiteral("\u2717 ");
}

QRect QuizOption::indicatorRect() const {
    QStyleOptionButton opt;
    opt.initFrom(this);
    const int w = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &opt, this);
    const int h = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &opt, this);
    // Level with the first line of the meaning, however many lines follow.
    const int line = fontMetrics().height();
    return {kMargin, kMargin + std::max(0, (line - h) / 2), w, h};
}

int QuizOption::textLeft() const {
    // The verdict's mark stands before the meaning.
    return indicatorRect().right() + 1 + kIndicatorGap + fontMetrics().horizontalAdvance(mark());
}

int QuizOption::heightForWidth(int width) const {
    QTextLayout layout(withLineBreaks(text()), font());
    const int textHeight = layOut(layout, std::max(kNarrowestText, width - textLeft() - kMargin));
    return std::max(textHeight, indicatorRect().height()) + 2 * kMargin;
}

QSize QuizOption::sizeHint() const {
    const int width =
        textLeft() + std::min(fontMetrics().horizontalAdvance(text()), kWidestHint) + kMargin;
    return {width, heightForWidth(width)};
}

QSize QuizOption::minimumSizeHint() const {
    return {textLeft() + 3 * kNarrowestText, fontMetrics().height() + 2 * kMargin};
}

bool QuizOption::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void QuizOption::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    opt.text.clear();
    opt.rect = indicatorRect();
    style()->drawPrimitive(QStyle::PE_IndicatorRadioButton, &opt, &p, this);
    const QRect textRect = rect().adjusted(textLeft(), kMargin, -kMargin, -kMargin);
    QColor ink = verdict_ ? textColour() : palette().color(QPalette::WindowText);
    if (!isEnabled())
        ink = palette().color(QPalette::Disabled, QPalette::ButtonText);
    p.setPen(ink);
    if (verdict_)
        p.drawText(QPoint(indicatorRect().right() + 1 + kIndicatorGap,
                          kMargin + fontMetrics().ascent()),
                   mark());
    QTextLayout layout(withLineBreaks(text()), font());
    layOut(layout, std::max(kNarrowestText, textRect.width()));
    layout.draw(&p, textRect.topLeft());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = textRect.adjusted(-2, -1, 2, 1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

// ---- the panel ----

QuizOptionsPanel::QuizOptionsPanel(QWidget* parent)
    : QGroupBox(tr("Chose the Correct Option"), parent) {
    setObjectName(QStringLiteral("Frame2"));
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus); // the options take the focus, and scroll into view
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* list = new QWidget;
    auto* listLayout = new QVBoxLayout(list);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->setSpacing(12);
    group_ = new QButtonGroup(this);
    for (int i = 0; i < Count; ++i) {
        auto* option = named(new QuizOption(list), QStringLiteral("Option1_%1").arg(i));
        option->setFont(Look::arial(12.5));
        option->setToolTip(tr("Key %1").arg(i + 1));
        option->setEnabled(false); // nothing asked yet
        option->installEventFilter(this);
        group_->addButton(option, i);
        listLayout->addWidget(option);
        options_[size_t(i)] = option;
        connect(option, &QRadioButton::clicked, this, [this, i] { emit optionClicked(i); });
    }
    listLayout->addStretch();
    scroll_->setWidget(list);
    scroll_->viewport()->setAutoFillBackground(false);
    list->setAutoFillBackground(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 10);
    layout->addWidget(scroll_);
}

void QuizOptionsPanel::showQuestion(const std::array<QString, Count>& texts, int correctIndex) {
    clearChoice();
    for (int i = 0; i < Count; ++i) {
        QuizOption* option = options_[size_t(i)];
        option->setVerdict(std::nullopt);
        option->setText(texts[size_t(i)]);
        // Too few other meanings in the selection: the spare options stay empty and out
        // of reach.
        option->setEnabled(i == correctIndex || !texts[size_t(i)].isEmpty());
    }
    scroll_->ensureVisible(0, 0);
}

void QuizOptionsPanel::closeAll() {
    clearChoice();
    for (QuizOption* option : options_)
        option->setEnabled(false);
}

void QuizOptionsPanel::clearChoice() {
    // An exclusive group keeps one button checked; let go of it to clear them all.
    group_->setExclusive(false);
    for (QuizOption* option : options_)
        option->setChecked(false);
    group_->setExclusive(true);
}

int QuizOptionsPanel::chosen() const {
    return group_->checkedId();
}

void QuizOptionsPanel::setVerdict(int index, std::optional<Look::Colour> verdict) {
    if (index >= 0 && index < Count)
        options_[size_t(index)]->setVerdict(verdict);
}

void QuizOptionsPanel::choose(int index) {
    if (index >= 0 && index < Count && options_[size_t(index)]->isEnabled())
        options_[size_t(index)]->click();
}

void QuizOptionsPanel::focusFirst() {
    options_[0]->setFocus(); // the arrows then move through the options
}

bool QuizOptionsPanel::eventFilter(QObject* watched, QEvent* event) {
    // An option reached by the keys scrolls into view.
    if (event->type() == QEvent::FocusIn)
        if (auto* option = qobject_cast<QuizOption*>(watched))
            scroll_->ensureWidgetVisible(option, 0, 0);
    return QGroupBox::eventFilter(watched, event);
}
