#include "screens/talent/trainingcampscreen.h"

#include <QComboBox>
#include <algorithm>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "screens/shell/session.h"
#include "screens/widgets/cp1252.h"
#include "talent/camp.h"

namespace rvgui {

namespace {

// The finisher type choices, in the order of the finisher type combo.
const char* const finisher_type_codes[] = {"p", "s", "t"};

QComboBox* make_choice(const QString& name, const QStringList& items, QWidget* parent) {
  auto* c = new QComboBox(parent);
  c->setObjectName(name);
  c->addItems(items);
  return c;
}

}  // namespace

TrainingCampScreen::TrainingCampScreen(Session& session, Navigator& navigator, QWidget* parent)
    : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("trainingCampScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  outer->setSpacing(12);
  auto* heading = make_label(QStringLiteral("campHeading"), QStringLiteral("Latest Prospect Of The Training Camp"), this);
  heading->setProperty("role", "heading");
  add_shadow(heading);
  outer->addWidget(heading);

  outer->addWidget(build_prospect_panel());
  empty_ = make_label(QStringLiteral("campEmptyLabel"), qs(rv::no_trainees_text), this);
  empty_->setProperty("role", "subheading");
  empty_->setWordWrap(true);
  empty_->setAlignment(Qt::AlignCenter);
  add_shadow(empty_);
  outer->addWidget(empty_);
  outer->addWidget(build_sign_panel());
  outer->addStretch(1);

  auto* footer = new QHBoxLayout;
  sign_ = make_button(QStringLiteral("signProspectButton"), QStringLiteral("Sign Prospect"), this);
  sign_->setProperty("role", "main");
  back_ = make_button(QStringLiteral("campBackButton"), QStringLiteral("Back To Main Screen"), this);
  footer->addWidget(sign_);
  footer->addStretch(1);
  footer->addWidget(back_);
  outer->addLayout(footer);
  connect(sign_, &QPushButton::clicked, this, &TrainingCampScreen::start_signing);
  connect(back_, &QPushButton::clicked, this, &TrainingCampScreen::go_back);
}

QWidget* TrainingCampScreen::build_prospect_panel() {
  prospect_panel_ = make_panel(QStringLiteral("campProspectPanel"), this);
  auto* grid = new QGridLayout(prospect_panel_);
  grid->setContentsMargins(20, 16, 20, 16);
  grid->setVerticalSpacing(8);
  grid->setHorizontalSpacing(24);
  name_ = make_label(QStringLiteral("prospectNameLabel"), QString(), prospect_panel_);
  name_->setProperty("role", "subheading");
  grid->addWidget(name_, 0, 0, 1, 4);
  gender_ = value_label(QStringLiteral("prospectGenderLabel"), prospect_panel_,
                     QStringLiteral("The prospect's gender: women's matches take only women"));
  style_ = value_label(QStringLiteral("prospectStyleLabel"), prospect_panel_,
                     QStringLiteral("How the prospect works in the ring"));
  weight_ = value_label(QStringLiteral("prospectWeightLabel"), prospect_panel_,
                     QStringLiteral("Heavyweight or lightweight"));
  const std::pair<QString, QLabel*> facts[] = {
      {QStringLiteral("GENDER"), gender_}, {QStringLiteral("RING STYLE"), style_}, {QStringLiteral("WEIGHT"), weight_}};
  int row = 1;
  for (const auto& [text, label] : facts) {
    grid->addWidget(caption(label->objectName() + QStringLiteral("Caption"), text, prospect_panel_), row, 0);
    grid->addWidget(label, row++, 1);
  }
  const QString names[] = {QStringLiteral("Hardcore"), QStringLiteral("InRing"), QStringLiteral("Mic"),
                           QStringLiteral("Charisma")};
  const QString captions[] = {QStringLiteral("HARDCORE"), QStringLiteral("IN-RING"), QStringLiteral("MIC SKILLS"),
                              QStringLiteral("CHARISMA")};
  for (int i = 0; i < figure_count; ++i) {
    auto* bar = new QProgressBar(prospect_panel_);
    bar->setObjectName(QStringLiteral("prospect%1Bar").arg(names[i]));
    bar->setRange(0, 100);
    bar->setFormat(QStringLiteral("%v"));
    bar->setMinimumWidth(180);
    figures_[static_cast<std::size_t>(i)] = bar;
    grid->addWidget(caption(bar->objectName() + QStringLiteral("Caption"), captions[i], prospect_panel_), 1 + i, 2);
    grid->addWidget(bar, 1 + i, 3);
  }
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 2);
  return prospect_panel_;
}

