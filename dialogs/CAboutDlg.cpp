#include "dialogs/CAboutDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/DialogPictures.h"
#include "dialogs/DialogTexts.h"
#include "dialogs/DialogUnits.h"
#include "dialogs/PlainMnemonics.h"
#include "dialogs/QtText.h"
#include "res/VersionHistory.h"

namespace tolva {

namespace {
constexpr int kIconSide = 64;
}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
  setWindowTitle(Tr(text_context::kDialogs, kAboutCaption));
  PlainMnemonics::Install(*this);
  setFont(ProportionalDialogFont());
  setWindowIcon(ApplicationIcon());

  auto* icon = new QLabel(this);
  icon->setPixmap(ApplicationIcon().pixmap(kIconSide, kIconSide));
  icon->setFixedSize(kIconSide, kIconSide);

  auto* product = new QLabel(Tr(text_context::kDialogs, kAboutProductName), this);
  QFont productFont = font();
  productFont.setPixelSize(20);
  productFont.setBold(true);
  product->setFont(productFont);
  auto* subtitle = new QLabel(Tr(text_context::kDialogs, kAboutSubtitle), this);
  auto* notice = new QLabel(Tr(text_context::kDialogs, kAboutNotice), this);
  for (QLabel* label : {product, subtitle, notice}) label->setTextFormat(Qt::PlainText);
  subtitle->setWordWrap(true);

  auto* historyLabel = new QLabel(Tr(text_context::kDialogs, kAboutHistoryLabel, kAboutHistoryNote), this);
  history_ = new QPlainTextEdit(this);
  history_->setReadOnly(true);
  history_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  history_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  history_->setPlainText(Tr(text_context::kDialogs, VersionHistoryText()));
  historyLabel->setBuddy(history_);

  ok_ = new QPushButton(DialogIcon(kBmpOk32), Tr(text_context::kDialogs, kAboutOkText), this);
  ok_->setIconSize(QSize(24, 24));
  ok_->setDefault(true);
  ok_->setMinimumSize(UnitsToPixelsX(60), 34);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

  auto* names = new QVBoxLayout;
  names->setSpacing(4);
  names->addWidget(product);
  names->addWidget(subtitle);
  names->addWidget(notice);
  auto* head = new QHBoxLayout;
  head->setSpacing(14);
  head->addWidget(icon, 0, Qt::AlignTop);
  head->addLayout(names, 1);

  auto* foot = new QHBoxLayout;
  foot->addStretch(1);
  foot->addWidget(ok_);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(14, 14, 14, 12);
  layout->setSpacing(8);
  layout->addLayout(head);
  layout->addSpacing(6);
  layout->addWidget(historyLabel);
  layout->addWidget(history_, 1);
  layout->addLayout(foot);

  setFixedSize(UnitsToPixelsX(272), UnitsToPixelsY(259));
  ok_->setFocus();
}

}  // namespace tolva
