#include "frmtest.h"

#include "app/Random.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "data/Speech.h"
#include "quiz/QuizGrading.h"
#include "study/Form1.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"
#include "ui/Widgets.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyleOptionButton>
#include <QVBoxLayout>

namespace {

using Widgets::label;
using Widgets::named;

constexpr int kIndicatorGap = 8;
constexpr int kMargin = 3;

QString css(const QColor& c) {
    return c.name(QColor::HexRgb);
}

} // namespace

// ---- QuizOption ----

QuizOption::QuizOption(QWidget* parent) : QRadioButton(parent) {
    QSizePolicy p(QSizePolicy::Preferred, QSizePolicy::Preferred);
    p.setHeightForWidth(true);
    setSizePolicy(p);
}

void QuizOption::setTextColour(const QColor& colour) {
    colour_ = colour;
    update();
}

QRect QuizOption::indicatorRect() const {
    QStyleOptionButton opt;
    opt.initFrom(this);
    const int w = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &opt, this);
    const int h = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &opt, this);
    // Level with the first line of the meaning, however many lines follow.
    const int line = fontMetrics().height();
    return QRect(kMargin, kMargin + std::max(0, (line - h) / 2), w, h);
}

int QuizOption::textLeft() const {
    return indicatorRect().right() + 1 + kIndicatorGap;
}

int QuizOption::heightForWidth(int width) const {
    const int textWidth = std::max(40, width - textLeft() - kMargin);
    const QRect r = fontMetrics().boundingRect(QRect(0, 0, textWidth, 100000),
                                               Qt::TextWordWrap | Qt::AlignLeft, text());
    return std::max(r.height(), indicatorRect().height()) + 2 * kMargin;
}

QSize QuizOption::sizeHint() const {
    const int width = textLeft() + std::min(fontMetrics().horizontalAdvance(text()), 560) + kMargin;
    return {width, heightForWidth(width)};
}

