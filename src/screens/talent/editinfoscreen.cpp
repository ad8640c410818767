#include "screens/talent/editinfoscreen.h"

#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "screens/shell/session.h"
#include "screens/widgets/cp1252.h"
#include "talent/profile.h"
#include "talent/roster.h"

namespace rvgui {

namespace {
const char* const finisher_types[] = {"p", "s", "t"};
}

EditInfoScreen::EditInfoScreen(Session& session, Navigator& navigator, QWidget* parent) : Screen(session, navigator, parent) {
  setObjectName(QStringLiteral("editInfoScreen"));
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(24, 20, 24, 20);
  outer->setSpacing(12);
  heading_ = make_label(QStringLiteral("editInfoHeading"), QStringLiteral("Edit Info"), this);
  heading_->setProperty("role", "heading");
  add_shadow(heading_);
  outer->addWidget(heading_);

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("editInfoPanel"));
  panel->setProperty("role", "panel");
  auto* form = new QFormLayout(panel);
  form->setContentsMargins(20, 18, 20, 18);
  form->setVerticalSpacing(10);
  full_name_ = new QLineEdit(panel);
  full_name_->setObjectName(QStringLiteral("fullNameEdit"));
  used_before_ = make_label(QStringLiteral("usedBeforeLabel"), QString(), panel);
  used_before_->setProperty("role", "small");
  used_before_->setWordWrap(true);
  short_name_ = new QLineEdit(panel);
  short_name_->setObjectName(QStringLiteral("shortNameEdit"));
  description_ = new QPlainTextEdit(panel);
  description_->setObjectName(QStringLiteral("descriptionEdit"));
  description_->setMaximumHeight(110);
  finisher_ = new QLineEdit(panel);
  finisher_->setObjectName(QStringLiteral("finisherEdit"));
  auto* finisher_note = make_label(QStringLiteral("finisherNoteLabel"), qs(rv::finisher_note), panel);
  finisher_note->setProperty("role", "small");
  finisher_note->setWordWrap(true);
  finisher_type_ = new QComboBox(panel);
  finisher_type_->setObjectName(QStringLiteral("finisherTypeChoice"));
  for (const auto line : rv::finisher_type_lines) finisher_type_->addItem(qs(line));
  form->addRow(caption(QStringLiteral("fullNameCaption"), qs(rv::full_name_question), panel), full_name_);
  form->addRow(QString(), used_before_);
  form->addRow(caption(QStringLiteral("shortNameCaption"), qs(rv::short_name_question), panel), short_name_);
  form->addRow(caption(QStringLiteral("descriptionCaption"), qs(rv::description_question), panel), description_);
  form->addRow(caption(QStringLiteral("finisherCaption"), qs(rv::finisher_question), panel), finisher_);
  form->addRow(QString(), finisher_note);
  form->addRow(caption(QStringLiteral("finisherTypeCaption"), qs(rv::finisher_type_question), panel), finisher_type_);
  outer->addWidget(panel);
  outer->addStretch(1);

  auto* footer = new QHBoxLayout;
  save_ = make_button(QStringLiteral("saveInfoButton"), QStringLiteral("Save Changes"), this);
  set_default_button(save_);
  back_ = make_button(QStringLiteral("editInfoBackButton"), QStringLiteral("Back to Profile"), this);
  footer->addWidget(save_);
  footer->addStretch(1);
  footer->addWidget(back_);
  outer->addLayout(footer);
  connect(save_, &QPushButton::clicked, this, &EditInfoScreen::save_changes);
  connect(back_, &QPushButton::clicked, this, &EditInfoScreen::go_back);
}

void EditInfoScreen::enter() {
  const auto r = session_.game ? rv::roster_worker(session_.game->store, session_.profile_worker) : std::nullopt;
  set_usable(save_, r ? QString() : QStringLiteral("There is no worker to edit."));
  if (!r) return;
  const auto w = session_.game->store.worker(*r);
  heading_->setText(QStringLiteral("Edit Info: %1").arg(qs(w.name())));
  full_name_->setText(qs(w.name()));
  used_before_->setText(qs(rv::alter_ego_note(rv::load_alter_egos(session_.home), w.name())));
  used_before_->setVisible(!used_before_->text().isEmpty());
  short_name_->setText(qs(w.shortname()));
  description_->setPlainText(qs(w.desc()));
  finisher_->setText(qs(w.finisher()));
  int type = 0;
  for (int i = 0; i < 3; ++i) {
    if (w.finishertype() == finisher_types[i]) type = i;
  }
  finisher_type_->setCurrentIndex(type);
}

void EditInfoScreen::save_changes() {
  const auto r = session_.game ? rv::roster_worker(session_.game->store, session_.profile_worker) : std::nullopt;
  if (!r) return;
  struct Field {
    QString text;
    rv::Col column;
    rv::Status (*apply)(rv::Store&, std::size_t, const std::string&);
  };
  const Field fields[] = {{full_name_->text().trimmed(), rv::Col::names, rv::rename_worker},
                          {short_name_->text().trimmed(), rv::Col::shortname, rv::set_short_name},
                          {description_->toPlainText().simplified(), rv::Col::desc, rv::set_description},
                          {finisher_->text().trimmed(), rv::Col::finisher, rv::set_finisher},
                          {QString::fromLatin1(finisher_types[std::max(0, finisher_type_->currentIndex())]),
                           rv::Col::finishertype, rv::set_finisher_type}};
  // Every change is made on a copy first: one refusal leaves the worker as he was.
  rv::Store edited = session_.game->store;
  for (const auto& f : fields) {
    const auto bytes = to_cp1252(f.text);
    if (!bytes) {
      session_.dialogs.info(not_cp1252_message(f.text));
      return;
    }
    if (*bytes == edited.worker(*r).text(f.column)) continue;  // left as it was
    if (f.column == rv::Col::names && session_.booking) {
      // The card being booked holds the names of tonight's workers.
      session_.dialogs.info(QStringLiteral("Names can be changed once tonight's show is over."));
      return;
    }
    if (const auto status = f.apply(edited, *r, *bytes); !status) {
      session_.dialogs.info(qs(status.error()));
      return;
    }
  }
  session_.game->store = std::move(edited);
  session_.profile_worker = session_.game->store.worker(*r).name();
  session_.dialogs.info(QStringLiteral("The changes have been saved."));
  go_back();
}

}  // namespace rvgui
