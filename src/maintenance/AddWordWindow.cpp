#include "AddWordWindow.h"

#include "app/Random.h"
#include "data/DbError.h"
#include "maintenance/WordName.h"
#include "study/StudySession.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"
#include "ui/Widgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

using Widgets::label;
using Widgets::named;

QPointer<AddWordWindow>& instance() {
    static QPointer<AddWordWindow> window;
    return window;
}

} // namespace

AddWordWindow* AddWordWindow::open(StudySession& session, QWidget* parent) {
    AddWordWindow* window = instance() ? instance().data() : new AddWordWindow(session, parent);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

AddWordWindow* AddWordWindow::current() {
    return instance();
}

AddWordWindow::AddWordWindow(StudySession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setObjectName(QStringLiteral("frmAddWord"));
    setWindowTitle(tr("Add Word"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    instance() = this;
    buildWindow();
    resize(560, 320);
    session_.beginAddingWords();
    wordBox_->setFocus();
}

AddWordWindow::~AddWordWindow() {
    if (instance() == this)
        instance() = nullptr;
}

void AddWordWindow::buildWindow() {
    auto* picture = named(new QLabel(this), QStringLiteral("Picture1"));
    picture->setPixmap(Look::appPicture(48));
    auto* heading = label(tr("Add a Word"), QStringLiteral("Label14"), this);
    heading->setFont(Look::arial(16, true));
    heading->setProperty("tone", QStringLiteral("accent"));

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(10);
    grid->setColumnStretch(1, 1);
    int row = 0;
    const auto addBox = [&](const QString& caption, const QString& captionName,
                            const QString& boxName) {
        auto* captionLabel = label(caption, captionName, this);
        auto* box = named(new QLineEdit(this), boxName);
        box->setMinimumWidth(380);
        captionLabel->setBuddy(box);
        grid->addWidget(captionLabel, row, 0);
        grid->addWidget(box, row++, 1);
        return box;
    };
    wordBox_ = addBox(tr("Word"), QStringLiteral("Label1"), QStringLiteral("txtWord"));
    wordBox_->setFont(Look::arial(13, true));
    meaningBox_ = addBox(tr("Meaning"), QStringLiteral("Label3"), QStringLiteral("txtMeaning"));
    usageBox_ = addBox(tr("Usage"), QStringLiteral("Label2"), QStringLiteral("txtUsage"));

    QGroupBox* levels = buildDifficulty();
    auto* note =
        label(tr("You can anytime change the Difficutly Level"), QStringLiteral("Label4"), this);
    note->setProperty("tone", QStringLiteral("muted"));

    addButton_ = named(new QPushButton(tr("Add Word"), this), QStringLiteral("cmdAddWord"));
    closeButton_ = named(new QPushButton(tr("Close"), this), QStringLiteral("Command1"));
    // Enter in a box must not store a half-typed word: only a click or Space adds.
    addButton_->setAutoDefault(false);
    closeButton_->setAutoDefault(false);
    connect(addButton_, &QPushButton::clicked, this, &AddWordWindow::addWord);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::close);

    auto* header = new QHBoxLayout;
    header->addWidget(picture);
    header->addSpacing(8);
    header->addWidget(heading, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(addButton_);
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(10);
    layout->addLayout(header);
    layout->addLayout(grid);
    layout->addWidget(levels);
    layout->addWidget(note);
    layout->addStretch();
    layout->addLayout(buttons);
}

QGroupBox* AddWordWindow::buildDifficulty() {
    auto* box = named(new QGroupBox(tr("Difficulty Level"), this), QStringLiteral("Frame1"));
    const QStringList captions{tr("Easy"), tr("Difficult "), tr("Very Difficult")};
    auto* row = new QHBoxLayout(box);
    for (int i = 0; i < 3; ++i) {
        difficultyOptions_[size_t(i)] =
            named(new QRadioButton(captions[i], box), QStringLiteral("optDiffLevel_%1").arg(i));
        row->addWidget(difficultyOptions_[size_t(i)]);
    }
    row->addStretch();
    difficultyOptions_[0]->setChecked(true);
    return box;
}

NewWord::Difficulty AddWordWindow::difficulty() const {
    for (int i = 0; i < 3; ++i)
        if (difficultyOptions_[size_t(i)]->isChecked())
            return NewWord::Difficulty(i);
    return NewWord::Easy;
}

void AddWordWindow::addWord() {
    const WordName::Checked name = WordName::check(wordBox_->text());
    if (!name.ok()) {
        MessageBox::show(this, {name.error, QString(), QMessageBox::Warning});
        wordBox_->setFocus();
        return;
    }
    if (!storeWord(name.word))
        return;
    const auto answer =
        MessageBox::show(this, {NewWord::AddedAskAnother, QString(), QMessageBox::Information,
                                QMessageBox::Yes | QMessageBox::No});
    if (answer != QMessageBox::Yes) {
        close();
        return;
    }
    for (QLineEdit* box : {wordBox_, meaningBox_, usageBox_})
        box->clear();
    wordBox_->setFocus();
}

bool AddWordWindow::storeWord(const QString& name) {
    try {
        session_.addWord(NewWord::row(name, meaningBox_->text(), usageBox_->text(), difficulty(),
                                      Random::global().uniform()));
    } catch (const DbError& e) {
        if (e.code() == DbErrorCode::Duplicate) {
            MessageBox::show(this, {NewWord::AlreadyExists, QString(), QMessageBox::Warning});
            wordBox_->setFocus();
        } else {
            MessageBox::info(this, NewWord::errorText(e.number(), e.description()));
        }
        return false;
    }
    return true;
}

void AddWordWindow::done(int result) {
    if (!ended_) {
        ended_ = true;
        session_.endAddingWords();
    }
    QDialog::done(result);
}
