#include "Form1.h"

#include "app/basRegistry.h"
#include "app/ProgramFolder.h"
#include "app/ProgramLauncher.h"
#include "app/Random.h"
#include "app/StartModule.h"
#include "data/Database.h"
#include "data/DataSource.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "data/Speech.h"
#include "game/frmGame.h"
#include "maintenance/frmAbout.h"
#include "maintenance/frmAddWord.h"
#include "maintenance/frmEdit.h"
#include "maintenance/frmMisc.h"
#include "maintenance/frmTip.h"
#include "maintenance/TourLaunch.h"
#include "quiz/frmtest.h"
#include "selection/frmFilterbox.h"
#include "selection/frmIS.h"
#include "selection/Revise.h"
#include "study/StudyCard.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"
#include "ui/Widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

using Widgets::boxState;
using Widgets::label;
using Widgets::named;

// A box keeps its place in the layout while hidden, so the hint label beneath it shows
// where it was instead of the card jumping about.
void retainSpace(QWidget* w) {
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
}

bool isTextInput(const QWidget* w) {
    // Radio buttons and lists use the arrows themselves.
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
           qobject_cast<const QRadioButton*>(w);
}

} // namespace

Form1::Form1(Speech* speech, DisplayModes* displayModes, QWidget* parent)
    : QMainWindow(parent), DirectSS1(speech), displayModes_(displayModes) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Verbaloom - The Vocabulary Building Learning Tool "));
    setWindowIcon(Look::icon(Look::Icon::App));
    setAttribute(Qt::WA_QuitOnClose);

    Adodc1 = named(new DataSource(ConnectionStrings::Shared, this), QStringLiteral("Adodc1"));
    Adodc1->setRecordSource(CurrentSelection::AllWords);
    Adodc2 = named(new DataSource(ConnectionStrings::Shared, this), QStringLiteral("Adodc2"));
    Adodc2->setRecordSource(CurrentSelection::AllWords);
    selection_.source = Adodc1;

    buildToolbarAndMenus();
    buildCard();

    Timer1 = named(new QTimer(this), QStringLiteral("Timer1"));
    Timer1->setInterval(60000);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);

    connect(Adodc1, &DataSource::currentChanged, this, &Form1::bindCurrentRow);
    connect(Adodc1, &DataSource::currentChanged, this, &Form1::recfunc);
    connect(Adodc1, &DataSource::rowsChanged, this, &Form1::recfunc);
    // The ticker follows the card from the first word on, shown or not.
    connect(this, &Form1::wordChanged, this, &Form1::ensureTicker);

    // One filter for the whole application: clickable labels, the right button on the
    // pronounce button, and keys that step words wherever the focus is.
    qApp->installEventFilter(this);
    resize(1100, 780);
    setMinimumSize(900, 640);
}

Form1::~Form1() {
    qApp->removeEventFilter(this);
    // The quiz and the game are windows of their own (a child window would go out of use
    // with the main window); they must not outlive it.
    delete quiz_;
    delete game_;
}