QSize QuizOption::minimumSizeHint() const {
    return {textLeft() + 120, fontMetrics().height() + 2 * kMargin};
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
    QColor ink = colour_.isValid() ? colour_ : palette().color(QPalette::ButtonText);
    if (!isEnabled())
        ink = palette().color(QPalette::Disabled, QPalette::ButtonText);
    p.setPen(ink);
    p.drawText(textRect, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = textRect.adjusted(-2, -1, 2, 1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

// ---- the window ----

frmtest::frmtest(Form1* main, QWidget* parent) : QWidget(parent, Qt::Window), main_(main) {
    setObjectName(QStringLiteral("frmtest"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_StyledBackground);
    setWindowTitle(tr("Quiz"));
    setWindowIcon(Look::icon(Look::Icon::Quiz));

    Label14 = label(tr("Quiz"), QStringLiteral("Label14"), this);
    Label14->setFont(Look::arial(20, true));
    Label12 = label(tr("No. of Questions for Quiz"), QStringLiteral("Label12"), this);
    lblPocket = label(QStringLiteral("0000"), QStringLiteral("lblPocket"), this);
    auto* head = new QHBoxLayout;
    head->addWidget(Label14);
    head->addStretch();
    head->addWidget(Label12);
    head->addWidget(lblPocket);

    // The word and what the card says about it.
    wordCard = named(new QFrame(this), QStringLiteral("wordCard"));
    Label1 = label(QString(), QStringLiteral("Label1"), wordCard);
    Label1->setFont(Look::arial(26, true));
    Label1->setTextInteractionFlags(Qt::NoTextInteraction);
    speakButton = named(new QPushButton(wordCard), QStringLiteral("speakButton"));
    speakButton->setIcon(Look::icon(Look::Icon::Speaker));
    speakButton->setIconSize(QSize(26, 26));
    speakButton->setAccessibleName(tr("Pronounce"));
    speakButton->setToolTip(tr("Hear the word"));
    Label4 = label(tr("ReadCount"), QStringLiteral("Label4"), wordCard);
    Label5 = label(QString(), QStringLiteral("Label5"), wordCard);
    Label6 = label(tr("Last Read"), QStringLiteral("Label6"), wordCard);
    Label7 = label(QString(), QStringLiteral("Label7"), wordCard);
    Label8 = label(tr("WordList"), QStringLiteral("Label8"), wordCard);
    Label9 = label(QString(), QStringLiteral("Label9"), wordCard);
    Label11 = label(tr("Difficulty Level"), QStringLiteral("Label11"), wordCard);
    lblDiffLevel = label(QString(), QStringLiteral("lblDiffLevel"), wordCard);
    auto* cardLayout = new QGridLayout(wordCard);
    cardLayout->setContentsMargins(18, 10, 18, 12);
    auto* wordRow = new QHBoxLayout;
    wordRow->addWidget(Label1, 1);
    wordRow->addWidget(speakButton, 0, Qt::AlignVCenter);
    cardLayout->addLayout(wordRow, 0, 0, 1, 8);
    const std::array<QLabel*, 8> facts{Label4, Label5, Label6,  Label7,
                                       Label8, Label9, Label11, lblDiffLevel};
    for (int i = 0; i < 8; ++i) {
        cardLayout->addWidget(facts[size_t(i)], 1, i);
        if (i % 2 == 1)
            facts[size_t(i)]->setProperty("fact", true);
    }
    for (int c = 1; c < 8; c += 2)
        cardLayout->setColumnStretch(c, 1);

    // The four meanings.
    Frame2 = named(new QGroupBox(tr("Chose the Correct Option"), this), QStringLiteral("Frame2"));
    options_ = new QButtonGroup(this);
    auto* optionsLayout = new QVBoxLayout(Frame2);
    optionsLayout->setContentsMargins(14, 14, 14, 10);
    optionsLayout->setSpacing(12);
    for (int i = 0; i < QuizEngine::Options; ++i) {
        auto* option = named(new QuizOption(Frame2), QStringLiteral("Option1_%1").arg(i));
        option->setFont(Look::arial(12.5));
        option->setToolTip(tr("Key %1").arg(i + 1));
        options_->addButton(option, i);
        optionsLayout->addWidget(option);
        Option1[size_t(i)] = option;
        connect(option, &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    }
    optionsLayout->addStretch();

    // The usage example under its cover.
    auto* hintArea = named(new QFrame(this), QStringLiteral("hintArea"));
    Label10 = label(QString(), QStringLiteral("Label10"), hintArea);
    Label10->setWordWrap(true);
    QFont usage = Look::arial(12);
    usage.setItalic(true);
    Label10->setFont(usage);
    lblhint = label(tr("Click here to get a hint if any."), QStringLiteral("lblhint"), hintArea);
    lblhint->setAlignment(Qt::AlignCenter);
    lblhint->setCursor(Qt::PointingHandCursor);
    lblhint->setToolTip(tr("Shows how the word is used (F2)"));
    lblhint->installEventFilter(this);
    auto* hintLayout = new QGridLayout(hintArea);
    hintLayout->setContentsMargins(0, 0, 0, 0);
    hintLayout->addWidget(Label10, 0, 0);
    hintLayout->addWidget(lblhint, 0, 0);
    hintArea->setMinimumHeight(56);

    verifyButton =
        named(new QPushButton(tr("Verify Answer"), this), QStringLiteral("verifyButton"));
    verifyButton->setToolTip(tr("Enter"));
    nextButton = named(new QPushButton(tr("Next Question"), this), QStringLiteral("nextButton"));
    nextButton->setToolTip(tr("Enter"));
    Label2 = label(QString(), QStringLiteral("Label2"), this);
    Label2->setFont(Look::arial(14, true));
    Label2->setMinimumWidth(130);
    Label13 = label(tr("Score"), QStringLiteral("Label13"), this);
    Label3 = label(QString(), QStringLiteral("Label3"), this);
    Label3->setFont(Look::arial(14, true));
    Label3->setMinimumWidth(140);
    auto* answerRow = new QHBoxLayout;
    answerRow->addWidget(verifyButton);
    answerRow->addWidget(nextButton);
    answerRow->addSpacing(14);
    answerRow->addWidget(Label2);
    answerRow->addStretch();
    answerRow->addWidget(Label13);
    answerRow->addWidget(Label3);

    Frame3 = named(new QGroupBox(tr("Customize Quiz"), this), QStringLiteral("Frame3"));
    speButton[0] =
        named(new QPushButton(tr("Word Selection"), Frame3), QStringLiteral("speButton_0"));
    speButton[1] =
        named(new QPushButton(tr("Refine Selection"), Frame3), QStringLiteral("speButton_1"));
    speButton[0]->setToolTip(tr("Choose another set of words and start a new round"));
    speButton[1]->setToolTip(tr("Narrow the set of words and start a new round"));
    auto* customLayout = new QHBoxLayout(Frame3);
    customLayout->addWidget(speButton[0]);
    customLayout->addWidget(speButton[1]);
    customLayout->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 12, 18, 14);
    layout->setSpacing(10);
    layout->addLayout(head);
    layout->addWidget(wordCard);
    layout->addWidget(Frame2, 1);
    layout->addWidget(hintArea);
    layout->addLayout(answerRow);
    layout->addWidget(Frame3);

    setStyleSheet(QStringLiteral(R"(
QWidget#frmtest { background: #f3f0e8; }
QLabel#Label14 { color: #1f6f8b; }
QLabel#lblPocket { color: #1f6f8b; font-weight: bold; }
QFrame#wordCard { background: #ffffff; border: 1px solid #d8d2c4; border-radius: 10px; }
QFrame#wordCard QLabel { color: #5d6b73; }
QFrame#wordCard QLabel[fact="true"] { color: #1f6f8b; font-weight: bold; }
QFrame#wordCard QLabel#Label1 { color: #1b3a4b; }
QFrame#wordCard QLabel#Label6 { color: #5d6b73; background: transparent; border: none; padding: 0; }
QLabel#Label10 { color: #22313a; background: #fffdf8; border: 1px solid #e4dfd2; border-radius: 6px;
                 padding: 6px 10px; }
QLabel#lblhint { color: #8a6d2f; background: #fff6df; border: 1px dashed #e2c27a; border-radius: 6px;
                 padding: 6px; }
QLabel#Label3 { color: #1b3a4b; }
QPushButton#verifyButton { background: #1f6f8b; color: #ffffff; font-weight: bold; border-color: #17586f; }
QPushButton#verifyButton:disabled { background: #c9d7dc; color: #f4f7f8; border-color: #c9d7dc; }
)"));

    connect(verifyButton, &QPushButton::clicked, this, &frmtest::verifyButton_Click);
    connect(nextButton, &QPushButton::clicked, this, &frmtest::nextButton_Click);
    connect(speakButton, &QPushButton::clicked, this, &frmtest::speakButton_Click);
    for (int i = 0; i < 2; ++i)
        connect(speButton[size_t(i)], &QPushButton::clicked, this,
                [this, i] { speButton_Click(i); });

    // Keyboard play: 1 to 4 pick, Enter verifies or goes on, F2 uncovers the usage.
    for (int i = 0; i < QuizEngine::Options; ++i)
        connect(new QShortcut(QKeySequence(Qt::Key_1 + i), this), &QShortcut::activated, this,
                [this, i] {
                    if (Option1[size_t(i)]->isEnabled())
                        Option1[size_t(i)]->click();
                });
    for (int key : {int(Qt::Key_Return), int(Qt::Key_Enter)})
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this, [this] {
            if (verifyButton->isEnabled())
                verifyButton->click();
            else if (nextButton->isEnabled())
                nextButton->click();
        });
    connect(new QShortcut(QKeySequence(Qt::Key_F2), this), &QShortcut::activated, this,
            &frmtest::lblhint_Click);

    resize(780, 600);
    setMinimumSize(640, 540);
    if (main_) {
        const QRect over = main_->frameGeometry();
        move(over.center() - rect().center());
    }
}

void frmtest::startPass() {
    // The count the window shows, which is the refined selection's; never past its rows.
    const Recordset* rs = main_->recordset();
    pass_.start(std::min(lblPocket->text().trimmed().toInt(), rs ? rs->recordCount() : 0));
}

void frmtest::Form_Load() {
    correctCount = 0;
    answeredCount = 0;
    lblPocket->setText(main_->Label10[0]->text());
    startPass();
    nextquestion();
    verifyButton->setEnabled(false);
    nextButton->setEnabled(false);
    answerPending = true;
}

void frmtest::clearOptions() {
    // An exclusive group keeps one button checked; let go of it to clear them all.
    options_->setExclusive(false);
    for (QuizOption* option : Option1)
        option->setChecked(false);
    options_->setExclusive(true);
}

void frmtest::nextquestion() {
    Recordset* rs = main_->recordset();
    if (pass_.exhausted() || !rs) {
        MessageBox::info(this, QuizEngine::endOfPassMessage());
        return;
    }
    Random& random = Random::global();
    correctIndex = QuizEngine::correctIndex(random.uniform());
    const int position = pass_.draw(random.uniform());
    main_->randomwordAt(position);

    Label1->setText(main_->Text1->text());
    // The stored text, so that it compares exactly with the other rows' meanings.
    correctMeaning = main_->Text2->toPlainText();
    tryStep([&] { correctMeaning = rs->valueAt(position, QStringLiteral("meaning")).toString(); });
    Label5->setText(main_->lblRdCnt->text());
    Label9->setText(main_->Label18->text());
    Label7->setText(main_->Label12->text());
    lblDiffLevel->setText(QuizEngine::difficultyText(!main_->Label20->text().isEmpty(),
                                                     !main_->Label22->text().isEmpty()));
    Label10->setText(main_->Text3->toPlainText());

    std::vector<QuizEngine::WrongMeaning> wrong;
    tryStep([&] {
        wrong = QuizEngine::wrongMeanings(correctMeaning, QuizEngine::Options - 1,
                                          QuizEngine::meaningRows(*rs), random);
    });
    clearOptions();
    size_t nextWrong = 0;
    for (int i = 0; i < QuizEngine::Options; ++i) {
        QuizOption* option = Option1[size_t(i)];
        option->setTextColour(QColor());
        QString text = correctMeaning;
        if (i != correctIndex)
            text = nextWrong < wrong.size() ? wrong[nextWrong++].meaning : QString();
        option->setText(text);
        // Too few other meanings in the selection: the spare options stay empty and out
        // of reach.
        option->setEnabled(i == correctIndex || !text.isEmpty());
    }
    // The main window is left on the last word drawn, not on the answer, which would show
    // behind the quiz.
    if (!wrong.empty())
        main_->randomwordAt(wrong.back().position);
    Option1[0]->setFocus(); // the arrows then move through the options
}

void frmtest::Option1_Click(int) {
    if (answerPending)
        verifyButton->setEnabled(true);
}

void frmtest::showVerdict(const QString& text, const QColor& colour) {
    Label2->setText(text);
    Label2->setStyleSheet(QStringLiteral("color: %1;").arg(css(colour)));
}

void frmtest::verifyButton_Click() {
    verifyButton->setEnabled(false);
    answerPending = false;
    for (int i = 0; i < QuizEngine::Options; ++i)
        if (Option1[size_t(i)]->isChecked())
            chosenIndex = i;
    if (chosenIndex != correctIndex) {
        showVerdict(tr("INCORRECT"), WrongColour);
        ++answeredCount;
        Option1[size_t(chosenIndex)]->setTextColour(WrongColour);
    } else {
        showVerdict(tr("CORRECT"), RightColour);
        ++correctCount;
        ++answeredCount;
    }
    Label3->setText(QuizEngine::scoreText(correctCount, answeredCount));
    Option1[size_t(correctIndex)]->setTextColour(RightColour);
    nextButton->setEnabled(true);
    nextButton->setFocus();
}

void frmtest::nextButton_Click() {
    nextButton->setEnabled(false);
    answerPending = true;
    verifyButton->setEnabled(false);
    Option1[size_t(chosenIndex)]->setTextColour(QColor());
    Option1[size_t(correctIndex)]->setTextColour(QColor());
    Label2->clear();
    lblhint->show();
    clearOptions();
    nextquestion();
}

void frmtest::lblhint_Click() {
    lblhint->hide();
}

void frmtest::speakButton_Click() {
    tryStep([&] { main_->DirectSS1->speak(Label1->text()); });
}

void frmtest::speButton_Click(int index) {
    if (index == 0)
        main_->openWordSelection(this);
    else
        main_->openRefineSelection(this, true);
    main_->recfunc();
    lblPocket->setText(main_->Label10[0]->text());
    startPass();
    nextquestion();
    nextButton->setEnabled(false);
    answerPending = true;
    verifyButton->setEnabled(false);
}

void frmtest::closeEvent(QCloseEvent* event) {
    if (const std::optional<QString> grade = QuizGrading::message(correctCount, answeredCount)) {
        MessageBox::Request r;
        r.text = *grade;
        r.title = QuizGrading::Title;
        r.alignment = Qt::AlignRight;
        MessageBox::show(this, r);
    }
    main_->setEnabled(true);
    main_->activateWindow();
    event->accept();
}

bool frmtest::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblhint && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        lblhint_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
