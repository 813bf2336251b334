#include "frmAddWord.h"

#include "app/Random.h"
#include "data/DataSource.h"
#include "data/DbError.h"
#include "data/Recordset.h"
#include "maintenance/NewWord.h"
#include "maintenance/WordName.h"
#include "study/Form1.h"
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

using Widgets::named;
QPointer<frmAddWord>& instance() {
    static QPointer<frmAddWord> window;
    return window;
}

} // namespace

frmAddWord::frmAddWord(Form1* main) : QDialog(main), main_(main) {
    setObjectName(QStringLiteral("frmAddWord"));
    setWindowTitle(tr("Add Word"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    instance() = this;

    Picture1 = named(new QLabel(this), QStringLiteral("Picture1"));
    Picture1->setPixmap(Look::appPicture(48));
    Label14 = named(new QLabel(tr("Add a Word"), this), QStringLiteral("Label14"));
    Label14->setFont(Look::arial(16, true));
    Label14->setStyleSheet(QStringLiteral("color: #1f6f8b;"));

    Label1 = named(new QLabel(tr("Word"), this), QStringLiteral("Label1"));
    txtWord = named(new QLineEdit(this), QStringLiteral("txtWord"));
    txtWord->setFont(Look::arial(13, true));
    Label1->setBuddy(txtWord);
    Label3 = named(new QLabel(tr("Meaning"), this), QStringLiteral("Label3"));
    txtMeaning = named(new QLineEdit(this), QStringLiteral("txtMeaning"));
    Label3->setBuddy(txtMeaning);
    Label2 = named(new QLabel(tr("Usage"), this), QStringLiteral("Label2"));
    txtUsage = named(new QLineEdit(this), QStringLiteral("txtUsage"));
    Label2->setBuddy(txtUsage);
    for (QLineEdit* box : {txtWord, txtMeaning, txtUsage})
        box->setMinimumWidth(380);

    Frame1 = named(new QGroupBox(tr("Difficulty Level"), this), QStringLiteral("Frame1"));
    const QStringList levels{tr("Easy"), tr("Difficult "), tr("Very Difficult")};
    auto* levelRow = new QHBoxLayout(Frame1);
    for (int i = 0; i < 3; ++i) {
        optDiffLevel[size_t(i)] =
            named(new QRadioButton(levels[i], Frame1), QStringLiteral("optDiffLevel_%1").arg(i));
        levelRow->addWidget(optDiffLevel[size_t(i)]);
    }
    levelRow->addStretch();
    optDiffLevel[0]->setChecked(true);
    Label4 = named(new QLabel(tr("You can anytime change the Difficutly Level"), this),
                   QStringLiteral("Label4"));
    Label4->setStyleSheet(QStringLiteral("color: #8a8272;"));

    cmdAddWord = named(new QPushButton(tr("Add Word"), this), QStringLiteral("cmdAddWord"));
    Command1 = named(new QPushButton(tr("Close"), this), QStringLiteral("Command1"));
    // Enter in a box must not store a half-typed word: only a click or Space adds.
    cmdAddWord->setAutoDefault(false);
    Command1->setAutoDefault(false);
    connect(cmdAddWord, &QPushButton::clicked, this, &frmAddWord::cmdAddWord_Click);
    connect(Command1, &QPushButton::clicked, this, &frmAddWord::command1_Click);

    auto* header = new QHBoxLayout;
    header->addWidget(Picture1);
    header->addSpacing(8);
    header->addWidget(Label14, 1);
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(10);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(txtWord, 0, 1);
    grid->addWidget(Label3, 1, 0);
    grid->addWidget(txtMeaning, 1, 1);
    grid->addWidget(Label2, 2, 0);
    grid->addWidget(txtUsage, 2, 1);
    grid->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdAddWord);
    buttons->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(10);
    layout->addLayout(header);
    layout->addLayout(grid);
    layout->addWidget(Frame1);
    layout->addWidget(Label4);
    layout->addStretch();
    layout->addLayout(buttons);

    setTabOrder(txtWord, txtMeaning);
    setTabOrder(txtMeaning, txtUsage);
    setTabOrder(txtUsage, optDiffLevel[0]);
    setTabOrder(optDiffLevel[0], cmdAddWord);
    setTabOrder(cmdAddWord, Command1);
    resize(560, 320);
    Form_Load();
}

frmAddWord::~frmAddWord() {
    if (instance() == this)
        instance() = nullptr;
}

frmAddWord* frmAddWord::current() {
    return instance();
}

frmAddWord* frmAddWord::open(Form1* main) {
    frmAddWord* window = instance() ? instance().data() : new frmAddWord(main);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void frmAddWord::Form_Load() {
    kept_ = main_->Adodc1->recordset();
    txtWord->setFocus();
}

int frmAddWord::difficulty() const {
    for (int i = 0; i < 3; ++i)
        if (optDiffLevel[size_t(i)]->isChecked())
            return i;
    return NewWord::Easy;
}

void frmAddWord::cmdAddWord_Click() {
    const WordName::Checked name = WordName::check(txtWord->text());
    if (!name.ok()) {
        MessageBox::show(this, {name.error, QString(), QMessageBox::Warning});
        txtWord->setFocus();
        return;
    }
    CurrentSelection& selection = main_->selection();
    selection.selectionChanging = true;
    try {
        main_->Adodc1->setRecordSource(CurrentSelection::AllWords);
        main_->Adodc1->refresh();
        const std::shared_ptr<Recordset> rs = main_->Adodc1->recordset();
        if (!rs)
            throw DbErrors::noCurrentRecord();
        rs->addNew(NewWord::row(txtWord->text(), txtMeaning->text(), txtUsage->text(),
                                NewWord::Difficulty(difficulty()), Random::global().uniform()));
    } catch (const DbError& e) {
        selection.selectionChanging = false;
        if (e.number() == DbErrors::Fail) {
            MessageBox::show(this, {NewWord::AlreadyExists, QString(), QMessageBox::Warning});
            txtWord->setFocus();
        } else {
            MessageBox::info(this, NewWord::errorText(e.number(), e.description()));
        }
        return;
    }
    selection.selectionChanging = false;

    const auto answer =
        MessageBox::show(this, {NewWord::AddedAskAnother, QString(), QMessageBox::Information,
                                QMessageBox::Yes | QMessageBox::No});
    if (answer == QMessageBox::Yes) {
        txtWord->clear();
        txtMeaning->clear();
        txtUsage->clear();
        txtWord->setFocus();
    } else {
        close();
    }
}

void frmAddWord::command1_Click() {
    close();
}

void frmAddWord::done(int result) {
    Form_Unload();
    QDialog::done(result);
}

void frmAddWord::Form_Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    // The rows kept at opening come back, and the source in force now is re-run: all words
    // after an addition, the former selection when nothing was added; from the first word.
    DataSource* source = main_->Adodc1;
    const QString sourceText = source->recordSource();
    if (kept_)
        source->setRecordset(kept_);
    source->setRecordSource(sourceText);
    tryStep([&] { source->refresh(); });
    kept_.reset();
}
