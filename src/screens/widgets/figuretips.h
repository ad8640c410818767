#pragma once
// What a worker's figures mean and what moves them, said once for every screen that shows them.
#include <QString>
#include <QStringList>

namespace rvgui {

enum class WorkerFigure {
  name, pop, ability, hardcore, charisma, morale, condition, booked, champion, disposition, role, gender, mic_skills
};

QString worker_figure_tip(WorkerFigure figure);
// The booking screen's worker columns, in its order: name, pop, ability, hardcore, charisma, morale,
// condition, booked, champion, face/heel, role, gender.
QStringList worker_figure_tips();
// The tip for a figure by the caption a profile gives it ("DRAW VALUE", "In Ring Ability", ...); empty
// for a caption that needs none.
QString worker_caption_tip(const QString& caption);

}  // namespace rvgui
