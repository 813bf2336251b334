#include "frmGame.h"

#include "app/Random.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "data/Speech.h"
#include "game/dlgHighScorerName.h"
#include "game/frmAlphabets.h"
#include "game/GameScoring.h"
#include "selection/CurrentSelection.h"
#include "study/Form1.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"
#include "ui/Widgets.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

using WordPuzzle::Hint;

namespace {

using Widgets::label;
using Widgets::named;

constexpr int kMaxRedraws = 3;
const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");

QPixmap drawn(int size, const std::function<void(QPainter&)>& paint) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    paint(p);
    return pm;
}

// A speech bubble for the usage example.
QPixmap quotePicture() {
    return drawn(34, [](QPainter& p) {
        p.setPen(QPen(QColor(0x1f, 0x6f, 0x8b), 2));
        p.setBrush(QColor(0xff, 0xf6, 0xdf));
        QPainterPath bubble;
        bubble.addRoundedRect(QRectF(3, 4, 26, 18), 5, 5);
        bubble.moveTo(9, 22);
        bubble.lineTo(7, 29);
        bubble.lineTo(15, 22);
        p.drawPath(bubble.simplified());
        p.setFont(Look::arial(14, true));
        p.drawText(QRectF(3, 5, 26, 20), Qt::AlignCenter, QStringLiteral("\u201c\u201d"));
    });
}

QPixmap tickPicture() {
    return drawn(64, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2e, 0x9e, 0x4f));
        p.drawEllipse(QRectF(2, 2, 28, 28));
        p.setPen(QPen(Qt::white, 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(9, 16.5), QPointF(14, 21.5), QPointF(23, 11)}));
    });
}

void setShown(std::initializer_list<QWidget*> widgets, bool shown) {
    for (QWidget* w : widgets)
        w->setVisible(shown);
}

} // namespace

