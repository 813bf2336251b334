#include "ImportPreviewDialog.h"

#include "app/Random.h"
#include "study/StudySession.h"
#include "transfer/ImportPreviewModel.h"
#include "ui/Look.h"
#include "ui/MessageBox.h"
#include "ui/Widgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

using Widgets::label;
using Widgets::named;

namespace {

const struct {
    const char* name;
    char delimiter;
} kDelimiters[] = {{"Comma", ','}, {"Semicolon", ';'}, {"Tab", '\t'}, {"Bar", '|'}};

// A progress window with Cancel for work that takes longer than about half a second; the
// work calls the returned function now and then.
class ProgressWindow {
public:
    ProgressWindow(QWidget* parent, const QString& text)
        : dialog_(text, QObject::tr("Cancel"), 0, 1000, parent) {
        dialog_.setObjectName(QStringLiteral("importprogress"));
        dialog_.setWindowModality(Qt::WindowModal);
        dialog_.setMinimumDuration(500);
        dialog_.setAutoClose(false);
        dialog_.setAutoReset(false);
        dialog_.setValue(0);
    }
    WordListImport::Progress callback() {
        return [this](qint64 done, qint64 total) {
            dialog_.setValue(total > 0 ? int(std::min<qint64>(999, done * 1000 / total)) : 0);
            QCoreApplication::processEvents();
            return !dialog_.wasCanceled();
        };
    }

private:
    QProgressDialog dialog_;
};

} // namespace

void ImportPreviewDialog::chooseAndImport(StudySession& session, QWidget* parent) {
    QFileDialog chooser(parent, tr("Import Words"), QString(),
                        tr("Word lists (*.csv *.tsv *.txt *.kvtml *.xml);;All files (*)"));
    chooser.setObjectName(QStringLiteral("importfile"));
    chooser.setFileMode(QFileDialog::ExistingFile);
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return;
    ImportPreviewDialog dialog(session, chooser.selectedFiles().first(), parent);
    if (dialog.load())
        dialog.exec();
}

ImportPreviewDialog::ImportPreviewDialog(StudySession& session, const QString& path,
                                         QWidget* parent)
    : QDialog(parent), session_(session), path_(path) {
    setObjectName(QStringLiteral("frmImport"));
    setWindowTitle(tr("Import Words - %1").arg(QFileInfo(path).fileName()));
    buildWindow();
    resize(900, 640);
}

void ImportPreviewDialog::buildWindow() {
    file_ = label(QFileInfo(path_).absoluteFilePath(), QStringLiteral("lblFile"), this);
    QFormLayout* columns = buildColumnChoosers();
    QGroupBox* duplicatesBox = buildOptionBox(
        tr("Words you already have"), QStringLiteral("fraDuplicates"), duplicates_,
        {"&Skip them", "&Update their meaning and example"}, QStringLiteral("optDuplicates_%1"));
    duplicates_->button(0)->setChecked(true);
    QGroupBox* difficultyBox = buildOptionBox(
        tr("New words are"), QStringLiteral("fraDifficulty"), difficulty_,
        {"&Easy", "D&ifficult", "&Very Difficult"}, QStringLiteral("optDifficulty_%1"));
    difficulty_->button(NewWord::Easy)->setChecked(true);

    auto* choices = new QHBoxLayout;
    choices->addLayout(columns, 2);
    choices->addWidget(duplicatesBox, 1);
    choices->addWidget(difficultyBox, 1);

    buildPreviewArea();
    auto* lists = label(tr("New words go to list 51 or 52, as words you add yourself."),
                        QStringLiteral("lblLists"), this);
    QDialogButtonBox* buttons = buildButtons();

    auto* outer = new QVBoxLayout(this);
    outer->addWidget(file_);
    outer->addLayout(choices);
    outer->addWidget(table_, 1);
    outer->addWidget(counts_);
    outer->addWidget(refusals_);
    outer->addWidget(lists);
    outer->addWidget(buttons);

    for (QComboBox* box : {delimiter_, word_, meaning_, example_})
        connect(box, &QComboBox::currentIndexChanged, this, &ImportPreviewDialog::layoutChanged);
    for (QCheckBox* box : {headerRow_, html_})
        connect(box, &QCheckBox::toggled, this, &ImportPreviewDialog::layoutChanged);
    connect(duplicates_, &QButtonGroup::idToggled, this, [this] { showPreview(); });
}

