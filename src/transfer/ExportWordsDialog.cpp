#include "ExportWordsDialog.h"

#include "data/Recordset.h"
#include "study/StudySession.h"
#include "transfer/WordListExport.h"
#include "ui/MessageBox.h"
#include "ui/Widgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QVBoxLayout>

using Widgets::label;
using Widgets::named;
using WordListExport::Format;

namespace {

const struct {
    const char* caption;
    const char* suffix;
} kFormats[] = {
    {"&CSV, for spreadsheets", "csv"},
    {"&Tab-separated text, for flashcard programs", "tsv"},
    {"&KVTML, for KDE's vocabulary programs", "kvtml"},
};

} // namespace

ExportWordsDialog::ExportWordsDialog(StudySession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
    setObjectName(QStringLiteral("frmExport"));
    setWindowTitle(tr("Export Words"));
    const Recordset* rows = session_.refinedRows();
    auto* count = label(tr("The %1 words of your refined selection are written.")
                            .arg(rows ? rows->recordCount() : 0),
                        QStringLiteral("lblCount"), this);

    auto* formatBox = named(new QGroupBox(tr("Format"), this), QStringLiteral("fraFormat"));
    auto* formatLayout = new QVBoxLayout(formatBox);
    format_ = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto* option = named(new QRadioButton(tr(kFormats[i].caption), formatBox),
                             QStringLiteral("optFormat_%1").arg(i));
        format_->addButton(option, i);
        formatLayout->addWidget(option);
    }
    masked_ = named(new QCheckBox(tr("Keep the word &masked (---) in the examples"), this),
                    QStringLiteral("chkMasked"));
    progress_ = named(new QCheckBox(tr("Add &times studied and last studied"), this),
                      QStringLiteral("chkProgress"));

    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    file_ = named(new QLineEdit(QDir(folder).filePath(QStringLiteral("verbaloom-words.csv")),
                                this),
                  QStringLiteral("txtFile"));
    auto* browse = named(new QPushButton(tr("&Browse..."), this), QStringLiteral("cmdBrowse"));
    auto* fileCaption = label(tr("File:"), QStringLiteral("lblFile"), this);
    fileCaption->setBuddy(file_);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(fileCaption);
    fileRow->addWidget(file_, 1);
    fileRow->addWidget(browse);

    auto* buttons = new QDialogButtonBox(this);
    auto* write = named(buttons->addButton(tr("&Export"), QDialogButtonBox::AcceptRole),
                        QStringLiteral("cmdExport"));
    named(buttons->addButton(QDialogButtonBox::Cancel), QStringLiteral("cmdCancel"));
    write->setDefault(true);
    write->setEnabled(rows && rows->recordCount() > 0);

    auto* outer = new QVBoxLayout(this);
    outer->addWidget(count);
    outer->addWidget(formatBox);
    outer->addWidget(masked_);
    outer->addWidget(progress_);
    outer->addLayout(fileRow);
    outer->addWidget(buttons);

    connect(format_, &QButtonGroup::idClicked, this, &ExportWordsDialog::formatChosen);
    connect(browse, &QPushButton::clicked, this, &ExportWordsDialog::browse);
    connect(write, &QPushButton::clicked, this, &ExportWordsDialog::exportWords);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    format_->button(0)->setChecked(true);
}

void ExportWordsDialog::formatChosen(int format) {
    // The file's name follows the format, as the learner would expect of a save window.
    const QFileInfo info(file_->text());
    file_->setText(QDir(info.path()).filePath(info.completeBaseName() + QLatin1Char('.') +
                                              QLatin1String(kFormats[format].suffix)));
}

void ExportWordsDialog::browse() {
    const QString chosen = QFileDialog::getSaveFileName(
        this, tr("Export Words"), file_->text(),
        tr("Word lists (*.%1)").arg(QLatin1String(kFormats[format_->checkedId()].suffix)));
    if (!chosen.isEmpty())
        file_->setText(chosen);
}

void ExportWordsDialog::exportWords() {
    const Recordset* rows = session_.refinedRows();
    const QString path = file_->text().trimmed();
    if (!rows || path.isEmpty())
        return;
    WordListExport::Options options;
    options.format = Format(format_->checkedId());
    options.masked = masked_->isChecked();
    options.progress = progress_->isChecked();
    if (QFileInfo::exists(path) &&
        MessageBox::question(this, tr("%1 already exists. Replace it?")
                                       .arg(QFileInfo(path).fileName())) != QMessageBox::Yes)
        return;
    QString error;
    if (!WordListExport::write(path, options, *rows, &error)) {
        MessageBox::info(this, error);
        return;
    }
    MessageBox::info(this, tr("%1 words written to %2.")
                               .arg(rows->recordCount())
                               .arg(QFileInfo(path).fileName()));
    accept();
}