frmGame::frmGame(Form1* main, QWidget* parent) : QWidget(parent, Qt::Window), main_(main) {
    setObjectName(QStringLiteral("frmGame"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_StyledBackground);
    setWindowTitle(tr("Game"));
    setWindowIcon(Look::icon(Look::Icon::Game));
    buildWindow();
    boxBack_.fill(BoxBack);
    boxText_.fill(RightText);
    for (int i = 0; i < WordPuzzle::MaxLetters; ++i)
        paintBox(i);
    resize(980, 540);
    setMinimumSize(940, 520);
    if (main_) {
        const QRect over = main_->frameGeometry();
        move(over.center() - rect().center());
    }
}

void frmGame::buildWindow() {
    Label14 = label(tr("Game"), QStringLiteral("Label14"), this);
    Label14->setFont(Look::arial(20, true));
    Label1 = label(tr("Total Puzzles Q's: 7"), QStringLiteral("Label1"), this);
    lblPuzzleNo = label(QString(), QStringLiteral("lblPuzzleNo"), this);
    lblHighScore = label(QString(), QStringLiteral("lblHighScore"), this);
    lblHighScore->hide();
    Label5 = label(tr("Score"), QStringLiteral("Label5"), this);
    lblScore = label(QStringLiteral("0"), QStringLiteral("lblScore"), this);
    lblScore->setMinimumWidth(70);
    auto* head = new QHBoxLayout;
    head->addWidget(Label14);
    head->addSpacing(18);
    head->addWidget(Label1);
    head->addSpacing(10);
    head->addWidget(lblPuzzleNo);
    head->addStretch();
    head->addWidget(lblHighScore);
    head->addStretch();
    head->addWidget(Label5);
    head->addWidget(lblScore);

    // The puzzle.
    frameMain = named(new QFrame(this), QStringLiteral("frameMain"));
    lblClickBoxMsg = label(tr("Click on the boxes below to guess the word from Meaning"),
                           QStringLiteral("lblClickBoxMsg"), frameMain);
    Picture2 = label(QString(), QStringLiteral("Picture2"), frameMain);
    Picture2->setPixmap(Look::icon(Look::Icon::App).pixmap(34, 34));
    Picture2->setToolTip(tr("Meaning"));
    lblMeaning = label(QString(), QStringLiteral("lblMeaning"), frameMain);
    lblMeaning->setWordWrap(true);
    lblMeaning->setFont(Look::arial(15, true));
    Picture3 = label(QString(), QStringLiteral("Picture3"), frameMain);
    Picture3->setPixmap(quotePicture());
    Picture3->setToolTip(tr("Usage"));
    lblExample = label(QString(), QStringLiteral("lblExample"), frameMain);
    lblExample->setWordWrap(true);
    QFont usage = Look::arial(13);
    usage.setItalic(true);
    lblExample->setFont(usage);
    lblPrizeMoney = label(QString(), QStringLiteral("lblPrizeMoney"), frameMain);

    auto* boxes = new QGridLayout;
    boxes->setHorizontalSpacing(4);
    boxes->setVerticalSpacing(4);
    for (int i = 0; i < WordPuzzle::MaxLetters; ++i) {
        auto* shape = named(new QFrame(frameMain), QStringLiteral("shapeWLtr_%1").arg(i));
        auto* box = label(QString(), QStringLiteral("lblWordLetter_%1").arg(i), shape);
        box->setAlignment(Qt::AlignCenter);
        box->setFont(Look::arial(19, true));
        box->setFixedSize(34, 46);
        box->setFocusPolicy(Qt::StrongFocus);
        box->setCursor(Qt::PointingHandCursor);
        box->setAccessibleName(tr("Letter %1").arg(i + 1));
        box->setToolTip(tr("Click, or type a letter"));
        box->installEventFilter(this);
        auto* shapeLayout = new QVBoxLayout(shape);
        shapeLayout->setContentsMargins(2, 2, 2, 2);
        shapeLayout->addWidget(box);
        auto* list = named(new QComboBox(frameMain), QStringLiteral("Combo1_%1").arg(i));
        list->setFixedWidth(40);
        list->setToolTip(tr("Choose a letter"));
        connect(list, &QComboBox::activated, this, [this, i] { Combo1_Click(i); });
        boxes->addWidget(shape, 0, i + 1, Qt::AlignHCenter);
        boxes->addWidget(list, 1, i + 1, Qt::AlignHCenter);
        lblWordLetter[size_t(i)] = box;
        shapeWLtr[size_t(i)] = shape;
        Combo1[size_t(i)] = list;
    }
    boxes->setColumnStretch(0, 1);
    boxes->setColumnStretch(WordPuzzle::MaxLetters + 1, 1);

    lblGuess = label(QString(), QStringLiteral("lblGuess"), frameMain);
    lblGuess->setFont(Look::arial(12, true));
    lblGuess->setAlignment(Qt::AlignCenter);

    imgCorrect = label(QString(), QStringLiteral("imgCorrect"), frameMain);
    imgCorrect->setPixmap(tickPicture());
    lblMean2 = label(QString(), QStringLiteral("lblMean2"), frameMain);
    lblMean2->setWordWrap(true);
    lblMean2->setFont(Look::arial(14, true));
    lblDiffLevelMsg = label(QString(), QStringLiteral("lblDiffLevelMsg"), frameMain);
    lblDiffLevelMsg->setWordWrap(true);
    cmdTalk = named(new QPushButton(frameMain), QStringLiteral("cmdTalk"));
    cmdTalk->setIcon(Look::icon(Look::Icon::Speaker));
    cmdTalk->setIconSize(QSize(26, 26));
    cmdTalk->setAccessibleName(tr("Pronounce"));
    cmdTalk->setToolTip(tr("Hear the word"));
    cmdNext = named(new QPushButton(tr("Next Puzzle >"), frameMain), QStringLiteral("cmdNext"));
    cmdNewGame = named(new QPushButton(tr("New Game"), frameMain), QStringLiteral("cmdNewGame"));
    cmdExitGame = named(new QPushButton(tr("Exit"), frameMain), QStringLiteral("cmdExitGame"));

    auto* meaningRow = new QHBoxLayout;
    meaningRow->addWidget(Picture2, 0, Qt::AlignTop);
    meaningRow->addWidget(lblMeaning, 1);
    auto* exampleRow = new QHBoxLayout;
    exampleRow->addWidget(Picture3, 0, Qt::AlignTop);
    exampleRow->addWidget(lblExample, 1);
    auto* solvedRow = new QHBoxLayout;
    solvedRow->addWidget(imgCorrect, 0, Qt::AlignTop);
    auto* solvedText = new QVBoxLayout;
    solvedText->addWidget(lblMean2);
    solvedText->addWidget(lblDiffLevelMsg);
    solvedRow->addLayout(solvedText, 1);
    solvedRow->addWidget(cmdTalk, 0, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdNewGame);
    buttons->addWidget(cmdExitGame);
    buttons->addWidget(cmdNext);

    auto* mainLayout = new QVBoxLayout(frameMain);
    mainLayout->setContentsMargins(18, 14, 18, 14);
    mainLayout->setSpacing(10);
    mainLayout->addWidget(lblClickBoxMsg);
    mainLayout->addLayout(meaningRow);
    mainLayout->addLayout(exampleRow);
    mainLayout->addLayout(solvedRow);
    mainLayout->addSpacing(14);
    mainLayout->addWidget(lblPrizeMoney);
    mainLayout->addLayout(boxes);
    mainLayout->addWidget(lblGuess);
    mainLayout->addStretch();
    mainLayout->addLayout(buttons);

    // The hints.
    frameHint = named(new QFrame(this), QStringLiteral("frameHint"));
    frameHint->setFixedWidth(184);
    QSizePolicy keepPlace = frameHint->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true); // the puzzle stays put when the hints go
    frameHint->setSizePolicy(keepPlace);
    Label3 = label(tr("Want a Hint??"), QStringLiteral("Label3"), frameHint);
    Label3->setFont(Look::arial(13, true));
    Label4 = label(tr("Click below to get Hints"), QStringLiteral("Label4"), frameHint);
    const std::array<std::pair<const char*, const char*>, 5> hints{{
        {"lblHint1", "First Letter"},
        {"lblHint2", "Second Letter"},
        {"lblHintThLetter", "Third Letter"},
        {"lblHint3", "Random Letter"},
        {"lblHint4", "Last Letter"},
    }};
    std::array<QLabel*, 5> made{};
    for (size_t i = 0; i < hints.size(); ++i) {
        QLabel* h = label(tr(hints[i].second), QString::fromLatin1(hints[i].first), frameHint);
        h->setProperty("hint", true);
        h->setCursor(Qt::PointingHandCursor);
        h->setFocusPolicy(Qt::StrongFocus);
        h->setToolTip(tr("Reveals a letter for the price shown below (Alt+%1)").arg(i + 1));
        h->installEventFilter(this);
        made[i] = h;
    }
    lblHint1 = made[0];
    lblHint2 = made[1];
    lblHintThLetter = made[2];
    lblHint3 = made[3];
    lblHint4 = made[4];
    Label2 = label(tr("Hint will cost you:"), QStringLiteral("Label2"), frameHint);
    lblCost = label(QStringLiteral("10"), QStringLiteral("lblCost"), frameHint);
    lblCost->setFont(Look::arial(13, true));
    auto* hintLayout = new QVBoxLayout(frameHint);
    hintLayout->setContentsMargins(14, 14, 14, 14);
    hintLayout->setSpacing(8);
    hintLayout->addWidget(Label3);
    hintLayout->addWidget(Label4);
    hintLayout->addSpacing(4);
    for (QLabel* h : made)
        hintLayout->addWidget(h);
    hintLayout->addStretch();
    auto* costRow = new QHBoxLayout;
    costRow->addWidget(Label2);
    costRow->addWidget(lblCost);
    costRow->addStretch();
    hintLayout->addLayout(costRow);

    auto* body = new QHBoxLayout;
    body->setSpacing(12);
    body->addWidget(frameMain, 1);
    body->addWidget(frameHint, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 12, 18, 14);
    layout->setSpacing(10);
    layout->addLayout(head);
    layout->addLayout(body, 1);

    setStyleSheet(QStringLiteral(R"(
QWidget#frmGame { background: #f3f0e8; }
QLabel#Label14 { color: #1f6f8b; }
QLabel#Label1, QLabel#Label5 { color: #5d6b73; font-size: 11pt; }
QLabel#lblPuzzleNo { color: #1b3a4b; font-weight: bold; font-size: 13pt; }
QLabel#lblScore { color: #1f6f8b; font-weight: bold; font-size: 16pt; }
QLabel#lblHighScore { color: #8a6d2f; background: #fff6df; border: 1px solid #e2c27a; border-radius: 6px;
                      padding: 3px 8px; }
QFrame#frameMain, QFrame#frameHint { background: #ffffff; border: 1px solid #d8d2c4; border-radius: 10px; }
QFrame#frameMain QLabel, QFrame#frameHint QLabel { border: none; background: transparent; }
QLabel#lblClickBoxMsg, QLabel#Label4 { color: #8a8272; }
QLabel#lblMeaning, QLabel#lblMean2 { color: #1b3a4b; }
QLabel#lblExample { color: #22313a; }
QLabel#lblPrizeMoney { color: #1f6f8b; font-weight: bold; }
QLabel#lblDiffLevelMsg { color: #5d6b73; font-size: 11pt; }
QLabel#Label3 { color: #1f6f8b; }
QLabel#lblCost { color: #c0392b; }
QFrame#frameHint QLabel[hint="true"] { color: #1b3a4b; background: #fffaf0; border: 1px solid #b9b09b;
                                       border-radius: 5px; padding: 6px 8px; }
QFrame#frameHint QLabel[hint="true"]:hover { background: #fff2d6; }
QFrame#frameHint QLabel[hint="true"]:focus { border: 2px solid #1f6f8b; }
QFrame#frameMain QFrame[objectName^="shapeWLtr"] { border: 2px solid #1f6f8b; border-radius: 6px;
                                                   background: #1f6f8b; }
QComboBox { padding: 1px 2px; }
QPushButton#cmdNext { background: #1f6f8b; color: #ffffff; font-weight: bold; border-color: #17586f; }
)"));

    for (QPushButton* b : {cmdNext, cmdNewGame, cmdExitGame, cmdTalk})
        b->installEventFilter(this); // Enter presses them, as in a dialog
    connect(cmdNext, &QPushButton::clicked, this, &frmGame::cmdNext_Click);
    connect(cmdNewGame, &QPushButton::clicked, this, &frmGame::cmdNewGame_Click);
    connect(cmdExitGame, &QPushButton::clicked, this, &frmGame::cmdExitGame_Click);
    connect(cmdTalk, &QPushButton::clicked, this, &frmGame::cmdTalk_Click);
    for (size_t i = 0; i < made.size(); ++i) {
        QLabel* h = made[i];
        auto* key = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + int(i))), this);
        connect(key, &QShortcut::activated, this, [this, h] {
            if (h->isVisible())
                activateHint(h);
        });
    }
}