QWidget* TrainingCampScreen::build_sign_panel() {
  sign_panel_ = make_panel(QStringLiteral("campSignPanel"), this);
  auto* form = new QFormLayout(sign_panel_);
  form->setContentsMargins(20, 16, 20, 16);
  form->setVerticalSpacing(8);
  ring_name_ = new QLineEdit(sign_panel_);
  ring_name_->setObjectName(QStringLiteral("campRingNameEdit"));
  short_name_ = new QLineEdit(sign_panel_);
  short_name_->setObjectName(QStringLiteral("campShortNameEdit"));
  finisher_ = new QLineEdit(sign_panel_);
  finisher_->setObjectName(QStringLiteral("campFinisherEdit"));
  finisher_warning_ = make_label(QStringLiteral("campFinisherWarningLabel"), QString(), sign_panel_);
  finisher_warning_->setProperty("role", "small");
  finisher_warning_->setWordWrap(true);
  disposition_ = make_choice(QStringLiteral("campDispositionChoice"), {QStringLiteral("Face"), QStringLiteral("Heel")},
                             sign_panel_);
  finisher_type_ = make_choice(QStringLiteral("campFinisherTypeChoice"),
                               {QStringLiteral("Pin"), QStringLiteral("Submission"), QStringLiteral("Top Rope")},
                               sign_panel_);
  indy_ = make_choice(QStringLiteral("campIndyChoice"), {QStringLiteral("Yes"), QStringLiteral("No")}, sign_panel_);
  form->addRow(caption(QStringLiteral("campRingNameCaption"), QStringLiteral("RING NAME"), sign_panel_), ring_name_);
  form->addRow(caption(QStringLiteral("campShortNameCaption"), QStringLiteral("SHORT NAME"), sign_panel_), short_name_);
  form->addRow(caption(QStringLiteral("campFinisherCaption"), QStringLiteral("FINISHER"), sign_panel_), finisher_);
  form->addRow(QString(), finisher_warning_);
  form->addRow(caption(QStringLiteral("campFinisherTypeCaption"), QStringLiteral("FINISHER TYPE"), sign_panel_),
               finisher_type_);
  form->addRow(caption(QStringLiteral("campDispositionCaption"), QStringLiteral("FACE OR HEEL"), sign_panel_),
               disposition_);
  form->addRow(caption(QStringLiteral("campIndyCaption"), QStringLiteral("INDY BOOKINGS"), sign_panel_), indy_);
  auto* actions = new QHBoxLayout;
  confirm_ = make_button(QStringLiteral("campConfirmButton"), QStringLiteral("Confirm"), sign_panel_);
  confirm_->setProperty("role", "main");
  cancel_ = make_button(QStringLiteral("campCancelButton"), QStringLiteral("Cancel"), sign_panel_);
  actions->addWidget(confirm_);
  actions->addWidget(cancel_);
  actions->addStretch(1);
  form->addRow(actions);
  connect(finisher_, &QLineEdit::textChanged, this, &TrainingCampScreen::show_finisher_warning);
  connect(confirm_, &QPushButton::clicked, this, &TrainingCampScreen::confirm_signing);
  connect(cancel_, &QPushButton::clicked, this, &TrainingCampScreen::cancel_signing);
  sign_panel_->hide();
  return sign_panel_;
}

bool TrainingCampScreen::signing() const { return !sign_panel_->isHidden(); }

void TrainingCampScreen::enter() {
  sign_panel_->hide();
  fill();
}

void TrainingCampScreen::fill() {
  const auto p = session_.game ? rv::current_prospect(session_.game->store) : std::nullopt;
  prospect_panel_->setVisible(p.has_value());
  empty_->setVisible(!p);
  if (!p) sign_panel_->hide();
  set_usable(sign_, p ? QString() : qs(rv::no_trainees_text),
             QStringLiteral("Signs the prospect to a first contract: you choose the ring name, short name and finisher"));
  sign_->setVisible(!signing());
  if (!p) return;
  name_->setText(qs(p->name));
  gender_->setText(qs(p->gender));
  style_->setText(qs(p->ring_style));
  weight_->setText(qs(p->weight));
  const rv::Num values[] = {p->hardcore, p->ent, p->mic, p->charisma};
  for (int i = 0; i < figure_count; ++i) {
    figures_[static_cast<std::size_t>(i)]->setValue(static_cast<int>(rv::clamp_int(values[i], 0, 100)));
  }
}

void TrainingCampScreen::start_signing() {
  const auto p = session_.game ? rv::current_prospect(session_.game->store) : std::nullopt;
  if (!p) return;
  ring_name_->clear();
  short_name_->clear();
  finisher_->setText(qs(rv::default_finisher(p->ring_style)));
  const rv::CampSigning defaults;
  disposition_->setCurrentText(qs(defaults.disposition));
  finisher_type_->setCurrentIndex(0);
  indy_->setCurrentIndex(defaults.indy ? 0 : 1);
  show_finisher_warning();
  sign_panel_->show();
  sign_->hide();
  ring_name_->setFocus();
}

void TrainingCampScreen::cancel_signing() {
  sign_panel_->hide();
  fill();
}

bool TrainingCampScreen::escape_inner() {
  if (!signing()) return false;
  cancel_signing();
  return true;
}

void TrainingCampScreen::show_finisher_warning() {
  finisher_warning_->setText(qs(rv::finisher_warning(to_cp1252_lossy(finisher_->text().trimmed()))));
  finisher_warning_->setVisible(!finisher_warning_->text().isEmpty());
}

void TrainingCampScreen::confirm_signing() {
  if (!session_.game || !signing()) return;
  const QString typed[] = {ring_name_->text().trimmed(), short_name_->text().trimmed(), finisher_->text().trimmed()};
  std::string bytes[3];
  for (int i = 0; i < 3; ++i) {
    const auto b = to_cp1252(typed[i]);
    if (!b) {
      session_.dialogs.info(not_cp1252_message(typed[i]));
      return;
    }
    bytes[i] = *b;
  }
  rv::CampSigning s{bytes[0], bytes[1], bytes[2]};
  s.disposition = to_cp1252_lossy(disposition_->currentText());
  s.finisher_type = finisher_type_codes[std::clamp(finisher_type_->currentIndex(), 0, 2)];
  s.indy = indy_->currentIndex() == 0;
  const auto status = rv::sign_prospect(session_.game->store, s);
  if (!status) {
    session_.dialogs.info(qs(status.error()));
    return;
  }
  session_.dialogs.info(qs(rv::prospect_signed_text));
  sign_panel_->hide();
  fill();
}

}  // namespace rvgui