void Form1::buildCard() {
    central_ = new QWidget(this);
    setCentralWidget(central_);
    frameContainer = named(new QFrame(central_), QStringLiteral("frameContainer"));

    // Counters across the top.
    auto* strip = named(new QFrame(frameContainer), QStringLiteral("counterStrip"));
    Label5 = label(tr("Current Selection:"), QStringLiteral("Label5"), strip);
    Label21 = label(tr("words"), QStringLiteral("Label21"), strip);
    Label3 = label(tr("Refined Selection"), QStringLiteral("Label3"), strip);
    Label3->setToolTip(tr("These number of words that you can use"));
    Label23 = label(tr("words"), QStringLiteral("Label23"), strip);
    Label7 = label(tr("Word No.:"), QStringLiteral("Label7"), strip);
    for (int i = 0; i < 3; ++i)
        Label10[size_t(i)] = label(QString(), QStringLiteral("Label10_%1").arg(i), strip);
    auto* stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(14, 6, 14, 6);
    stripLayout->addWidget(Label5);
    stripLayout->addWidget(Label10[2]);
    stripLayout->addWidget(Label21);
    stripLayout->addStretch();
    stripLayout->addWidget(Label3);
    stripLayout->addWidget(Label10[0]);
    stripLayout->addWidget(Label23);
    stripLayout->addStretch();
    stripLayout->addWidget(Label7);
    stripLayout->addWidget(Label10[1]);

    // The card.
    auto* card = named(new QFrame(frameContainer), QStringLiteral("cardFrame"));
    Label1 = label(tr("Word"), QStringLiteral("Label1"), card);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->setFont(Look::arial(10, true));
    Label20 = label(QString(), QStringLiteral("Label20"), card);
    Label22 = label(QString(), QStringLiteral("Label22"), card);
    Label20->setToolTip(tr("Difficult"));
    Label22->setToolTip(tr("Very Difficult"));
    Command12 = named(new QPushButton(card), QStringLiteral("Command12"));
    Command12->setIcon(Look::icon(Look::Icon::Speaker));
    Command12->setIconSize(QSize(26, 26));
    Command12->setAccessibleName(tr("Pronounce"));

    Text1 = named(new QLineEdit(card), QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setFont(Look::arial(28, true));
    Text1->setAlignment(Qt::AlignCenter);
    Text1->setMinimumHeight(56);
    retainSpace(Text1);
    lblMsg = label(tr("(Guess the WORD. To see the hidden word press the '?' button to reveal)"),
                   QStringLiteral("lblMsg"), card);
    lblMsg->setAlignment(Qt::AlignCenter);
    lblMsg->setWordWrap(true);
    lblMsg->hide();

    Label2 = label(tr("Meaning, Usage"), QStringLiteral("Label2"), card);
    Label2->setCursor(Qt::PointingHandCursor);
    Label2->setFont(Look::arial(10, true));
    Label26 = label(tr("Click to see Meaning"), QStringLiteral("Label26"), card);
    Label26->setStyleSheet(QStringLiteral("color: #8a8272;"));
    Text2 = named(new QPlainTextEdit(card), QStringLiteral("Text2"));
    Text2->setReadOnly(true);
    Text2->setFont(Look::arial(16));
    Text2->setMaximumHeight(190);
    Text2->setTabChangesFocus(true);
    Text2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    retainSpace(Text2);
    Label6 =
        label(tr("(Guess the MEANING. To see the hidden MEANING press the '?' button to reveal)"),
              QStringLiteral("Label6"), card);
    Label6->setAlignment(Qt::AlignCenter);
    Label6->setWordWrap(true);
    Label6->hide();
    auto* usageCaption = label(tr("Usage"), QStringLiteral("usageCaption"), card);
    usageCaption->setFont(Look::arial(10, true));
    Text3 = named(new QPlainTextEdit(card), QStringLiteral("Text3"));
    Text3->setReadOnly(true);
    QFont usageFont = Look::arial(14);
    usageFont.setItalic(true);
    Text3->setFont(usageFont);
    Text3->setMaximumHeight(150);
    Text3->setTabChangesFocus(true);
    Text3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    retainSpace(Text3);

    Command10[0] = named(new QPushButton(tr("Previous Word"), card), QStringLiteral("Command10_0"));
    Command10[1] = named(new QPushButton(tr("Next Word"), card), QStringLiteral("Command10_1"));
    cmdRandomWord =
        named(new QPushButton(tr("Random Word"), card), QStringLiteral("cmdRandomWord"));
    cmdRandomWord->setToolTip(tr("Click to get a Random word"));
    chkPLock = named(new QCheckBox(tr("Always Pronounce"), card), QStringLiteral("chkPLock"));
    Label24 = label(tr("Find word (in Refined Selection)"), QStringLiteral("Label24"), card);
    txtFind = named(new QLineEdit(card), QStringLiteral("txtFind"));
    txtFind->setClearButtonEnabled(true);
    txtFind->setMaxLength(200);
    Label24->setBuddy(txtFind);

    studiedit =
        named(new QPushButton(tr("Mark it. I've Studied."), card), QStringLiteral("studiedit"));
    studiedit->setToolTip(tr("Studied the word? Then Click it to keep track."));
    chkDiff[0] = named(new QCheckBox(tr("Mark as Difficult"), card), QStringLiteral("chkDiff_0"));
    chkDiff[1] =
        named(new QCheckBox(tr("Mark: Very Difficult"), card), QStringLiteral("chkDiff_1"));
    for (QCheckBox* box : chkDiff)
        box->setToolTip(
            tr("You can change the  Difficulty level of word according to you comfort"));
    Label13 =
        label(tr("You can change the default difficulty level"), QStringLiteral("Label13"), card);
    Label13->setStyleSheet(QStringLiteral("color: #8a8272;"));
    cmdEdit = named(new QPushButton(tr("E&dit"), card), QStringLiteral("cmdEdit"));

    auto* cardLayout = new QGridLayout(card);
    cardLayout->setContentsMargins(18, 12, 18, 14);
    cardLayout->setVerticalSpacing(6);
    auto* wordHead = new QHBoxLayout;
    wordHead->addWidget(Label1);
    wordHead->addStretch();
    wordHead->addWidget(Label20);
    wordHead->addWidget(Label22);
    wordHead->addSpacing(8);
    wordHead->addWidget(Command12);
    cardLayout->addLayout(wordHead, 0, 0);
    cardLayout->addWidget(Text1, 1, 0);
    cardLayout->addWidget(lblMsg, 1, 0);
    auto* meaningHead = new QHBoxLayout;
    meaningHead->addWidget(Label2);
    meaningHead->addSpacing(10);
    meaningHead->addWidget(Label26);
    meaningHead->addStretch();
    cardLayout->addLayout(meaningHead, 2, 0);
    cardLayout->addWidget(Text2, 3, 0);
    cardLayout->addWidget(Label6, 3, 0);
    cardLayout->addWidget(usageCaption, 4, 0);
    cardLayout->addWidget(Text3, 5, 0);
    cardLayout->setRowStretch(3, 3);
    cardLayout->setRowStretch(5, 2);
    cardLayout->setRowMinimumHeight(6, 8);
    cardLayout->setRowStretch(6, 1);

    auto* navRow = new QHBoxLayout;
    navRow->addWidget(Command10[0]);
    navRow->addWidget(cmdRandomWord);
    navRow->addWidget(Command10[1]);
    navRow->addSpacing(16);
    navRow->addWidget(chkPLock);
    navRow->addStretch();
    cardLayout->addLayout(navRow, 7, 0);
    auto* findRow = new QHBoxLayout;
    findRow->addWidget(Label24);
    findRow->addWidget(txtFind, 1);
    cardLayout->addLayout(findRow, 8, 0);
    auto* markRow = new QHBoxLayout;
    markRow->addWidget(studiedit);
    markRow->addSpacing(12);
    markRow->addWidget(chkDiff[0]);
    markRow->addWidget(chkDiff[1]);
    markRow->addStretch();
    markRow->addWidget(cmdEdit);
    cardLayout->addLayout(markRow, 9, 0);
    cardLayout->addWidget(Label13, 10, 0);

    // The side column: display modes, hint, statistics, words gone through.
    auto* modes = named(new QGroupBox(tr("Display"), frameContainer), QStringLiteral("frameMode"));
    const QStringList modeNames{tr("Guess Meanings"), tr("Guess Words"), tr("Show All Boxes"),
                                tr("Random Boxes")};
    const QStringList modeTips{tr("Guess Meaning from Word"), tr("Guess Word From Meaning"),
                               tr("Show All "), QString()};
    auto* modesLayout = new QVBoxLayout(modes);
    for (int i = 0; i < 4; ++i) {
        Option1[size_t(i)] =
            named(new QRadioButton(modeNames[i], modes), QStringLiteral("Option1_%1").arg(i));
        if (!modeTips[i].isEmpty())
            Option1[size_t(i)]->setToolTip(modeTips[i]);
        modesLayout->addWidget(Option1[size_t(i)]);
        connect(Option1[size_t(i)], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                Option1_Click(i);
        });
    }
    Option1[2]->setChecked(true);

    frameNavi =
        named(new QGroupBox(tr("Keep '?' Pressed"), frameContainer), QStringLiteral("frameNavi"));
    btnHint = named(new QPushButton(frameNavi), QStringLiteral("btnHint"));
    btnHint->setIcon(Look::icon(Look::Icon::Hint));
    btnHint->setIconSize(QSize(30, 30));
    btnHint->setToolTip(tr("Keep Pressed to see any Hidden Box"));
    btnHint->setAccessibleName(tr("Hint"));
    btnHint->setAutoRepeat(false);
    connect(btnHint, &QPushButton::pressed, this, &Form1::btnHint_MouseDown);
    connect(btnHint, &QPushButton::released, this, &Form1::btnHint_MouseUp);
    Label19 = label(tr("Important"), QStringLiteral("Label19"), frameNavi);
    Label19->setFont(Look::arial(9, true));
    Label14 = label(tr("Keep '?' clicked to see  hidden word / meaning. OR Select ") +
                        QStringLiteral("\"") + tr("Show All Boxes") + QStringLiteral("\"") +
                        tr(" to see all sections"),
                    QStringLiteral("Label14"), frameNavi);
    Label14->setWordWrap(true);
    auto* naviLayout = new QGridLayout(frameNavi);
    naviLayout->addWidget(btnHint, 0, 0, 2, 1, Qt::AlignTop);
    naviLayout->addWidget(Label19, 0, 1);
    naviLayout->addWidget(Label14, 1, 1);
    naviLayout->setColumnStretch(1, 1);

    frameStat = named(new QGroupBox(tr("Statistics"), frameContainer), QStringLiteral("frameStat"));
    Label8 = label(tr("Read this word:"), QStringLiteral("Label8"), frameStat);
    lblRdCnt = label(QString(), QStringLiteral("lblRdCnt"), frameStat);
    Label9 = label(tr("time(s)"), QStringLiteral("Label9"), frameStat);
    Label4 = label(tr("Studied this Session : "), QStringLiteral("Label4"), frameStat);
    lblRdSess = label(QStringLiteral("0"), QStringLiteral("lblRdSess"), frameStat);
    Label11 = label(tr("Last Read Date"), QStringLiteral("Label11"), frameStat);
    Label12 = label(QString(), QStringLiteral("Label12"), frameStat);
    Label17 = label(tr("WordList No.: "), QStringLiteral("Label17"), frameStat);
    Label18 = label(QString(), QStringLiteral("Label18"), frameStat);
    Label16 = label(StudyTracking::RunningLabel, QStringLiteral("Label16"), frameStat);
    Label16->setToolTip(tr("Click to Pause the Timer"));
    Label16->setCursor(Qt::PointingHandCursor);
    Label15[1] = label(QStringLiteral("0"), QStringLiteral("Label15_1"), frameStat);
    Label15[2] = label(tr("mins"), QStringLiteral("Label15_2"), frameStat);
    Command8 =
        named(new QPushButton(StudyTracking::PauseCaption, frameStat), QStringLiteral("Command8"));
    for (QLabel* value : {lblRdCnt, lblRdSess, Label12, Label18, Label15[1]})
        value->setStyleSheet(QStringLiteral("font-weight: bold; color: #1f6f8b;"));
    auto* statLayout = new QGridLayout(frameStat);
    statLayout->addWidget(Label8, 0, 0);
    statLayout->addWidget(lblRdCnt, 0, 1);
    statLayout->addWidget(Label9, 0, 2);
    statLayout->addWidget(Label4, 1, 0);
    statLayout->addWidget(lblRdSess, 1, 1);
    statLayout->addWidget(Label11, 2, 0);
    statLayout->addWidget(Label12, 2, 1, 1, 2);
    statLayout->addWidget(Label17, 3, 0);
    statLayout->addWidget(Label18, 3, 1);
    statLayout->addWidget(Label16, 4, 0);
    statLayout->addWidget(Label15[1], 4, 1);
    statLayout->addWidget(Label15[2], 4, 2);
    statLayout->addWidget(Command8, 5, 0, 1, 3);
    statLayout->setColumnStretch(2, 1);

    Label25 = label(tr("Words you have gone through"), QStringLiteral("Label25"), frameContainer);
    Label25->setFont(Look::arial(9, true));
    lstRead = named(new QListWidget(frameContainer), QStringLiteral("lstRead"));
    lstRead->setFont(Look::arial(10));

    auto* side = new QVBoxLayout;
    side->addWidget(modes);
    side->addWidget(frameNavi);
    side->addWidget(frameStat);
    side->addWidget(Label25);
    side->addWidget(lstRead, 1);

    auto* body = new QHBoxLayout;
    body->addWidget(card, 3);
    body->addLayout(side, 1);
    auto* outer = new QVBoxLayout(frameContainer);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(strip);
    outer->addLayout(body, 1);

    mnuRead = named(new QMenu(tr("Read"), this), QStringLiteral("mnuRead"));
    const QStringList reads{tr("Read Word"), tr("Read Meaning"), tr("Read Usage")};
    for (int i = 0; i < 3; ++i) {
        mnuReadit[size_t(i)] = mnuRead->addAction(reads[i]);
        mnuReadit[size_t(i)]->setObjectName(QStringLiteral("mnuReadit_%1").arg(i));
        connect(mnuReadit[size_t(i)], &QAction::triggered, this, [this, i] { mnuReadit_Click(i); });
    }

    connect(Command10[0], &QPushButton::clicked, this, [this] { Command10_Click(0); });
    connect(Command10[1], &QPushButton::clicked, this, [this] { Command10_Click(1); });
    connect(cmdRandomWord, &QPushButton::clicked, this, &Form1::cmdRandomWord_Click);
    connect(Command12, &QPushButton::clicked, this, &Form1::Command12_Click);
    connect(txtFind, &QLineEdit::textChanged, this, &Form1::findword);
    connect(studiedit, &QPushButton::clicked, this, &Form1::studiedit_Click);
    connect(Command8, &QPushButton::clicked, this, &Form1::Command8_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &Form1::cmdEdit_Click);
    connect(lstRead, &QListWidget::itemClicked, this, &Form1::lstRead_Click);
    connect(lstRead, &QListWidget::itemActivated, this, &Form1::lstRead_Click);
    for (int i = 0; i < 2; ++i)
        connect(chkDiff[size_t(i)], &QCheckBox::toggled, this, [this, i] { chkDiff_Click(i); });

    // Keyboard access beyond the captions' own access keys.
    auto shortcut = [this](const QKeySequence& keys, auto slot) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Left), [this] { Command10_Click(0); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Right), [this] { Command10_Click(1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_R), [this] { cmdRandomWord_Click(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_M), [this] { studiedit_Click(); });
    shortcut(QKeySequence::Quit, [this] { close(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_L), [this] { Command12_Click(); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_F), [this] {
        txtFind->setFocus();
        txtFind->selectAll();
    });
    for (int i = 0; i < 4; ++i)
        shortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + i)), [this, i] {
            Option1[size_t(i)]->setChecked(true);
            Option1_Click(i);
        });
}