void frmGame::activateHint(QObject* hint) {
    if (hint == lblHint1)
        lblHint1_Click();
    else if (hint == lblHint2)
        lblHint2_Click();
    else if (hint == lblHintThLetter)
        lblHintThLetter_Click();
    else if (hint == lblHint3)
        lblHint3_Click();
    else if (hint == lblHint4)
        lblHint4_Click();
}

// ---- a game ----

void frmGame::Form_Load() {
    main_->querybtn_Click(CurrentSelection::AllWords);
    for (QComboBox* list : Combo1) {
        list->clear();
        for (QChar c : kAlphabet)
            list->addItem(QString(c));
    }
    if (const std::optional<QString> line = GameScoring::HighScore::line()) {
        lblHighScore->setText(*line);
        lblHighScore->show();
    } else {
        lblHighScore->hide();
    }
    score = 0;
    difficultyLevel = GameScoring::StartLevel;
    helpCount = 0;
    lblScore->setText(QStringLiteral("0"));
    cmdNewGame->hide();
    cmdExitGame->hide();
    puzzleNumber = 1;
    pool_ = PuzzleWordPool();
    if (Recordset* rs = main_->recordset())
        tryStep([&] { pool_ = PuzzleWordPool::fromRecordset(*rs); });
    cmdNext_Click();
}