QFormLayout* ImportPreviewDialog::buildColumnChoosers() {
    delimiter_ = named(new QComboBox(this), QStringLiteral("cboDelimiter"));
    for (const auto& d : kDelimiters)
        delimiter_->addItem(tr(d.name), int(d.delimiter));
    headerRow_ = named(new QCheckBox(tr("First row holds column &names"), this),
                       QStringLiteral("chkHeader"));
    html_ = named(new QCheckBox(tr("Cells hold &HTML (tags are removed)"), this),
                  QStringLiteral("chkHtml"));
    word_ = named(new QComboBox(this), QStringLiteral("cboWord"));
    meaning_ = named(new QComboBox(this), QStringLiteral("cboMeaning"));
    example_ = named(new QComboBox(this), QStringLiteral("cboExample"));

    auto* columns = new QFormLayout;
    columns->addRow(tr("&Delimiter:"), delimiter_);
    columns->addRow(QString(), headerRow_);
    columns->addRow(QString(), html_);
    columns->addRow(tr("&Word column:"), word_);
    columns->addRow(tr("&Meaning column:"), meaning_);
    columns->addRow(tr("E&xample column:"), example_);
    return columns;
}

QGroupBox* ImportPreviewDialog::buildOptionBox(const QString& title, const QString& name,
                                               QButtonGroup*& group,
                                               std::initializer_list<const char*> options,
                                               const QString& optionName) {
    auto* box = named(new QGroupBox(title, this), name);
    group = new QButtonGroup(this);
    auto* layout = new QVBoxLayout(box);
    int id = 0;
    for (const char* text : options) {
        auto* option = named(new QRadioButton(tr(text), box), optionName.arg(id));
        group->addButton(option, id);
        layout->addWidget(option);
        ++id;
    }
    return box;
}

