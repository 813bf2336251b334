#include "WordListWindow.h"

#include "data/DbError.h"
#include "data/Speech.h"
#include "selection/RefineSelectionDialog.h"
#include "study/Navigation.h"
#include "study/StudySession.h"
#include "ui/Keys.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"
#include "ui/Widgets.h"
#include "views/ListView.h"
#include "views/NavigateWindow.h"
#include "views/PrintWordListDialog.h"
#include "views/WordGridPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>

namespace {

using Widgets::named;

double pixelsToTwips(const QWidget* w, int pixels) {
    return pixels * 1440.0 / w->logicalDpiX();
}

} // namespace

WordListWindow::WordListWindow(StudySession& session, Speech& speech, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), speech_(speech) {
    setObjectName(QStringLiteral("frmList"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("List View"));
    setWindowIcon(Look::icon(Look::Icon::List));
    buildWindow();
    layOut();
    connectControls();
    Keys::likeADialog(this);
    resize(980, 620);
    setMinimumSize(640, 400);
}

// Every control and its objectName, in one place (the grid's are in WordGridPanel).
void WordListWindow::buildWindow() {
    grid_ = new WordGridPanel(session_, this);
    findCaption_ = named(new QLabel(tr("&Find"), this), QStringLiteral("Label2"));
    findBox_ = named(new QLineEdit(this), QStringLiteral("Text1"));
    findBox_->setClearButtonEnabled(true);
    findBox_->setMaxLength(200);
    findBox_->setPlaceholderText(tr("first letters of a word"));
    findBox_->setProperty("framed", true);
    findCaption_->setBuddy(findBox_);
    refineButton_ =
        named(new QPushButton(tr("&Refine Selection ..."), this), QStringLiteral("Command1"));
    navigateButton_ =
        named(new QPushButton(tr("Easy Navigate ..."), this), QStringLiteral("Command2"));
    printButton_ = named(new QPushButton(tr("Print It!"), this), QStringLiteral("Command3"));
    printButton_->setToolTip(tr("Print Whatever you are seeing below"));
    printButton_->setIcon(Look::icon(Look::Icon::Print));
    closeButton_ = named(new QPushButton(tr("Close"), this), QStringLiteral("Command4"));
    pronounceButton_ = named(new QPushButton(this), QStringLiteral("Command12"));
    pronounceButton_->setIcon(Look::icon(Look::Icon::Speaker));
    pronounceButton_->setIconSize(QSize(20, 20));
    pronounceButton_->setAccessibleName(tr("Pronounce"));
    pronounceButton_->setToolTip(tr("Pronounce"));
}

void WordListWindow::layOut() {
    auto* top = new QHBoxLayout;
    top->addWidget(findCaption_);
    top->addWidget(findBox_, 1);
    top->addSpacing(12);
    top->addWidget(pronounceButton_);
    top->addSpacing(12);
    top->addWidget(refineButton_);
    top->addWidget(navigateButton_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(printButton_);
    bottom->addStretch();
    bottom->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    // The grid takes the window's width less 200 twips, as the column rule counts on.
    const int side = Look::twips(this, 100);
    layout->setContentsMargins(side, 10, side, 10);
    layout->addLayout(top);
    layout->addWidget(grid_, 1);
    layout->addLayout(bottom);

    setTabOrder(findBox_, pronounceButton_);
    setTabOrder(pronounceButton_, refineButton_);
    setTabOrder(refineButton_, navigateButton_);
    setTabOrder(navigateButton_, grid_->table());
    setTabOrder(grid_->table(), printButton_);
    setTabOrder(printButton_, closeButton_);
}

void WordListWindow::connectControls() {
    connect(findBox_, &QLineEdit::textChanged, this, &WordListWindow::onFindTextChanged);
    connect(refineButton_, &QPushButton::clicked, this, &WordListWindow::openRefineSelection);
    connect(navigateButton_, &QPushButton::clicked, this, &WordListWindow::openNavigate);
    connect(printButton_, &QPushButton::clicked, this, &WordListWindow::printWords);
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
    connect(pronounceButton_, &QPushButton::clicked, this, &WordListWindow::pronounce);
}

void WordListWindow::start() {
    MessageBox::info(this, ListView::openingMessage());
    // Closed while the hint was up: nothing more to open.
    if (!isVisible())
        return;
    openNavigate();
    grid_->table()->setFocus();
}

void WordListWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    grid_->fitColumns(
        ListView::gridLayout(pixelsToTwips(this, width()), pixelsToTwips(this, height())));
}

void WordListWindow::onFindTextChanged(const QString& text) {
    QString refusal;
    if (!session_.find(text, &refusal))
        MessageBox::info(this, refusal.isEmpty() ? Navigation::wordNotFoundMessage() : refusal);
}

// Beside the list and not in its way: the list stays in use while the learner refines.
void WordListWindow::openRefineSelection() {
    auto* dialog = new RefineSelectionDialog(session_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void WordListWindow::openNavigate() {
    if (!navigate_) {
        navigate_ = new NavigateWindow(session_, speech_, this);
        navigate_->adjustSize();
        // Beside the list's right edge, on the screen.
        QPoint at = geometry().topRight() + QPoint(12, 40);
        if (const QScreen* s = screen()) {
            const QRect area = s->availableGeometry();
            at.setX(std::min(at.x(), area.right() - navigate_->width()));
            at.setY(std::clamp(at.y(), area.top(),
                               std::max(area.top(), area.bottom() - navigate_->height())));
        }
        navigate_->move(at);
    }
    navigate_->show();
    navigate_->raise();
}

void WordListWindow::printWords() {
    PrintWordListDialog::run(session_, this);
}

void WordListWindow::pronounce() {
    const QString word = session_.currentWord().name;
    tryStep([&] { speech_.speak(word); });
}