void frmGame::cmdNext_Click() {
    if (puzzleNumber > GameScoring::Puzzles) {
        gameOver();
        return;
    }
    outOfWords_ = false;
    for (int redraws = 0; nextpuzzle(); ++redraws) {
        if (outOfWords_ || redraws >= kMaxRedraws) {
            noWordToPlay();
            return;
        }
    }
    puzzleActive = true;
    for (int i = 0; i < wordLength; ++i)
        if (isOpen(i)) {
            lblWordLetter[size_t(i)]->setFocus();
            break;
        }
}

bool frmGame::nextpuzzle() {
    puzzleActive = false;
    for (int i = 0; i < WordPuzzle::MaxLetters; ++i) {
        Combo1[size_t(i)]->setCurrentIndex(-1);
        lblWordLetter[size_t(i)]->clear();
        boxBack_[size_t(i)] = BoxBack;
        paintBox(i);
        Combo1[size_t(i)]->hide();
        shapeWLtr[size_t(i)]->hide();
    }
    frameHint->show();
    for (Hint h : {Hint::First, Hint::Second, Hint::Third, Hint::Random, Hint::Last})
        hintLabel(h)->show();
    hintCost = GameScoring::FirstHintCost;
    showCost(false);
    helpCount = 0;

    // One draw among the words that suit the level; only that word reaches the main window.
    const std::optional<PuzzleWordPool::Pick> pick =
        pool_.pick(difficultyLevel, Random::global().uniform());
    if (!pick) {
        outOfWords_ = true;
        return true;
    }
    difficultyLevel = pick->level;
    main_->showRandomWordAt(pick->position);
    const QString word = main_->Text1->text();
    if (!WordPuzzle::accepts(word, difficultyLevel, main_->chkDiff[0]->isChecked(),
                             main_->chkDiff[1]->isChecked())) {
        // The rows changed since the game read them: read them again and draw anew.
        pool_ = PuzzleWordPool();
        if (Recordset* rs = main_->recordset())
            tryStep([&] { pool_ = PuzzleWordPool::fromRecordset(*rs); });
        return true;
    }
    wordLength = int(word.size());
    lblPrizeMoney->setText(GameScoring::prizeCaption(difficultyLevel));
    puzzleLetters.fill(QString());
    for (int i = 0; i < wordLength; ++i) {
        puzzleLetters[size_t(i)] = word.mid(i, 1);
        shapeWLtr[size_t(i)]->show();
        Combo1[size_t(i)]->show();
    }
    for (Hint h : {Hint::Third, Hint::Random})
        hintLabel(h)->setVisible(WordPuzzle::offeredAtStart(h, wordLength));

    setShown({cmdNext, imgCorrect, cmdTalk, lblDiffLevelMsg, lblMean2}, false);
    setShown({lblMeaning, Picture2, lblExample, Picture3, lblPrizeMoney, lblClickBoxMsg}, true);
    lblGuess->clear();
    lblPuzzleNo->setText(QStringLiteral("# ") + GameScoring::withSignPosition(puzzleNumber));
    lblMeaning->setText(main_->Text2->toPlainText());
    lblMean2->setText(lblMeaning->text());
    lblExample->setText(WordPuzzle::maskExample(main_->Text3->toPlainText(), word));
    Picture3->setVisible(!lblExample->text().isEmpty()); // no usage, no empty speech bubble
    return false;
}