void ImportPreviewDialog::buildPreviewArea() {
    model_ = new ImportPreviewModel(this);
    model_->setRefusedColour(Look::colour(Look::Colour::Wrong));
    table_ = named(new QTableView(this), QStringLiteral("grdPreview"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the rows for the choices; the arrows move within them.
    table_->setTabKeyNavigation(false);
    table_->setAccessibleName(tr("The rows as they will be stored"));
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    counts_ = label(QString(), QStringLiteral("lblCounts"), this);
    counts_->setWordWrap(true);
    refusals_ = named(new QPlainTextEdit(this), QStringLiteral("txtRefused"));
    refusals_->setReadOnly(true);
    refusals_->setTabChangesFocus(true);
    refusals_->setAccessibleName(tr("Rows that cannot be imported"));
    refusals_->setMaximumHeight(90);
}

QDialogButtonBox* ImportPreviewDialog::buildButtons() {
    auto* buttons = new QDialogButtonBox(this);
    import_ = named(buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole),
                    QStringLiteral("cmdImport"));
    named(buttons->addButton(QDialogButtonBox::Cancel), QStringLiteral("cmdCancel"));
    import_->setDefault(true);
    connect(import_, &QPushButton::clicked, this, &ImportPreviewDialog::importWords);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    return buttons;
}

bool ImportPreviewDialog::load() {
    QString error;
    layout_ = WordListFile::inspect(path_, &error);
    if (!error.isEmpty()) {
        MessageBox::info(parentWidget(), error);
        return false;
    }
    fillChoosers();
    return refresh();
}

void ImportPreviewDialog::fillChoosers() {
    filling_ = true;
    const bool delimited = layout_.format == FileLayout::Format::Delimited;
    for (QWidget* w : {static_cast<QWidget*>(delimiter_), static_cast<QWidget*>(headerRow_),
                       static_cast<QWidget*>(html_)})
        w->setEnabled(delimited);
    for (int i = 0; i < delimiter_->count(); ++i)
        if (delimiter_->itemData(i).toInt() == layout_.delimiter)
            delimiter_->setCurrentIndex(i);
    headerRow_->setChecked(layout_.headerRow);
    html_->setChecked(layout_.html);
    const struct {
        QComboBox* box;
        int column;
        bool optional;
    } choosers[] = {{word_, layout_.word, false},
                    {meaning_, layout_.meaning, true},
                    {example_, layout_.example, true}};
    for (const auto& c : choosers) {
        c.box->clear();
        if (c.optional)
            c.box->addItem(tr("(none)"), -1);
        for (int i = 0; i < layout_.columns.size(); ++i)
            if (i != layout_.lesson)
                c.box->addItem(layout_.columns[i], i);
        c.box->setCurrentIndex(std::max(0, c.box->findData(c.column)));
    }
    filling_ = false;
}

void ImportPreviewDialog::layoutChanged() {
    if (filling_)
        return;
    const char delimiter = char(delimiter_->currentData().toInt());
    if (layout_.format == FileLayout::Format::Delimited && delimiter != layout_.delimiter) {
        // Another delimiter makes other columns: the file is looked at afresh.
        QString error;
        layout_ = WordListFile::inspect(path_, &error, delimiter);
        if (!error.isEmpty()) {
            MessageBox::info(this, error);
            reject();
            return;
        }
    } else if (headerRow_->isChecked() != layout_.headerRow) {
        WordListFile::setHeaderRow(layout_, headerRow_->isChecked());
    } else {
        layout_.html = html_->isChecked();
        layout_.word = word_->currentData().toInt();
        layout_.meaning = meaning_->currentData().toInt();
        layout_.example = example_->currentData().toInt();
    }
    fillChoosers();
    if (!refresh())
        reject();
}

bool ImportPreviewDialog::refresh() {
    {
        ProgressWindow progress(this, tr("Reading %1...").arg(QFileInfo(path_).fileName()));
        preview_ = WordListImport::preview(path_, layout_, *session_.store(), progress.callback());
    }
    if (preview_.cancelled)
        return false;
    if (!preview_.error.isEmpty()) {
        MessageBox::info(isVisible() ? this : parentWidget(), preview_.error);
        return false;
    }
    showPreview();
    return true;
}

void ImportPreviewDialog::showPreview() {
    const bool update = duplicates_->checkedId() == 1;
    model_->setRows(preview_.rows, update, layout_.lesson >= 0);
    table_->resizeColumnsToContents();
    counts_->setText(tr("%1 new words, %2 already among your words, %3 repeated in the file, "
                        "%4 rows cannot be imported.")
                         .arg(preview_.newWords)
                         .arg(preview_.existing)
                         .arg(preview_.repeated)
                         .arg(preview_.refused));
    QStringList lines;
    for (const auto& row : preview_.refusals)
        lines << WordListImport::refusalLine(row);
    refusals_->setPlainText(lines.join(u'\n'));
    refusals_->setVisible(!lines.isEmpty());
    import_->setEnabled(preview_.newWords > 0 ||
                        (update && preview_.existing + preview_.repeated > 0));
}

WordListImport::Options ImportPreviewDialog::options() const {
    WordListImport::Options o;
    o.updateExisting = duplicates_->checkedId() == 1;
    o.difficulty = NewWord::Difficulty(difficulty_->checkedId());
    return o;
}

void ImportPreviewDialog::importWords() {
    if (!session_.store())
        return;
    WordListImport::Outcome outcome;
    session_.hold(); // the ticker and the learner's steps wait for the write
    {
        ProgressWindow progress(this, tr("Importing %1...").arg(QFileInfo(path_).fileName()));
        outcome = WordListImport::importFile(*session_.store(), path_, layout_, options(),
                                             Random::global(), progress.callback());
    }
    session_.release();
    if (outcome.cancelled) {
        MessageBox::info(this, tr("Import cancelled: nothing was imported."));
        return;
    }
    if (!outcome.error.isEmpty()) {
        MessageBox::info(this, outcome.error);
        return;
    }
    // New words show among all words, as after adding a word.
    if (outcome.counts.added + outcome.counts.updated > 0)
        session_.applySelection(StudySession::AllWords);
    emit imported(outcome);
    MessageBox::info(this, WordListImport::summary(outcome) + QLatin1Char('.'));
    accept();
}
