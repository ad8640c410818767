#pragma once
// What a worker's figures mean and what moves them, said once for every screen that shows them.
#include <QString>
#include <QStringList>

namespace rvgui {

enum class WorkerFigure { name, pop, ability, hardcore, charisma, morale, condition, booked, champion, disposition, role, gender };

QString worker_figure_tip(WorkerFigure figure);
// The booking screen's worker columns, in its order: name, pop, ability, hardcore, charisma, morale,
// condition, booked, champion, face/heel, role, gender.
QStringList worker_figure_tips();

}  // namespace rvgui