// ---- letters ----

bool frmGame::isOpen(int index) const {
    // A letter is open while its list is offered.
    return index >= 0 && index < wordLength && !Combo1[size_t(index)]->isHidden();
}

std::vector<bool> frmGame::openLetters() const {
    std::vector<bool> open(size_t(std::max(wordLength, 0)));
    for (int i = 0; i < wordLength; ++i)
        open[size_t(i)] = isOpen(i);
    return open;
}

void frmGame::paintBox(int index) {
    lblWordLetter[size_t(index)]->setStyleSheet(
        QStringLiteral("QLabel { background: %1; color: %2; border-radius: 4px; }")
            .arg(boxBack_[size_t(index)].name(), boxText_[size_t(index)].name()));
}

void frmGame::lblWordLetter_Click(int index) {
    QLabel* box = lblWordLetter[size_t(index)];
    if (index >= wordLength || !box->isVisible())
        return;
    lblGuess->hide();
    lblClickBoxMsg->hide();
    boxBack_[size_t(index)] = PickingBack;
    paintBox(index);
    frmAlphabets::pickedLetter = box->text();
    frmAlphabets::correctLetter = puzzleLetters[size_t(index)].toUpper();
    frmAlphabets picker(this, this);
    // Just below the box, kept on the screen.
    QPoint at = box->mapToGlobal(QPoint(0, int(1.65 * box->height())));
    picker.adjustSize();
    if (const QScreen* screen = box->screen()) {
        const QRect area = screen->availableGeometry();
        at.setX(
            std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - picker.width())));
        at.setY(
            std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - picker.height())));
    }
    picker.move(at);
    picker.exec();
    // Back to the box, so that typing goes on where the learner was.
    activateWindow();
    box->setFocus();
    boxBack_[size_t(index)] = BoxBack;
    paintBox(index);
    setBoxText(index, frmAlphabets::pickedLetter);
}

