#include "TourWindow.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
template <class W> W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}
} // namespace

TourWindow::TourWindow(QWidget* parent) : QMainWindow(parent), pages_(tourPages()) {
    setObjectName(QStringLiteral("TourWindow"));
    setWindowTitle(tr("Verbaloom Tour"));
    setWindowIcon(Look::icon(Look::Icon::App));

    auto* central = new QWidget(this);
    setCentralWidget(central);

    auto* banner = named(new QFrame(central), QStringLiteral("tourBanner"));
    banner->setProperty("surface", QStringLiteral("banner"));
    auto* logo = new QLabel(banner);
    logo->setPixmap(Look::appPicture(40));
    auto* bannerTitle = new QLabel(tr("Verbaloom Tour"), banner);
    bannerTitle->setFont(Look::arial(16, true));
    lblPage = named(new QLabel(banner), QStringLiteral("lblPage"));
    auto* bannerRow = new QHBoxLayout(banner);
    bannerRow->setContentsMargins(16, 8, 16, 8);
    bannerRow->addWidget(logo);
    bannerRow->addSpacing(8);
    bannerRow->addWidget(bannerTitle);
    bannerRow->addStretch();
    bannerRow->addWidget(lblPage);

    auto* card = named(new QFrame(central), QStringLiteral("cardFrame"));
    card->setMaximumWidth(900);
    card->setProperty("surface", QStringLiteral("card"));
    Picture1 = named(new QLabel(card), QStringLiteral("Picture1"));
    Picture1->setAlignment(Qt::AlignTop);
    lblTitle = named(new QLabel(card), QStringLiteral("lblTitle"));
    lblTitle->setFont(Look::arial(22, true));
    lblTitle->setProperty("tone", QStringLiteral("accent"));
    lblTitle->setWordWrap(true);
    lblBody = named(new QLabel(card), QStringLiteral("lblBody"));
    lblBody->setFont(Look::arial(13));
    lblBody->setTextFormat(Qt::RichText);
    lblBody->setWordWrap(true);
    lblBody->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* cardLayout = new QGridLayout(card);
    cardLayout->setContentsMargins(28, 24, 28, 24);
    cardLayout->setHorizontalSpacing(22);
    cardLayout->setVerticalSpacing(14);
    cardLayout->addWidget(Picture1, 0, 0, 2, 1);
    cardLayout->addWidget(lblTitle, 0, 1);
    cardLayout->addWidget(lblBody, 1, 1);
    cardLayout->setColumnStretch(1, 1);

    cmdBack = named(new QPushButton(tr("< &Back"), central), QStringLiteral("cmdBack"));
    cmdNext = named(new QPushButton(tr("&Next >"), central), QStringLiteral("cmdNext"));
    cmdClose = named(new QPushButton(tr("&Close"), central), QStringLiteral("cmdClose"));
    for (QPushButton* b : {cmdBack, cmdNext, cmdClose})
        b->setMinimumWidth(110);
    connect(cmdBack, &QPushButton::clicked, this, [this] { showPage(page_ - 1); });
    connect(cmdNext, &QPushButton::clicked, this, [this] { showPage(page_ + 1); });
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdBack);
    buttons->addWidget(cmdNext);
    buttons->addSpacing(20);
    buttons->addWidget(cmdClose);

    auto* middle = new QHBoxLayout;
    middle->addStretch(1);
    middle->addWidget(card, 8);
    middle->addStretch(1);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(banner);
    layout->addSpacing(24);
    // The card fits its page; what is left of a large screen stays below it.
    layout->addLayout(middle);
    layout->addStretch(1);
    layout->addSpacing(12);
    auto* bottom = new QWidget(central);
    auto* bottomLayout = new QVBoxLayout(bottom);
    bottomLayout->setContentsMargins(24, 0, 24, 18);
    bottomLayout->addLayout(buttons);
    layout->addWidget(bottom);

    resize(1000, 700);
    showPage(0);
}

void TourWindow::showPage(int index) {
    if (pages_.isEmpty())
        return;
    page_ = std::clamp(index, 0, pageCount() - 1);
    const TourPage& p = pages_.at(page_);
    Picture1->setPixmap(p.icon == Look::Icon::App ? Look::appPicture(72)
                                                  : Look::icon(p.icon).pixmap(64, 64));
    lblTitle->setText(p.title);
    lblBody->setText(p.body);
    lblPage->setText(tr("Page %1 of %2").arg(page_ + 1).arg(pageCount()));
    cmdBack->setEnabled(page_ > 0);
    cmdNext->setEnabled(page_ < pageCount() - 1);
    // The learner's next press goes on, or closes on the last page.
    (page_ < pageCount() - 1 ? cmdNext : cmdClose)->setFocus();
}

void TourWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_PageDown:
        showPage(page_ + 1);
        return;
    case Qt::Key_Left:
    case Qt::Key_PageUp:
        showPage(page_ - 1);
        return;
    case Qt::Key_Escape:
        close();
        return;
    default:
        QMainWindow::keyPressEvent(event);
    }
}
