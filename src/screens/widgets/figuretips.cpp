#include "screens/widgets/figuretips.h"

namespace rvgui {

QString worker_figure_tip(WorkerFigure figure) {
  switch (figure) {
    case WorkerFigure::name: return QStringLiteral("The worker; a header click sorts the list by any column");
    case WorkerFigure::pop:
      return QStringLiteral("Popularity: draws the crowd and makes him the favourite to win; it does not "
                            "rate the match. It drifts with his morale on the 17th, and big upsets move it");
    case WorkerFigure::ability:
      return QStringLiteral("Ability: with hardcore, most of a match's rating (0.65 of their sum, averaged over "
                            "the workers); a hardcore stipulation ignores it");
    case WorkerFigure::hardcore:
      return QStringLiteral("Hardcore: with ability, most of a match's rating; it counts only where the "
                            "stipulation calls for it, in full or halved");
    case WorkerFigure::charisma: return QStringLiteral("Charisma: a tenth of the workers' average is added to the match's rating");
    case WorkerFigure::morale:
      return QStringLiteral("Morale: from 50 up adds 1 to the match's rating for every 5. Wins over more "
                            "popular workers raise it, losses lower it, and a new contract can change it");
    case WorkerFigure::condition:
      return QStringLiteral("Condition (0 to 100): from 50 up adds 1 to the match's rating for every 5; below "
                            "50 it costs the rating heavily. Stipulated matches wear it; 0 here means injured");
    case WorkerFigure::booked: return QStringLiteral("Yes when he already has a match on this card");
    case WorkerFigure::champion: return QStringLiteral("Yes when he holds one of your titles");
    case WorkerFigure::disposition: return QStringLiteral("Face (the fans cheer him) or Heel (they boo him)");
    case WorkerFigure::role: return QStringLiteral("His place on the card, as his contract sets it");
    case WorkerFigure::gender: return QStringLiteral("Women's matches take only female workers");
    case WorkerFigure::mic_skills:
      return QStringLiteral("Mic skills: his interviews; with charisma, 80 or more lets a happy star's popularity "
                            "climb past 90");
  }
  return {};
}

QStringList worker_figure_tips() {
  QStringList tips;
  for (const auto f : {WorkerFigure::name, WorkerFigure::pop, WorkerFigure::ability, WorkerFigure::hardcore,
                       WorkerFigure::charisma, WorkerFigure::morale, WorkerFigure::condition, WorkerFigure::booked,
                       WorkerFigure::champion, WorkerFigure::disposition, WorkerFigure::role, WorkerFigure::gender})
    tips << worker_figure_tip(f);
  return tips;
}

QString worker_caption_tip(const QString& caption) {
  const QString c = caption.toUpper();
  if (c == QLatin1String("DRAW VALUE") || c == QLatin1String("DRAW")) return worker_figure_tip(WorkerFigure::pop);
  if (c == QLatin1String("IN RING ABILITY") || c == QLatin1String("ABILITY")) return worker_figure_tip(WorkerFigure::ability);
  if (c == QLatin1String("MIC SKILLS")) return worker_figure_tip(WorkerFigure::mic_skills);
  if (c == QLatin1String("CHARISMA")) return worker_figure_tip(WorkerFigure::charisma);
  if (c == QLatin1String("HARDCORE")) return worker_figure_tip(WorkerFigure::hardcore);
  if (c == QLatin1String("CONDITION")) return worker_figure_tip(WorkerFigure::condition);
  if (c == QLatin1String("MORALE")) return worker_figure_tip(WorkerFigure::morale);
  if (c == QLatin1String("ROLE")) return worker_figure_tip(WorkerFigure::role);
  if (c == QLatin1String("FACE/HEEL")) return worker_figure_tip(WorkerFigure::disposition);
  return {};
}

}  // namespace rvgui