void Form1::buildToolbarAndMenus() {
    Toolbar1 = named(new QToolBar(tr("Toolbar"), this), QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    Toolbar1->setIconSize(QSize(28, 28));
    addToolBar(Qt::TopToolBarArea, Toolbar1);

    struct Button {
        const char* caption;
        const char* key;
        const char* tip;
        const char* second;
        Look::Icon icon;
    };
    // A null caption is a separator.
    const Button buttons[] = {
        {"Words Selection", "Intelli Select", "Select set of words to study", "",
         Look::Icon::Select},
        {"Refine Selection", "Filter It!", "Refine your CURRENT SELECTION", "", Look::Icon::Refine},
        {nullptr, nullptr, nullptr, nullptr, Look::Icon::App},
        {"Session Revision", "Revise", "Revise whatever you've practiced during this session",
         "Revise whatever you've marked read this session", Look::Icon::Revise},
        {"Quiz", "Quiz", "Take a Quiz of words in REFINED SELECTION", "Take a test",
         Look::Icon::Quiz},
        {"Game", "Game", "", "Word Game", Look::Icon::Game},
        {"One Spot - Ticker", "One Spot", "Sit back. Ticker On.", "", Look::Icon::Ticker},
        {"List View", "Listy", "Another excellent way to practice the words", "", Look::Icon::List},
        {nullptr, nullptr, nullptr, nullptr, Look::Icon::App},
        {"Print It!", "Print It!", "Print the words that are in your REFINED SELECTION Set", "",
         Look::Icon::Print},
        {nullptr, nullptr, nullptr, nullptr, Look::Icon::App},
        {"Report", "Report", "Check You Progress Report", "", Look::Icon::Report},
    };
    int separators = 0;
    for (const Button& b : buttons) {
        if (!b.caption) {
            Toolbar1->addSeparator()->setObjectName(
                QStringLiteral("Separator_%1").arg(++separators));
            continue;
        }
        QAction* action = Toolbar1->addAction(Look::icon(b.icon), tr(b.caption));
        action->setObjectName(QString::fromLatin1(b.key));
        action->setToolTip(tr(b.tip));
        action->setWhatsThis(tr(b.second)); // the second text, not shown in normal use
        const QString key = QString::fromLatin1(b.key);
        connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
    }

    file = named(menuBar()->addMenu(tr("&Add Word")), QStringLiteral("file"));
    addword = named(file->addAction(tr("&Add Word")), QStringLiteral("addword"));
    connect(addword, &QAction::triggered, this, &Form1::addword_Click);
    Tutorial = named(menuBar()->addAction(tr("&Tutorial")), QStringLiteral("Tutorial"));
    connect(Tutorial, &QAction::triggered, this, &Form1::Tutorial_Click);
    menuabout = named(menuBar()->addMenu(tr("&About")), QStringLiteral("menuabout"));
    vlguide = named(menuabout->addAction(tr("&Verbaloom Tips")), QStringLiteral("vlguide"));
    connect(vlguide, &QAction::triggered, this, &Form1::vlguide_Click);
    about = named(menuabout->addAction(tr("About &Verbaloom!")), QStringLiteral("about"));
    connect(about, &QAction::triggered, this, &Form1::about_Click);
}

void Form1::Toolbar1_ButtonClick(const QString& key) {
    if (key == QLatin1String("Intelli Select"))
        openWordSelection();
    else if (key == QLatin1String("Filter It!"))
        openRefineSelection();
    else if (key == QLatin1String("Revise"))
        revise();
    else if (key == QLatin1String("Quiz"))
        openQuiz();
    else if (key == QLatin1String("Game"))
        openGame();
    else if (key == QLatin1String("One Spot"))
        openTicker();
    else if (key == QLatin1String("Listy"))
        openList();
    else if (key == QLatin1String("Print It!"))
        PrintIt();
    else if (key == QLatin1String("Report"))
        ShowReport();
    recfunc();
}

// Windows that other parts of the program bring; each opens here once it exists.
void Form1::openWordSelection(QWidget* owner) {
    frmIS window(this, owner);
    window.exec();
}

void Form1::openRefineSelection(QWidget* owner, bool modal) {
    auto* window = new frmFilterbox(this, owner);
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (modal) {
        window->exec();
    } else {
        window->show();
        window->raise();
    }
}

void Form1::revise() {
    selection_.selectionChanging = true;
    selection_.savedSelection = Adodc1->recordset();
    Adodc1->setRecordSource(Revise::Source);
    int count = 0;
    tryStep([&] {
        Adodc1->refresh();
        count = recordset()->recordCount();
    });
    if (count == 0) {
        MessageBox::info(this, Revise::nothingMessage());
        // The rows shown before come back, and with them their source text, so that
        // whatever re-runs the source later works on the words the learner sees.
        tryStep([&] { Adodc1->setRecordset(selection_.savedSelection); });
    } else {
        MessageBox::info(this, Revise::countMessage(count));
        openList();
    }
    selection_.selectionChanging = false;
}
void Form1::openQuiz() {
    if (!quiz_) {
        setEnabled(false);
        quiz_ = new frmtest(this);
        quiz_->show();
        quiz_->Form_Load();
    }
    if (quiz_ && quiz_->isVisible()) {
        quiz_->raise();
        quiz_->activateWindow();
    }
}

void Form1::openGame() {
    if (!game_) {
        setEnabled(false);
        game_ = new frmGame(this);
        game_->show();
        game_->Form_Load();
    }
    if (game_ && game_->isVisible()) {
        game_->raise();
        game_->activateWindow();
    }
}

void Form1::addword_Click() {
    frmAddWord::open(this);
}

void Form1::Tutorial_Click() {
    // Started and left to itself; the main window stays in use meanwhile.
    const QString folder = ProgramFolder::path();
    const TourLaunch::Outcome outcome = TourLaunch::start(ProgramLauncher::global(), folder);
    if (outcome != TourLaunch::Outcome::Started)
        MessageBox::info(this, TourLaunch::message(outcome, folder));
}

void Form1::vlguide_Click() {
    tryStep([&] { showTipOfTheDay(); });
}

void Form1::about_Click() {
    frmAbout window(this);
    window.exec();
}

Recordset* Form1::recordset() const {
    return Adodc1->recordset().get();
}

// ---- start and end ----

void Form1::Form_Load() {
    Timer1->start();
    refreshTimerCaptions();
    try {
        // Held until the data source has opened: both share one keyed handle, and deriving
        // the key twice would double the start-up's slowest step.
        const auto connection = Connection::open(ConnectionStrings::ReadWrite);
        if (!connection->notice().isEmpty())
            MessageBox::info(this, connection->notice());
        // Only the rows marked last session are rewritten: the same end, without rewriting
        // (and re-encrypting) every page of the file at each start.
        if (!connection->readOnly())
            connection->execute(
                QStringLiteral("update words set sessionbm = 0 where sessionbm = 1"));
        Adodc1->refresh();
        selection_.selectionCount = recordset()->recordCount();
        recfunc();
        cmdRandomWord_Click();
        if (AppSettings::showTipsAtStartup() != 0)
            showTipOfTheDay();
    } catch (const DbError& e) {
        MessageBox::plain(this, tr("Error Occured. Error Number: ") + QString::number(e.number()) +
                                    QStringLiteral(": ") + e.description());
    }
}

void Form1::showTipOfTheDay() {
    frmTip tip(this);
    tip.exec();
}

void Form1::closeEvent(QCloseEvent* event) {
    // Every secondary window goes with the main window.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible())
            tryStep([&] { w->close(); });
    if (displayModes_)
        tryStep([&] { StartModule::restoreResolution(*displayModes_); });
    event->accept();
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void Form1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void Form1::Form_Resize() {
    // Centred in the window's own client area, so it holds at any window size; the card
    // grows with the window up to a comfortable reading width.
    const QSize area = central_->size();
    const QSize least = frameContainer->minimumSizeHint();
    const int w = std::clamp(area.width() - 24, least.width(), std::max(least.width(), 1400));
    const int h = std::clamp(area.height() - 16, least.height(), std::max(least.height(), 900));
    frameContainer->setGeometry(std::max(0, area.width() / 2 - w / 2),
                                std::max(0, area.height() / 2 - h / 2), w, h);
}

// ---- the card ----

void Form1::recfunc() {
    const StudyCard::Counters c = StudyCard::counters(recordset(), selection_.selectionCount);
    Label10[0]->setText(c.refined);
    Label10[1]->setText(c.position);
    Label10[2]->setText(c.selection);
}

void Form1::bindCurrentRow() {
    Recordset* rs = recordset();
    QString word, meaning, usage, reads, lastRead, group, bm, dbm;
    bool difficult = false, veryDifficult = false;
    qint64 id = -1;
    if (rs && rs->hasCurrent()) {
        tryStep([&] {
            id = rs->currentId();
            word = rs->value(QStringLiteral("Name")).toString();
            meaning = rs->value(QStringLiteral("Meaning")).toString();
            usage = rs->value(QStringLiteral("Example")).toString();
            reads = rs->value(QStringLiteral("ReadCount")).toString();
            lastRead = StudyCard::formatLastRead(rs->value(QStringLiteral("LastRead")));
            group = rs->value(QStringLiteral("GroupId")).toString();
            difficult = rs->value(QStringLiteral("Bookmark")).toBool();
            veryDifficult = rs->value(QStringLiteral("DoubleBM")).toBool();
        });
    }
    // Taking a new row's values never writes them back.
    bindingRow_ = true;
    if (Text2->toPlainText() != meaning)
        Text2->setPlainText(meaning);
    if (Text3->toPlainText() != usage)
        Text3->setPlainText(usage);
    lblRdCnt->setText(reads);
    Label12->setText(lastRead);
    Label18->setText(group);
    Label20->setText(difficult ? QStringLiteral("#") : QString());
    Label22->setText(veryDifficult ? QStringLiteral("#") : QString());
    chkDiff[0]->setChecked(difficult);
    chkDiff[1]->setChecked(veryDifficult);
    const bool changed = Text1->text() != word || id != boundRowId_;
    Text1->setText(word);
    Text1->setCursorPosition(0);
    boundRowId_ = id;
    bindingRow_ = false;
    if (changed)
        Text1_Change();
}

void Form1::Text1_Change() {
    tickerWord_ = Text1->text();
    tickerDetails_ = StudyCard::tickerDetails(Text2->toPlainText(), Text3->toPlainText());
    emit wordChanged();
}

void Form1::applymode(int mode) {
    const double r = mode == StudyCard::RandomBoxes ? Random::global().uniform() : 0.0;
    const StudyCard::Boxes boxes = StudyCard::boxesForMode(mode, r);
    Text1->setVisible(boxes.word);
    Text2->setVisible(boxes.meaning);
    Text3->setVisible(boxes.usage);
    updateHintLabels();
}

void Form1::Option1_Click(int index) {
    applymode(index);
}

void Form1::updateHintLabels() {
    lblMsg->setVisible(Text1->isHidden());
    Label6->setVisible(Text2->isHidden());
}

void Form1::btnHint_MouseDown() {
    hintSaved_ = {!Text1->isHidden(), !Text2->isHidden(), !Text3->isHidden()};
    hintHeld_ = true;
    Text1->show();
    Text2->show();
    Text3->show();
    updateHintLabels();
}

void Form1::btnHint_MouseUp() {
    if (!hintHeld_)
        return;
    hintHeld_ = false;
    Text1->setVisible(hintSaved_[0]);
    Text2->setVisible(hintSaved_[1]);
    Text3->setVisible(hintSaved_[2]);
    updateHintLabels();
}

void Form1::lstRead_Click() {
    QString word;
    for (int i = 0; i < lstRead->count(); ++i)
        if (lstRead->item(i)->isSelected()) {
            word = lstRead->item(i)->text();
            break;
        }
    if (word.isEmpty())
        return;
    tryStep([&] {
        Adodc2->refresh();
        Recordset* rs = Adodc2->recordset().get();
        rs->moveFirst();
        rs->find(StudyCard::exactNameCriterion(word));
        if (rs->absolutePosition() < 0)
            return;
        auto* note = frmMisc::current() ? frmMisc::current() : new frmMisc(this);
        note->setText(StudyCard::lookupNote(rs->value(QStringLiteral("Meaning")).toString(),
                                            rs->value(QStringLiteral("Example")).toString()));
        note->adjustSize();
        const QPoint listTopLeft = lstRead->mapToGlobal(QPoint(0, 0));
        QPoint at(listTopLeft.x() - note->width() + Look::twips(this, 1000), listTopLeft.y());
        if (const QScreen* screen = this->screen()) {
            const QRect area = screen->availableGeometry();
            at.setX(std::clamp(at.x(), area.left(),
                               std::max(area.left(), area.right() - note->width())));
            at.setY(std::clamp(at.y(), area.top(),
                               std::max(area.top(), area.bottom() - note->height())));
        }
        note->move(at);
        note->show();
        note->raise();
    });
}

void Form1::Label1_Click() {
    DirectSS1->speak(Text1->text());
}
void Form1::Label2_Click() {
    DirectSS1->speak(Text2->toPlainText());
}

void Form1::mnuReadit_Click(int index) {
    switch (index) {
    case 0:
        DirectSS1->speak(Text1->text());
        break;
    case 1:
        DirectSS1->speak(Text2->toPlainText());
        break;
    case 2:
        DirectSS1->speak(Text3->toPlainText());
        break;
    default:
        break;
    }
}

void Form1::cmdEdit_Click() {
    auto* edit = new frmEdit(this);
    edit->exec();
}

// ---- study tracking ----

void Form1::refreshTimerCaptions() {
    Label16->setText(Timer1->isActive() ? StudyTracking::RunningLabel : StudyTracking::PausedLabel);
    Command8->setText(Timer1->isActive() ? StudyTracking::PauseCaption
                                         : StudyTracking::ContinueCaption);
}

void Form1::resumeTimer() {
    if (!Timer1->isActive()) {
        Timer1->start();
        Label16->setText(StudyTracking::RunningLabel);
        Command8->setText(StudyTracking::PauseCaption);
    }
}

void Form1::studiedit_Click() {
    markFailureShown_ = false;
    resumeTimer();
    lblRdSess->setText(QString::number(StudyTracking::shownCount(lblRdSess->text()) + 1));
    const int reads = StudyTracking::shownCount(lblRdCnt->text()) + 1;
    writeMark(QStringLiteral("readcount"), reads);
    writeMark(QStringLiteral("lastread"), QDate::currentDate());
    writeMark(QStringLiteral("sessionBM"), true);
    recfunc();
}

void Form1::Timer1_Timer() {
    ++minutesElapsed;
    Label15[1]->setText(QString::number(minutesElapsed));
}

void Form1::Command8_Click() {
    if (Label16->text() != StudyTracking::RunningLabel) {
        Timer1->start();
        Label16->setText(StudyTracking::RunningLabel);
        Command8->setText(StudyTracking::PauseCaption);
    } else {
        Timer1->stop();
        Label16->setText(StudyTracking::PausedLabel);
        Command8->setText(StudyTracking::ContinueCaption);
    }
}

void Form1::writeMark(const QString& column, const QVariant& value) {
    Recordset* rs = recordset();
    if (!rs || !rs->hasCurrent())
        return; // no word shown: nothing to mark
    try {
        rs->setValue(column, value);
    } catch (const DbError& e) {
        // A learner's progress must not vanish silently; say so once per click.
        if (!markFailureShown_) {
            markFailureShown_ = true;
            MessageBox::info(this, tr("Your progress on this word could not be saved.\r\n\r\n") +
                                       e.description());
        }
        bindCurrentRow(); // the card shows what is stored, not what failed
    }
}

void Form1::chkDiff_Click(int index) {
    if (selection_.selectionChanging || bindingRow_)
        return;
    if (!cascading_)
        markFailureShown_ = false;
    const bool outermost = !cascading_;
    cascading_ = true;
    const auto steps = StudyTracking::difficultyClick(index, boxState(chkDiff[size_t(index)]),
                                                      boxState(chkDiff[size_t(1 - index)]));
    for (const StudyTracking::MarkStep& step : steps) {
        if (step.kind == StudyTracking::MarkStep::SetBox)
            chkDiff[size_t(step.box)]->setChecked(step.value); // runs that box's own click
        else
            writeMark(step.column, step.value);
    }
    if (outermost)
        cascading_ = false;
    recfunc();
}

// ---- navigation ----

void Form1::stepPrologue() {
    resumeTimer();
    for (int i = 0; i < 4; ++i)
        if (Option1[size_t(i)]->isChecked()) {
            applymode(i);
            break;
        }
}

void Form1::stepEpilogue() {
    if (!Text1->text().isEmpty()) {
        lstRead->addItem(Text1->text());
        lstRead->scrollToBottom();
    }
    if (chkPLock->isChecked())
        Command12_Click();
    recfunc();
}

void Form1::Command10_Click(int index) {
    stepPrologue();
    Navigation::step(recordset(), index != 0, navButtons_);
    Command10[0]->setEnabled(navButtons_.previous);
    Command10[1]->setEnabled(navButtons_.next);
    stepEpilogue();
}

void Form1::cmdRandomWord_Click() {
    stepPrologue();
    if (tryStep([&] { Navigation::moveToRandomRow(recordset(), Random::global().uniform()); }))
        stepEpilogue();
    else
        recfunc();
}

void Form1::randomword() {
    tryStep([&] { Navigation::moveToRandomRow(recordset(), Random::global().uniform()); });
    recfunc();
}

void Form1::randomwordAt(int position) {
    if (Recordset* rs = recordset())
        tryStep([&] { rs->moveTo(position); });
    recfunc();
}

void Form1::showRandomWordAt(int position) {
    stepPrologue();
    Recordset* rs = recordset();
    if (rs && tryStep([&] { rs->moveTo(position); }))
        stepEpilogue();
    else
        recfunc();
}

void Form1::Command12_Click() {
    tryStep([&] { DirectSS1->speak(Text1->text()); });
}

void Form1::findword(const QString& text) {
    const QString message = Navigation::findWordMessage(recordset(), text);
    if (!message.isEmpty())
        MessageBox::info(this, message);
}

void Form1::querybtn_Click(const QString& query) {
    selection_.querybtn(query);
}

// ---- events ----

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (watched == Command12 && mouse->button() == Qt::RightButton) {
            mnuRead->popup(mouse->globalPosition().toPoint());
            return true;
        }
        if (mouse->button() == Qt::LeftButton) {
            if (watched == Label1)
                Label1_Click();
            else if (watched == Label2)
                Label2_Click();
            else if (watched == Label16)
                Command8_Click();
        }
    } else if (type == QEvent::ContextMenu && watched == Command12) {
        mnuRead->popup(Command12->mapToGlobal(Command12->rect().center()));
        return true;
    } else if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) && isActiveWindow() &&
               watched == QApplication::focusWidget()) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->isAutoRepeat() || key->modifiers() != Qt::NoModifier)
            return false;
        if (key->key() == Qt::Key_F2) {
            type == QEvent::KeyPress ? btnHint_MouseDown() : btnHint_MouseUp();
            return true;
        }
        if (type == QEvent::KeyPress && !isTextInput(QApplication::focusWidget()) &&
            (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right)) {
            Command10_Click(key->key() == Qt::Key_Right ? 1 : 0);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
