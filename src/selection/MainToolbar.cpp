#include "MainToolbar.h"

#include "ui/Look.h"
#include "ui/Widgets.h"

#include <QAction>
#include <QChildEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

using Widgets::named;

namespace {

struct Button {
    const char* caption; // none: a separator
    const char* key;
    const char* tip;
    const char* second; // the second text, kept as What's This, not shown in normal use
    Look::Icon icon;
};

const Button kButtons[] = {
    {"Words Selection", "Intelli Select", "Select set of words to study", "", Look::Icon::Select},
    {"Refine Selection", "Filter It!", "Refine your CURRENT SELECTION", "", Look::Icon::Refine},
    {nullptr, nullptr, nullptr, nullptr, Look::Icon::App},
    {"Session Revision", "Revise", "Revise whatever you've practiced during this session",
     "Revise whatever you've marked read this session", Look::Icon::Revise},
    {"Due Words", "Due Words", "Study the words the planner has waiting for you today", "",
     Look::Icon::Due},
    {"Quiz", "Quiz", "Take a Quiz of words in REFINED SELECTION", "Take a test", Look::Icon::Quiz},
    {"Game", "Game", "", "Word Game", Look::Icon::Game},
    {"One Spot - Ticker", "One Spot", "Sit back. Ticker On.", "", Look::Icon::Ticker},
    {"List View", "Listy", "Another excellent way to practice the words", "", Look::Icon::List},
    {nullptr, nullptr, nullptr, nullptr, Look::Icon::App},
    {"Print It!", "Print It!", "Print the words that are in your REFINED SELECTION Set", "",
     Look::Icon::Print},
    {nullptr, nullptr, nullptr, nullptr, Look::Icon::App},
    {"Report", "Report", "Check You Progress Report", "", Look::Icon::Report},
};

} // namespace

MainToolbar::MainToolbar(QMainWindow* window) : QObject(window) {
    toolBar_ = named(new QToolBar(tr("Toolbar"), window), QStringLiteral("Toolbar1"));
    toolBar_->setMovable(false);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolBar_->setIconSize(QSize(28, 28));
    window->addToolBar(Qt::TopToolBarArea, toolBar_);
    // Its buttons take the focus by Tab, as every other button does; they are made as the
    // actions are added.
    toolBar_->installEventFilter(this);
    int separators = 0;
    for (const Button& b : kButtons) {
        if (!b.caption) {
            toolBar_->addSeparator()->setObjectName(
                QStringLiteral("Separator_%1").arg(++separators));
            continue;
        }
        QAction* action = toolBar_->addAction(Look::icon(b.icon), tr(b.caption));
        const QString key = QString::fromLatin1(b.key);
        action->setObjectName(key);
        action->setToolTip(tr(b.tip));
        action->setWhatsThis(tr(b.second));
        connect(action, &QAction::triggered, this, [this, key] { emit actionTriggered(key); });
    }
    buildMenus(window);
}

void MainToolbar::buildMenus(QMainWindow* window) {
    QMenuBar* bar = window->menuBar();
    QMenu* words = named(bar->addMenu(tr("&Add Word")), QStringLiteral("file"));
    connect(named(words->addAction(tr("&Add Word")), QStringLiteral("addword")),
            &QAction::triggered, this, &MainToolbar::addWordRequested);
    connect(named(words->addAction(tr("&Import Words...")), QStringLiteral("importwords")),
            &QAction::triggered, this, &MainToolbar::importWordsRequested);
    connect(named(words->addAction(tr("&Export Words...")), QStringLiteral("exportwords")),
            &QAction::triggered, this, &MainToolbar::exportWordsRequested);
    connect(named(bar->addAction(tr("&Tutorial")), QStringLiteral("Tutorial")),
            &QAction::triggered, this, &MainToolbar::tutorialRequested);
    connect(named(bar->addAction(tr("&Options")), QStringLiteral("options")),
            &QAction::triggered, this, &MainToolbar::optionsRequested);
    QMenu* help = named(bar->addMenu(tr("A&bout")), QStringLiteral("menuabout"));
    connect(named(help->addAction(tr("&Verbaloom Tips")), QStringLiteral("vlguide")),
            &QAction::triggered, this, &MainToolbar::tipsRequested);
    connect(named(help->addAction(tr("About &Verbaloom!")), QStringLiteral("about")),
            &QAction::triggered, this, &MainToolbar::aboutRequested);
}

bool MainToolbar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == toolBar_ && event->type() == QEvent::ChildPolished)
        if (auto* button = qobject_cast<QToolButton*>(static_cast<QChildEvent*>(event)->child())) {
            button->setFocusPolicy(Qt::TabFocus);
            // The button the toolbar shows when the window is too narrow for all of them.
            if (button->objectName() == QLatin1String("qt_toolbar_ext_button"))
                button->setAccessibleName(tr("More toolbar buttons"));
        }
    return QObject::eventFilter(watched, event);
}

void MainToolbar::showWaiting(int count) {
    if (QAction* due = action(DueWords))
        due->setText(tr("Due Words (%1)").arg(count));
}

QAction* MainToolbar::action(const QString& key) const {
    for (QAction* a : toolBar_->actions())
        if (a->objectName() == key)
            return a;
    return nullptr;
}
