#pragma once
// The main screen's right-hand panel on a wide window: the contracts that run out in the next
// weeks and the workers out injured, each row opening the worker's profile.
#include <QFrame>

#include "state/game.h"

class QTableView;

namespace rvgui {

class GridModel;

class AttentionPanel : public QFrame {
  Q_OBJECT

 public:
  explicit AttentionPanel(QWidget* parent = nullptr);
  void refresh(const rv::Store& store);

 signals:
  // A row was chosen (click, Return): the worker's name.
  void worker_chosen(const QString& name);

 private:
  QTableView* add_grid(const QString& object_name, const QString& title, GridModel* model);

  GridModel* contracts_model_;
  GridModel* injured_model_;
  QTableView* contracts_;
  QTableView* injured_;
};

}  // namespace rvgui