void frmGame::Combo1_Click(int index) {
    const QString letter = Combo1[size_t(index)]->currentText();
    if (!letter.isEmpty())
        setBoxText(index, letter);
}

void frmGame::setBoxText(int index, const QString& text) {
    QLabel* box = lblWordLetter[size_t(index)];
    if (box->text() == text)
        return;
    box->setText(text);
    lblWordLetter_Change(index);
}

void frmGame::lblWordLetter_Change(int index) {
    if (!puzzleActive)
        return;
    if (WordPuzzle::sameLetter(lblWordLetter[size_t(index)]->text(),
                               puzzleLetters[size_t(index)])) {
        lblGuess->setText(tr("Correct"));
        lblGuess->setStyleSheet(QStringLiteral("color: %1;").arg(RightVerdict.name()));
        lblGuess->show();
        Combo1[size_t(index)]->hide();
        boxText_[size_t(index)] = RightText;
        paintBox(index);
        for (Hint h : WordPuzzle::withdrawnBy(index, wordLength))
            hintLabel(h)->hide();
        refreshRandomHint();
        for (int i = 0; i < wordLength; ++i)
            if (isOpen(i))
                return;
        solved();
    } else {
        lblGuess->setText(tr("Wrong Guess. Take another guess or Click 'Show Correct'"));
        lblGuess->setStyleSheet(QStringLiteral("color: %1;").arg(WrongVerdict.name()));
        lblGuess->show();
        boxText_[size_t(index)] = WrongText;
        paintBox(index);
        GameScoring::chargeWrongLetter(score);
        showScore(true);
    }
}

void frmGame::solved() {
    GameScoring::award(score, difficultyLevel);
    showScore(true);
    difficultyLevel = GameScoring::nextLevel(difficultyLevel, helpCount);
    lblDiffLevelMsg->setText(GameScoring::nextLevelMessage(difficultyLevel));
    puzzleActive = false;
    lblGuess->hide();
    ++puzzleNumber;
    lblHint3->hide();
    setShown({cmdNext, imgCorrect, cmdTalk, lblDiffLevelMsg, lblMean2}, true);
    setShown({lblMeaning, Picture2, lblExample, Picture3, lblPrizeMoney, frameHint}, false);
    cmdNext->setFocus();
}

// ---- hints ----

QLabel* frmGame::hintLabel(Hint hint) const {
    switch (hint) {
    case Hint::First:
        return lblHint1;
    case Hint::Second:
        return lblHint2;
    case Hint::Third:
        return lblHintThLetter;
    case Hint::Random:
        return lblHint3;
    case Hint::Last:
        return lblHint4;
    }
    return lblHint1;
}

void frmGame::reveal(int index) {
    Combo1[size_t(index)]->hide();
    setBoxText(index, puzzleLetters[size_t(index)].toUpper());
}

void frmGame::chargeHint() {
    GameScoring::chargeHint(score, hintCost);
    showScore(true);
    showCost(true);
}

void frmGame::refreshRandomHint() {
    if (puzzleActive && !WordPuzzle::randomLetterOffered(openLetters()))
        lblHint3->hide();
}

void frmGame::useFixedHint(Hint hint) {
    const int position = WordPuzzle::hintPosition(hint, wordLength);
    hintLabel(hint)->hide();
    if (!puzzleActive || position < 0)
        return; // nothing to reveal: withdrawn, not charged
    ++helpCount;
    reveal(position);
    chargeHint();
}

void frmGame::lblHint1_Click() {
    useFixedHint(Hint::First);
}
void frmGame::lblHint2_Click() {
    useFixedHint(Hint::Second);
}
void frmGame::lblHintThLetter_Click() {
    useFixedHint(Hint::Third);
}
void frmGame::lblHint4_Click() {
    useFixedHint(Hint::Last);
}

void frmGame::lblHint3_Click() {
    const int position =
        puzzleActive ? WordPuzzle::randomLetterPosition(openLetters(), Random::global().uniform())
                     : -1;
    if (position < 0) {
        lblHint3->hide(); // no open letter from the third on: withdrawn, not charged
        return;
    }
    ++helpCount;
    if (position == wordLength - 1)
        lblHint4->hide();
    reveal(position);
    chargeHint();
    refreshRandomHint();
}

void frmGame::showScore(bool signPosition) {
    lblScore->setText(signPosition ? GameScoring::withSignPosition(score) : QString::number(score));
}

void frmGame::showCost(bool signPosition) {
    lblCost->setText(signPosition ? GameScoring::withSignPosition(hintCost)
                                  : QString::number(hintCost));
}

// ---- the end ----

void frmGame::gameOver() {
    MessageBox::plain(this, GameScoring::gameOverMessage(score));
    cmdNewGame->show();
    cmdExitGame->show();
    cmdNext->hide();
    cmdNewGame->setFocus();
    if (!GameScoring::HighScore::beats(score))
        return;
    MessageBox::plain(this, GameScoring::highScorerMessage());
    dlgHighScorerName dialog(this, this);
    dialog.exec();
    GameScoring::HighScore::store(score, highScorerName);
}

void frmGame::noWordToPlay() {
    puzzleActive = false;
    MessageBox::info(this, tr("No word in the word list can be played. The game needs words "
                              "of 1 to 15 small letters, a to z."));
    close();
}

void frmGame::cmdTalk_Click() {
    tryStep([&] { main_->DirectSS1->speak(main_->Text1->text()); });
}

void frmGame::cmdNewGame_Click() {
    Form_Load();
}
void frmGame::cmdExitGame_Click() {
    close();
}

void frmGame::closeEvent(QCloseEvent* event) {
    main_->setEnabled(true);
    main_->activateWindow();
    event->accept();
}

// ---- keyboard and mouse ----

void frmGame::focusBox(int from, int step) {
    for (int i = from + step; i >= 0 && i < wordLength; i += step)
        if (lblWordLetter[size_t(i)]->isVisible()) {
            lblWordLetter[size_t(i)]->setFocus();
            return;
        }
}

bool frmGame::eventFilter(QObject* watched, QEvent* event) {
    const auto box = std::find(lblWordLetter.begin(), lblWordLetter.end(), watched);
    const int index = box == lblWordLetter.end() ? -1 : int(box - lblWordLetter.begin());
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (index >= 0) {
            lblWordLetter_Click(index);
            return true;
        }
        if (watched->property("hint").toBool()) {
            activateHint(watched);
            return true;
        }
    } else if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool activate = key->key() == Qt::Key_Space || key->key() == Qt::Key_Return ||
                              key->key() == Qt::Key_Enter;
        if (index >= 0) {
            const QString typed = key->text().toUpper();
            if (typed.size() == 1 && kAlphabet.contains(typed) &&
                !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
                // A typed letter works as the picker's letter does.
                setBoxText(index, typed);
                if (puzzleActive && !isOpen(index)) {
                    // On to the next letter still open, from the start again if need be.
                    for (int k = 1; k < wordLength; ++k)
                        if (isOpen((index + k) % wordLength)) {
                            lblWordLetter[size_t((index + k) % wordLength)]->setFocus();
                            break;
                        }
                }
                return true;
            }
            if (activate || key->key() == Qt::Key_Down) {
                lblWordLetter_Click(index);
                return true;
            }
            if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right) {
                focusBox(index, key->key() == Qt::Key_Right ? 1 : -1);
                return true;
            }
        } else if (activate && watched->property("hint").toBool()) {
            activateHint(watched);
            return true;
        } else if (auto* button = qobject_cast<QPushButton*>(watched);
                   button && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            button->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
